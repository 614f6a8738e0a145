#ifndef TAVRUNE_PRINT_UI_PAGE_SETUP_DIALOGS_H_
#define TAVRUNE_PRINT_UI_PAGE_SETUP_DIALOGS_H_

#include <QDialog>
#include <array>

#include "print/page_setup.h"

class QCheckBox;
class QDoubleSpinBox;
class QLineEdit;
class QPushButton;

namespace tavrune {

// "Fonts and Spacing" (dialog 108): list font size and styles and the
// spacing, in points.
class FontsSpacingDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kResourceId = 108;

  explicit FontsSpacingDialog(const FontDialogValues& values, QWidget* parent = nullptr);
  FontDialogValues Values() const;

  QDoubleSpinBox* SizeBox() const { return size_; }
  QDoubleSpinBox* LineSpacingBox() const { return line_spacing_; }
  QDoubleSpinBox* ColumnSpacingBox() const { return column_spacing_; }
  QDoubleSpinBox* WordSpacingBox() const { return word_spacing_; }
  QCheckBox* WordBoldCheck() const { return word_bold_; }

 private:
  QDoubleSpinBox* size_;
  QCheckBox* word_bold_;
  QCheckBox* word_italic_;
  QCheckBox* answer_bold_;
  QCheckBox* answer_italic_;
  QDoubleSpinBox* line_spacing_;
  QDoubleSpinBox* column_spacing_;
  QDoubleSpinBox* word_spacing_;
};

// "Page Setup" (dialog 107): paper size and margins in inches, the header
// and footer texts, and the way to dialog 108. Cancel drops the font
// changes too.
class PageSetupDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kResourceId = 107;

  explicit PageSetupDialog(const PageSetup& setup, QWidget* parent = nullptr);
  // The record with what the controls hold.
  PageSetup Result() const;

  QDoubleSpinBox* SizeBox(int index) const { return sizes_[static_cast<size_t>(index)]; }
  QDoubleSpinBox* MarginBox(int index) const { return margins_[static_cast<size_t>(index)]; }
  QLineEdit* TextEdit(int index) const { return texts_[static_cast<size_t>(index)]; }
  QPushButton* FontsButton() const { return fonts_button_; }

 private:
  void EditFonts();

  PageSetup setup_;
  std::array<QDoubleSpinBox*, 2> sizes_ = {};
  std::array<QDoubleSpinBox*, 4> margins_ = {};
  std::array<QLineEdit*, 6> texts_ = {};
  QPushButton* fonts_button_;
};

}  // namespace tavrune

#endif  // TAVRUNE_PRINT_UI_PAGE_SETUP_DIALOGS_H_
