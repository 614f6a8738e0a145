#ifndef TAVRUNE_OPTIONS_OPTION_RULES_H_
#define TAVRUNE_OPTIONS_OPTION_RULES_H_

#include <optional>
#include <string>
#include <string_view>

#include "wordlist/list_settings.h"

namespace tavrune {

// The whole numbers a dialog field accepts, both ends included.
struct IntegerRange {
  int minimum = 0;
  int maximum = 0;

  constexpr bool Contains(int value) const { return value >= minimum && value <= maximum; }
};

// Hooks options. "Both ends simultaneously" is a check box above the three
// "Show" buttons, so the four hook types are exchanged as that pair.
inline constexpr IntegerRange kHookLettersRange = {kMinHookLetters, kMaxHookLetters};
inline constexpr int kHookShowCount = 3;

struct HookChoice {
  bool both_ends = false;
  int show = static_cast<int>(HookType::kFrontAndEnd);  // index of the "Show" button
};

// Both ends at once shows front and end hooks under the checked box.
HookChoice HookChoiceOf(HookType type);
// A "Show" index outside the buttons counts as front and end.
HookType HookTypeOf(const HookChoice& choice);
// The "Show" buttons mean nothing while both ends are hooked at once.
constexpr bool HookShowEnabled(bool both_ends) { return !both_ends; }

// List ordering: a shuffled list has no direction.
constexpr bool SortOrderEnabled(SortType type) { return type != SortType::kRandom; }

// Slide show options: the intervals are kept in milliseconds and edited in
// whole seconds, within the ranges the settings keep.
IntegerRange WordSecondsRange();
IntegerRange AnswerSecondsRange();
constexpr int SecondsFromMs(int milliseconds) { return milliseconds / 1000; }
constexpr int MsFromSeconds(int seconds) { return seconds * 1000; }

// Anagram options: the letter order is edited only for the user-specified
// order, the stem only for the stem order.
constexpr bool UserOrderEditEnabled(AnagramOrder order) {
  return order == AnagramOrder::kUserSpecified;
}
constexpr bool StemEnabled(AnagramOrder order) { return order == AnagramOrder::kStem; }
// The longest stem the settings keep.
int MaxStemLength();
// What may be typed as a stem: letters only, shown upper-cased; nullopt
// refuses the keystroke.
std::optional<std::string> StemFromTyped(std::string_view typed);

// Build options: the maximum may not fall below the minimum.
inline constexpr IntegerRange kBuildMinimumRange = {kMinBuildLength, kMaxBuildLength};
constexpr IntegerRange BuildMaximumRange(int minimum) { return {minimum, kMaxBuildLength}; }

}  // namespace tavrune

#endif  // TAVRUNE_OPTIONS_OPTION_RULES_H_
