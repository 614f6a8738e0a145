#ifndef TAVRUNE_ENGINE_LETTERS_H_
#define TAVRUNE_ENGINE_LETTERS_H_

#include <string>
#include <string_view>

namespace tavrune {

// Words are plain 'A'-'Z' whatever the user's locale, so no <cctype> here.
constexpr bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }
constexpr bool IsLetter(char c) { return IsUpperLetter(c) || (c >= 'a' && c <= 'z'); }

// `text` with a-z upper-cased; every other byte stays as it is.
inline std::string UpperCased(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

// The word a shown line holds: its longest run of letters (the first of
// equal runs), upper-cased, so the hook letters, source marks and "!" around
// it fall away. Empty when the line has no letter.
inline std::string WordShownIn(std::string_view line) {
  std::string_view best;
  size_t start = 0;
  for (size_t i = 0; i <= line.size(); ++i) {
    if (i < line.size() && IsLetter(line[i])) continue;
    if (i - start > best.size()) best = line.substr(start, i - start);
    start = i + 1;
  }
  return UpperCased(std::string(best));
}

}  // namespace tavrune

#endif  // TAVRUNE_ENGINE_LETTERS_H_
