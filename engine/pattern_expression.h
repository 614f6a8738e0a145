#ifndef TAVRUNE_ENGINE_PATTERN_EXPRESSION_H_
#define TAVRUNE_ENGINE_PATTERN_EXPRESSION_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavrune {

// Instructions of a compiled pattern expression: an opcode byte followed by
// its operands. CLO is followed by one CHR, ANY or CCL instruction and END.
enum class PatternOp : uint8_t {
  kEnd = 0,
  kChr = 1,  // one character
  kAny = 2,
  kCcl = 3,  // 16-byte bit set of characters 0-127
  kBol = 4,
  kEol = 5,
  kBot = 6,  // group number
  kEot = 7,  // group number
  kBow = 8,
  kEow = 9,
  kRef = 10,  // group number
  kClo = 11,
};

enum class MatchResult : int8_t {
  // An unknown opcode, or a search that ran past its step budget (only
  // pathological expressions on subjects far longer than words do), or
  // past the limit set by LimitSteps.
  kError = -1,
  kNoMatch = 0,
  kMatch = 1,
};

// Offsets of a group's text in the last matched subject; -1 when unset.
struct PatternSpan {
  int begin = -1;
  int end = -1;
};

// A small regular-expression engine for word patterns: character classes,
// "\(" "\)" groups with back-references "\1".."\9", word boundaries "\<"
// "\>", closures "*" and "+". Each object owns its compiled program, so
// searches that compile their own expressions never disturb one another.
//
// Matching backtracks without recursion; closures whose continuation holds
// no back-reference remember failed positions, so even many closures over
// long subjects finish in polynomial time. Not for use from two threads at
// once: a match keeps its state in the object.
class PatternExpression {
 public:
  static constexpr size_t kProgramCapacity = 1024;
  static constexpr int kGroupCount = 10;  // group 0 is the whole match

  PatternExpression() = default;

  // Compiles `expression`, replacing the program. Returns nothing on success,
  // else the reason, a text with static storage. An empty expression keeps
  // the program of the last successful compile ("No previous regular
  // expression" without one). Any failure leaves no program behind.
  std::optional<std::string_view> Compile(std::string_view expression);
  // Compile(WildcardToExpression(pattern)).
  std::optional<std::string_view> CompileWildcard(std::string_view pattern);

  // Whether the program matches somewhere in `word`. Without a program
  // nothing matches. An unanchored expression never matches an empty word.
  MatchResult Match(std::string_view word) const;
  bool Matches(std::string_view word) const { return Match(word) == MatchResult::kMatch; }
  // Bounds the steps all following matches take together (unbounded until
  // called); once they are spent every match gives kError. For walks over
  // many words, whose total cost a single match's bound does not limit.
  void LimitSteps(uint64_t steps) { steps_left_ = steps; }

  bool IsCompiled() const { return compiled_; }
  // The program including its final END; empty when not compiled.
  std::span<const uint8_t> Program() const {
    return std::span<const uint8_t>(program_.data(), compiled_ ? size_ : 0);
  }
  // Where group `n` (0 the whole match) was found by the last successful
  // Match, as offsets into its subject.
  PatternSpan Group(int n) const;

 private:
  // A closure waiting to give back characters: its continuation `resume`
  // is tried at `position` down to `low`.
  struct Frame {
    uint16_t resume;
    uint16_t row;
    uint32_t low;
    uint32_t position;
  };

  std::optional<std::string_view> Fail(std::string_view message);
  bool Emit(std::initializer_list<uint8_t> bytes);
  void Index();
  MatchResult Try(std::string_view word, size_t start, uint64_t& budget) const;
  bool KnownFailure(uint16_t row, size_t position) const;
  void RememberFailure(uint16_t row, size_t position) const;

  std::array<uint8_t, kProgramCapacity> program_{};
  size_t size_ = 0;
  bool compiled_ = false;

  // Derived from the program by Index(): the memo row of each closure
  // (indexed by its offset) and the offset after which no REF follows.
  std::vector<uint16_t> closure_row_;
  uint16_t closure_count_ = 0;
  size_t last_ref_ = 0;
  bool has_ref_ = false;

  // Match state, kept between calls so matching allocates nothing once warm.
  mutable std::array<PatternSpan, kGroupCount> groups_{};
  mutable std::vector<uint64_t> failures_;
  mutable size_t failure_stride_ = 0;  // words of 64 bits per closure row
  mutable bool memo_on_ = false;
  mutable uint64_t steps_left_ = UINT64_MAX;
};

// The expression for a user wildcard pattern: "^", then '*' as ".*", '.' as
// "\.", '?' as ".", every other character as itself, then "$". Expression
// syntax in the pattern ("[AEIOU]", "+") keeps its meaning.
std::string WildcardToExpression(std::string_view pattern);

}  // namespace tavrune

#endif  // TAVRUNE_ENGINE_PATTERN_EXPRESSION_H_
