#ifndef TAVRUNE_CARDBOX_UI_CARDBOX_OPTIONS_DIALOG_H_
#define TAVRUNE_CARDBOX_UI_CARDBOX_OPTIONS_DIALOG_H_

#include <QDialog>

#include "cardbox/schedule.h"
#include "platform/user_prompt.h"

class QCheckBox;
class QLineEdit;

namespace tavrune {

// What Cardbox Options edits: the schedule, kept in the cardbox, and how
// the study program makes its sessions, kept in its settings.
struct CardboxOptions {
  CardboxSchedule schedule;
  int questions_per_session = 100;
  bool box_zero_first = false;
};

class CardboxOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kMaxQuestions = 1000;

  CardboxOptionsDialog(const CardboxOptions& options, UserPrompt& prompt,
                       QWidget* parent = nullptr);

  // The options as accepted.
  const CardboxOptions& Options() const { return options_; }

  QLineEdit* IntervalsEdit() const { return intervals_; }
  QLineEdit* SpreadsEdit() const { return spreads_; }
  QLineEdit* QuestionsEdit() const { return questions_; }
  QCheckBox* MissedDownOne() const { return missed_down_one_; }
  QCheckBox* BoxZeroFirst() const { return box_zero_first_; }

  void accept() override;

 private:
  UserPrompt& prompt_;
  CardboxOptions options_;
  QLineEdit* intervals_;
  QLineEdit* spreads_;
  QCheckBox* missed_down_one_;
  QLineEdit* questions_;
  QCheckBox* box_zero_first_;
};

}  // namespace tavrune

#endif  // TAVRUNE_CARDBOX_UI_CARDBOX_OPTIONS_DIALOG_H_
