#ifndef TAVRUNE_STUDY_UI_WELCOME_DIALOG_H_
#define TAVRUNE_STUDY_UI_WELCOME_DIALOG_H_

#include <QDialog>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;

namespace tavrune {

// "Welcome to Tavrune": one tip at a time, taken from the end of the
// (shuffled) list, until none is left.
class WelcomeDialog : public QDialog {
  Q_OBJECT

 public:
  explicit WelcomeDialog(std::vector<std::string> tips, QWidget* parent = nullptr);

  // The check box, however the dialog was closed.
  bool DoNotShowAgain() const;

  QLabel* TipLabel() const { return tip_; }
  QCheckBox* DoNotShowCheck() const { return do_not_show_; }
  QPushButton* NextTipButton() const { return next_; }

 private:
  void ShowNextTip();

  std::vector<std::string> tips_;
  QLabel* tip_;
  QCheckBox* do_not_show_;
  QPushButton* next_;
};

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_UI_WELCOME_DIALOG_H_
