#ifndef TAVRUNE_JUDGE_UI_JUDGE_MESSAGE_BOX_H_
#define TAVRUNE_JUDGE_UI_JUDGE_MESSAGE_BOX_H_

#include <QMessageBox>

#include "platform/ui/qt_user_prompt.h"

namespace tavrune {

// The judge program's message box (resource 133): a string-table text under
// the title "Tavrune Word Judge" with "OK".
class JudgeMessageBox : public QMessageBox {
  Q_OBJECT

 public:
  static constexpr int kResourceId = 133;
  JudgeMessageBox(int message_id, QWidget* parent = nullptr,
                  QMessageBox::Icon icon = QMessageBox::Information);
};

// The judge program's question box (resource 134): "&Yes" and "&No"; any way
// of closing it other than "&Yes" answers No.
class JudgeQuestionBox : public QMessageBox {
  Q_OBJECT

 public:
  static constexpr int kResourceId = 134;
  explicit JudgeQuestionBox(int message_id, QWidget* parent = nullptr);

  // Runs the box; true when "&Yes" was pressed.
  bool Ask();

 private:
  QPushButton* yes_;
};

// The judge program's prompts: its messages and questions in the two boxes.
class JudgePrompt : public QtUserPrompt {
 public:
  explicit JudgePrompt(QWidget* parent = nullptr);

  void ShowMessage(int id, const std::vector<std::string>& args = {},
                   Icon icon = Icon::kWarning) override;
  Answer AskYesNo(int id, const std::vector<std::string>& args = {}) override;
};

}  // namespace tavrune

#endif  // TAVRUNE_JUDGE_UI_JUDGE_MESSAGE_BOX_H_
