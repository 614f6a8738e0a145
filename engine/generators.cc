#include "engine/generators.h"

#include "engine/pattern_expression.h"
#include "engine/tiles.h"
#include "engine/word_walk.h"

namespace tavrune {
namespace {

// Steps of the pattern matcher one pattern search may take over all the
// words it visits: a few hundred times what searches of real patterns take
// over the largest lexicon, and under a second.
constexpr uint64_t kMaxPatternWalkSteps = uint64_t{1} << 28;
constexpr std::string_view kTooComplex = "Pattern too complex";

constexpr char ToSmallCaps(char letter) { return static_cast<char>(letter - 'A' + 'a'); }

bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }

// Shared state of one rack walk; rack counts are taken and put back in place,
// so nothing is allocated per node.
class RackWalk {
 public:
  RackWalk(const Lexicon& lexicon, std::string_view rack, WordCollection& output,
           const WordFilter* filter, bool small_caps)
      : edges_(lexicon.Edges()),
        root_(lexicon.RootList()),
        counts_(rack),
        output_(output),
        filter_(filter),
        small_caps_(small_caps) {}

  LetterCounts& counts() { return counts_; }
  uint32_t root() const { return root_; }
  // Set once the output is full; the walk then unwinds at once.
  bool stopped() const { return output_.IsFull(); }

  // Every word formed from some of the tiles; `on_word` decides what to do.
  template <typename OnWord>
  void Builds(uint32_t list, int depth, OnWord& on_word) {
    for (uint32_t i = list;; ++i) {
      const uint32_t e = edges_[i];
      const char used = Place(e, depth);
      if (used != '\0') {
        if (edge::EndsWord(e)) on_word(std::string_view(buffer_, depth + 1));
        if (edge::Child(e) != 0) Builds(edge::Child(e), depth + 1, on_word);
        counts_.PutBack(used);
      }
      if (edge::IsLast(e) || stopped()) return;
    }
  }

  // Words of exactly `left` more tiles, using all of them.
  void Anagrams(uint32_t list, int depth, int left) {
    for (uint32_t i = list;; ++i) {
      const uint32_t e = edges_[i];
      const char used = Place(e, depth);
      if (used != '\0') {
        if (left == 1) {
          if (edge::EndsWord(e)) Emit(std::string_view(buffer_, depth + 1));
        } else if (edge::Child(e) != 0) {
          Anagrams(edge::Child(e), depth + 1, left - 1);
        }
        counts_.PutBack(used);
      }
      if (edge::IsLast(e) || stopped()) return;
    }
  }

  // Takes a tile for the edge's letter and writes the letter at `depth`, in
  // small caps when a blank stood in. Returns the tile used, '\0' for none.
  char Place(uint32_t e, int depth) {
    const char letter = edge::Letter(e);
    const char used = counts_.TakeLetter(letter);
    if (used != '\0') buffer_[depth] = used == kBlank && small_caps_ ? ToSmallCaps(letter) : letter;
    return used;
  }

  void Emit(std::string_view word) {
    if (PassesFilter(filter_, word)) output_.Insert(word);
  }

 private:
  const uint32_t* edges_;
  uint32_t root_;
  LetterCounts counts_;
  WordCollection& output_;
  const WordFilter* filter_;
  bool small_caps_;
  char buffer_[kMaxGraphDepth + 1];
};

// Words of exactly the pattern's length whose letters equal the pattern's or
// stand under a '?'. Returns true when `on_word` asked to stop.
template <typename OnWord>
bool ExactLengthWalk(const uint32_t* edges, uint32_t list, std::string_view pattern, int depth,
                     char* buffer, OnWord& on_word) {
  const char wanted = pattern[depth];
  const bool last_position = depth + 1 == static_cast<int>(pattern.size());
  for (uint32_t i = list;; ++i) {
    const uint32_t e = edges[i];
    const char letter = edge::Letter(e);
    if (wanted == '?' || wanted == letter) {
      buffer[depth] = letter;
      if (last_position) {
        if (edge::EndsWord(e) && on_word(std::string_view(buffer, depth + 1))) return true;
      } else if (edge::Child(e) != 0) {
        if (ExactLengthWalk(edges, edge::Child(e), pattern, depth + 1, buffer, on_word)) {
          return true;
        }
      }
    }
    if (edge::IsLast(e)) return false;
  }
}

// Follows `prefix` from the root: the edge of its last letter, or 0 when the
// graph does not hold it.
uint32_t FindPrefixEdge(const Lexicon& lexicon, std::string_view prefix) {
  const uint32_t* edges = lexicon.Edges();
  uint32_t list = lexicon.RootList();
  uint32_t found = 0;
  for (char c : prefix) {
    if (list == 0) return 0;
    found = 0;
    for (uint32_t i = list;; ++i) {
      if (edge::Letter(edges[i]) == c) {
        found = i;
        break;
      }
      if (edge::IsLast(edges[i])) break;
    }
    if (found == 0) return 0;
    list = edge::Child(edges[found]);
  }
  return found;
}

// Calls `visit(word)` for every word below the list `list`, whose words all
// begin with `prefix`, until `stop()` says so.
template <typename Visit, typename Stop>
void VisitWordsBelow(const uint32_t* edges, uint32_t list, std::string_view prefix, Visit&& visit,
                     Stop&& stop) {
  char word[kMaxGraphDepth + 1];
  uint32_t position[kMaxGraphDepth + 1];
  const int base = static_cast<int>(prefix.size());
  prefix.copy(word, prefix.size());
  int depth = base;
  position[depth] = list;
  while (depth >= base) {
    const uint32_t e = edges[position[depth]];
    word[depth] = edge::Letter(e);
    if (edge::EndsWord(e)) {
      visit(std::string_view(word, depth + 1));
      if (stop()) return;
    }
    if (edge::Child(e) != 0) {
      position[++depth] = edge::Child(e);
      continue;
    }
    while (depth >= base && edge::IsLast(edges[position[depth]])) --depth;
    if (depth >= base) ++position[depth];
  }
}

// A loaded graph with words, and a rack or pattern the walk buffers can hold.
bool Walkable(const Lexicon& lexicon, std::string_view text) {
  return lexicon.IsLoaded() && lexicon.RootList() != 0 && !text.empty() &&
         text.size() <= static_cast<size_t>(kMaxGraphDepth);
}

int AddedSince(const WordCollection& output, int before) { return output.Count() - before; }

}  // namespace

bool IsPlainRack(std::string_view rack) {
  for (char c : rack) {
    if (!IsUpperLetter(c) && c != kBlank) return false;
  }
  return true;
}

WildcardRack::WildcardRack(std::string_view rack) {
  int blanks = 0;
  for (char c : rack) {
    if (c == kBlank) {
      ++blanks;
    } else if (c == '*') {
      exact_ = false;
    } else {
      tiles_ += c;
    }
  }
  tiles_.append(blanks, kBlank);
  min_length_ = static_cast<int>(tiles_.size());
}

bool WildcardRack::Matches(std::string_view word, bool small_caps, std::string* marked) const {
  const int length = static_cast<int>(word.size());
  if (length < min_length_ || (exact_ && length != min_length_)) return false;
  LetterCounts counts(tiles_);
  if (marked != nullptr) marked->assign(word);
  for (int i = 0; i < length; ++i) {
    const char used = counts.TakeLetter(word[i]);
    if (used == '\0' && exact_) return false;
    const bool mark = exact_ ? used == kBlank : used == '\0';
    if (mark && small_caps && marked != nullptr && IsUpperLetter(word[i])) {
      (*marked)[i] = ToSmallCaps(word[i]);
    }
  }
  return exact_ || counts.IsEmpty();
}

int Anagrams(const Lexicon& lexicon, std::string_view rack, WordCollection& output,
             const WordFilter* filter, bool small_caps) {
  const int before = output.Count();
  if (IsPlainRack(rack)) {
    if (!Walkable(lexicon, rack)) return 0;
    RackWalk walk(lexicon, rack, output, filter, small_caps);
    walk.Anagrams(walk.root(), 0, static_cast<int>(rack.size()));
    return AddedSince(output, before);
  }
  // A run of '*' adds to the text but not to the shortest word it fits.
  const WildcardRack wildcard(rack);
  if (!lexicon.IsLoaded() || lexicon.RootList() == 0 || wildcard.min_length() > kMaxGraphDepth) {
    return 0;
  }
  std::string marked;
  VisitWordsBelow(
      lexicon.Edges(), lexicon.RootList(), "",
      [&](std::string_view word) {
        if (wildcard.Matches(word, small_caps, &marked) && PassesFilter(filter, marked)) {
          output.Insert(marked);
        }
      },
      [&output] { return output.IsFull(); });
  return AddedSince(output, before);
}

int Builds(const Lexicon& lexicon, std::string_view rack, WordCollection& output,
           const WordFilter* filter, bool small_caps) {
  if (!Walkable(lexicon, rack)) return 0;
  const int before = output.Count();
  RackWalk walk(lexicon, rack, output, filter, small_caps);
  auto emit = [&walk](std::string_view word) { walk.Emit(word); };
  walk.Builds(walk.root(), 0, emit);
  return AddedSince(output, before);
}

int BuildBuilds(const Lexicon& lexicon, std::string_view rack, WordCollection& output,
                bool small_caps) {
  if (!Walkable(lexicon, rack)) return 0;
  const int before = output.Count();
  RackWalk walk(lexicon, rack, output, nullptr, small_caps);
  WordCollection seconds(WordCollection::kSmallGrowthStep, WordCollection::kSmallBlockSize);
  seconds.SetSortMode(false, SortKey::kAlphabetical, false);
  std::string pair;
  auto on_first = [&](std::string_view first) {
    const std::string rest = walk.counts().TilesText();
    if (rest.empty()) return;
    seconds.Clear();
    RackWalk second(lexicon, rest, seconds, nullptr, small_caps);
    second.Anagrams(second.root(), 0, static_cast<int>(rest.size()));
    for (std::string_view word : seconds) {
      pair.assign(first);
      pair += '/';
      pair += word;
      output.Insert(pair);
    }
  };
  walk.Builds(walk.root(), 0, on_first);
  return AddedSince(output, before);
}

int PatternMatches(const Lexicon& lexicon, std::string_view pattern, WordCollection& output,
                   const WordFilter* filter, std::string* error) {
  const int before = output.Count();
  auto insert = [&](std::string_view word) {
    if (PassesFilter(filter, word)) output.Insert(word);
    return output.IsFull();
  };
  auto full = [&output] { return output.IsFull(); };

  // Letters and '?' stand for one letter each, so a longer pattern than the
  // deepest word truly matches nothing.
  if (IsPlainRack(pattern)) {
    if (!Walkable(lexicon, pattern)) return 0;
    char buffer[kMaxGraphDepth + 1];
    ExactLengthWalk(lexicon.Edges(), lexicon.RootList(), pattern, 0, buffer, insert);
    return AddedSince(output, before);
  }

  // Anything else is compiled first, whatever its length, so a faulty
  // pattern is reported rather than found to match nothing.
  PatternExpression expression;
  if (const auto message = expression.CompileWildcard(pattern)) {
    if (error != nullptr) *error = std::string(*message);
    return 0;
  }
  if (!lexicon.IsLoaded() || lexicon.RootList() == 0) return 0;

  size_t letters = 0;
  while (letters < pattern.size() && IsUpperLetter(pattern[letters])) ++letters;
  const std::string_view prefix = pattern.substr(0, letters);
  uint32_t list = lexicon.RootList();
  if (!prefix.empty()) {
    // No path is deeper than kMaxGraphDepth, so a longer prefix is not found.
    const uint32_t last = FindPrefixEdge(lexicon, prefix);
    if (last == 0) return 0;
    const uint32_t e = lexicon.EdgeAt(last);
    // A prefix followed by one final '*': the prefix and everything below it.
    if (letters + 1 == pattern.size() && pattern.back() == '*') {
      if (edge::EndsWord(e)) insert(prefix);
      if (edge::Child(e) != 0) {
        VisitWordsBelow(lexicon.Edges(), edge::Child(e), prefix, insert, full);
      }
      return AddedSince(output, before);
    }
    list = edge::Child(e);
    if (list == 0) return 0;
  }

  // Each match is bounded, but a long pattern over every word of a large
  // lexicon is not; past the allowance the search is refused.
  expression.LimitSteps(kMaxPatternWalkSteps);
  bool too_complex = false;
  VisitWordsBelow(
      lexicon.Edges(), list, prefix,
      [&](std::string_view word) {
        const MatchResult result = expression.Match(word);
        if (result == MatchResult::kMatch) insert(word);
        too_complex = result == MatchResult::kError;
      },
      [&] { return too_complex || output.IsFull(); });
  if (too_complex && error != nullptr) *error = std::string(kTooComplex);
  return AddedSince(output, before);
}

bool AnyWordMatches(const Lexicon& lexicon, std::string_view pattern) {
  if (!Walkable(lexicon, pattern)) return false;
  char buffer[kMaxGraphDepth + 1];
  auto stop = [](std::string_view) { return true; };
  return ExactLengthWalk(lexicon.Edges(), lexicon.RootList(), pattern, 0, buffer, stop);
}

int ForEachWord(const Lexicon& lexicon, WordVisitor& visitor, WordCollection& output) {
  const int before = output.Count();
  VisitWords(lexicon, [&](std::string_view word) { visitor.Visit(word, lexicon, output); });
  return AddedSince(output, before);
}

}  // namespace tavrune
