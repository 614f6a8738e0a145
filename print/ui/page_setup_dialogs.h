#ifndef TAVRUNE_PRINT_UI_PAGE_SETUP_DIALOGS_H_
#define TAVRUNE_PRINT_UI_PAGE_SETUP_DIALOGS_H_

#include <QDialog>
#include <array>

#include "platform/user_prompt.h"
#include "print/page_setup.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace tavrune {

// "Fonts and Spacing" (dialog 108): list font size and styles and the
// spacing, in whole points.
class FontsSpacingDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kResourceId = 108;

  FontsSpacingDialog(const FontDialogValues& values, UserPrompt& prompt, QWidget* parent = nullptr);
  // As last accepted (the opening values until OK succeeds).
  const FontDialogValues& Values() const { return values_; }

  QLineEdit* SizeEdit() const { return numbers_[0]; }
  QLineEdit* LineSpacingEdit() const { return numbers_[1]; }
  QLineEdit* ColumnSpacingEdit() const { return numbers_[2]; }

  // Keeps the dialog open while a number is out of its range.
  void accept() override;

 private:
  UserPrompt& prompt_;
  FontDialogValues values_;
  // Size, then the spacing between lines, columns, word and answers.
  std::array<QLineEdit*, 4> numbers_ = {};
  QCheckBox* word_bold_;
  QCheckBox* word_italic_;
  QCheckBox* answer_bold_;
  QCheckBox* answer_italic_;
};

// "Page Setup" (dialog 107): paper size and margins in inches, the header
// and footer texts, and the way to dialog 108. Cancel drops the font
// changes too.
class PageSetupDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kResourceId = 107;

  PageSetupDialog(const PageSetup& setup, UserPrompt& prompt, QWidget* parent = nullptr);
  // The record as last accepted (the opening one until OK succeeds).
  const PageSetup& Result() const { return result_; }

  QLineEdit* SizeEdit(int index) const { return sizes_[static_cast<size_t>(index)]; }
  QLineEdit* MarginEdit(int index) const { return margins_[static_cast<size_t>(index)]; }

  // Keeps the dialog open while a size or margin is out of its range.
  void accept() override;

 private:
  void EditFonts();

  UserPrompt& prompt_;
  // What the fonts dialog last accepted, beside the opening record.
  PageSetup setup_;
  PageSetup result_;
  std::array<QLineEdit*, 2> sizes_ = {};
  std::array<QLineEdit*, 4> margins_ = {};
  std::array<QLineEdit*, 6> texts_ = {};
  QPushButton* fonts_button_;
};

}  // namespace tavrune

#endif  // TAVRUNE_PRINT_UI_PAGE_SETUP_DIALOGS_H_
