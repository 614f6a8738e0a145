// Any text as a stored settings value, under every key of the settings
// table, and any number and letter as the word-list settings' raw values:
// what is read must be a value the program can use, reading it again must
// not change it, and writing it must read back as itself.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "platform/settings.h"
#include "study/settings_table.h"
#include "wordlist/list_settings.h"

namespace {

void Check(bool ok) {
  if (!ok) __builtin_trap();
}

bool InColourRange(int c) { return c >= 0 && c <= 255; }

void ReadEveryKey(std::string_view text, long long number) {
  tavrune::MemorySettings store;
  for (const tavrune::AnySetting& any : tavrune::AllSettings()) {
    store.PutString(tavrune::SectionOf(any), tavrune::KeyOf(any), text);
    std::visit(
        [&](const auto* setting) {
          using Setting = std::remove_cvref_t<decltype(*setting)>;
          const auto value = tavrune::ReadSetting(store, *setting);
          if constexpr (std::is_same_v<Setting, tavrune::ColourSetting>) {
            Check(InColourRange(value.red) && InColourRange(value.green) &&
                  InColourRange(value.blue));
          } else if constexpr (std::is_same_v<Setting, tavrune::StringSetting>) {
            Check(value.size() <= setting->max_length);
            Check(tavrune::NormalizeSetting(*setting, value) == value);
          } else if constexpr (std::is_same_v<Setting, tavrune::CountSetting>) {
            Check(value >= 0 && value <= tavrune::kMaxStoredCount);
            Check(tavrune::NormalizeSetting(*setting, std::to_string(value)) == value);
          } else {
            Check(tavrune::NormalizeSetting(*setting, value) == value);
            const int from_number = tavrune::NormalizeSetting(*setting, number);
            Check(tavrune::NormalizeSetting(*setting, from_number) == from_number);
          }
          tavrune::WriteSetting(store, *setting, value);
          Check(tavrune::ReadSetting(store, *setting) == value);
        },
        any);
  }
}

void ReadListSettings(std::string_view text, long long number) {
  tavrune::ListSettings raw;
  raw.user_order = std::string(text);
  raw.stem = std::string(text);
  raw.list_type = tavrune::ListTypeFromNumber(number);
  raw.hook_type = tavrune::HookTypeFromNumber(number);
  raw.sort_type = tavrune::SortTypeFromNumber(number);
  raw.anagram_order = tavrune::AnagramOrderFromNumber(number);
  raw.front_hook_letters = tavrune::ClampHookLetters(number);
  raw.end_hook_letters = tavrune::ClampHookLetters(-number);
  raw.build_minimum = tavrune::ClampBuildLength(number);
  raw.build_maximum = tavrune::ClampBuildLength(number / 2);
  const tavrune::ListSettings normal = tavrune::Normalized(raw);
  Check(tavrune::Normalized(normal) == normal);
  Check(normal.user_order.size() == tavrune::kAlphabeticalLetterOrder.size());
  for (size_t i = 0; i < text.size() && i < 64; ++i) {
    const char c = text[i];
    Check(tavrune::ListTypeFromLetter(tavrune::ListTypeLetter(tavrune::ListTypeFromLetter(c))) ==
          tavrune::ListTypeFromLetter(c));
    Check(tavrune::SortTypeFromLetter(tavrune::SortTypeLetter(tavrune::SortTypeFromLetter(c))) ==
          tavrune::SortTypeFromLetter(c));
    Check(tavrune::AnagramOrderFromLetter(tavrune::AnagramOrderLetter(
              tavrune::AnagramOrderFromLetter(c))) == tavrune::AnagramOrderFromLetter(c));
    Check(tavrune::DescendingFromLetter(tavrune::SortOrderLetter(
              tavrune::DescendingFromLetter(c))) == tavrune::DescendingFromLetter(c));
    tavrune::HookTypeLetter(tavrune::HookTypeFromLetter(c));
  }
}

}  // namespace

// The first eight bytes, when there are that many, also serve as a number.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  long long number = 0;
  if (size >= sizeof number) std::memcpy(&number, data, sizeof number);
  ReadEveryKey(text, number);
  ReadListSettings(text, number);
  return 0;
}
