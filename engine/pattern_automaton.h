#ifndef TAVRUNE_ENGINE_PATTERN_AUTOMATON_H_
#define TAVRUNE_ENGINE_PATTERN_AUTOMATON_H_

#include <array>
#include <bit>
#include <cstdint>
#include <span>

namespace tavrune {

// A compiled pattern program without back-references, run as a set of live
// positions rather than by backtracking, so a graph walk can carry the set
// letter by letter and drop a subtree once it is empty. Programs are a line
// of elements (a letter class, a closure of one, an anchor), so a state is a
// bit per element and every move is a few word operations. Only for whole
// words of 'A'-'Z', which is all the word graph holds.
class PatternAutomaton {
 public:
  using State = uint64_t;
  // The final END takes one bit, so a program may hold 63 other elements.
  static constexpr int kMaxElements = 63;

  // False for a program with a back-reference, an unknown instruction or
  // too many elements; the automaton then accepts nothing.
  bool Build(std::span<const uint8_t> program);

  // The live positions before the first letter; 0 when none.
  State Start() const { return Close(1, skip_start_); }
  // After one more letter ('A'-'Z'); 0 once nothing can match.
  State Step(State state, char letter) const {
    const int c = letter - 'A';
    return Close(((state & single_[c]) << 1) | (state & closure_[c]), skip_inside_);
  }
  // Whether a word ending in this state matches.
  bool Accepts(State state) const { return (Close(state, skip_end_) & accept_) != 0; }
  // Whether the first letters are free, so a walk spreads over the graph.
  bool OpensWithClosure() const { return (Start() & skip_inside_) != 0; }
  // Letters every match from this state has yet to take (bit 0 for 'A'):
  // those of the one-letter elements after each live position.
  uint32_t Needs(State state) const {
    uint32_t needs = (1u << 26) - 1;
    for (; state != 0; state &= state - 1) needs &= needs_from_[std::countr_zero(state)];
    return needs;
  }

 private:
  // Adds every position reached from `state` through elements that take no
  // letter here (`skip`): a carry runs up each block of skippable bits.
  static State Close(State state, State skip) { return state | (((state & skip) + skip) ^ skip); }

  std::array<State, 26> single_{};   // elements taking the letter once
  std::array<State, 26> closure_{};  // closures taking it (and END, which holds)
  State skip_start_ = 0;             // closures and anchors true before the word
  State skip_inside_ = 0;            // closures
  State skip_end_ = 0;               // closures and anchors true after the word
  State accept_ = 0;
  std::array<uint32_t, kMaxElements + 1> needs_from_{};
};

}  // namespace tavrune

#endif  // TAVRUNE_ENGINE_PATTERN_AUTOMATON_H_
