#ifndef TAVRUNE_SEARCH_SEARCH_MESSAGES_H_
#define TAVRUNE_SEARCH_SEARCH_MESSAGES_H_

namespace tavrune {

// String-table numbers of the search messages (texts in
// resources/study_strings.cc); the types' help texts are numbered beside
// each type.
inline constexpr int kAnagramCharacterMessage = 40033;
inline constexpr int kBuildCharacterMessage = 40034;
inline constexpr int kEmptyPatternMessage = 40035;
inline constexpr int kLetterCharacterMessage = 40043;
inline constexpr int kNumberOrderMessage = 40048;
inline constexpr int kConsonantVowelCharacterMessage = 40053;
inline constexpr int kWholeLexiconMessage = 40056;
// Shown in the custom-list dialog while a search has left no words.
inline constexpr int kNoWordsLeftMessage = 40150;
// A whole-lexicon search stopped at the 64,000 words a list holds.
inline constexpr int kSearchCutMessage = 40089;
// The word search tool.
inline constexpr int kNoMatchingWordsMessage = 40007;
inline constexpr int kEmptyInputMessage = 40008;
// Random racks.
inline constexpr int kTooFewRacksMessage = 40081;
inline constexpr int kNoRacksMessage = 40082;

}  // namespace tavrune

#endif  // TAVRUNE_SEARCH_SEARCH_MESSAGES_H_
