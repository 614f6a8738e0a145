#ifndef TAVRUNE_JUDGE_APP_LEXICON_CHOICE_DIALOG_H_
#define TAVRUNE_JUDGE_APP_LEXICON_CHOICE_DIALOG_H_

#include <QDialog>
#include <array>

#include "engine/lexicon_id.h"
#include "judge/judge_session.h"

class QLineEdit;
class QRadioButton;

namespace tavrune {

// "Choose a Lexicon" (dialog 132), shown at every start of the judge: the
// lexicon (only those found can be chosen), mouse or keyboard mode, and the
// folder for the logs.
class LexiconChoiceDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kResourceId = 132;

  LexiconChoiceDialog(const std::array<bool, kLexiconCount>& present, const JudgeSettings& initial,
                      QWidget* parent = nullptr);

  // What the controls show now.
  JudgeSettings Choice() const;

  QRadioButton* LexiconButton(LexiconId id) const { return lexicons_[Index(id)]; }
  QRadioButton* MouseYesButton() const { return mouse_yes_; }
  QRadioButton* MouseNoButton() const { return mouse_no_; }
  QLineEdit* LogDirectoryEdit() const { return log_directory_; }

 private:
  std::array<QRadioButton*, kLexiconCount> lexicons_ = {};
  QRadioButton* mouse_yes_;
  QRadioButton* mouse_no_;
  QLineEdit* log_directory_;
};

}  // namespace tavrune

#endif  // TAVRUNE_JUDGE_APP_LEXICON_CHOICE_DIALOG_H_
