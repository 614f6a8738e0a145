#include "judge/ui/judge_message_box.h"

#include <QPushButton>

#include "judge/judge_messages.h"

namespace tavrune {

JudgeMessageBox::JudgeMessageBox(int message_id, QWidget* parent, QMessageBox::Icon icon)
    : QMessageBox(icon, QString::fromUtf8(kJudgeWindowTitle), QtUserPrompt::Text(message_id),
                  QMessageBox::NoButton, parent) {
  // Texts may carry outside words, which are not markup.
  setTextFormat(Qt::PlainText);
  setDefaultButton(addButton(tr("OK"), QMessageBox::AcceptRole));
}

JudgeQuestionBox::JudgeQuestionBox(int message_id, QWidget* parent)
    : QMessageBox(QMessageBox::Question, QString::fromUtf8(kJudgeWindowTitle),
                  QtUserPrompt::Text(message_id), QMessageBox::NoButton, parent) {
  setTextFormat(Qt::PlainText);
  yes_ = addButton(tr("&Yes"), QMessageBox::YesRole);
  QPushButton* no = addButton(tr("&No"), QMessageBox::NoRole);
  setDefaultButton(yes_);
  setEscapeButton(no);
}

bool JudgeQuestionBox::Ask() {
  exec();
  return clickedButton() == yes_;
}

JudgePrompt::JudgePrompt(QWidget* parent)
    : QtUserPrompt(QString::fromUtf8(kJudgeWindowTitle), parent) {}

void JudgePrompt::ShowMessage(int id, const std::vector<std::string>& args, Icon icon) {
  JudgeMessageBox box(id, Parent(), BoxIcon(icon));
  if (!args.empty()) box.setText(Text(id, args));
  box.exec();
}

UserPrompt::Answer JudgePrompt::AskYesNo(int id, const std::vector<std::string>& args) {
  JudgeQuestionBox box(id, Parent());
  if (!args.empty()) box.setText(Text(id, args));
  return box.Ask() ? Answer::kYes : Answer::kNo;
}

}  // namespace tavrune
