#ifndef TAVRUNE_WORDLIST_ALPHAGRAM_KEY_H_
#define TAVRUNE_WORDLIST_ALPHAGRAM_KEY_H_

#include <algorithm>
#include <compare>
#include <cstdint>
#include <string_view>

namespace tavrune {

// The alphagram of a word of up to 15 letters A-Z with its length, packed
// five bits a letter, so that grouping a whole lexicon into anagram sets
// costs one sort of small values and no allocation per word.
struct AlphagramKey {
  static constexpr int kMaxLength = 15;

  uint64_t high = 0;
  uint64_t low = 0;

  auto operator<=>(const AlphagramKey&) const = default;
  int length() const { return static_cast<int>(low >> 56); }

  // Longer words are cut to 15 letters; the caller keeps them out.
  static AlphagramKey Of(std::string_view word) {
    // One spare byte keeps g++'s bounds analysis of std::sort quiet.
    char letters[kMaxLength + 1];
    const int length = static_cast<int>(std::min<size_t>(word.size(), kMaxLength));
    word.copy(letters, static_cast<size_t>(length));
    std::sort(letters, letters + length);
    AlphagramKey key;
    for (int i = 0; i < length; ++i) {
      const uint64_t code = static_cast<uint64_t>(letters[i] - 'A' + 1) & 0x1F;
      if (i < 12) {
        key.high |= code << (5 * i);
      } else {
        key.low |= code << (5 * (i - 12));
      }
    }
    key.low |= static_cast<uint64_t>(length) << 56;
    return key;
  }
};

}  // namespace tavrune

#endif  // TAVRUNE_WORDLIST_ALPHAGRAM_KEY_H_
