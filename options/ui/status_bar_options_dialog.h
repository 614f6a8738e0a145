#ifndef TAVRUNE_OPTIONS_UI_STATUS_BAR_OPTIONS_DIALOG_H_
#define TAVRUNE_OPTIONS_UI_STATUS_BAR_OPTIONS_DIALOG_H_

#include <QDialog>

class QCheckBox;

namespace tavrune {

// "Status Bar Options" (dialog 116): which optional panes the status bar
// fills for the current word.
class StatusBarOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kResourceId = 116;

  StatusBarOptionsDialog(bool show_answers, bool show_probability, QWidget* parent = nullptr);

  bool ShowAnswers() const;
  bool ShowProbability() const;

  QCheckBox* AnswersCheck() const { return answers_; }
  QCheckBox* ProbabilityCheck() const { return probability_; }

 private:
  QCheckBox* answers_;
  QCheckBox* probability_;
};

}  // namespace tavrune

#endif  // TAVRUNE_OPTIONS_UI_STATUS_BAR_OPTIONS_DIALOG_H_
