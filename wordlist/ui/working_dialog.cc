#include "wordlist/ui/working_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <string>

#include "platform/ui/qt_user_prompt.h"
#include "resources/string_table.h"

namespace tavrune {
namespace {

constexpr int kPercentCompleteText = 40088;

}  // namespace

WorkingDialog::WorkingDialog(AnswerRemoval& removal, QWidget* parent)
    : QDialog(parent), removal_(removal) {
  setWindowTitle(tr("Working ..."));
  message_ = new QLabel(QtUserPrompt::Text(removal.MessageId()), this);
  progress_ = new QLabel(this);
  cancel_ = new QPushButton(tr("Cancel"), this);
  cancel_->setDefault(true);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(message_);
  layout->addWidget(progress_);
  layout->addWidget(cancel_, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  ShowProgress(0);

  // A zero interval runs a step whenever the event loop has nothing else
  // to do.
  timer_ = new QTimer(this);
  timer_->setInterval(0);
  connect(timer_, &QTimer::timeout, this, &WorkingDialog::Tick);
}

void WorkingDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  timer_->start();
}

void WorkingDialog::done(int result) {
  timer_->stop();
  QDialog::done(result);
}

void WorkingDialog::ShowProgress(int percent) {
  progress_->setText(QtUserPrompt::Text(kPercentCompleteText, {std::to_string(percent)}));
}

void WorkingDialog::Tick() {
  int percent = 0;
  const bool finished = removal_.Step(percent);
  ShowProgress(percent);
  if (finished) accept();
}

int RunAnswerRemoval(MTavruneDoc& doc, bool with_answers, QWidget* parent) {
  AnswerRemoval removal(doc);
  if (!removal.Start(with_answers)) return 0;
  WorkingDialog dialog(removal, parent);
  dialog.exec();
  const ScopedWaitCursor wait;
  return removal.Finish();
}

}  // namespace tavrune
