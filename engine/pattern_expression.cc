#include "engine/pattern_expression.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>

namespace tavrune {
namespace {

constexpr std::string_view kNoPrevious = "No previous regular expression";
constexpr std::string_view kMissingBracket = "Missing ]";
constexpr std::string_view kEmptyClosure = "Empty closure";
constexpr std::string_view kIllegalClosure = "Illegal closure";
constexpr std::string_view kTooManyGroups = "Too many \\(\\) pairs";
constexpr std::string_view kNullGroup = "Null pattern inside \\(\\)";
constexpr std::string_view kUnmatchedClose = "Unmatched \\)";
constexpr std::string_view kUnmatchedOpen = "Unmatched \\(";
constexpr std::string_view kCyclicalReference = "Cyclical reference";
constexpr std::string_view kUndeterminedReference = "Undetermined reference";
constexpr std::string_view kNullWord = "Null pattern inside \\<\\>";
constexpr std::string_view kTooLong = "Regular expression too long";

constexpr size_t kSetBytes = 16;
constexpr uint16_t kNoRow = 0xFFFF;
// A closure takes at least three bytes (CLO ANY END).
constexpr size_t kMaxClosures = PatternExpression::kProgramCapacity / 3 + 1;
// Back-references defeat the failure memo; this many steps (a few
// milliseconds) is far beyond what any word pattern needs.
constexpr uint64_t kStepLimit = uint64_t{1} << 22;
// Larger memos (very many closures over a very long subject) fall back to
// the step limit instead.
constexpr size_t kMaxMemoWords = size_t{1} << 16;
// With the memo a match takes at most closures x subject length squared
// steps: for a word of 64 letters and the most closures a program holds,
// under 2^21. Far longer subjects stop here instead of running for seconds.
constexpr uint64_t kMemoStepLimit = uint64_t{1} << 26;

constexpr uint8_t Op(PatternOp op) { return static_cast<uint8_t>(op); }

bool IsWordChar(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == '_' || (c >= 'a' && c <= 'z');
}

bool InSet(const uint8_t* set, unsigned char c) {
  return c < 128 && ((set[c >> 3] >> (c & 7)) & 1) != 0;
}

// Bytes of the instruction at `p`; 0 for an unknown opcode.
size_t InstructionSize(const uint8_t* p) {
  switch (static_cast<PatternOp>(*p)) {
    case PatternOp::kEnd:
    case PatternOp::kAny:
    case PatternOp::kBol:
    case PatternOp::kEol:
    case PatternOp::kBow:
    case PatternOp::kEow:
      return 1;
    case PatternOp::kChr:
    case PatternOp::kBot:
    case PatternOp::kEot:
    case PatternOp::kRef:
      return 2;
    case PatternOp::kCcl:
      return 1 + kSetBytes;
    case PatternOp::kClo: {
      const size_t element = InstructionSize(p + 1);
      return element == 0 ? 0 : element + 2;
    }
  }
  return 0;
}

// The characters one CHR, ANY or CCL element takes; false for others.
bool ElementSet(const uint8_t* p, uint8_t set[kSetBytes]) {
  switch (static_cast<PatternOp>(*p)) {
    case PatternOp::kChr:
      std::memset(set, 0, kSetBytes);
      if (p[1] < 128) set[p[1] >> 3] = static_cast<uint8_t>(1u << (p[1] & 7));
      return true;
    case PatternOp::kAny:
      std::memset(set, 0xFF, kSetBytes);
      return true;
    case PatternOp::kCcl:
      std::memcpy(set, p + 1, kSetBytes);
      return true;
    default:
      return false;
  }
}

// Whether the closure of the element at `inner` adds nothing after the
// closure at `outer`: it takes only characters the outer one takes too.
// Runs such as "*****" would otherwise cost a backtracking step per
// closure and position.
bool ClosureIsRedundant(const uint8_t* outer, const uint8_t* inner) {
  uint8_t outer_set[kSetBytes];
  uint8_t inner_set[kSetBytes];
  if (static_cast<PatternOp>(*outer) != PatternOp::kClo || !ElementSet(outer + 1, outer_set) ||
      !ElementSet(inner, inner_set)) {
    return false;
  }
  for (size_t i = 0; i < kSetBytes; ++i) {
    if ((inner_set[i] & ~outer_set[i]) != 0) return false;
  }
  return true;
}

}  // namespace

std::optional<std::string_view> PatternExpression::Fail(std::string_view message) {
  size_ = 0;
  compiled_ = false;
  closure_row_.clear();
  closure_count_ = 0;
  has_ref_ = false;
  last_ref_ = 0;
  return message;
}

// Appends when the bytes fit with room left for the final END.
bool PatternExpression::Emit(std::initializer_list<uint8_t> bytes) {
  if (size_ + bytes.size() + 1 > kProgramCapacity) return false;
  for (uint8_t b : bytes) program_[size_++] = b;
  return true;
}

std::optional<std::string_view> PatternExpression::Compile(std::string_view expression) {
  if (expression.empty()) {
    if (compiled_) return std::nullopt;
    return Fail(kNoPrevious);
  }
  size_ = 0;
  compiled_ = false;

  uint8_t open_groups[kGroupCount];
  int open_count = 0;
  int next_group = 1;
  size_t previous = 0;                // where the previous element starts
  size_t before_previous = SIZE_MAX;  // and the one before it, when known
  const size_t n = expression.size();
  auto char_at = [&](size_t i) { return static_cast<unsigned char>(expression[i]); };

  for (size_t i = 0; i < n; ++i) {
    const size_t start = size_;
    const unsigned char c = char_at(i);
    bool fits = true;
    switch (c) {
      case '.':
        fits = Emit({Op(PatternOp::kAny)});
        break;
      case '^':
        fits = i == 0 ? Emit({Op(PatternOp::kBol)}) : Emit({Op(PatternOp::kChr), c});
        break;
      case '$':
        fits = i + 1 == n ? Emit({Op(PatternOp::kEol)}) : Emit({Op(PatternOp::kChr), c});
        break;
      case '[': {
        uint8_t set[kSetBytes] = {};
        auto add = [&set](unsigned ch) {
          if (ch < 128) set[ch >> 3] |= static_cast<uint8_t>(1u << (ch & 7));
        };
        size_t j = i + 1;
        const bool complement = j < n && char_at(j) == '^';
        if (complement) ++j;
        if (j < n && (char_at(j) == '-' || char_at(j) == ']')) add(char_at(j++));
        while (j < n && char_at(j) != ']') {
          if (char_at(j) == '-' && j + 1 < n && char_at(j + 1) != ']') {
            const unsigned to = char_at(j + 1);
            for (unsigned ch = char_at(j - 1) + 1u; ch <= to; ++ch) add(ch);
            j += 2;
          } else {
            add(char_at(j++));
          }
        }
        if (j >= n) return Fail(kMissingBracket);
        if (complement) {
          for (uint8_t& b : set) b = static_cast<uint8_t>(~b);
        }
        fits = Emit({Op(PatternOp::kCcl)});
        for (size_t k = 0; fits && k < kSetBytes; ++k) fits = Emit({set[k]});
        i = j;
        break;
      }
      case '*':
      case '+': {
        if (i == 0) return Fail(kEmptyClosure);
        switch (static_cast<PatternOp>(program_[previous])) {
          case PatternOp::kClo:
            continue;  // x** is x*; the closure stays the previous element
          case PatternOp::kBol:
          case PatternOp::kBot:
          case PatternOp::kEot:
          case PatternOp::kBow:
          case PatternOp::kEow:
          case PatternOp::kRef:
            return Fail(kIllegalClosure);
          default:
            break;
        }
        size_t element = previous;
        const size_t length = size_ - previous;
        // y* x* where x* takes nothing y* does not: x* is dropped, and y*
        // is the previous element again.
        if (c == '*' && before_previous < previous &&
            before_previous + InstructionSize(&program_[before_previous]) == previous &&
            ClosureIsRedundant(&program_[before_previous], &program_[previous])) {
          size_ = previous;
          previous = before_previous;
          continue;
        }
        if (c == '+') {
          // x+ is x x*
          if (size_ + length + 1 > kProgramCapacity) return Fail(kTooLong);
          std::memmove(&program_[size_], &program_[previous], length);
          element = size_;
          size_ += length;
          before_previous = previous;
        }
        if (size_ + 2 + 1 > kProgramCapacity) return Fail(kTooLong);
        std::memmove(&program_[element + 1], &program_[element], length);
        program_[element] = Op(PatternOp::kClo);
        size_ += 1;
        program_[size_++] = Op(PatternOp::kEnd);
        previous = element;
        continue;
      }
      case '\\': {
        if (i + 1 == n) {  // a trailing backslash stands for itself
          fits = Emit({Op(PatternOp::kChr), c});
          break;
        }
        const unsigned char e = char_at(++i);
        switch (e) {
          case '(':
            if (next_group >= kGroupCount) return Fail(kTooManyGroups);
            open_groups[open_count++] = static_cast<uint8_t>(next_group);
            fits = Emit({Op(PatternOp::kBot), static_cast<uint8_t>(next_group++)});
            break;
          case ')':
            if (open_count == 0) return Fail(kUnmatchedClose);
            if (program_[previous] == Op(PatternOp::kBot)) return Fail(kNullGroup);
            fits = Emit({Op(PatternOp::kEot), open_groups[--open_count]});
            break;
          case '<':
            fits = Emit({Op(PatternOp::kBow)});
            break;
          case '>':
            if (size_ > 0 && program_[previous] == Op(PatternOp::kBow)) return Fail(kNullWord);
            fits = Emit({Op(PatternOp::kEow)});
            break;
          case '1':
          case '2':
          case '3':
          case '4':
          case '5':
          case '6':
          case '7':
          case '8':
          case '9': {
            const int group = e - '0';
            // Any group still open, not only the innermost: its end is not
            // known yet, so the reference could only match stale text.
            if (std::find(open_groups, open_groups + open_count, group) !=
                open_groups + open_count) {
              return Fail(kCyclicalReference);
            }
            if (group >= next_group) return Fail(kUndeterminedReference);
            fits = Emit({Op(PatternOp::kRef), static_cast<uint8_t>(group)});
            break;
          }
          default:
            fits = Emit({Op(PatternOp::kChr), e});
            break;
        }
        break;
      }
      default:
        fits = Emit({Op(PatternOp::kChr), c});
        break;
    }
    if (!fits) return Fail(kTooLong);
    before_previous = previous;
    previous = start;
  }
  if (open_count > 0) return Fail(kUnmatchedOpen);
  program_[size_++] = Op(PatternOp::kEnd);  // Emit always leaves room for it
  compiled_ = true;
  Index();
  return std::nullopt;
}

std::optional<std::string_view> PatternExpression::CompileWildcard(std::string_view pattern) {
  return Compile(WildcardToExpression(pattern));
}

void PatternExpression::Index() {
  closure_row_.assign(size_, kNoRow);
  closure_count_ = 0;
  has_ref_ = false;
  last_ref_ = 0;
  for (size_t pc = 0; pc < size_ && program_[pc] != Op(PatternOp::kEnd);) {
    if (program_[pc] == Op(PatternOp::kClo)) closure_row_[pc] = closure_count_++;
    if (program_[pc] == Op(PatternOp::kRef)) {
      has_ref_ = true;
      last_ref_ = pc;
    }
    pc += std::max<size_t>(1, InstructionSize(&program_[pc]));
  }
}

PatternSpan PatternExpression::Group(int n) const {
  return n >= 0 && n < kGroupCount ? groups_[n] : PatternSpan{};
}

bool PatternExpression::KnownFailure(uint16_t row, size_t position) const {
  const uint64_t word = failures_[row * failure_stride_ + position / 64];
  return ((word >> (position % 64)) & 1) != 0;
}

void PatternExpression::RememberFailure(uint16_t row, size_t position) const {
  failures_[row * failure_stride_ + position / 64] |= uint64_t{1} << (position % 64);
}

MatchResult PatternExpression::Match(std::string_view word) const {
  groups_.fill(PatternSpan{});
  if (!compiled_ || size_ == 0) return MatchResult::kNoMatch;
  if (word.size() >= INT_MAX) return MatchResult::kError;

  memo_on_ = false;
  if (closure_count_ > 0) {
    failure_stride_ = (word.size() + 1 + 63) / 64;
    const size_t words = failure_stride_ * closure_count_;
    if (words <= kMaxMemoWords) {
      if (failures_.size() < words) failures_.resize(words);
      std::fill_n(failures_.begin(), words, 0);
      memo_on_ = true;
    }
  }
  const bool bounded = has_ref_ || (closure_count_ > 0 && !memo_on_);
  uint64_t budget = std::min(bounded ? kStepLimit : kMemoStepLimit, steps_left_);
  const uint64_t budget_before = budget;

  const auto first = static_cast<PatternOp>(program_[0]);
  MatchResult result = MatchResult::kNoMatch;
  if (first == PatternOp::kBol) {
    result = Try(word, 0, budget);
  } else {
    size_t start = 0;
    if (first == PatternOp::kChr) {
      start = word.find(static_cast<char>(program_[1]));
      if (start == std::string_view::npos) return MatchResult::kNoMatch;
    }
    for (; start < word.size(); ++start) {
      result = Try(word, start, budget);
      if (result != MatchResult::kNoMatch) break;
    }
  }
  if (result != MatchResult::kMatch) groups_.fill(PatternSpan{});
  if (steps_left_ != UINT64_MAX) steps_left_ -= budget_before - budget;
  return result;
}

// Runs the program from `start`. Each closure first takes all it can, then
// gives characters back one at a time; the closures waiting to give back
// form an explicit stack, so no subject or program can exhaust the real one.
MatchResult PatternExpression::Try(std::string_view word, size_t start, uint64_t& budget) const {
  Frame frames[kMaxClosures];
  size_t depth = 0;
  const uint8_t* p = program_.data();
  const size_t n = word.size();
  auto at = [word](size_t i) { return static_cast<unsigned char>(word[i]); };
  size_t pc = 0;
  size_t pos = start;

  for (;;) {
    bool failed = false;
    bool pushed = false;
    while (!failed && !pushed) {
      if (budget == 0) return MatchResult::kError;
      --budget;
      switch (static_cast<PatternOp>(p[pc])) {
        case PatternOp::kEnd:
          groups_[0] = PatternSpan{static_cast<int>(start), static_cast<int>(pos)};
          return MatchResult::kMatch;
        case PatternOp::kChr:
          failed = pos >= n || at(pos) != p[pc + 1];
          ++pos;
          pc += 2;
          break;
        case PatternOp::kAny:
          failed = pos >= n;
          ++pos;
          pc += 1;
          break;
        case PatternOp::kCcl:
          failed = pos >= n || !InSet(p + pc + 1, at(pos));
          ++pos;
          pc += 1 + kSetBytes;
          break;
        case PatternOp::kBol:
          failed = pos != 0;
          pc += 1;
          break;
        case PatternOp::kEol:
          failed = pos != n;
          pc += 1;
          break;
        case PatternOp::kBot:
        case PatternOp::kEot: {
          const uint8_t group = p[pc + 1];
          if (group >= kGroupCount) return MatchResult::kError;
          int& mark = p[pc] == Op(PatternOp::kBot) ? groups_[group].begin : groups_[group].end;
          mark = static_cast<int>(pos);
          pc += 2;
          break;
        }
        case PatternOp::kBow:
          failed = (pos != 0 && IsWordChar(at(pos - 1))) || pos >= n || !IsWordChar(at(pos));
          pc += 1;
          break;
        case PatternOp::kEow:
          failed = pos == 0 || !IsWordChar(at(pos - 1)) || (pos < n && IsWordChar(at(pos)));
          pc += 1;
          break;
        case PatternOp::kRef: {
          const uint8_t group = p[pc + 1];
          if (group >= kGroupCount) return MatchResult::kError;
          const PatternSpan span = groups_[group];
          if (span.begin >= 0 && span.end > span.begin) {
            const size_t length = static_cast<size_t>(span.end - span.begin);
            failed =
                n - pos < length || word.substr(pos, length) != word.substr(span.begin, length);
            pos += length;
          }
          pc += 2;
          break;
        }
        case PatternOp::kClo: {
          const uint8_t* element = p + pc + 1;
          size_t furthest = pos;
          switch (static_cast<PatternOp>(*element)) {
            case PatternOp::kChr:
              while (furthest < n && at(furthest) == element[1]) ++furthest;
              break;
            case PatternOp::kAny:
              furthest = n;
              break;
            case PatternOp::kCcl:
              while (furthest < n && InSet(element + 1, at(furthest))) ++furthest;
              break;
            default:
              return MatchResult::kError;
          }
          const size_t resume = pc + InstructionSize(p + pc);
          const bool memo = memo_on_ && (!has_ref_ || resume > last_ref_);
          if (depth == kMaxClosures) return MatchResult::kError;
          frames[depth++] = Frame{static_cast<uint16_t>(resume), memo ? closure_row_[pc] : kNoRow,
                                  static_cast<uint32_t>(pos), static_cast<uint32_t>(furthest + 1)};
          pushed = true;
          break;
        }
        default:
          return MatchResult::kError;
      }
    }

    // The innermost closure's current continuation failed (unless it was
    // just pushed): remember that, then resume at its next shorter length
    // not already known to fail, giving up closures that have none left.
    if (failed) {
      if (depth == 0) return MatchResult::kNoMatch;
      const Frame& top = frames[depth - 1];
      if (top.row != kNoRow) RememberFailure(top.row, top.position);
    }
    bool resumed = false;
    while (!resumed && depth > 0) {
      Frame& f = frames[depth - 1];
      while (f.position > f.low) {
        if (budget == 0) return MatchResult::kError;
        --budget;
        --f.position;
        if (f.row == kNoRow || !KnownFailure(f.row, f.position)) {
          resumed = true;
          break;
        }
      }
      if (resumed) {
        pc = f.resume;
        pos = f.position;
      } else if (--depth > 0) {
        const Frame& outer = frames[depth - 1];
        if (outer.row != kNoRow) RememberFailure(outer.row, outer.position);
      }
    }
    if (!resumed) return MatchResult::kNoMatch;
  }
}

std::string WildcardToExpression(std::string_view pattern) {
  std::string expression;
  expression.reserve(pattern.size() * 2 + 2);
  expression += '^';
  for (char c : pattern) {
    switch (c) {
      case '*':
        expression += ".*";
        break;
      case '.':
        expression += "\\.";
        break;
      case '?':
        expression += '.';
        break;
      default:
        expression += c;
        break;
    }
  }
  expression += '$';
  return expression;
}

}  // namespace tavrune
