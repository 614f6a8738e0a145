// Any bytes given as a lexicon file: loading must refuse or accept without
// reading out of bounds, and an accepted graph must be safe to walk in the
// number of steps the loader counted. The walk has a budget of its own, so
// a graph that costs more than the loader promised is reported at once
// instead of running for ages.
#include <cstdint>
#include <span>
#include <string>

#include "engine/generators.h"
#include "engine/lexicon.h"
#include "engine/word_walk.h"

namespace {

// Walks past this many entries take too long for fuzzing; their count was
// still checked by the loader, and their first steps are walked.
constexpr uint32_t kWalkBudget = uint32_t{1} << 20;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tavrune::Lexicon lexicon;
  if (!lexicon.LoadBytes(std::span<const uint8_t>(data, size))) return 0;
  if (lexicon.WalkSteps() > tavrune::kMaxWalkSteps) __builtin_trap();
  const bool within_budget = lexicon.WalkSteps() <= kWalkBudget;
  uint64_t words = 0;
  std::string first;
  const bool finished = tavrune::VisitWordsWithin(
      lexicon, within_budget ? lexicon.WalkSteps() : kWalkBudget, [&](std::string_view w) {
        if (words++ == 0) first = w;
      });
  if (within_budget && !finished) __builtin_trap();
  if (words > lexicon.WalkSteps()) __builtin_trap();
  // No membership check: a hand-made list may repeat a letter, and look-ups
  // stop at its first edge while walks visit both.
  if (!first.empty()) lexicon.HookLine(first);
  if (within_budget) {
    // The tables built on demand walk the whole graph as well: the letters
    // below each list for a pattern opening with a closure, and the words
    // grouped by letters once racks with blanks are asked for repeatedly.
    tavrune::WordCollection found;
    tavrune::PatternMatches(lexicon, "*E*", found);
    for (int i = 0; i < 4; ++i) tavrune::Anagrams(lexicon, first + "?", found);
  }
  return 0;
}
