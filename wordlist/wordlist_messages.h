#ifndef TAVRUNE_WORDLIST_WORDLIST_MESSAGES_H_
#define TAVRUNE_WORDLIST_WORDLIST_MESSAGES_H_

#include "resources/string_table.h"

namespace tavrune::wordlist_text {

// String-table numbers of the texts the word-list document shows.
inline constexpr int kOrdering = 40002;
inline constexpr int kCannotOpenFile = kCannotOpenFileText;
inline constexpr int kNotWordListFile = 40009;
inline constexpr int kNoTimer = 40011;
inline constexpr int kNoAnswerAfter = 40017;
inline constexpr int kNoAnswerBefore = 40018;
inline constexpr int kRebuilding = 40021;
inline constexpr int kArrangingAnagrams = 40022;
inline constexpr int kCorruptFile = 40024;
inline constexpr int kSaveFailed = kSaveFailedText;
inline constexpr int kWordsNotImported = 40027;
inline constexpr int kWordNotImported = 40028;
inline constexpr int kMerging = 40029;
inline constexpr int kReadingFile = 40030;
inline constexpr int kRemovingCommonWords = 40038;
inline constexpr int kRemovingWords = 40066;
inline constexpr int kAlreadyRandom = 40077;
inline constexpr int kRemovingWithAnswers = 40078;
inline constexpr int kRemovingWithoutAnswers = 40079;
inline constexpr int kListInvalidForDictionary = 40080;
inline constexpr int kMergeLimit = 40087;
// "%1% complete" under the progress of a long pass.
inline constexpr int kPercentComplete = 40088;
// Asked before a save replaces a file another program changed.
inline constexpr int kChangedOnDisk = 40130;
// A Random list's stored order that is not an order of its entries.
inline constexpr int kStoredOrderIgnored = 40140;

}  // namespace tavrune::wordlist_text

#endif  // TAVRUNE_WORDLIST_WORDLIST_MESSAGES_H_
