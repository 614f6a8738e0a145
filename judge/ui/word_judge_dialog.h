#ifndef TAVRUNE_JUDGE_UI_WORD_JUDGE_DIALOG_H_
#define TAVRUNE_JUDGE_UI_WORD_JUDGE_DIALOG_H_

#include <QDialog>

#include "engine/lexicon.h"
#include "platform/user_prompt.h"

class QLabel;
class QPushButton;

namespace tavrune {

class UpperCaseEdit;

// The study program's "Word Judge" (dialog 130): judges the typed play
// against the current lexicon, which it borrows. A verdict stays on screen
// until the text changes, and the same text cannot be judged twice in a row.
class WordJudgeDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kResourceId = 130;

  WordJudgeDialog(const Lexicon& lexicon, UserPrompt& prompt, QWidget* parent = nullptr);

  // "C&hallenge!".
  void Challenge();

  bool VerdictShown() const { return verdict_shown_; }
  bool ChallengeEnabled() const { return challenge_enabled_; }
  UpperCaseEdit* WordsEdit() const { return words_; }
  QLabel* VerdictText() const { return verdict_; }
  QLabel* SmilingFace() const { return smiling_face_; }
  QLabel* FrowningFace() const { return frowning_face_; }
  QPushButton* ChallengeButton() const { return challenge_; }
  QPushButton* HelpButton() const { return help_; }

 signals:
  // "&Help"; the program that opens the dialog decides what help means.
  void helpRequested();

 private:
  void TextEdited();

  const Lexicon& lexicon_;
  UserPrompt& prompt_;
  UpperCaseEdit* words_;
  QLabel* verdict_;
  QLabel* smiling_face_;
  QLabel* frowning_face_;
  QPushButton* challenge_;
  QPushButton* help_;
  bool verdict_shown_ = false;
  bool challenge_enabled_ = true;
};

}  // namespace tavrune

#endif  // TAVRUNE_JUDGE_UI_WORD_JUDGE_DIALOG_H_
