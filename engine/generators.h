#ifndef TAVRUNE_ENGINE_GENERATORS_H_
#define TAVRUNE_ENGINE_GENERATORS_H_

#include <string>
#include <string_view>

#include "engine/lexicon.h"
#include "engine/word_collection.h"
#include "engine/word_filter.h"

namespace tavrune {

// The study questions answered by one depth-first walk of the word graph.
// Every generator inserts into the caller's collection (which places words by
// its own sort mode), keeps only words the filter passes (none given: all),
// and returns the number of words added. A generator stops as soon as the
// output is full (WordCollection::IsFull), so callers can tell the user that
// the result was cut. On a lexicon that is not loaded they return 0 at once. Racks of
// more than 64 tiles find nothing, as no word is longer; patterns and
// wildcard racks are taken at any length.
//
// With `small_caps`, a letter supplied by a blank is written in lower case.

// Words using every tile of the rack exactly once ('?' any letter). A rack
// with '*' (or any character other than A-Z and '?') is matched word by word
// as a WildcardRack: with '*' the word must contain at least the rack's tiles.
int Anagrams(const Lexicon& lexicon, std::string_view rack, WordCollection& output,
             const WordFilter* filter = nullptr, bool small_caps = false);

// How many words Anagrams gives for the rack, without keeping them. A rack
// of letters alone takes one look-up once the lexicon keeps its words
// grouped by letters.
int CountAnagrams(const Lexicon& lexicon, std::string_view rack);

// Every word that can be made from some of the rack's tiles.
int Builds(const Lexicon& lexicon, std::string_view rack, WordCollection& output,
           const WordFilter* filter = nullptr, bool small_caps = false);

// "FIRST/SECOND" pairs: FIRST made from some tiles, SECOND an exact anagram
// of all the tiles left.
int BuildBuilds(const Lexicon& lexicon, std::string_view rack, WordCollection& output,
                bool small_caps = false);

// Every word matching the pattern: letters, '?' one letter, '*' any run, and
// pattern-expression syntax. An invalid expression finds nothing; its message
// goes to `error` when given. So does "Pattern too complex" when matching
// would cost more than a bounded number of steps over all the words; the
// output then holds only what was found before.
int PatternMatches(const Lexicon& lexicon, std::string_view pattern, WordCollection& output,
                   const WordFilter* filter = nullptr, std::string* error = nullptr);

// True as soon as one word of exactly the pattern's length fits it (letters
// and '?').
bool AnyWordMatches(const Lexicon& lexicon, std::string_view pattern);

// Called for every word of a lexicon by ForEachWord; decides what to insert.
class WordVisitor {
 public:
  virtual ~WordVisitor() = default;
  virtual void Visit(std::string_view word, const Lexicon& lexicon, WordCollection& output) = 0;
};

int ForEachWord(const Lexicon& lexicon, WordVisitor& visitor, WordCollection& output);

// A rack text that is not plain letters and blanks, as a word matcher: its
// letters (every character but '?' and '*', in order) then one '?' per
// blank; exact unless the text holds a '*'; the shortest word it can match.
class WildcardRack {
 public:
  explicit WildcardRack(std::string_view rack);

  const std::string& tiles() const { return tiles_; }
  bool exact() const { return exact_; }
  int min_length() const { return min_length_; }

  // Whether `word` fits the rack. When it does and `marked` is given, it
  // receives the word with small-caps marking: with '*', the letters not
  // taken from the rack; exact, the letters a blank supplied.
  bool Matches(std::string_view word, bool small_caps, std::string* marked = nullptr) const;

 private:
  std::string tiles_;
  bool exact_ = true;
  int min_length_ = 0;
};

// A rack of only 'A'-'Z' and '?', walked letter by letter.
bool IsPlainRack(std::string_view rack);

}  // namespace tavrune

#endif  // TAVRUNE_ENGINE_GENERATORS_H_
