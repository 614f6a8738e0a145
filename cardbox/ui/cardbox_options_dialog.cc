#include "cardbox/ui/cardbox_options_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>
#include <optional>
#include <string>
#include <vector>

#include "cardbox/cardbox_study.h"
#include "platform/ui/number_field.h"

namespace tavrune {
namespace {

QLineEdit* DayListEdit(const std::vector<int>& days, QWidget* parent) {
  auto* edit = new QLineEdit(QString::fromStdString(FormatDayList(days)), parent);
  edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 40);
  return edit;
}

}  // namespace

CardboxOptionsDialog::CardboxOptionsDialog(const CardboxOptions& options, UserPrompt& prompt,
                                           QWidget* parent)
    : QDialog(parent),
      prompt_(prompt),
      options_(options),
      intervals_(DayListEdit(options.schedule.intervals, this)),
      spreads_(DayListEdit(options.schedule.spreads, this)),
      missed_down_one_(
          new QCheckBox(tr("A &missed card goes down one box, not back to box 0"), this)),
      questions_(NewNumberEdit(QString::number(options.questions_per_session), this)),
      box_zero_first_(new QCheckBox(tr("Ask the cards of box &0 first"), this)) {
  setWindowTitle(tr("Cardbox Options"));
  missed_down_one_->setChecked(options.schedule.missed_down_one);
  box_zero_first_->setChecked(options.box_zero_first);
  auto* form = new QFormLayout;
  form->addRow(tr("&Days until due, box by box:"), intervals_);
  form->addRow(tr("&Give or take days, box by box:"), spreads_);
  form->addRow(missed_down_one_);
  form->addRow(tr("&Questions per session:"), questions_);
  form->addRow(box_zero_first_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

void CardboxOptionsDialog::accept() {
  CardboxOptions read = options_;
  for (auto [edit, days] : {std::pair{intervals_, &read.schedule.intervals},
                            std::pair{spreads_, &read.schedule.spreads}}) {
    std::optional<std::vector<int>> parsed = ParseDayList(edit->text().toStdString());
    if (!parsed) {
      prompt_.ShowMessage(cardbox_text::kBadDayList, {std::to_string(CardboxSchedule::kMaxBoxes),
                                                      std::to_string(CardboxSchedule::kMaxDays)});
      edit->setFocus();
      edit->selectAll();
      return;
    }
    *days = std::move(*parsed);
  }
  const std::optional<double> questions =
      ReadNumberField(questions_, 1, kMaxQuestions, false, prompt_);
  if (!questions) return;
  read.questions_per_session = static_cast<int>(*questions);
  read.schedule.missed_down_one = missed_down_one_->isChecked();
  read.box_zero_first = box_zero_first_->isChecked();
  options_ = std::move(read);
  QDialog::accept();
}

}  // namespace tavrune
