#include "platform/setting_keys.h"

#include <algorithm>
#include <array>

#include "engine/lexicon_id.h"
#include "engine/text_encoding.h"

namespace tavrune {
namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int ClampComponent(long long value) { return static_cast<int>(std::clamp(value, 0LL, 255LL)); }

// Cuts to at most `max_length` bytes without splitting a UTF-8 sequence.
std::string_view CutText(std::string_view text, size_t max_length) {
  if (text.size() <= max_length) return text;
  size_t end = max_length;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end);
}

bool IsLetterOrder(std::string_view text) {
  if (text.size() != 26) return false;
  std::array<bool, 26> seen = {};
  for (char c : text) {
    if (c < 'A' || c > 'Z' || seen[c - 'A']) return false;
    seen[c - 'A'] = true;
  }
  return true;
}

}  // namespace

std::optional<long long> LeadingInteger(std::string_view text, size_t& pos) {
  constexpr long long kLimit = 1LL << 40;
  size_t i = pos;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const size_t digits_start = i;
  long long value = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    value = std::min(kLimit, value * 10 + (text[i] - '0'));
    ++i;
  }
  if (i == digits_start) return std::nullopt;
  pos = i;
  return negative ? -value : value;
}

std::string_view SectionOf(const AnySetting& setting) {
  return std::visit([](const auto* s) { return s->section; }, setting);
}

std::string_view KeyOf(const AnySetting& setting) {
  return std::visit([](const auto* s) { return s->key; }, setting);
}

std::string DefaultText(const AnySetting& setting) {
  struct Visitor {
    std::string operator()(const IntSetting* s) const { return std::to_string(s->default_value); }
    std::string operator()(const StringSetting* s) const { return std::string(s->default_value); }
    std::string operator()(const ColourSetting* s) const { return FormatColour(s->default_value); }
    std::string operator()(const CountSetting* s) const { return std::to_string(s->default_value); }
  };
  return std::visit(Visitor{}, setting);
}

int NormalizeSetting(const IntSetting& setting, long long value) {
  switch (setting.rule) {
    case IntRule::kRange:
      return value >= setting.min && value <= setting.max ? static_cast<int>(value)
                                                          : setting.fallback;
    case IntRule::kFlag:
      return value != 0 ? 1 : 0;
    case IntRule::kLexiconId:
      return Index(NormalizeLexiconId(value));
    case IntRule::kAnswerSource:
      return value == setting::kNeverChosen ? setting::kNeverChosen
                                            : Index(NormalizeLexiconId(value));
  }
  return setting.default_value;
}

std::string NormalizeSetting(const StringSetting& setting, std::string_view value) {
  switch (setting.rule) {
    case TextRule::kFree:
      return std::string(CutText(value, setting.max_length));
    case TextRule::kSymbol:
      return FirstCharacter(value);
    case TextRule::kLetterOrder: {
      std::string order(value);
      for (char& c : order) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
      }
      return IsLetterOrder(order) ? order : std::string(setting.default_value);
    }
    case TextRule::kLetters: {
      std::string letters;
      for (char c : value) {
        if (letters.size() == setting.max_length) break;
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c >= 'A' && c <= 'Z') letters += c;
      }
      return letters;
    }
  }
  return std::string(setting.default_value);
}

long long NormalizeSetting(const CountSetting&, std::string_view value) {
  size_t pos = 0;
  const std::optional<long long> number = LeadingInteger(value, pos);
  return number ? std::clamp(*number, 0LL, kMaxStoredCount) : 0;
}

int ReadSetting(const Settings& settings, const IntSetting& setting) {
  return NormalizeSetting(setting,
                          settings.GetInt(setting.section, setting.key, setting.default_value));
}

std::string ReadSetting(const Settings& settings, const StringSetting& setting) {
  return NormalizeSetting(setting,
                          settings.GetString(setting.section, setting.key, setting.default_value));
}

Rgb ReadSetting(const Settings& settings, const ColourSetting& setting) {
  const std::string text =
      settings.GetString(setting.section, setting.key, FormatColour(setting.default_value));
  return ParseColour(CutText(text, 64)).value_or(setting.default_value);
}

long long ReadSetting(const Settings& settings, const CountSetting& setting) {
  return NormalizeSetting(setting, settings.GetString(setting.section, setting.key,
                                                      std::to_string(setting.default_value)));
}

void WriteSetting(Settings& settings, const IntSetting& setting, long long value) {
  settings.PutInt(setting.section, setting.key, NormalizeSetting(setting, value));
}

void WriteSetting(Settings& settings, const StringSetting& setting, std::string_view value) {
  settings.PutString(setting.section, setting.key, NormalizeSetting(setting, value));
}

void WriteSetting(Settings& settings, const ColourSetting& setting, Rgb value) {
  settings.PutString(setting.section, setting.key, FormatColour(value));
}

void WriteSetting(Settings& settings, const CountSetting& setting, long long value) {
  settings.PutString(setting.section, setting.key,
                     std::to_string(std::clamp(value, 0LL, kMaxStoredCount)));
}

std::string FormatColour(Rgb colour) {
  return std::to_string(ClampComponent(colour.red)) + ' ' +
         std::to_string(ClampComponent(colour.green)) + ' ' +
         std::to_string(ClampComponent(colour.blue));
}

std::optional<Rgb> ParseColour(std::string_view text) {
  size_t pos = 0;
  std::array<long long, 3> parts = {};
  for (long long& part : parts) {
    const std::optional<long long> number = LeadingInteger(text, pos);
    if (!number) return std::nullopt;
    part = *number;
  }
  return Rgb{ClampComponent(parts[0]), ClampComponent(parts[1]), ClampComponent(parts[2])};
}

std::string FirstCharacter(std::string_view text) {
  const size_t length = text.empty()                                 ? 0
                        : static_cast<unsigned char>(text[0]) < 0x80 ? 1
                                                                     : Utf8SequenceLength(text, 0);
  return length == 0 ? std::string(" ") : std::string(text.substr(0, length));
}

}  // namespace tavrune
