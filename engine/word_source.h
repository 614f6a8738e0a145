#ifndef TAVRUNE_ENGINE_WORD_SOURCE_H_
#define TAVRUNE_ENGINE_WORD_SOURCE_H_

#include <string>
#include <string_view>

#include "engine/lexicon.h"

namespace tavrune {

// Which of the British and North-American lists a word comes from.
enum class WordSource { kNeither, kUKOnly, kNAOnly, kBoth };

WordSource GetWordSource(std::string_view word, const Lexicon& uk, const Lexicon& na);

// The marks shown for a word source, as kept in the settings; an empty
// setting shows as a blank space.
struct WordSourceSymbols {
  std::string both = "*";
  std::string uk_only = "#";
  std::string na_only = "$";
};

// The one-character mark of a source; empty for a word in neither list.
std::string WordSourceMark(WordSource source, const WordSourceSymbols& symbols);

// The mark of a word given the UK and NA lexicons.
std::string WordSourceMark(std::string_view word, const Lexicon& uk, const Lexicon& na,
                           const WordSourceSymbols& symbols);

}  // namespace tavrune

#endif  // TAVRUNE_ENGINE_WORD_SOURCE_H_
