// Any bytes given as a lexicon file: loading must refuse or accept without
// reading out of bounds, and an accepted graph must be safe to walk.
#include <cstdint>
#include <span>
#include <string>

#include "engine/lexicon.h"
#include "engine/word_walk.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tavrune::Lexicon lexicon;
  if (!lexicon.LoadBytes(std::span<const uint8_t>(data, size))) return 0;
  size_t words = 0;
  std::string first;
  tavrune::VisitWords(lexicon, [&](std::string_view w) {
    if (words++ == 0) first = w;
  });
  // No membership check: a hand-made list may repeat a letter, and look-ups
  // stop at its first edge while walks visit both.
  if (!first.empty()) lexicon.HookLine(first);
  return 0;
}
