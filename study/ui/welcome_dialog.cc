#include "study/ui/welcome_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <utility>

#include "study/ui/study_pictures.h"

namespace tavrune {

WelcomeDialog::WelcomeDialog(std::vector<std::string> tips, QWidget* parent)
    : QDialog(parent), tips_(std::move(tips)) {
  setWindowTitle(tr("Welcome to Tavrune"));

  auto* picture = new QLabel(this);
  picture->setPixmap(
      StudyPicturePixmap(StudyPicture::kLightbulb, QSize(64, 64), devicePixelRatioF()));
  auto* caption = new QLabel(tr("Did you know..."), this);
  QFont caption_font = caption->font();
  caption_font.setBold(true);
  caption_font.setPointSizeF(caption_font.pointSizeF() * 1.3);
  caption->setFont(caption_font);

  tip_ = new QLabel(this);
  QFont tip_font(QStringLiteral("Arial"));
  tip_font.setPixelSize(12);
  tip_font.setWeight(QFont::Normal);
  tip_->setFont(tip_font);
  tip_->setTextFormat(Qt::PlainText);
  tip_->setWordWrap(true);
  tip_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  tip_->setMinimumSize(320, 110);

  do_not_show_ = new QCheckBox(tr("Do &not show this window again"), this);
  auto* close_button = new QPushButton(tr("&Close"), this);
  next_ = new QPushButton(tr("Next &Tip"), this);
  close_button->setDefault(true);
  connect(close_button, &QPushButton::clicked, this, &QDialog::accept);
  connect(next_, &QPushButton::clicked, this, &WelcomeDialog::ShowNextTip);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(do_not_show_);
  buttons->addStretch();
  buttons->addWidget(next_);
  buttons->addWidget(close_button);
  auto* grid = new QGridLayout(this);
  grid->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
  grid->addWidget(caption, 0, 1);
  grid->addWidget(tip_, 1, 1);
  grid->addLayout(buttons, 2, 0, 1, 2);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(1, 1);

  ShowNextTip();
}

void WelcomeDialog::ShowNextTip() {
  if (!tips_.empty()) {
    tip_->setText(QString::fromStdString(tips_.back()));
    tips_.pop_back();
  }
  next_->setEnabled(!tips_.empty());
}

bool WelcomeDialog::DoNotShowAgain() const { return do_not_show_->isChecked(); }

}  // namespace tavrune
