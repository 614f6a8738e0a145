#ifndef TAVRUNE_INSPECT_ALPHAGRAM_RANKS_H_
#define TAVRUNE_INSPECT_ALPHAGRAM_RANKS_H_

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/lexicon.h"
#include "engine/probability.h"

namespace tavrune {

// Where an alphagram stands among the alphagrams of its length in a
// lexicon, in the order of the probability lists: most probable first,
// equal factors alphabetically. The table of a length costs a walk of the
// graph down to that depth, so it is made on the first question about
// that length and kept.
class AlphagramRanks {
 public:
  struct Rank {
    int rank = 0;  // 1 for the most probable
    int of = 0;    // alphagrams of that length
  };

  // Both are borrowed for the life of this object.
  AlphagramRanks(const Lexicon& lexicon, const ProbabilityReference& reference)
      : lexicon_(lexicon), reference_(reference) {}

  // Nothing for an alphagram that no word of the lexicon is made of, or
  // one longer than ProbabilityReference::kMaxLength letters.
  std::optional<Rank> RankOf(std::string_view alphagram);

 private:
  // An alphagram packed five bits a letter, first letter highest, so that
  // among alphagrams of one length numeric order is alphabetical order.
  struct Entry {
    int64_t factor_key = 0;
    uint64_t high = 0;  // letters 1-12
    uint64_t low = 0;   // letters 13-15
  };
  static Entry Pack(std::string_view alphagram);
  // Most probable first, equal factors alphabetically.
  static bool Before(const Entry& a, const Entry& b);
  Entry EntryOf(std::string_view alphagram) const;
  const std::vector<Entry>& Table(int length);

  const Lexicon& lexicon_;
  const ProbabilityReference& reference_;
  std::array<std::optional<std::vector<Entry>>, ProbabilityReference::kMaxLength + 1> tables_;
};

}  // namespace tavrune

#endif  // TAVRUNE_INSPECT_ALPHAGRAM_RANKS_H_
