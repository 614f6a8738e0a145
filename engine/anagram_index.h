#ifndef TAVRUNE_ENGINE_ANAGRAM_INDEX_H_
#define TAVRUNE_ENGINE_ANAGRAM_INDEX_H_

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tavrune {

class Lexicon;

// Every word of a lexicon grouped by its letters. A rack with blanks opens
// a path for every letter at every step of a graph walk; looking up each
// way of filling the blanks instead costs one probe per filling.
class AnagramIndex {
 public:
  explicit AnagramIndex(const Lexicon& lexicon);

  // Calls visit(word) for each word made of the letters A-Z of `letters`
  // plus `blanks` more letters of any kind. Words of one filling come in
  // graph (alphabetical) order, fillings in no useful order. A hash clash
  // may offer a word twice or one that does not fit: callers check each.
  template <typename Visit>
  void ForEachFilling(std::string_view letters, int blanks, Visit&& visit) const {
    uint64_t key = 0;
    for (char c : letters) key += LetterKey(c);
    Fill(key, blanks, 0, visit);
  }

  // The number of words made of exactly the letters of `letters`, which
  // are A-Z (any other character is in no word, so the answer is 0).
  int CountWords(std::string_view letters) const;

  int WordCount() const { return static_cast<int>(next_.size()); }

  // A random 64-bit value per letter; a word's key is the sum of its
  // letters' values, so the key of a rack plus a letter is one addition.
  static uint64_t LetterKey(char c) {
    static constexpr auto kKeys = [] {
      std::array<uint64_t, 26> keys{};
      uint64_t x = 0x7A3D5B1C9E2F4A60u;
      for (uint64_t& key : keys) {  // splitmix64
        uint64_t z = (x += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        key = z ^ (z >> 31);
      }
      return keys;
    }();
    return kKeys[static_cast<unsigned char>(c - 'A') % 26];
  }

 private:
  static constexpr uint32_t kNone = UINT32_MAX;
  struct Slot {
    uint64_t key = 0;
    uint32_t first = kNone;
  };

  // The first word of the group with `key`, kNone when there is none.
  uint32_t Find(uint64_t key) const;

  template <typename Visit>
  void Fill(uint64_t key, int blanks, int from, Visit& visit) const {
    if (blanks == 0) {
      for (uint32_t w = Find(key); w != kNone; w = next_[w]) {
        visit(std::string_view(letters_.data() + starts_[w], starts_[w + 1] - starts_[w]));
      }
      return;
    }
    // Fillings in ascending letter order, so each set of letters comes once.
    for (int c = from; c < 26; ++c) {
      Fill(key + LetterKey(static_cast<char>('A' + c)), blanks - 1, c, visit);
    }
  }

  std::vector<char> letters_;     // every word, end to end, in graph order
  std::vector<uint32_t> starts_;  // word i is letters_[starts_[i], starts_[i + 1])
  std::vector<uint32_t> next_;    // the next word with the same letters
  std::vector<Slot> slots_;       // open addressing by key, a power of two
};

}  // namespace tavrune

#endif  // TAVRUNE_ENGINE_ANAGRAM_INDEX_H_
