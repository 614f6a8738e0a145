#ifndef TAVRUNE_STUDY_UI_QUIZ_HISTORY_DIALOG_H_
#define TAVRUNE_STUDY_UI_QUIZ_HISTORY_DIALOG_H_

#include <QDialog>

#include "wordlist/tavrune_doc.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace tavrune {

// "Quiz History": the correct answers of every quiz so far against all the
// answers asked, the automatic reset switch, and the words missed this
// session, which can become a list of their own.
class QuizHistoryDialog : public QDialog {
  Q_OBJECT

 public:
  explicit QuizHistoryDialog(MTavruneDoc& doc, QWidget* parent = nullptr);

  // The dialog was closed to study the missed words.
  bool StudyMissedWordsChosen() const { return study_missed_; }

  QLabel* CorrectLabel() const { return correct_; }
  QLabel* TotalLabel() const { return total_; }
  QLabel* PercentageLabel() const { return percentage_; }
  QLabel* MissedLabel() const { return missed_; }
  QCheckBox* AutoResetCheck() const { return auto_reset_; }
  QPushButton* ResetButton() const { return reset_; }
  QPushButton* StudyMissedButton() const { return study_; }

 private:
  void ShowValues();

  MTavruneDoc& doc_;
  bool study_missed_ = false;
  QLabel* correct_;
  QLabel* total_;
  QLabel* percentage_;
  QLabel* missed_;
  QCheckBox* auto_reset_;
  QPushButton* reset_;
  QPushButton* study_;
};

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_UI_QUIZ_HISTORY_DIALOG_H_
