#include "study/ui/quiz_history_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "study/quiz_answers.h"

namespace tavrune {

QuizHistoryDialog::QuizHistoryDialog(QuizRecord& record, ListType list_type, QWidget* parent)
    : QDialog(parent),
      record_(record),
      list_type_(list_type),
      correct_(new QLabel(this)),
      total_(new QLabel(this)),
      percentage_(new QLabel(this)),
      auto_reset_(new QCheckBox(tr("Reset History on New/Open Lists Automatically"), this)),
      reset_(new QPushButton(tr("&Reset"), this)),
      study_(new QPushButton(tr("&Study Missed Words"), this)) {
  setWindowTitle(tr("Quiz History"));
  auto* values = new QFormLayout;
  values->addRow(tr("Number of correct answers:"), correct_);
  values->addRow(tr("Total number of answers:"), total_);
  values->addRow(tr("Percentage of correct answers:"), percentage_);
  for (QLabel* label : {correct_, total_, percentage_}) {
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  auto* missed_box = new QGroupBox(tr("Missed words"), this);
  auto* missed = new QFormLayout(missed_box);
  for (ListType type : kQuizListTypes) {
    QLabel*& label = missed_[static_cast<size_t>(type)];
    label = new QLabel(missed_box);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    missed->addRow(QString::fromLatin1(ListTypeName(type)) + QLatin1Char(':'), label);
  }
  auto* close = new QPushButton(tr("&Close"), this);
  close->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(reset_);
  buttons->addWidget(study_);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(values);
  layout->addWidget(missed_box);
  layout->addWidget(auto_reset_);
  layout->addLayout(buttons);

  auto_reset_->setChecked(record_.AutoReset());
  connect(auto_reset_, &QCheckBox::toggled, this, [this](bool on) { record_.SetAutoReset(on); });
  connect(reset_, &QPushButton::clicked, this, [this] {
    record_.Reset();
    ShowValues();
  });
  connect(study_, &QPushButton::clicked, this, [this] {
    study_missed_ = true;
    accept();
  });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  ShowValues();
}

void QuizHistoryDialog::ShowValues() {
  const int32_t correct = record_.CorrectAnswers();
  const int32_t total = record_.TotalAnswers();
  correct_->setText(QString::number(correct));
  total_->setText(QString::number(total));
  percentage_->setText(QString::fromStdString(QuizPercentageText(correct, total)));
  for (ListType type : kQuizListTypes) {
    MissedLabel(type)->setText(QString::number(record_.MissedWords(type).Count()));
  }
  // The list it makes is of the current list's type.
  study_->setEnabled(!record_.MissedWords(list_type_).IsEmpty());
}

}  // namespace tavrune
