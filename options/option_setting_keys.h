#ifndef TAVRUNE_OPTIONS_OPTION_SETTING_KEYS_H_
#define TAVRUNE_OPTIONS_OPTION_SETTING_KEYS_H_

#include "platform/setting_keys.h"

namespace tavrune {

// The slide window's look and pace, as the option dialogs edit them.
namespace setting {

namespace slide_window {
inline constexpr std::string_view kSection = "SlideWindow";
// 0 small, 1 medium, 2 large.
inline constexpr IntSetting kFontSize = Ranged(kSection, "FontSize", 1, 0, 2);
inline constexpr ColourSetting kSlideFG = {kSection, "SlideFG", {255, 255, 0}};
inline constexpr ColourSetting kSlideBG = {kSection, "SlideBG", {128, 0, 128}};
inline constexpr ColourSetting kTileFG = {kSection, "TileFG", {0, 0, 0}};
inline constexpr ColourSetting kTileBG = {kSection, "TileBG", {255, 255, 0}};
inline constexpr ColourSetting kMainWindowColor = {kSection, "MainWindowColor", {192, 192, 192}};
// Milliseconds; the slide show options offer 1-30 and 0-30 seconds.
inline constexpr IntSetting kWordInterval = Ranged(kSection, "WordInterval", 3000, 1000, 30000);
inline constexpr IntSetting kAnswerInterval = Ranged(kSection, "AnswerInterval", 2000, 0, 30000);
inline constexpr IntSetting kViewTiles = Flag(kSection, "ViewTiles", 0);
}  // namespace slide_window

}  // namespace setting

}  // namespace tavrune

#endif  // TAVRUNE_OPTIONS_OPTION_SETTING_KEYS_H_
