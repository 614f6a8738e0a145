#ifndef TAVRUNE_SEARCH_SEARCH_SETTING_KEYS_H_
#define TAVRUNE_SEARCH_SEARCH_SETTING_KEYS_H_

#include "platform/setting_keys.h"

namespace tavrune {

// The random rack dialog and the word search tool.
namespace setting {

namespace general {
// Offers the build-within-build search; only ever read.
inline constexpr IntSetting kBuildBuild = Flag(kSection, "BuildBuild", 0);
}  // namespace general

// The ranges of the random rack dialog; its maximums are checked against the
// minimums only by the dialog.
namespace random_racks {
inline constexpr std::string_view kSection = "RandomRacks";
inline constexpr IntSetting kNumRacks = Ranged(kSection, "NumRacks", 100, 20, 200);
inline constexpr IntSetting kLettersPerRack = Ranged(kSection, "LettersPerRack", 8, 2, 15);
inline constexpr IntSetting kMinProbFactor = Ranged(kSection, "MinProbFactor", 0, 0, 100);
inline constexpr IntSetting kMaxProbFactor = Ranged(kSection, "MaxProbFactor", 100, 0, 100);
inline constexpr IntSetting kMinPoints = Ranged(kSection, "MinPoints", 6, 0, 100);
inline constexpr IntSetting kMaxPoints = Ranged(kSection, "MaxPoints", 16, 0, 100);
inline constexpr IntSetting kMinVowels = Ranged(kSection, "MinVowels", 3, 0, 10);
inline constexpr IntSetting kMaxVowels = Ranged(kSection, "MaxVowels", 5, 0, 10);
inline constexpr IntSetting kMinPhonies = Ranged(kSection, "MinPhonies", 10, 0, 100);
inline constexpr IntSetting kMaxPhonies = Ranged(kSection, "MaxPhonies", 20, 0, 100);
inline constexpr IntSetting kMaxTime = Ranged(kSection, "MaxTime", 60, 0, 300);
inline constexpr IntSetting kIgnoreBlanks = Flag(kSection, "IgnoreBlanks", 0);
}  // namespace random_racks

namespace tools_search {
inline constexpr std::string_view kSection = "ToolsSearch";
// Forced off while general::kBuildBuild is off: see ReadToolsSearchBuildBuild.
inline constexpr IntSetting kBuildBuild = Flag(kSection, "BuildBuild", 0);
inline constexpr IntSetting kSortType = Ranged(kSection, "SortType", 0, 0, 1);
inline constexpr IntSetting kSearchType = Ranged(kSection, "SearchType", 0, 0, 2);
inline constexpr IntSetting kUseSmallCaps = Flag(kSection, "UseSmallCaps", 0);
}  // namespace tools_search

}  // namespace setting

// The word search tool's build-within-build box, which stays off unless the
// general switch offers it.
int ReadToolsSearchBuildBuild(const Settings& settings);

}  // namespace tavrune

#endif  // TAVRUNE_SEARCH_SEARCH_SETTING_KEYS_H_
