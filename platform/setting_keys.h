#ifndef TAVRUNE_PLATFORM_SETTING_KEYS_H_
#define TAVRUNE_PLATFORM_SETTING_KEYS_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "platform/settings.h"

namespace tavrune {

// Typed keys of the settings store: each names its section and key, its
// type, its default and the rule that turns whatever the store holds into a
// value the program can use. Each module declares its own keys beside its
// code; readers and writers go through ReadSetting and WriteSetting, so each
// default is written once.

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// How a stored integer becomes a usable one.
enum class IntRule {
  kRange,         // inside [min, max] it stays, otherwise it reads as `fallback`
  kFlag,          // 0 stays 0, anything else is 1
  kLexiconId,     // 0, 1, 3 and 4 stay, anything else is 2
  kAnswerSource,  // kNeverChosen stays, anything else as kLexiconId
};

struct IntSetting {
  std::string_view section;
  std::string_view key;
  int default_value = 0;
  IntRule rule = IntRule::kRange;
  int min = 0;
  int max = 0;
  int fallback = 0;
};

// How a stored text becomes a usable one. Every rule also cuts the text to
// `max_length` bytes, never inside a UTF-8 character.
enum class TextRule {
  kFree,         // kept as it is
  kSymbol,       // its first character, a space when there is none
  kLetterOrder,  // all 26 letters A-Z once each, else the default
  kLetters,      // letters only, upper-cased; other characters are dropped
};

struct StringSetting {
  std::string_view section;
  std::string_view key;
  std::string_view default_value;
  TextRule rule = TextRule::kFree;
  size_t max_length = 255;
};

// Stored as "%d %d %d" (red, green, blue); each component is clamped to
// 0-255, and text that does not hold three numbers reads as the default.
struct ColourSetting {
  std::string_view section;
  std::string_view key;
  Rgb default_value;
};

// A count stored as decimal text: read like C's atol (leading number, the
// rest ignored, garbage is 0), then clamped to 0..kMaxStoredCount.
struct CountSetting {
  std::string_view section;
  std::string_view key;
  long long default_value = 0;
};

inline constexpr long long kMaxStoredCount = 2147483647;

constexpr IntSetting Ranged(std::string_view section, std::string_view key, int default_value,
                            int min, int max) {
  return {section, key, default_value, IntRule::kRange, min, max, default_value};
}
constexpr IntSetting RangedOr(std::string_view section, std::string_view key, int default_value,
                              int min, int max, int fallback) {
  return {section, key, default_value, IntRule::kRange, min, max, fallback};
}
constexpr IntSetting Flag(std::string_view section, std::string_view key, int default_value) {
  return {section, key, default_value, IntRule::kFlag, 0, 1, default_value};
}

namespace setting {
// An answer source the user has not chosen yet.
inline constexpr int kNeverChosen = -1;

// The store's own top-level section, where several modules keep a key.
namespace general {
inline constexpr std::string_view kSection = "General";
}  // namespace general
}  // namespace setting

// One row of the table, whatever its type.
using AnySetting = std::variant<const IntSetting*, const StringSetting*, const ColourSetting*,
                                const CountSetting*>;

std::string_view SectionOf(const AnySetting& setting);
std::string_view KeyOf(const AnySetting& setting);
// The default as the store holds it ("1", "2Letter", "255 255 0").
std::string DefaultText(const AnySetting& setting);

// What a stored value reads as.
int NormalizeSetting(const IntSetting& setting, long long value);
std::string NormalizeSetting(const StringSetting& setting, std::string_view value);
long long NormalizeSetting(const CountSetting& setting, std::string_view value);

// A leading decimal integer as C's strtol finds it (white space, sign,
// digits), saturated instead of overflowing. `pos` moves past it; nullopt
// when there are no digits.
std::optional<long long> LeadingInteger(std::string_view text, size_t& pos);

int ReadSetting(const Settings& settings, const IntSetting& setting);
std::string ReadSetting(const Settings& settings, const StringSetting& setting);
Rgb ReadSetting(const Settings& settings, const ColourSetting& setting);
long long ReadSetting(const Settings& settings, const CountSetting& setting);

// Writers store the normalised value, so what is written reads back as itself.
void WriteSetting(Settings& settings, const IntSetting& setting, long long value);
void WriteSetting(Settings& settings, const StringSetting& setting, std::string_view value);
void WriteSetting(Settings& settings, const ColourSetting& setting, Rgb value);
void WriteSetting(Settings& settings, const CountSetting& setting, long long value);

// "%d %d %d" of red, green and blue, each clamped to 0-255.
std::string FormatColour(Rgb colour);
// Three integers separated by white space, as C's "%d%d%d" reads them (what
// follows the third is ignored); each is clamped to 0-255. nullopt when the
// text does not start with three numbers.
std::optional<Rgb> ParseColour(std::string_view text);

// The first character of `text` (a whole UTF-8 sequence), a space when the
// text is empty or does not start with a valid character.
std::string FirstCharacter(std::string_view text);

}  // namespace tavrune

#endif  // TAVRUNE_PLATFORM_SETTING_KEYS_H_
