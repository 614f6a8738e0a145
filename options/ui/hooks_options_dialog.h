#ifndef TAVRUNE_OPTIONS_UI_HOOKS_OPTIONS_DIALOG_H_
#define TAVRUNE_OPTIONS_UI_HOOKS_OPTIONS_DIALOG_H_

#include <QDialog>
#include <array>

#include "options/option_rules.h"
#include "platform/user_prompt.h"
#include "wordlist/list_settings.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace tavrune {

// "Hooks Options" (dialog 113): how many letters hook on at each end and
// which hooks are shown.
class HooksOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kResourceId = 113;

  HooksOptionsDialog(HookType type, int front_letters, int end_letters, UserPrompt& prompt,
                     QWidget* parent = nullptr);

  // What the controls show now; the letter counts as last accepted (the
  // opening values until OK succeeds).
  HookType Type() const;
  int FrontLetters() const { return front_letters_; }
  int EndLetters() const { return end_letters_; }

  QCheckBox* BothEndsCheck() const { return both_ends_; }
  QLineEdit* FrontEdit() const { return front_edit_; }
  QLineEdit* EndEdit() const { return end_edit_; }
  QGroupBox* ShowBox() const { return show_box_; }
  QRadioButton* ShowButton(int index) const { return show_buttons_[static_cast<size_t>(index)]; }

  // Keeps the dialog open while a letter count is out of range.
  void accept() override;

 private:
  void ApplyShowRule();

  UserPrompt& prompt_;
  int front_letters_;
  int end_letters_;
  QCheckBox* both_ends_;
  QLineEdit* front_edit_;
  QLineEdit* end_edit_;
  QGroupBox* show_box_;
  QButtonGroup* show_group_;
  std::array<QRadioButton*, kHookShowCount> show_buttons_ = {};
};

}  // namespace tavrune

#endif  // TAVRUNE_OPTIONS_UI_HOOKS_OPTIONS_DIALOG_H_
