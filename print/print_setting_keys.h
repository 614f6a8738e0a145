#ifndef TAVRUNE_PRINT_PRINT_SETTING_KEYS_H_
#define TAVRUNE_PRINT_PRINT_SETTING_KEYS_H_

#include "platform/setting_keys.h"

namespace tavrune {

namespace setting {

// Twips. The ranges are those the page setup dialogs can produce, which also
// keeps the layout arithmetic away from zero line heights and column widths.
namespace page_setup {
inline constexpr std::string_view kSection = "PageSetup";
inline constexpr IntSetting kWidth = Ranged(kSection, "Width", 12240, 5760, 24480);
inline constexpr IntSetting kHeight = Ranged(kSection, "Height", 15840, 5760, 24480);
inline constexpr IntSetting kLeftMargin = Ranged(kSection, "LeftMargin", 1440, 720, 2160);
inline constexpr IntSetting kRightMargin = Ranged(kSection, "RightMargin", 1440, 720, 2160);
inline constexpr IntSetting kTopMargin = Ranged(kSection, "TopMargin", 1440, 720, 2160);
inline constexpr IntSetting kBottomMargin = Ranged(kSection, "BottomMargin", 1440, 720, 2160);
inline constexpr IntSetting kHeaderRoom = Ranged(kSection, "HeaderRoom", 720, 360, 1080);
inline constexpr IntSetting kFooterRoom = Ranged(kSection, "FooterRoom", 720, 360, 1080);
inline constexpr StringSetting kHeaderLeft = {kSection, "HeaderLeft", ""};
inline constexpr StringSetting kHeaderCenter = {kSection, "HeaderCenter", ""};
inline constexpr StringSetting kHeaderRight = {kSection, "HeaderRight", ""};
inline constexpr StringSetting kFooterLeft = {kSection, "FooterLeft", "\\D"};
inline constexpr StringSetting kFooterCenter = {kSection, "FooterCenter", "\\F"};
inline constexpr StringSetting kFooterRight = {kSection, "FooterRight", "Page \\#/\\P"};
inline constexpr StringSetting kFontFamily = {kSection, "FontFamily", "Courier New"};
inline constexpr IntSetting kFontSize = Ranged(kSection, "FontSize", 200, 120, 600);
inline constexpr IntSetting kWordBold = Flag(kSection, "WordBold", 1);
inline constexpr IntSetting kWordItalic = Flag(kSection, "WordItalic", 0);
inline constexpr IntSetting kAnswerBold = Flag(kSection, "AnswerBold", 0);
inline constexpr IntSetting kAnswerItalic = Flag(kSection, "AnswerItalic", 0);
inline constexpr IntSetting kVerticalSpacing = Ranged(kSection, "VerticalSpacing", 0, 0, 60);
inline constexpr IntSetting kColumnSpacing = Ranged(kSection, "ColumnSpacing", 300, 200, 800);
inline constexpr IntSetting kColumnTabSpacing = Ranged(kSection, "ColumnTabSpacing", 100, 100, 400);
// No dialog sets it; up to an inch either side of a hooked answer.
inline constexpr IntSetting kAnaHooksSpacing = Ranged(kSection, "AnaHooksSpacing", 100, 0, 1440);
}  // namespace page_setup

}  // namespace setting

}  // namespace tavrune

#endif  // TAVRUNE_PRINT_PRINT_SETTING_KEYS_H_
