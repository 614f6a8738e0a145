#ifndef TAVRUNE_INSPECT_INSPECT_MESSAGES_H_
#define TAVRUNE_INSPECT_INSPECT_MESSAGES_H_

namespace tavrune {

// The word inspector's string-table numbers (texts in resources/study_strings.cc).
inline constexpr int kNoDefinitionText = 40300;
// %1: the WordNet folder.
inline constexpr int kWordNetMissingText = 40301;
// The WordNet licence's notice, for the About box.
inline constexpr int kWordNetNoticeText = 40302;
// %1: the character that cannot be in a word.
inline constexpr int kNotALetterText = 40303;

}  // namespace tavrune

#endif  // TAVRUNE_INSPECT_INSPECT_MESSAGES_H_
