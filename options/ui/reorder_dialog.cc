#include "options/ui/reorder_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrune {

ReorderDialog::ReorderDialog(const std::string& order, QWidget* parent)
    : QDialog(parent), order_(order) {
  setWindowTitle(tr("Reorder"));

  list_ = new QListWidget(this);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  for (char letter : order_) list_->addItem(QString(QLatin1Char(letter)));
  list_->setMaximumWidth(list_->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 6);
  auto* label = new QLabel(tr("Anagram O&rder"), this);
  label->setBuddy(list_);

  top_ = new QPushButton(tr("&Top"), this);
  up_ = new QPushButton(tr("&Up"), this);
  down_ = new QPushButton(tr("&Down"), this);
  bottom_ = new QPushButton(tr("&Bottom"), this);
  connect(top_, &QPushButton::clicked, this, [this] { Move(LetterMove::kTop); });
  connect(up_, &QPushButton::clicked, this, [this] { Move(LetterMove::kUp); });
  connect(down_, &QPushButton::clicked, this, [this] { Move(LetterMove::kDown); });
  connect(bottom_, &QPushButton::clicked, this, [this] { Move(LetterMove::kBottom); });
  auto* moves = new QVBoxLayout;
  for (QPushButton* button : {top_, up_, down_, bottom_}) {
    button->setAutoDefault(false);
    moves->addWidget(button);
  }
  moves->addStretch();

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* grid = new QGridLayout(this);
  grid->addWidget(label, 0, 0);
  grid->addWidget(list_, 1, 0);
  grid->addLayout(moves, 1, 1);
  grid->addWidget(buttons, 2, 0, 1, 2);

  connect(list_, &QListWidget::currentRowChanged, this, &ReorderDialog::UpdateButtons);
  list_->setCurrentRow(0);
  UpdateButtons();
}

void ReorderDialog::Move(LetterMove move) {
  const int now = MoveLetter(order_, list_->currentRow(), move);
  for (int i = 0; i < list_->count(); ++i) {
    list_->item(i)->setText(QString(QLatin1Char(order_[static_cast<size_t>(i)])));
  }
  list_->setCurrentRow(now);
  list_->scrollToItem(list_->currentItem());
  UpdateButtons();
}

void ReorderDialog::UpdateButtons() {
  const int selected = list_->currentRow();
  const int count = list_->count();
  top_->setEnabled(LetterMoveEnabled(LetterMove::kTop, selected, count));
  up_->setEnabled(LetterMoveEnabled(LetterMove::kUp, selected, count));
  down_->setEnabled(LetterMoveEnabled(LetterMove::kDown, selected, count));
  bottom_->setEnabled(LetterMoveEnabled(LetterMove::kBottom, selected, count));
}

}  // namespace tavrune
