#include "options/ui/build_options_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "options/option_rules.h"
#include "options/ui/integer_field.h"

namespace tavrune {

BuildOptionsDialog::BuildOptionsDialog(int minimum, int maximum, UserPrompt& prompt,
                                       QWidget* parent)
    : QDialog(parent), prompt_(prompt), minimum_(minimum), maximum_(maximum) {
  setWindowTitle(tr("Build Options"));

  minimum_edit_ = NewIntegerEdit(minimum, this);
  maximum_edit_ = NewIntegerEdit(maximum, this);
  auto* lengths = new QFormLayout;
  lengths->addRow(tr("Mi&nimum Answer Length (2-15)"), minimum_edit_);
  lengths->addRow(tr("Ma&ximum Answer Length (2-15)"), maximum_edit_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &BuildOptionsDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lengths);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void BuildOptionsDialog::accept() {
  const std::optional<int> minimum = ReadIntegerField(minimum_edit_, kBuildMinimumRange, prompt_);
  if (!minimum) return;
  const std::optional<int> maximum =
      ReadIntegerField(maximum_edit_, BuildMaximumRange(*minimum), prompt_);
  if (!maximum) return;
  minimum_ = *minimum;
  maximum_ = *maximum;
  QDialog::accept();
}

}  // namespace tavrune
