#ifndef TAVRUNE_WORDLIST_WORDLIST_SETTING_KEYS_H_
#define TAVRUNE_WORDLIST_WORDLIST_SETTING_KEYS_H_

#include "platform/setting_keys.h"

namespace tavrune {

// The list settings a new list starts from and the remembered predefined
// list.
namespace setting {

namespace predefined_list {
inline constexpr std::string_view kSection = "PredefinedList";
inline constexpr StringSetting kCategory = {kSection, "Category", "2Letter"};
inline constexpr StringSetting kSubCategory = {kSection, "SubCategory", "General"};
inline constexpr StringSetting kList = {kSection, "List", "All"};
}  // namespace predefined_list

namespace display {
inline constexpr std::string_view kSection = "Display";
// The list type; an unknown one reads as 0, not as the default.
inline constexpr IntSetting kType = RangedOr(kSection, "Type", 2, 0, 4, 0);
}  // namespace display

namespace anagrams {
inline constexpr std::string_view kSection = "Anagrams";
inline constexpr IntSetting kOrder = Ranged(kSection, "Order", 0, 0, 5);
inline constexpr StringSetting kUserOrder = {kSection, "UserOrder", "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
                                             TextRule::kLetterOrder, 26};
inline constexpr StringSetting kStem = {kSection, "Stem", "", TextRule::kLetters, 14};
}  // namespace anagrams

namespace build {
inline constexpr std::string_view kSection = "Build";
inline constexpr IntSetting kMinAnswerLength = Ranged(kSection, "MinAnswerLength", 2, 2, 15);
inline constexpr IntSetting kMaxAnswerLength = Ranged(kSection, "MaxAnswerLength", 15, 2, 15);
}  // namespace build

namespace hooks {
inline constexpr std::string_view kSection = "Hooks";
// 0 front, 1 end, 2 front and end, 3 both ends at once.
inline constexpr IntSetting kType = Ranged(kSection, "Type", 2, 0, 3);
inline constexpr IntSetting kFrontLetters = Ranged(kSection, "FrontLetters", 1, 1, 7);
inline constexpr IntSetting kEndLetters = Ranged(kSection, "EndLetters", 1, 1, 7);
}  // namespace hooks

namespace sort {
inline constexpr std::string_view kSection = "Sort";
inline constexpr IntSetting kType = Ranged(kSection, "Type", 0, 0, 4);
inline constexpr IntSetting kOrder = Ranged(kSection, "Order", 0, 0, 1);
}  // namespace sort

}  // namespace setting

}  // namespace tavrune

#endif  // TAVRUNE_WORDLIST_WORDLIST_SETTING_KEYS_H_
