#ifndef TAVRUNE_WORDLIST_UI_WORKING_DIALOG_H_
#define TAVRUNE_WORDLIST_UI_WORKING_DIALOG_H_

#include <QDialog>

#include "wordlist/answer_removal.h"
#include "wordlist/tavrune_doc.h"

class QLabel;
class QPushButton;
class QTimer;

namespace tavrune {

// "Working ...": drives a started answer removal one step per turn of the
// event loop, so the window stays responsive, shows the percentage done and
// offers Cancel between steps. It closes (accepted) when every entry is
// tested; Cancel or the close box reject it. Finishing the removal is the
// caller's.
class WorkingDialog : public QDialog {
  Q_OBJECT

 public:
  WorkingDialog(AnswerRemoval& removal, QWidget* parent = nullptr);

  // One step of the removal; the timer calls it, tests call it directly.
  void Tick();

  QLabel* MessageLabel() const { return message_; }
  QLabel* ProgressLabel() const { return progress_; }
  QPushButton* CancelButton() const { return cancel_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  void ShowProgress(int percent);

  AnswerRemoval& removal_;
  QTimer* timer_;
  QLabel* message_;
  QLabel* progress_;
  QPushButton* cancel_;
};

// Remove Words With (or Without) Answer: runs the removal under the
// "Working ..." dialog and finishes it however the dialog ends. Returns the
// number of words removed; 0 when the list's type has no answers to test.
int RunAnswerRemoval(MTavruneDoc& doc, bool with_answers, QWidget* parent);

}  // namespace tavrune

#endif  // TAVRUNE_WORDLIST_UI_WORKING_DIALOG_H_
