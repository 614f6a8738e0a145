#ifndef TAVRUNE_ENGINE_LEXICON_ID_H_
#define TAVRUNE_ENGINE_LEXICON_ID_H_

#include <array>
#include <string_view>

namespace tavrune {

// The number of a lexicon; it selects the file, the probability reference
// words and the lexicon slot in the application.
enum class LexiconId : int { kUK = 0, kNA = 1, kUKNA = 2, kFR = 3, kNAF = 4 };

inline constexpr int kLexiconCount = 5;

// All ids in numeric order, for loops over the slots.
inline constexpr std::array<LexiconId, kLexiconCount> kAllLexiconIds = {
    LexiconId::kUK, LexiconId::kNA, LexiconId::kUKNA, LexiconId::kFR, LexiconId::kNAF};

// The order in which the lexicon files are looked for at start-up.
inline constexpr std::array<LexiconId, kLexiconCount> kDiscoveryOrder = {
    LexiconId::kUKNA, LexiconId::kNA, LexiconId::kUK, LexiconId::kNAF, LexiconId::kFR};

// The order of the lines of the About text.
inline constexpr std::array<LexiconId, kLexiconCount> kAboutOrder = {
    LexiconId::kNA, LexiconId::kUK, LexiconId::kUKNA, LexiconId::kNAF, LexiconId::kFR};

// A lexicon number from settings or a dialog: 0, 1, 3 and 4 stay, anything
// else becomes the combined list.
constexpr LexiconId NormalizeLexiconId(long long value) {
  switch (value) {
    case 0:
    case 1:
    case 3:
    case 4:
      return static_cast<LexiconId>(value);
    default:
      return LexiconId::kUKNA;
  }
}

// The slot selected by a raw number: 0, 2, 3 and 4 have their own slot,
// anything else falls to the North-American one.
constexpr LexiconId SlotForNumber(long long value) {
  switch (value) {
    case 0:
    case 2:
    case 3:
    case 4:
      return static_cast<LexiconId>(value);
    default:
      return LexiconId::kNA;
  }
}

constexpr int Index(LexiconId id) { return static_cast<int>(id); }

// The file of a lexicon relative to the program folder.
constexpr std::string_view LexiconFileName(LexiconId id) {
  switch (id) {
    case LexiconId::kUK:
      return "Lexicons/UK.TVD";
    case LexiconId::kNA:
      return "Lexicons/NA.TVD";
    case LexiconId::kUKNA:
      return "Lexicons/UKNA.TVD";
    case LexiconId::kFR:
      return "Lexicons/FR.TVD";
    case LexiconId::kNAF:
      return "Lexicons/NAF.TVD";
  }
  return "Lexicons/UKNA.TVD";
}

// The label of a lexicon in the dictionary dialogs, with its mnemonic.
constexpr std::string_view LexiconLabel(LexiconId id) {
  switch (id) {
    case LexiconId::kUK:
      return "&Britain";
    case LexiconId::kNA:
      return "&North America";
    case LexiconId::kUKNA:
      return "Britain &and North America";
    case LexiconId::kFR:
      return "&French";
    case LexiconId::kNAF:
      return "North America Famil&y";
  }
  return "";
}

}  // namespace tavrune

#endif  // TAVRUNE_ENGINE_LEXICON_ID_H_
