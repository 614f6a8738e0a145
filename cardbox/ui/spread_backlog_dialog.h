#ifndef TAVRUNE_CARDBOX_UI_SPREAD_BACKLOG_DIALOG_H_
#define TAVRUNE_CARDBOX_UI_SPREAD_BACKLOG_DIALOG_H_

#include <QDialog>
#include <cstdint>

#include "platform/user_prompt.h"

class QLineEdit;
class QRadioButton;

namespace tavrune {

// Spread Backlog: either spread the cards due now over a number of days,
// keeping their order, or shift every card so that a chosen number is due
// now. Each number is checked on OK.
class SpreadBacklogDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kMaxDays = 365;
  static constexpr int64_t kMaxDue = 1000000;

  SpreadBacklogDialog(int64_t due_now, UserPrompt& prompt, QWidget* parent = nullptr);

  bool Spreads() const;
  // The days to spread over, or the cards to leave due, as accepted.
  int64_t Number() const { return number_; }

  QRadioButton* SpreadChoice() const { return spread_; }
  QRadioButton* ShiftChoice() const { return shift_; }
  QLineEdit* DaysEdit() const { return days_; }
  QLineEdit* DueEdit() const { return due_; }

  void accept() override;

 private:
  UserPrompt& prompt_;
  QRadioButton* spread_;
  QRadioButton* shift_;
  QLineEdit* days_;
  QLineEdit* due_;
  int64_t number_ = 0;
};

}  // namespace tavrune

#endif  // TAVRUNE_CARDBOX_UI_SPREAD_BACKLOG_DIALOG_H_
