#ifndef TAVRUNE_OPTIONS_UI_BUILD_OPTIONS_DIALOG_H_
#define TAVRUNE_OPTIONS_UI_BUILD_OPTIONS_DIALOG_H_

#include <QDialog>

#include "platform/user_prompt.h"

class QLineEdit;

namespace tavrune {

// "Build Options" (dialog 140): the lengths of the words a build list
// shows as answers.
class BuildOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kResourceId = 140;

  BuildOptionsDialog(int minimum, int maximum, UserPrompt& prompt, QWidget* parent = nullptr);

  // As last accepted (the opening values until OK succeeds).
  int Minimum() const { return minimum_; }
  int Maximum() const { return maximum_; }

  QLineEdit* MinimumEdit() const { return minimum_edit_; }
  QLineEdit* MaximumEdit() const { return maximum_edit_; }

  // Keeps the dialog open while a length is out of range; the maximum may
  // equal the minimum but not fall below it.
  void accept() override;

 private:
  UserPrompt& prompt_;
  int minimum_;
  int maximum_;
  QLineEdit* minimum_edit_;
  QLineEdit* maximum_edit_;
};

}  // namespace tavrune

#endif  // TAVRUNE_OPTIONS_UI_BUILD_OPTIONS_DIALOG_H_
