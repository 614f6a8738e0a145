#ifndef TAVRUNE_ENGINE_WORD_WALK_H_
#define TAVRUNE_ENGINE_WORD_WALK_H_

#include <cstdint>
#include <string_view>

#include "engine/lexicon.h"

namespace tavrune {

// Calls `visit(word)` for every word of the lexicon in graph order (each
// word before its extensions), giving up after `max_steps` graph entries.
// Returns false when it gave up. Iterative, with fixed buffers: nothing is
// allocated per node. The loader guarantees the depth bound, and that a
// whole walk takes lexicon.WalkSteps() entries.
template <typename Visit>
bool VisitWordsWithin(const Lexicon& lexicon, uint64_t max_steps, Visit&& visit) {
  if (!lexicon.IsLoaded() || lexicon.RootList() == 0) return true;
  const uint32_t* edges = lexicon.Edges();
  char word[kMaxGraphDepth + 1];
  uint32_t position[kMaxGraphDepth + 1];
  int depth = 0;
  position[0] = lexicon.RootList();
  for (uint64_t steps = 0; depth >= 0; ++steps) {
    if (steps == max_steps) return false;
    const uint32_t e = edges[position[depth]];
    word[depth] = edge::Letter(e);
    if (edge::EndsWord(e)) visit(std::string_view(word, depth + 1));
    if (edge::Child(e) != 0) {
      position[++depth] = edge::Child(e);
      continue;
    }
    // Move to the next sibling, climbing while lists are exhausted.
    while (depth >= 0 && edge::IsLast(edges[position[depth]])) --depth;
    if (depth >= 0) ++position[depth];
  }
  return true;
}

// The whole walk.
template <typename Visit>
void VisitWords(const Lexicon& lexicon, Visit&& visit) {
  VisitWordsWithin(lexicon, UINT64_MAX, visit);
}

}  // namespace tavrune

#endif  // TAVRUNE_ENGINE_WORD_WALK_H_
