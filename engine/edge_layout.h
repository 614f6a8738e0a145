#ifndef TAVRUNE_ENGINE_EDGE_LAYOUT_H_
#define TAVRUNE_ENGINE_EDGE_LAYOUT_H_

#include <cstdint>

#include "engine/lexicon.h"

namespace tavrune {

// The packed 32-bit entry of a stored word graph: child index (bits 0-21),
// letter (bits 22-29), end of word (bit 30), last of its list (bit 31).
// Only the loader and the builder handle entries raw; everything else sees
// them through GraphEdge, and the layering test keeps it so.
struct EdgeLayout {
  static constexpr uint32_t kChildMask = GraphEdge::kChildMask;
  static constexpr uint32_t kLast = GraphEdge::kLast;

  static constexpr uint32_t Child(uint32_t e) { return GraphEdge(e).child(); }
  static constexpr char Letter(uint32_t e) { return GraphEdge(e).letter(); }
  static constexpr bool IsLast(uint32_t e) { return GraphEdge(e).last(); }
  static constexpr uint32_t Make(char letter, uint32_t child, bool ends_word, bool last) {
    return (child & kChildMask) |
           (static_cast<uint32_t>(static_cast<unsigned char>(letter)) << GraphEdge::kLetterShift) |
           (ends_word ? GraphEdge::kEndOfWord : 0) | (last ? kLast : 0);
  }
};

}  // namespace tavrune

#endif  // TAVRUNE_ENGINE_EDGE_LAYOUT_H_
