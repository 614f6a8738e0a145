#ifndef TAVRUNE_OPTIONS_UI_ANAGRAM_OPTIONS_DIALOG_H_
#define TAVRUNE_OPTIONS_UI_ANAGRAM_OPTIONS_DIALOG_H_

#include <QDialog>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "wordlist/list_settings.h"

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tavrune {

// "Anagram Options" (dialog 117): the order of the letters inside anagram
// entries, with the user's own letter order and the stem it may use.
class AnagramOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kResourceId = 117;
  static constexpr int kOrderCount = 6;

  // Edits a letter order; nullopt when the edit was cancelled. The dialog
  // runs the "Reorder" dialog unless told otherwise.
  using ReorderRunner = std::function<std::optional<std::string>(const std::string& order)>;

  AnagramOptionsDialog(AnagramOrder order, const std::string& user_order, const std::string& stem,
                       QWidget* parent = nullptr);

  // What the controls show now; with no button chosen the order reads as
  // Alphabetical.
  AnagramOrder Order() const;
  std::string UserOrder() const { return user_order_; }
  std::string Stem() const;

  void SetReorderRunner(ReorderRunner runner) { reorder_ = std::move(runner); }

  QRadioButton* OrderButton(int index) const { return orders_[static_cast<size_t>(index)]; }
  QPushButton* EditButton() const { return edit_; }
  QLineEdit* UserOrderEdit() const { return user_order_edit_; }
  QLineEdit* StemEdit() const { return stem_edit_; }

 private:
  void ApplyEnablingRule();
  void EditUserOrder();

  std::string user_order_;
  ReorderRunner reorder_;
  QButtonGroup* order_group_;
  std::array<QRadioButton*, kOrderCount> orders_ = {};
  QPushButton* edit_;
  QLineEdit* user_order_edit_;
  QLineEdit* stem_edit_;
};

}  // namespace tavrune

#endif  // TAVRUNE_OPTIONS_UI_ANAGRAM_OPTIONS_DIALOG_H_
