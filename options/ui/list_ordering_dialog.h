#ifndef TAVRUNE_OPTIONS_UI_LIST_ORDERING_DIALOG_H_
#define TAVRUNE_OPTIONS_UI_LIST_ORDERING_DIALOG_H_

#include <QDialog>
#include <array>

#include "wordlist/list_settings.h"

class QButtonGroup;
class QRadioButton;

namespace tavrune {

// "List Ordering Options" (dialog 114): the sort key of the presentation
// list and its direction.
class ListOrderingDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kResourceId = 114;
  static constexpr int kSortTypeCount = 5;

  ListOrderingDialog(SortType type, bool descending, QWidget* parent = nullptr);

  // What the controls show now; with no button chosen the type reads as
  // Alphabetical and the order as ascending.
  SortType Type() const;
  bool Descending() const;

  QRadioButton* TypeButton(int index) const { return types_[static_cast<size_t>(index)]; }
  QRadioButton* AscendingButton() const { return ascending_; }
  QRadioButton* DescendingButton() const { return descending_; }

 private:
  void ApplyOrderRule();

  QButtonGroup* type_group_;
  std::array<QRadioButton*, kSortTypeCount> types_ = {};
  QRadioButton* ascending_;
  QRadioButton* descending_;
};

}  // namespace tavrune

#endif  // TAVRUNE_OPTIONS_UI_LIST_ORDERING_DIALOG_H_
