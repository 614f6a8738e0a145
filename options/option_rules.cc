#include "options/option_rules.h"

#include "options/option_setting_keys.h"
#include "wordlist/wordlist_setting_keys.h"

namespace tavrune {
namespace {

IntegerRange SecondsRange(const IntSetting& setting) {
  return {SecondsFromMs(setting.min), SecondsFromMs(setting.max)};
}

}  // namespace

HookChoice HookChoiceOf(HookType type) {
  if (type == HookType::kBothEnds) return {true, static_cast<int>(HookType::kFrontAndEnd)};
  return {false, static_cast<int>(HookTypeOf({false, static_cast<int>(type)}))};
}

HookType HookTypeOf(const HookChoice& choice) {
  if (choice.both_ends) return HookType::kBothEnds;
  if (choice.show < 0 || choice.show >= kHookShowCount) return HookType::kFrontAndEnd;
  return static_cast<HookType>(choice.show);
}

IntegerRange WordSecondsRange() { return SecondsRange(setting::slide_window::kWordInterval); }

IntegerRange AnswerSecondsRange() { return SecondsRange(setting::slide_window::kAnswerInterval); }

int MaxStemLength() { return static_cast<int>(setting::anagrams::kStem.max_length); }

std::optional<std::string> StemFromTyped(std::string_view typed) {
  std::string stem(typed);
  for (char& c : stem) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c < 'A' || c > 'Z') return std::nullopt;
  }
  return stem;
}

}  // namespace tavrune
