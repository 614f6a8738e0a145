#include "engine/pattern_automaton.h"

#include <bit>
#include <cstddef>

#include "engine/pattern_expression.h"

namespace tavrune {
namespace {

constexpr size_t kSetBytes = 16;

// The letters one CHR, ANY or CCL element takes, a bit per letter A-Z;
// false for any other instruction.
bool ElementLetters(std::span<const uint8_t> program, size_t pc, uint32_t& letters, size_t& size) {
  letters = 0;
  switch (static_cast<PatternOp>(program[pc])) {
    case PatternOp::kChr:
      if (pc + 1 >= program.size()) return false;
      if (program[pc + 1] >= 'A' && program[pc + 1] <= 'Z') letters = 1u << (program[pc + 1] - 'A');
      size = 2;
      return true;
    case PatternOp::kAny:
      letters = (1u << 26) - 1;
      size = 1;
      return true;
    case PatternOp::kCcl:
      if (pc + kSetBytes >= program.size()) return false;
      for (int c = 'A'; c <= 'Z'; ++c) {
        if ((program[pc + 1 + c / 8] >> (c % 8)) & 1) letters |= 1u << (c - 'A');
      }
      size = 1 + kSetBytes;
      return true;
    default:
      return false;
  }
}

}  // namespace

bool PatternAutomaton::Build(std::span<const uint8_t> program) {
  *this = PatternAutomaton();
  // Only anchored programs: a wildcard pattern always starts with BOL.
  if (program.empty() || static_cast<PatternOp>(program[0]) != PatternOp::kBol) return false;
  int element = 0;
  // The letter of each element that takes exactly one, else 0.
  std::array<uint32_t, kMaxElements + 1> one_letter{};
  auto add_letters = [](std::array<State, 26>& table, uint32_t letters, State bit) {
    for (int c = 0; c < 26; ++c) {
      if ((letters >> c) & 1) table[c] |= bit;
    }
  };
  for (size_t pc = 0; pc < program.size();) {
    if (element > kMaxElements) break;
    const State bit = State{1} << element;
    uint32_t letters = 0;
    size_t size = 0;
    switch (static_cast<PatternOp>(program[pc])) {
      case PatternOp::kEnd:
        accept_ = bit;
        add_letters(closure_, (1u << 26) - 1, bit);
        for (int i = element - 1; i >= 0; --i) needs_from_[i] = needs_from_[i + 1] | one_letter[i];
        return true;
      case PatternOp::kChr:
      case PatternOp::kAny:
      case PatternOp::kCcl:
        if (!ElementLetters(program, pc, letters, size)) return false;
        add_letters(single_, letters, bit);
        if (std::has_single_bit(letters)) one_letter[element] = letters;
        pc += size;
        break;
      case PatternOp::kClo:
        if (pc + 1 >= program.size() || !ElementLetters(program, pc + 1, letters, size))
          return false;
        add_letters(closure_, letters, bit);
        skip_start_ |= bit;
        skip_inside_ |= bit;
        skip_end_ |= bit;
        pc += 1 + size + 1;  // CLO, its element and the END closing it
        break;
      // In a word of letters, "^" and "\<" hold only before the first
      // letter, "$" and "\>" only after the last.
      case PatternOp::kBol:
      case PatternOp::kBow:
        skip_start_ |= bit;
        pc += 1;
        break;
      case PatternOp::kEol:
      case PatternOp::kEow:
        skip_end_ |= bit;
        pc += 1;
        break;
      // Without back-references a group marks nothing that matters.
      case PatternOp::kBot:
      case PatternOp::kEot:
        pc += 2;
        continue;
      default:
        *this = PatternAutomaton();
        return false;
    }
    ++element;
  }
  *this = PatternAutomaton();
  return false;
}

}  // namespace tavrune
