#include "options/ui/slide_show_options_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "options/option_rules.h"
#include "options/ui/integer_field.h"

namespace tavrune {

SlideShowOptionsDialog::SlideShowOptionsDialog(int word_interval_ms, int answer_interval_ms,
                                               UserPrompt& prompt, QWidget* parent)
    : QDialog(parent),
      prompt_(prompt),
      word_interval_ms_(word_interval_ms),
      answer_interval_ms_(answer_interval_ms) {
  setWindowTitle(tr("Slide Show Options"));

  word_edit_ = NewIntegerEdit(SecondsFromMs(word_interval_ms), this);
  answer_edit_ = NewIntegerEdit(SecondsFromMs(answer_interval_ms), this);
  auto* times = new QFormLayout;
  times->addRow(tr("Time Between &Words (1 - 30 sec)"), word_edit_);
  times->addRow(tr("Time Between &Answers (0 - 30 sec)"), answer_edit_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &SlideShowOptionsDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(times);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void SlideShowOptionsDialog::accept() {
  const std::optional<int> word = ReadIntegerField(word_edit_, WordSecondsRange(), prompt_);
  if (!word) return;
  const std::optional<int> answer = ReadIntegerField(answer_edit_, AnswerSecondsRange(), prompt_);
  if (!answer) return;
  word_interval_ms_ = MsFromSeconds(*word);
  answer_interval_ms_ = MsFromSeconds(*answer);
  QDialog::accept();
}

}  // namespace tavrune
