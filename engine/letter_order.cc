#include "engine/letter_order.h"

#include <algorithm>
#include <array>
#include <climits>

namespace tavrune {

void AlphagramInPlace(std::span<char> word) {
  std::array<int, 26> letters = {};
  size_t others = 0;
  for (char c : word) {
    if (c >= 'A' && c <= 'Z') {
      ++letters[c - 'A'];
    } else {
      // Non-letters are packed towards the front for now, in their order; the
      // letters are written before them below, so no character is lost.
      word[others++] = c;
    }
  }
  std::move_backward(word.begin(), word.begin() + static_cast<std::ptrdiff_t>(others), word.end());
  size_t out = 0;
  for (int i = 0; i < 26; ++i) {
    for (int n = letters[i]; n > 0; --n) word[out++] = static_cast<char>('A' + i);
  }
}

std::string Alphagram(std::string_view word) {
  std::string result(word);
  AlphagramInPlace(result);
  return result;
}

void ArrangeLettersInPlace(std::span<char> word, std::string_view order) {
  std::array<int, 256> rank;
  rank.fill(-1);
  for (size_t i = order.size(); i-- > 0;) {
    rank[static_cast<unsigned char>(order[i])] = static_cast<int>(std::min<size_t>(i, INT_MAX));
  }
  std::sort(word.begin(), word.end(), [&rank](char a, char b) {
    const int ra = rank[static_cast<unsigned char>(a)];
    const int rb = rank[static_cast<unsigned char>(b)];
    if (ra != rb) return ra < rb;
    return static_cast<unsigned char>(a) < static_cast<unsigned char>(b);
  });
}

void ArrangeStemInPlace(std::span<char> word, std::string_view stem) {
  std::array<int, 256> left = {};
  for (char c : word) ++left[static_cast<unsigned char>(c)];
  bool contains = stem.size() <= word.size();
  for (size_t i = 0; contains && i < stem.size(); ++i) {
    contains = left[static_cast<unsigned char>(stem[i])]-- > 0;
  }
  if (!contains) {
    AlphagramInPlace(word);
    return;
  }
  // `left` now holds the characters outside the stem; write them after it.
  size_t out = 0;
  for (char c : stem) word[out++] = c;
  const size_t rest_start = out;
  for (int code = 0; code < 256; ++code) {
    for (int n = left[code]; n > 0; --n) word[out++] = static_cast<char>(code);
  }
  AlphagramInPlace(word.subspan(rest_start));
}

void ShuffleLettersInPlace(std::span<char> word, RandomEngine& engine) {
  ShuffleRange(word.begin(), word.end(), engine);
}

}  // namespace tavrune
