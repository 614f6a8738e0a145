#include "options/ui/hooks_options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "options/ui/integer_field.h"

namespace tavrune {

HooksOptionsDialog::HooksOptionsDialog(HookType type, int front_letters, int end_letters,
                                       UserPrompt& prompt, QWidget* parent)
    : QDialog(parent), prompt_(prompt), front_letters_(front_letters), end_letters_(end_letters) {
  setWindowTitle(tr("Hooks Options"));
  const HookChoice choice = HookChoiceOf(type);

  both_ends_ = new QCheckBox(tr("Hook Both Ends &Simultaneously"), this);
  both_ends_->setChecked(choice.both_ends);

  front_edit_ = NewIntegerEdit(front_letters, this);
  end_edit_ = NewIntegerEdit(end_letters, this);
  auto* counts = new QFormLayout;
  counts->addRow(tr("Number of &Front hook Letters (1 - 7)"), front_edit_);
  counts->addRow(tr("Number of &End hook Letters (1 - 7)"), end_edit_);

  show_box_ = new QGroupBox(tr("Show"), this);
  auto* show_layout = new QVBoxLayout(show_box_);
  show_group_ = new QButtonGroup(this);
  const QString labels[kHookShowCount] = {tr("F&ront Hooks "), tr("En&d Hooks"),
                                          tr("Fro&nt Hooks, End Hooks")};
  for (int i = 0; i < kHookShowCount; ++i) {
    auto* button = new QRadioButton(labels[i], show_box_);
    show_group_->addButton(button, i);
    show_layout->addWidget(button);
    show_buttons_[static_cast<size_t>(i)] = button;
  }
  show_buttons_[static_cast<size_t>(choice.show)]->setChecked(true);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &HooksOptionsDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(both_ends_);
  layout->addLayout(counts);
  layout->addWidget(show_box_);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(both_ends_, &QCheckBox::clicked, this, &HooksOptionsDialog::ApplyShowRule);
  ApplyShowRule();
}

void HooksOptionsDialog::ApplyShowRule() {
  for (QRadioButton* button : show_buttons_) {
    button->setEnabled(HookShowEnabled(both_ends_->isChecked()));
  }
}

HookType HooksOptionsDialog::Type() const {
  return HookTypeOf({both_ends_->isChecked(), show_group_->checkedId()});
}

void HooksOptionsDialog::accept() {
  const std::optional<int> front = ReadIntegerField(front_edit_, kHookLettersRange, prompt_);
  if (!front) return;
  const std::optional<int> end = ReadIntegerField(end_edit_, kHookLettersRange, prompt_);
  if (!end) return;
  front_letters_ = *front;
  end_letters_ = *end;
  QDialog::accept();
}

}  // namespace tavrune
