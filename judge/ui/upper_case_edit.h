#ifndef TAVRUNE_JUDGE_UI_UPPER_CASE_EDIT_H_
#define TAVRUNE_JUDGE_UI_UPPER_CASE_EDIT_H_

#include <QPlainTextEdit>

namespace tavrune {

// A multi-line edit that turns what is typed, pasted, dropped or composed
// into upper case, so the words reach the judge as the lexicon spells them.
// Plain text only: a pasted page of text must not bog it down.
class UpperCaseEdit : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit UpperCaseEdit(QWidget* parent = nullptr);

  // The text as UTF-8, the form the judging rule reads.
  std::string Utf8Text() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace tavrune

#endif  // TAVRUNE_JUDGE_UI_UPPER_CASE_EDIT_H_
