#include "engine/generators.h"

#include <algorithm>
#include <vector>

#include "engine/anagram_index.h"
#include "engine/letters.h"
#include "engine/pattern_automaton.h"
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

// One rack walk as a graph visitor: tiles are taken on the way down and put
// back on the way up, so nothing is allocated per node. With `exact` > 0
// only words of that many tiles are offered, else every word the tiles make.
template <typename OnWord>
class RackWalk {
 public:
  RackWalk(std::string_view rack, int exact, bool small_caps, const WordCollection& output,
           OnWord& on_word)
      : counts_(rack), exact_(exact), small_caps_(small_caps), output_(output), on_word_(on_word) {}

  LetterCounts& counts() { return counts_; }

  WalkStep Enter(GraphEdge e, int depth) {
    const char letter = e.letter();
    const char used = counts_.TakeLetter(letter);
    if (used == '\0') return WalkStep::kSkip;
    used_[depth] = used;
    word_[depth] = used == kBlank && small_caps_ ? ToSmallCaps(letter) : letter;
    const bool at_length = depth + 1 == exact_;
    if (e.ends_word() && (exact_ == 0 || at_length)) on_word_(std::string_view(word_, depth + 1));
    return at_length ? WalkStep::kStay : WalkStep::kBelow;
  }
  void Leave(GraphEdge, int depth) { counts_.PutBack(used_[depth]); }
  // Once the output is full the walk unwinds at once.
  bool Stopped() const { return output_.IsFull(); }

 private:
  LetterCounts counts_;
  int exact_;
  bool small_caps_;
  const WordCollection& output_;
  OnWord& on_word_;
  char used_[kMaxGraphDepth + 1];
  char word_[kMaxGraphDepth + 1];
};

// Words of exactly the pattern's length whose letters equal the pattern's or
// stand under a '?', until `on_word` returns true.
template <typename OnWord>
class ExactLengthWalk {
 public:
  ExactLengthWalk(std::string_view pattern, OnWord& on_word)
      : pattern_(pattern), on_word_(on_word) {}

  WalkStep Enter(GraphEdge e, int depth) {
    const char wanted = pattern_[depth];
    const char letter = e.letter();
    if (wanted != '?' && wanted != letter) return WalkStep::kSkip;
    word_[depth] = letter;
    if (depth + 1 < static_cast<int>(pattern_.size())) return WalkStep::kBelow;
    if (e.ends_word() && on_word_(std::string_view(word_, depth + 1))) stopped_ = true;
    return WalkStep::kSkip;
  }
  void Leave(GraphEdge, int) {}
  bool Stopped() const { return stopped_; }

 private:
  std::string_view pattern_;
  OnWord& on_word_;
  bool stopped_ = false;
  char word_[kMaxGraphDepth + 1];
};

// Every word below a list whose words all begin with `prefix`, until
// `stop()` says so.
template <typename Visit, typename Stop>
class WordsUntil {
 public:
  WordsUntil(std::string_view prefix, Visit& visit, Stop& stop) : visit_(visit), stop_(stop) {
    prefix.copy(word_, prefix.size());
  }

  WalkStep Enter(GraphEdge e, int depth) {
    word_[depth] = e.letter();
    if (e.ends_word()) {
      visit_(std::string_view(word_, depth + 1));
      stopped_ = stop_();
    }
    return WalkStep::kBelow;
  }
  void Leave(GraphEdge, int) {}
  bool Stopped() const { return stopped_; }

 private:
  Visit& visit_;
  Stop& stop_;
  bool stopped_ = false;
  char word_[kMaxGraphDepth + 1];
};

template <typename Visit, typename Stop>
void VisitWordsBelow(const Lexicon& lexicon, uint32_t list, std::string_view prefix, Visit visit,
                     Stop stop) {
  WordsUntil<Visit, Stop> walk(prefix, visit, stop);
  lexicon.Walk(list, static_cast<int>(prefix.size()), walk);
}

// A pattern matched during the walk: each path carries the automaton's live
// positions and a subtree is left as soon as none is left. The live sets
// met are numbered as they appear, with their moves cached; a list found to
// hold no match for a numbered set is remembered, as the graph shares its
// lists among many paths. Sets past kMaxStates are followed unnumbered.
template <typename OnMatch>
class PatternWalk {
 public:
  PatternWalk(const PatternAutomaton& automaton, const Lexicon& lexicon, uint64_t max_steps,
              OnMatch& on_match)
      : automaton_(automaton),
        letters_below_(lexicon.LettersBelow(automaton.OpensWithClosure())),
        list_words_((lexicon.EdgeCount() + 63) / 64),
        steps_left_(max_steps),
        on_match_(on_match) {
    Intern(0);  // number 0: nothing alive
    live_[0] = automaton.Start();
    id_[0] = Intern(live_[0]);
  }

  bool too_complex() const { return too_complex_; }

  WalkStep Enter(GraphEdge e, int depth) {
    if (steps_left_ == 0) {
      too_complex_ = true;
      return WalkStep::kSkip;
    }
    --steps_left_;
    const int c = e.letter() - 'A';
    const int from = id_[depth];
    int to = kUnnumbered;
    PatternAutomaton::State live;
    if (from != kUnnumbered && moves_[from * 26 + c] != kUnknown) {
      to = moves_[from * 26 + c];
      live = sets_[to];
    } else {
      live = automaton_.Step(live_[depth], e.letter());
      if (from != kUnnumbered) {
        to = Intern(live);
        moves_[from * 26 + c] = to;
      }
    }
    if (live == 0) return WalkStep::kSkip;
    word_[depth] = e.letter();
    if (e.ends_word() && (to != kUnnumbered ? accepts_[to] != 0 : automaton_.Accepts(live))) {
      ++matches_;
      if (on_match_(std::string_view(word_, depth + 1))) stopped_ = true;
    }
    if (e.child() == 0 || stopped_ || KnownDead(e.child(), to)) return WalkStep::kSkip;
    if (LacksLetters(e.child(), to, live)) return WalkStep::kSkip;
    live_[depth + 1] = live;
    id_[depth + 1] = to;
    matches_before_[depth + 1] = matches_;
    return WalkStep::kBelow;
  }

  void Leave(GraphEdge e, int depth) {
    if (matches_ == matches_before_[depth + 1] && !Stopped()) MarkDead(e.child(), id_[depth + 1]);
  }

  bool Stopped() const { return stopped_ || too_complex_; }

 private:
  static constexpr int kMaxStates = 1024;
  // Sets numbered below this have a memo of dead lists.
  static constexpr int kMaxMemoStates = 128;
  static constexpr int kUnnumbered = -1;
  static constexpr int16_t kUnknown = -2;

  int Intern(PatternAutomaton::State live) {
    for (size_t i = 0; i < sets_.size(); ++i) {
      if (sets_[i] == live) return static_cast<int>(i);
    }
    if (sets_.size() >= kMaxStates) return kUnnumbered;
    sets_.push_back(live);
    accepts_.push_back(automaton_.Accepts(live) ? 1 : 0);
    needs_.push_back(automaton_.Needs(live));
    moves_.resize(sets_.size() * 26, kUnknown);
    dead_.emplace_back();
    return static_cast<int>(sets_.size() - 1);
  }

  // Whether the words below `list` lack a letter every match still needs.
  bool LacksLetters(uint32_t list, int id, PatternAutomaton::State live) const {
    if (letters_below_.empty()) return false;
    const uint32_t needs = id != kUnnumbered ? needs_[id] : automaton_.Needs(live);
    return (needs & ~letters_below_[list]) != 0;
  }

  bool KnownDead(uint32_t list, int id) const {
    if (id == kUnnumbered || dead_[id].empty()) return false;
    return ((dead_[id][list / 64] >> (list % 64)) & 1) != 0;
  }

  void MarkDead(uint32_t list, int id) {
    if (id == kUnnumbered || id >= kMaxMemoStates) return;
    if (dead_[id].empty()) dead_[id].assign(list_words_, 0);
    dead_[id][list / 64] |= uint64_t{1} << (list % 64);
  }

  const PatternAutomaton& automaton_;
  std::span<const uint32_t> letters_below_;
  size_t list_words_;
  uint64_t steps_left_;
  OnMatch& on_match_;
  bool stopped_ = false;
  bool too_complex_ = false;
  uint64_t matches_ = 0;

  std::vector<PatternAutomaton::State> sets_;
  std::vector<uint8_t> accepts_;
  std::vector<uint32_t> needs_;
  std::vector<int16_t> moves_;
  std::vector<std::vector<uint64_t>> dead_;

  PatternAutomaton::State live_[kMaxGraphDepth + 1];
  int id_[kMaxGraphDepth + 1];
  uint64_t matches_before_[kMaxGraphDepth + 1];
  char word_[kMaxGraphDepth + 1];
};

// A loaded graph with words, and a rack or pattern the walk buffers can hold.
bool Walkable(const Lexicon& lexicon, std::string_view text) {
  return lexicon.IsLoaded() && lexicon.RootList() != 0 && !text.empty() &&
         text.size() <= static_cast<size_t>(kMaxGraphDepth);
}

int AddedSince(const WordCollection& output, int before) { return output.Count() - before; }

// Racks with up to this many blanks are answered from the words grouped by
// letters (26, 351 and 3,276 probes); more blanks walk the graph.
constexpr int kMaxLookedUpBlanks = 3;

// The anagrams of a plain rack with blanks, in the order the graph walk
// gives them, from one probe per filling of the blanks.
template <typename Emit>
void LookUpAnagrams(const AnagramIndex& index, std::string_view rack, int blanks, bool small_caps,
                    const WordCollection& output, Emit& emit) {
  const WildcardRack fits(rack);
  std::string letters(rack);
  std::erase(letters, kBlank);
  std::vector<std::string_view> found;
  index.ForEachFilling(letters, blanks, [&](std::string_view word) {
    if (word.size() == rack.size()) found.push_back(word);
  });
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
  std::string marked;
  for (std::string_view word : found) {
    if (output.IsFull()) return;
    if (fits.Matches(word, small_caps, &marked)) emit(marked);
  }
}

// The route for back-references, whose groups need the whole word: every
// word below the pattern's leading letters goes through the matcher.
int MatchWordByWord(const Lexicon& lexicon, std::string_view pattern, PatternExpression& expression,
                    WordCollection& output, const WordFilter* filter, std::string* error) {
  const int before = output.Count();
  auto insert = [&](std::string_view word) {
    if (PassesFilter(filter, word)) output.Insert(word);
  };
  size_t letters = 0;
  while (letters < pattern.size() && IsUpperLetter(pattern[letters])) ++letters;
  const std::string_view prefix = pattern.substr(0, letters);
  uint32_t list = lexicon.RootList();
  if (!prefix.empty()) {
    // No path is deeper than kMaxGraphDepth, so a longer prefix is not found.
    const uint32_t last = lexicon.FollowPrefix(prefix);
    if (last == 0) return 0;
    const GraphEdge e = lexicon.Entry(last);
    list = e.child();
    if (list == 0) return 0;
  }

  // Each match is bounded, but a long pattern over every word of a large
  // lexicon is not; past the allowance the search is refused.
  expression.LimitSteps(kMaxPatternWalkSteps);
  bool too_complex = false;
  VisitWordsBelow(
      lexicon, list, prefix,
      [&](std::string_view word) {
        const MatchResult result = expression.Match(word);
        if (result == MatchResult::kMatch) insert(word);
        too_complex = result == MatchResult::kError;
      },
      [&] { return too_complex || output.IsFull(); });
  if (too_complex && error != nullptr) *error = std::string(kTooComplex);
  return AddedSince(output, before);
}

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
  auto emit = [&](std::string_view word) {
    if (PassesFilter(filter, word)) output.Insert(word);
  };
  if (IsPlainRack(rack)) {
    if (!Walkable(lexicon, rack)) return 0;
    const auto blanks = static_cast<int>(std::count(rack.begin(), rack.end(), kBlank));
    if (blanks > 0 && blanks <= kMaxLookedUpBlanks) {
      if (const AnagramIndex* index = lexicon.WordsByLetters()) {
        LookUpAnagrams(*index, rack, blanks, small_caps, output, emit);
        return AddedSince(output, before);
      }
    }
    RackWalk walk(rack, static_cast<int>(rack.size()), small_caps, output, emit);
    lexicon.Walk(lexicon.RootList(), 0, walk);
    return AddedSince(output, before);
  }
  // A run of '*' adds to the text but not to the shortest word it fits.
  const WildcardRack wildcard(rack);
  if (lexicon.RootList() == 0 || wildcard.min_length() > kMaxGraphDepth) return 0;
  std::string marked;
  VisitWordsBelow(
      lexicon, lexicon.RootList(), "",
      [&](std::string_view word) {
        if (wildcard.Matches(word, small_caps, &marked) && PassesFilter(filter, marked)) {
          output.Insert(marked);
        }
      },
      [&output] { return output.IsFull(); });
  return AddedSince(output, before);
}

int CountAnagrams(const Lexicon& lexicon, std::string_view rack) {
  if (Walkable(lexicon, rack) && std::all_of(rack.begin(), rack.end(), IsUpperLetter)) {
    if (const AnagramIndex* index = lexicon.WordsByLetters()) return index->CountWords(rack);
  }
  // Counts what the generator offers and keeps none of it.
  class Counter : public WordFilter {
   public:
    bool Passes(std::string_view) const override {
      ++count;
      return false;
    }
    mutable int count = 0;
  };
  Counter counter;
  WordCollection none;
  Anagrams(lexicon, rack, none, &counter);
  return counter.count;
}

int Builds(const Lexicon& lexicon, std::string_view rack, WordCollection& output,
           const WordFilter* filter, bool small_caps) {
  if (!Walkable(lexicon, rack)) return 0;
  const int before = output.Count();
  auto emit = [&](std::string_view word) {
    if (PassesFilter(filter, word)) output.Insert(word);
  };
  RackWalk walk(rack, 0, small_caps, output, emit);
  lexicon.Walk(lexicon.RootList(), 0, walk);
  return AddedSince(output, before);
}

int BuildBuilds(const Lexicon& lexicon, std::string_view rack, WordCollection& output,
                bool small_caps) {
  if (!Walkable(lexicon, rack)) return 0;
  const int before = output.Count();
  WordCollection seconds(WordCollection::kSmallGrowthStep, WordCollection::kSmallBlockSize);
  seconds.SetSortMode(false, SortKey::kAlphabetical, false);
  auto keep_second = [&seconds](std::string_view word) { seconds.Insert(word); };
  std::string pair;
  LetterCounts* counts = nullptr;
  auto on_first = [&](std::string_view first) {
    const std::string rest = counts->TilesText();
    if (rest.empty()) return;
    seconds.Clear();
    RackWalk second(rest, static_cast<int>(rest.size()), small_caps, seconds, keep_second);
    lexicon.Walk(lexicon.RootList(), 0, second);
    for (std::string_view word : seconds) {
      pair.assign(first);
      pair += '/';
      pair += word;
      output.Insert(pair);
    }
  };
  RackWalk walk(rack, 0, small_caps, output, on_first);
  counts = &walk.counts();
  lexicon.Walk(lexicon.RootList(), 0, walk);
  return AddedSince(output, before);
}

int PatternMatches(const Lexicon& lexicon, std::string_view pattern, WordCollection& output,
                   const WordFilter* filter, std::string* error) {
  const int before = output.Count();
  auto insert = [&](std::string_view word) {
    if (PassesFilter(filter, word)) output.Insert(word);
    return output.IsFull();
  };

  // Letters and '?' stand for one letter each, so a longer pattern than the
  // deepest word truly matches nothing.
  if (IsPlainRack(pattern)) {
    if (!Walkable(lexicon, pattern)) return 0;
    ExactLengthWalk walk(pattern, insert);
    lexicon.Walk(lexicon.RootList(), 0, walk);
    return AddedSince(output, before);
  }

  // Anything else is compiled first, whatever its length, so a faulty
  // pattern is reported rather than found to match nothing.
  PatternExpression expression;
  if (const auto message = expression.CompileWildcard(pattern)) {
    if (error != nullptr) *error = std::string(*message);
    return 0;
  }
  if (lexicon.RootList() == 0) return 0;

  // Letters and one final '*' (a Beginning search) match every word through
  // those letters: a plain walk below them, with no matching at all.
  size_t letters = 0;
  while (letters < pattern.size() && IsUpperLetter(pattern[letters])) ++letters;
  if (letters > 0 && letters + 1 == pattern.size() && pattern.back() == '*') {
    const std::string_view prefix = pattern.substr(0, letters);
    const uint32_t last = lexicon.FollowPrefix(prefix);
    if (last == 0) return 0;
    const GraphEdge e = lexicon.Entry(last);
    if (e.ends_word()) insert(prefix);
    VisitWordsBelow(lexicon, e.child(), prefix, insert, [&output] { return output.IsFull(); });
    return AddedSince(output, before);
  }

  // Matched along the walk unless a back-reference needs the whole word.
  PatternAutomaton automaton;
  if (automaton.Build(expression.Program())) {
    PatternWalk walk(automaton, lexicon, kMaxPatternWalkSteps, insert);
    lexicon.Walk(lexicon.RootList(), 0, walk);
    if (walk.too_complex() && error != nullptr) *error = std::string(kTooComplex);
    return AddedSince(output, before);
  }
  return MatchWordByWord(lexicon, pattern, expression, output, filter, error);
}

bool AnyWordMatches(const Lexicon& lexicon, std::string_view pattern) {
  if (!Walkable(lexicon, pattern)) return false;
  bool found = false;
  auto stop = [&found](std::string_view) { return found = true; };
  ExactLengthWalk walk(pattern, stop);
  lexicon.Walk(lexicon.RootList(), 0, walk);
  return found;
}

int ForEachWord(const Lexicon& lexicon, WordVisitor& visitor, WordCollection& output) {
  const int before = output.Count();
  VisitWords(lexicon, [&](std::string_view word) { visitor.Visit(word, lexicon, output); });
  return AddedSince(output, before);
}

}  // namespace tavrune
