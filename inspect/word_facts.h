#ifndef TAVRUNE_INSPECT_WORD_FACTS_H_
#define TAVRUNE_INSPECT_WORD_FACTS_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/lexicon.h"
#include "engine/lexicon_id.h"
#include "engine/probability.h"
#include "engine/word_source.h"
#include "inspect/alphagram_ranks.h"

namespace tavrune {

// The words one letter longer than a word that use all its letters, for
// one added letter.
struct PlusOneGroup {
  char letter = 0;
  std::vector<std::string> words;  // alphabetical

  bool operator==(const PlusOneGroup&) const = default;
};

// Everything the study program knows about one word, for one lexicon.
struct WordFacts {
  std::string word;
  bool in_lexicon = false;
  // Whether the British, North-American and combined lists hold the word;
  // nothing for a list that is not loaded.
  std::optional<bool> in_uk;
  std::optional<bool> in_na;
  std::optional<bool> in_both;
  // Which of the two lists it comes from, with its mark; nothing unless
  // both lists are loaded.
  std::optional<WordSource> source;
  std::string source_mark;
  std::string front_hooks;
  std::string end_hooks;
  // Whether the word without its first / last letter is a word.
  bool front_inner_hook = false;
  bool end_inner_hook = false;
  // Every word of the same letters, the word itself included when it is
  // one; alphabetical.
  std::vector<std::string> anagrams;
  std::vector<PlusOneGroup> plus_one;  // by added letter
  std::string alphagram;
  int points = 0;
  // Nothing for a word of more than 15 letters.
  std::optional<double> probability_factor;
  // Nothing as well when no word of the lexicon has these letters.
  std::optional<AlphagramRanks::Rank> probability_rank;

  int AnagramCount() const { return static_cast<int>(anagrams.size()); }
};

// The lists that tell where a word comes from; any may be absent.
struct SourceLexicons {
  const Lexicon* uk = nullptr;
  const Lexicon* na = nullptr;
  const Lexicon* both = nullptr;
  WordSourceSymbols symbols;
};

// Answers WordFacts for the words of one lexicon, which it borrows with the
// source lists. The first call has the lexicon build its words grouped by
// letters, and each first call for a word length makes the probability
// rank table of that length; both are kept, so later calls cost
// microseconds.
class WordInspector {
 public:
  WordInspector(const Lexicon& lexicon, LexiconId id, SourceLexicons sources = {});
  WordInspector(const WordInspector&) = delete;
  WordInspector& operator=(const WordInspector&) = delete;

  // The facts of `typed`, a-z read as A-Z. Nothing for an empty word or one
  // with any other character; `refused` then gets that character's position
  // (npos for an empty word).
  std::optional<WordFacts> Inspect(std::string_view typed, size_t* refused = nullptr);

  // Has the lexicon build its words grouped by letters now, so that the
  // first Inspect answers as fast as the later ones.
  void Prepare() { lexicon_.WordsByLetters(true); }

 private:
  const Lexicon& lexicon_;
  SourceLexicons sources_;
  ProbabilityReference reference_;
  AlphagramRanks ranks_;
};

}  // namespace tavrune

#endif  // TAVRUNE_INSPECT_WORD_FACTS_H_
