#ifndef TAVRUNE_ENGINE_WORD_WALK_H_
#define TAVRUNE_ENGINE_WORD_WALK_H_

#include <cstdint>
#include <string_view>

#include "engine/lexicon.h"

namespace tavrune {

// Hands every word below one list to `visit`, spelled from a fixed buffer.
template <typename Visit>
class WordsBelow {
 public:
  WordsBelow(std::string_view prefix, uint64_t max_steps, Visit& visit)
      : visit_(visit), steps_left_(max_steps) {
    prefix.copy(word_, prefix.size());
  }

  WalkStep Enter(GraphEdge e, int depth) {
    if (steps_left_ == 0) {
      gave_up_ = true;
      return WalkStep::kSkip;
    }
    --steps_left_;
    word_[depth] = e.letter();
    if (e.ends_word()) visit_(std::string_view(word_, depth + 1));
    return WalkStep::kBelow;
  }
  void Leave(GraphEdge, int) {}
  bool Stopped() const { return gave_up_; }

 private:
  Visit& visit_;
  uint64_t steps_left_;
  bool gave_up_ = false;
  char word_[kMaxGraphDepth + 1];
};

// Calls `visit(word)` for every word of the lexicon in graph order (each
// word before its extensions), giving up after `max_steps` graph entries.
// Returns false when it gave up. The loader guarantees the depth bound, and
// that a whole walk takes lexicon.WalkSteps() entries.
template <typename Visit>
bool VisitWordsWithin(const Lexicon& lexicon, uint64_t max_steps, Visit&& visit) {
  if (lexicon.RootList() == 0) return true;
  WordsBelow<Visit> walk("", max_steps, visit);
  lexicon.Walk(lexicon.RootList(), 0, walk);
  return !walk.Stopped();
}

// The whole walk.
template <typename Visit>
void VisitWords(const Lexicon& lexicon, Visit&& visit) {
  VisitWordsWithin(lexicon, UINT64_MAX, visit);
}

}  // namespace tavrune

#endif  // TAVRUNE_ENGINE_WORD_WALK_H_
