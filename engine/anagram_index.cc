#include "engine/anagram_index.h"

#include "engine/letters.h"
#include "engine/lexicon.h"

namespace tavrune {
namespace {

// Collects every word with its key, summed on the way down.
class KeyedWords {
 public:
  KeyedWords(std::vector<char>& letters, std::vector<uint32_t>& starts, std::vector<uint64_t>& keys)
      : letters_(letters), starts_(starts), keys_(keys) {}

  WalkStep Enter(GraphEdge e, int depth) {
    word_[depth] = e.letter();
    key_[depth + 1] = key_[depth] + AnagramIndex::LetterKey(e.letter());
    if (e.ends_word()) {
      letters_.insert(letters_.end(), word_, word_ + depth + 1);
      starts_.push_back(static_cast<uint32_t>(letters_.size()));
      keys_.push_back(key_[depth + 1]);
    }
    return WalkStep::kBelow;
  }
  void Leave(GraphEdge, int) {}
  bool Stopped() const { return false; }

 private:
  std::vector<char>& letters_;
  std::vector<uint32_t>& starts_;
  std::vector<uint64_t>& keys_;
  char word_[kMaxGraphDepth + 1];
  uint64_t key_[kMaxGraphDepth + 2] = {};
};

size_t SlotCount(size_t words) {
  size_t slots = 1024;
  while (slots < words + words / 2) slots *= 2;
  return slots;
}

}  // namespace

AnagramIndex::AnagramIndex(const Lexicon& lexicon) {
  std::vector<uint64_t> keys;
  starts_.push_back(0);
  KeyedWords walk(letters_, starts_, keys);
  lexicon.Walk(lexicon.RootList(), 0, walk);

  const auto words = static_cast<uint32_t>(keys.size());
  next_.assign(words, kNone);
  slots_.assign(SlotCount(words), Slot{});
  // The last word of each group while building, so groups keep graph order.
  std::vector<uint32_t> last(slots_.size(), kNone);
  const size_t mask = slots_.size() - 1;
  for (uint32_t w = 0; w < words; ++w) {
    size_t i = keys[w] & mask;
    while (slots_[i].first != kNone && slots_[i].key != keys[w]) i = (i + 1) & mask;
    if (slots_[i].first == kNone) {
      slots_[i] = Slot{keys[w], w};
    } else {
      next_[last[i]] = w;
    }
    last[i] = w;
  }
}

int AnagramIndex::CountWords(std::string_view letters) const {
  std::array<uint8_t, 26> wanted{};
  uint64_t key = 0;
  for (char c : letters) {
    if (!IsUpperLetter(c)) return 0;
    ++wanted[c - 'A'];
    key += LetterKey(c);
  }
  int count = 0;
  for (uint32_t w = Find(key); w != kNone; w = next_[w]) {
    // Keys of other letters may clash: only the same letters count.
    if (starts_[w + 1] - starts_[w] != letters.size()) continue;
    std::array<uint8_t, 26> have{};
    for (uint32_t i = starts_[w]; i < starts_[w + 1]; ++i) ++have[letters_[i] - 'A'];
    if (have == wanted) ++count;
  }
  return count;
}

uint32_t AnagramIndex::Find(uint64_t key) const {
  const size_t mask = slots_.size() - 1;
  for (size_t i = key & mask;; i = (i + 1) & mask) {
    if (slots_[i].first == kNone || slots_[i].key == key) return slots_[i].first;
  }
}

}  // namespace tavrune
