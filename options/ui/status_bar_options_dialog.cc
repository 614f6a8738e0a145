#include "options/ui/status_bar_options_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace tavrune {

StatusBarOptionsDialog::StatusBarOptionsDialog(bool show_answers, bool show_probability,
                                               QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("Status Bar Options"));
  answers_ = new QCheckBox(tr("Show number of &Answers"), this);
  probability_ = new QCheckBox(tr("Show &Probability Factor"), this);
  answers_->setChecked(show_answers);
  probability_->setChecked(show_probability);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(answers_);
  layout->addWidget(probability_);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool StatusBarOptionsDialog::ShowAnswers() const { return answers_->isChecked(); }

bool StatusBarOptionsDialog::ShowProbability() const { return probability_->isChecked(); }

}  // namespace tavrune
