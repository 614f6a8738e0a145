#ifndef TAVRUNE_SEARCH_UI_RANDOM_RACKS_DIALOG_H_
#define TAVRUNE_SEARCH_UI_RANDOM_RACKS_DIALOG_H_

#include <QDialog>
#include <array>

#include "platform/settings.h"
#include "platform/user_prompt.h"
#include "search/random_rack_choices.h"

class QCheckBox;
class QLineEdit;

namespace tavrune {

// "Generate Random Racks": how many racks of how many tiles, and the ranges
// they must meet. The values come from the settings when the dialog opens
// and go back when it is destroyed: after OK those entered, after Cancel
// those read.
class RandomRacksDialog : public QDialog {
  Q_OBJECT

 public:
  RandomRacksDialog(Settings& settings, UserPrompt& prompt, QWidget* parent = nullptr);
  ~RandomRacksDialog() override;

  // The values read, or those accepted by OK.
  const RandomRackChoices& Choices() const { return choices_; }

  QLineEdit* Edit(RackField field) const { return edits_[static_cast<size_t>(field)]; }
  QCheckBox* IgnoreBlanksBox() const { return ignore_blanks_; }

  // Checks the fields in order; a wrong one keeps the dialog open with the
  // range message and the focus on it.
  void accept() override;

 private:
  Settings& settings_;
  UserPrompt& prompt_;
  RandomRackChoices choices_;
  std::array<QLineEdit*, static_cast<size_t>(RackField::kCount)> edits_{};
  QCheckBox* ignore_blanks_;
};

// The generator's clock for the program: seconds, as the system counts
// them, and between racks a chance (every tenth of a second or so) for the
// window to repaint, so a long draw under the wait cursor never looks hung.
// User input waits until the draw is over.
RackClock PaintingClock();

}  // namespace tavrune

#endif  // TAVRUNE_SEARCH_UI_RANDOM_RACKS_DIALOG_H_
