#ifndef TAVRUNE_PRINT_PAGE_SETUP_H_
#define TAVRUNE_PRINT_PAGE_SETUP_H_

#include <array>
#include <string>

#include "platform/settings.h"

namespace tavrune {

// Twips per inch and per point: all print geometry is in twips.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kTwipsPerPoint = 20;

// The page-setup record kept in settings section "PageSetup". Lengths are in
// twips; width and height are those of the paper held in portrait.
struct PageSetup {
  int width = 12240;
  int height = 15840;
  int left_margin = 1440;
  int right_margin = 1440;
  int top_margin = 1440;
  int bottom_margin = 1440;
  int header_room = 720;
  int footer_room = 720;
  std::string header_left;
  std::string header_center;
  std::string header_right;
  std::string footer_left = "\\D";
  std::string footer_center = "\\F";
  std::string footer_right = "Page \\#/\\P";
  std::string font_family = "Courier New";
  int font_size = 200;
  bool word_bold = true;
  bool word_italic = false;
  bool answer_bold = false;
  bool answer_italic = false;
  int vertical_spacing = 0;
  int column_spacing = 300;
  int column_tab_spacing = 100;
  int ana_hooks_spacing = 100;

  friend bool operator==(const PageSetup&, const PageSetup&) = default;
};

// Reads the record. Numbers are clamped into the dialogs' ranges rather than
// reset, so a stored size or spacing of 0 cannot stall the pagination and a
// slightly too wide margin stays close to what the user chose.
PageSetup ReadPageSetup(const Settings& settings);
// Writes every key but the font family, which is only ever read.
void WritePageSetup(Settings& settings, const PageSetup& setup);

// What "Page Setup" (dialog 107) edits: sizes and margins in inches, then
// the header texts left, middle, right and the footer texts in that order.
struct PageDialogValues {
  double width = 0;
  double height = 0;
  double left = 0;
  double right = 0;
  double top = 0;
  double bottom = 0;
  std::array<std::string, 6> texts;
};

// What "Fonts and Spacing" (dialog 108) edits, spacing in points.
struct FontDialogValues {
  double size = 0;
  bool word_bold = false;
  bool word_italic = false;
  bool answer_bold = false;
  bool answer_italic = false;
  double line_spacing = 0;
  double column_spacing = 0;
  double word_spacing = 0;
};

// The dialogs show inches and points; their OK truncates back to twips.
double TwipsToInches(int twips);
double TwipsToPoints(int twips);
// Truncating, but a value typed as 1.3 still gives 1.3 x 1440 and not one
// twip less through a binary fraction.
int InchesToTwips(double inches, int twips_per_inch = kTwipsPerInch);
int PointsToTwips(double points);

PageDialogValues PageDialogValuesOf(const PageSetup& setup);
// The margins also place the header and footer lines, halfway into the top
// and bottom margins.
void ApplyPageDialog(const PageDialogValues& values, PageSetup& setup);
FontDialogValues FontDialogValuesOf(const PageSetup& setup);
void ApplyFontDialog(const FontDialogValues& values, PageSetup& setup);

}  // namespace tavrune

#endif  // TAVRUNE_PRINT_PAGE_SETUP_H_
