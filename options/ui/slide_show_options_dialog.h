#ifndef TAVRUNE_OPTIONS_UI_SLIDE_SHOW_OPTIONS_DIALOG_H_
#define TAVRUNE_OPTIONS_UI_SLIDE_SHOW_OPTIONS_DIALOG_H_

#include <QDialog>

#include "platform/user_prompt.h"

class QLineEdit;

namespace tavrune {

// "Slide Show Options" (dialog 115): how long a word shows before its
// answers, and the answers before the next word, in whole seconds.
class SlideShowOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kResourceId = 115;

  SlideShowOptionsDialog(int word_interval_ms, int answer_interval_ms, UserPrompt& prompt,
                         QWidget* parent = nullptr);

  // As last accepted, in milliseconds (whole seconds once OK succeeded).
  int WordIntervalMs() const { return word_interval_ms_; }
  int AnswerIntervalMs() const { return answer_interval_ms_; }

  QLineEdit* WordEdit() const { return word_edit_; }
  QLineEdit* AnswerEdit() const { return answer_edit_; }

  // Keeps the dialog open while a time is out of range.
  void accept() override;

 private:
  UserPrompt& prompt_;
  int word_interval_ms_;
  int answer_interval_ms_;
  QLineEdit* word_edit_;
  QLineEdit* answer_edit_;
};

}  // namespace tavrune

#endif  // TAVRUNE_OPTIONS_UI_SLIDE_SHOW_OPTIONS_DIALOG_H_
