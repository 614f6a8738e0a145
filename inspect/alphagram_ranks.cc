#include "inspect/alphagram_ranks.h"

#include <algorithm>

#include "engine/letters.h"

namespace tavrune {
namespace {

constexpr int kBitsPerLetter = 5;
constexpr int kHighLetters = 12;

// Alphagrams as the walk finds them: each word's letters sorted.
template <typename Add>
class WordsOfLength {
 public:
  WordsOfLength(int length, Add& add) : length_(length), add_(add) {}

  WalkStep Enter(GraphEdge e, int depth) {
    word_[depth] = e.letter();
    if (depth + 1 < length_) return WalkStep::kBelow;
    if (e.ends_word()) {
      // One spare byte keeps g++'s bounds analysis of std::sort quiet.
      char sorted[ProbabilityReference::kMaxLength + 1];
      std::copy(word_, word_ + length_, sorted);
      std::sort(sorted, sorted + length_);
      add_(std::string_view(sorted, static_cast<size_t>(length_)));
    }
    return WalkStep::kStay;
  }
  void Leave(GraphEdge, int) {}
  bool Stopped() const { return false; }

 private:
  int length_;
  Add& add_;
  char word_[ProbabilityReference::kMaxLength];
};

}  // namespace

AlphagramRanks::Entry AlphagramRanks::Pack(std::string_view alphagram) {
  Entry entry;
  for (size_t i = 0; i < alphagram.size(); ++i) {
    const auto code = static_cast<uint64_t>(alphagram[i] - 'A' + 1);
    if (i < kHighLetters) {
      entry.high |= code << (kBitsPerLetter * (kHighLetters - 1 - i));
    } else {
      entry.low |= code << (kBitsPerLetter * (ProbabilityReference::kMaxLength - 1 - i));
    }
  }
  return entry;
}

bool AlphagramRanks::Before(const Entry& a, const Entry& b) {
  if (a.factor_key != b.factor_key) return a.factor_key > b.factor_key;
  return a.high != b.high ? a.high < b.high : a.low < b.low;
}

AlphagramRanks::Entry AlphagramRanks::EntryOf(std::string_view alphagram) const {
  Entry entry = Pack(alphagram);
  entry.factor_key = reference_.FactorKey(alphagram);
  return entry;
}

const std::vector<AlphagramRanks::Entry>& AlphagramRanks::Table(int length) {
  std::optional<std::vector<Entry>>& table = tables_[static_cast<size_t>(length)];
  if (table) return *table;
  table.emplace();
  auto add = [&](std::string_view alphagram) { table->push_back(EntryOf(alphagram)); };
  WordsOfLength walk(length, add);
  lexicon_.Walk(lexicon_.RootList(), 0, walk);
  std::sort(table->begin(), table->end(), Before);
  // Anagrams give equal entries, which sort side by side.
  table->erase(std::unique(table->begin(), table->end(),
                           [](const Entry& a, const Entry& b) {
                             return a.high == b.high && a.low == b.low;
                           }),
               table->end());
  return *table;
}

std::optional<AlphagramRanks::Rank> AlphagramRanks::RankOf(std::string_view alphagram) {
  const auto length = static_cast<int>(alphagram.size());
  if (length == 0 || length > ProbabilityReference::kMaxLength ||
      !std::all_of(alphagram.begin(), alphagram.end(), IsUpperLetter)) {
    return std::nullopt;
  }
  const std::vector<Entry>& table = Table(length);
  const Entry wanted = EntryOf(alphagram);
  const auto found = std::lower_bound(table.begin(), table.end(), wanted, Before);
  if (found == table.end() || found->high != wanted.high || found->low != wanted.low) {
    return std::nullopt;
  }
  return Rank{static_cast<int>(found - table.begin()) + 1, static_cast<int>(table.size())};
}

}  // namespace tavrune
