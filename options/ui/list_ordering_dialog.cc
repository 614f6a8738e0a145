#include "options/ui/list_ordering_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "options/option_rules.h"

namespace tavrune {

ListOrderingDialog::ListOrderingDialog(SortType type, bool descending, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("List Ordering Options"));

  auto* type_box = new QGroupBox(tr("Sort Type"), this);
  auto* type_layout = new QVBoxLayout(type_box);
  type_group_ = new QButtonGroup(this);
  const QString labels[kSortTypeCount] = {tr("&Alphabetical"), tr("&Probability"), tr("&Random"),
                                          tr("&Total Points"), tr("Word &Length")};
  for (int i = 0; i < kSortTypeCount; ++i) {
    auto* button = new QRadioButton(labels[i], type_box);
    type_group_->addButton(button, i);
    type_layout->addWidget(button);
    types_[static_cast<size_t>(i)] = button;
  }
  if (QAbstractButton* chosen = type_group_->button(static_cast<int>(type))) {
    chosen->setChecked(true);
  }

  auto* order_box = new QGroupBox(tr("Sorting Order"), this);
  auto* order_layout = new QVBoxLayout(order_box);
  ascending_ = new QRadioButton(tr("A&scending"), order_box);
  descending_ = new QRadioButton(tr("&Descending"), order_box);
  order_layout->addWidget(ascending_);
  order_layout->addWidget(descending_);
  (descending ? descending_ : ascending_)->setChecked(true);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* grid = new QGridLayout(this);
  grid->addWidget(type_box, 0, 0);
  grid->addWidget(order_box, 0, 1, Qt::AlignTop);
  grid->addWidget(buttons, 1, 0, 1, 2);
  grid->setSizeConstraint(QLayout::SetFixedSize);

  connect(type_group_, &QButtonGroup::idClicked, this, &ListOrderingDialog::ApplyOrderRule);
  ApplyOrderRule();
}

void ListOrderingDialog::ApplyOrderRule() {
  const bool enabled = SortOrderEnabled(Type());
  ascending_->setEnabled(enabled);
  descending_->setEnabled(enabled);
}

SortType ListOrderingDialog::Type() const {
  const int id = type_group_->checkedId();
  return id < 0 ? SortType::kAlphabetical : static_cast<SortType>(id);
}

bool ListOrderingDialog::Descending() const { return descending_->isChecked(); }

}  // namespace tavrune
