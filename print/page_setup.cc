#include "print/page_setup.h"

#include <algorithm>
#include <cmath>

#include "print/print_setting_keys.h"

namespace tavrune {
namespace {

namespace ps = setting::page_setup;

int Clamped(const Settings& settings, const IntSetting& setting) {
  const long long value = settings.GetInt(setting.section, setting.key, setting.default_value);
  return static_cast<int>(std::clamp<long long>(value, setting.min, setting.max));
}

// Binary fractions put a typed 1.3 just under 1.3; a millionth of a twip
// forgives that without rounding anything the user could type.
int Truncate(double value) {
  const double limited = std::clamp(value, -1e9, 1e9);
  return static_cast<int>(std::trunc(limited + (limited >= 0 ? 1e-6 : -1e-6)));
}

}  // namespace

PageSetup ReadPageSetup(const Settings& settings) {
  PageSetup setup;
  setup.width = Clamped(settings, ps::kWidth);
  setup.height = Clamped(settings, ps::kHeight);
  setup.left_margin = Clamped(settings, ps::kLeftMargin);
  setup.right_margin = Clamped(settings, ps::kRightMargin);
  setup.top_margin = Clamped(settings, ps::kTopMargin);
  setup.bottom_margin = Clamped(settings, ps::kBottomMargin);
  setup.header_room = Clamped(settings, ps::kHeaderRoom);
  setup.footer_room = Clamped(settings, ps::kFooterRoom);
  setup.header_left = ReadSetting(settings, ps::kHeaderLeft);
  setup.header_center = ReadSetting(settings, ps::kHeaderCenter);
  setup.header_right = ReadSetting(settings, ps::kHeaderRight);
  setup.footer_left = ReadSetting(settings, ps::kFooterLeft);
  setup.footer_center = ReadSetting(settings, ps::kFooterCenter);
  setup.footer_right = ReadSetting(settings, ps::kFooterRight);
  setup.font_family = ReadSetting(settings, ps::kFontFamily);
  if (setup.font_family.empty()) setup.font_family = ps::kFontFamily.default_value;
  setup.font_size = Clamped(settings, ps::kFontSize);
  setup.word_bold = ReadSetting(settings, ps::kWordBold) != 0;
  setup.word_italic = ReadSetting(settings, ps::kWordItalic) != 0;
  setup.answer_bold = ReadSetting(settings, ps::kAnswerBold) != 0;
  setup.answer_italic = ReadSetting(settings, ps::kAnswerItalic) != 0;
  setup.vertical_spacing = Clamped(settings, ps::kVerticalSpacing);
  setup.column_spacing = Clamped(settings, ps::kColumnSpacing);
  setup.column_tab_spacing = Clamped(settings, ps::kColumnTabSpacing);
  setup.ana_hooks_spacing = Clamped(settings, ps::kAnaHooksSpacing);
  return setup;
}

void WritePageSetup(Settings& settings, const PageSetup& setup) {
  WriteSetting(settings, ps::kWidth, setup.width);
  WriteSetting(settings, ps::kHeight, setup.height);
  WriteSetting(settings, ps::kLeftMargin, setup.left_margin);
  WriteSetting(settings, ps::kRightMargin, setup.right_margin);
  WriteSetting(settings, ps::kTopMargin, setup.top_margin);
  WriteSetting(settings, ps::kBottomMargin, setup.bottom_margin);
  WriteSetting(settings, ps::kHeaderRoom, setup.header_room);
  WriteSetting(settings, ps::kFooterRoom, setup.footer_room);
  WriteSetting(settings, ps::kHeaderLeft, setup.header_left);
  WriteSetting(settings, ps::kHeaderCenter, setup.header_center);
  WriteSetting(settings, ps::kHeaderRight, setup.header_right);
  WriteSetting(settings, ps::kFooterLeft, setup.footer_left);
  WriteSetting(settings, ps::kFooterCenter, setup.footer_center);
  WriteSetting(settings, ps::kFooterRight, setup.footer_right);
  WriteSetting(settings, ps::kFontSize, setup.font_size);
  WriteSetting(settings, ps::kWordBold, setup.word_bold ? 1 : 0);
  WriteSetting(settings, ps::kWordItalic, setup.word_italic ? 1 : 0);
  WriteSetting(settings, ps::kAnswerBold, setup.answer_bold ? 1 : 0);
  WriteSetting(settings, ps::kAnswerItalic, setup.answer_italic ? 1 : 0);
  WriteSetting(settings, ps::kVerticalSpacing, setup.vertical_spacing);
  WriteSetting(settings, ps::kColumnSpacing, setup.column_spacing);
  WriteSetting(settings, ps::kColumnTabSpacing, setup.column_tab_spacing);
  WriteSetting(settings, ps::kAnaHooksSpacing, setup.ana_hooks_spacing);
}

double TwipsToInches(int twips) { return static_cast<double>(twips) / kTwipsPerInch; }
double TwipsToPoints(int twips) { return twips * 0.05; }
int InchesToTwips(double inches, int twips_per_inch) { return Truncate(inches * twips_per_inch); }
int PointsToTwips(double points) { return Truncate(points * kTwipsPerPoint); }

PageDialogValues PageDialogValuesOf(const PageSetup& setup) {
  return {TwipsToInches(setup.width),
          TwipsToInches(setup.height),
          TwipsToInches(setup.left_margin),
          TwipsToInches(setup.right_margin),
          TwipsToInches(setup.top_margin),
          TwipsToInches(setup.bottom_margin),
          {setup.header_left, setup.header_center, setup.header_right, setup.footer_left,
           setup.footer_center, setup.footer_right}};
}

void ApplyPageDialog(const PageDialogValues& values, PageSetup& setup) {
  setup.width = InchesToTwips(values.width);
  setup.height = InchesToTwips(values.height);
  setup.left_margin = InchesToTwips(values.left);
  setup.right_margin = InchesToTwips(values.right);
  setup.top_margin = InchesToTwips(values.top);
  setup.bottom_margin = InchesToTwips(values.bottom);
  setup.header_room = InchesToTwips(values.top, kTwipsPerInch / 2);
  setup.footer_room = InchesToTwips(values.bottom, kTwipsPerInch / 2);
  setup.header_left = values.texts[0];
  setup.header_center = values.texts[1];
  setup.header_right = values.texts[2];
  setup.footer_left = values.texts[3];
  setup.footer_center = values.texts[4];
  setup.footer_right = values.texts[5];
}

FontDialogValues FontDialogValuesOf(const PageSetup& setup) {
  return {TwipsToPoints(setup.font_size),
          setup.word_bold,
          setup.word_italic,
          setup.answer_bold,
          setup.answer_italic,
          TwipsToPoints(setup.vertical_spacing),
          TwipsToPoints(setup.column_spacing),
          TwipsToPoints(setup.column_tab_spacing)};
}

void ApplyFontDialog(const FontDialogValues& values, PageSetup& setup) {
  setup.font_size = PointsToTwips(values.size);
  setup.word_bold = values.word_bold;
  setup.word_italic = values.word_italic;
  setup.answer_bold = values.answer_bold;
  setup.answer_italic = values.answer_italic;
  setup.vertical_spacing = PointsToTwips(values.line_spacing);
  setup.column_spacing = PointsToTwips(values.column_spacing);
  setup.column_tab_spacing = PointsToTwips(values.word_spacing);
}

}  // namespace tavrune
