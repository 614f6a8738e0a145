#include "inspect/word_facts.h"

#include <algorithm>
#include <array>
#include <utility>

#include "engine/anagram_index.h"
#include "engine/letters.h"
#include "engine/tiles.h"

namespace tavrune {
namespace {

std::optional<bool> Holds(const Lexicon* lexicon, std::string_view word) {
  if (lexicon == nullptr) return std::nullopt;
  return lexicon->Contains(word);
}

std::string Sorted(std::string_view word) {
  std::string letters(word);
  std::sort(letters.begin(), letters.end());
  return letters;
}

// The letter `longer` (sorted) has beyond `alphagram`, when it has only that.
std::optional<char> AddedLetter(std::string_view alphagram, std::string_view longer) {
  if (longer.size() != alphagram.size() + 1) return std::nullopt;
  size_t i = 0;
  while (i < alphagram.size() && alphagram[i] == longer[i]) ++i;
  if (alphagram.substr(i) != longer.substr(i + 1)) return std::nullopt;
  return longer[i];
}

void SortUnique(std::vector<std::string>& words) {
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());
}

}  // namespace

WordInspector::WordInspector(const Lexicon& lexicon, LexiconId id, SourceLexicons sources)
    : lexicon_(lexicon),
      sources_(std::move(sources)),
      reference_(id),
      ranks_(lexicon, reference_) {}

std::optional<WordFacts> WordInspector::Inspect(std::string_view typed, size_t* refused) {
  WordFacts facts;
  facts.word.assign(typed);
  for (size_t i = 0; i < facts.word.size(); ++i) {
    char& c = facts.word[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (!IsUpperLetter(c)) {
      if (refused != nullptr) *refused = i;
      return std::nullopt;
    }
  }
  if (facts.word.empty()) {
    if (refused != nullptr) *refused = std::string_view::npos;
    return std::nullopt;
  }
  const std::string& word = facts.word;

  facts.in_lexicon = lexicon_.Contains(word);
  facts.in_uk = Holds(sources_.uk, word);
  facts.in_na = Holds(sources_.na, word);
  facts.in_both = Holds(sources_.both, word);
  if (sources_.uk != nullptr && sources_.na != nullptr) {
    facts.source = GetWordSource(word, *sources_.uk, *sources_.na);
    facts.source_mark = WordSourceMark(*facts.source, sources_.symbols);
  }

  facts.front_hooks = lexicon_.FrontHooks(word);
  facts.end_hooks = lexicon_.EndHooks(word);
  const std::string_view view(word);
  facts.front_inner_hook = lexicon_.Contains(view.substr(1));
  facts.end_inner_hook = lexicon_.Contains(view.substr(0, view.size() - 1));

  facts.alphagram = Sorted(word);
  // Words grouped by letters answer both questions with a few probes, where
  // graph walks of long racks take milliseconds.
  const AnagramIndex& index = *lexicon_.WordsByLetters(true);
  index.ForEachFilling(facts.alphagram, 0, [&](std::string_view found) {
    if (Sorted(found) == facts.alphagram) facts.anagrams.emplace_back(found);
  });
  SortUnique(facts.anagrams);
  std::array<std::vector<std::string>, 26> longer;
  index.ForEachFilling(facts.alphagram, 1, [&](std::string_view found) {
    if (const std::optional<char> letter = AddedLetter(facts.alphagram, Sorted(found))) {
      longer[static_cast<size_t>(*letter - 'A')].emplace_back(found);
    }
  });
  for (size_t i = 0; i < longer.size(); ++i) {
    if (longer[i].empty()) continue;
    SortUnique(longer[i]);
    facts.plus_one.push_back({static_cast<char>('A' + i), std::move(longer[i])});
  }

  facts.points = WordPoints(word);
  if (word.size() <= static_cast<size_t>(ProbabilityReference::kMaxLength)) {
    facts.probability_factor = reference_.Factor(word);
    facts.probability_rank = ranks_.RankOf(facts.alphagram);
  }
  return facts;
}

}  // namespace tavrune
