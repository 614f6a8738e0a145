#ifndef TAVRUNE_OPTIONS_UI_REORDER_DIALOG_H_
#define TAVRUNE_OPTIONS_UI_REORDER_DIALOG_H_

#include <QDialog>
#include <string>

#include "options/letter_reorder.h"

class QListWidget;
class QPushButton;

namespace tavrune {

// "Reorder" (dialog 118): the user-specified anagram letter order, one
// letter a line, rearranged by moving the selected letter.
class ReorderDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kResourceId = 118;

  explicit ReorderDialog(const std::string& order, QWidget* parent = nullptr);

  // The lines from first to last.
  std::string Order() const { return order_; }

  QListWidget* List() const { return list_; }
  QPushButton* TopButton() const { return top_; }
  QPushButton* UpButton() const { return up_; }
  QPushButton* DownButton() const { return down_; }
  QPushButton* BottomButton() const { return bottom_; }

 private:
  void Move(LetterMove move);
  void UpdateButtons();

  std::string order_;
  QListWidget* list_;
  QPushButton* top_;
  QPushButton* up_;
  QPushButton* down_;
  QPushButton* bottom_;
};

}  // namespace tavrune

#endif  // TAVRUNE_OPTIONS_UI_REORDER_DIALOG_H_
