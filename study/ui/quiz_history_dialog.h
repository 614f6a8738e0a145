#ifndef TAVRUNE_STUDY_UI_QUIZ_HISTORY_DIALOG_H_
#define TAVRUNE_STUDY_UI_QUIZ_HISTORY_DIALOG_H_

#include <QDialog>
#include <array>

#include "study/quiz_record.h"
#include "wordlist/list_settings.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace tavrune {

// "Quiz History": the correct answers of every quiz so far against all the
// answers asked, the automatic reset switch, and the words missed this
// session by list type; those of the current list's type can become a list
// of their own.
class QuizHistoryDialog : public QDialog {
  Q_OBJECT

 public:
  // `list_type` is the current list's, the type a list of missed words
  // would be.
  QuizHistoryDialog(QuizRecord& record, ListType list_type, QWidget* parent = nullptr);

  // The dialog was closed to study the missed words.
  bool StudyMissedWordsChosen() const { return study_missed_; }

  QLabel* CorrectLabel() const { return correct_; }
  QLabel* PercentageLabel() const { return percentage_; }
  // The number of words missed in quizzes of a list type with a quiz.
  QLabel* MissedLabel(ListType type) const { return missed_[static_cast<size_t>(type)]; }
  QCheckBox* AutoResetCheck() const { return auto_reset_; }
  QPushButton* ResetButton() const { return reset_; }
  QPushButton* StudyMissedButton() const { return study_; }

 private:
  void ShowValues();

  QuizRecord& record_;
  ListType list_type_;
  bool study_missed_ = false;
  QLabel* correct_;
  QLabel* total_;
  QLabel* percentage_;
  // By list type; none for List, which has no quiz.
  std::array<QLabel*, kListTypeCount> missed_ = {};
  QCheckBox* auto_reset_;
  QPushButton* reset_;
  QPushButton* study_;
};

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_UI_QUIZ_HISTORY_DIALOG_H_
