#ifndef TAVRUNE_ENGINE_WORD_WALK_H_
#define TAVRUNE_ENGINE_WORD_WALK_H_

#include <cstdint>
#include <string_view>

#include "engine/lexicon.h"

namespace tavrune {

// Calls `visit(word)` for every word of the lexicon in graph order (each
// word before its extensions). Iterative, with fixed buffers: nothing is
// allocated per node. The loader guarantees the depth bound.
template <typename Visit>
void VisitWords(const Lexicon& lexicon, Visit&& visit) {
  if (!lexicon.IsLoaded() || lexicon.RootList() == 0) return;
  const uint32_t* edges = lexicon.Edges();
  char word[kMaxGraphDepth + 1];
  uint32_t position[kMaxGraphDepth + 1];
  int depth = 0;
  position[0] = lexicon.RootList();
  while (depth >= 0) {
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
}

}  // namespace tavrune

#endif  // TAVRUNE_ENGINE_WORD_WALK_H_
