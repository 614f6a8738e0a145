#include "wordlist/list_validity.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/tiles.h"
#include "engine/word_walk.h"
#include "wordlist/alphagram_key.h"

namespace tavrune {

ListValidity ListValidity::FromLexicon(const Lexicon& lexicon) {
  ListValidity validity;
  std::vector<AlphagramKey> keys;
  const int32_t word_count = lexicon.Header().word_count;
  if (word_count > 0 && word_count <= (1 << 22)) keys.reserve(static_cast<size_t>(word_count));
  VisitWords(lexicon, [&](std::string_view word) {
    const int length = static_cast<int>(word.size());
    if (length > kMaxLength) return;
    validity.SetVowelCount(length, VowelCount(word));
    keys.push_back(AlphagramKey::Of(word));
  });
  std::sort(keys.begin(), keys.end());
  for (size_t i = 0; i < keys.size();) {
    size_t j = i + 1;
    while (j < keys.size() && keys[j] == keys[i]) ++j;
    validity.SetAnagramSet(keys[i].length(), static_cast<int>(j - i));
    i = j;
  }
  return validity;
}

bool ListValidity::HasVowelCount(int length, int vowels) const {
  return InRange(length, vowels) && vowels_[length][vowels];
}

bool ListValidity::HasAnagramSet(int length, int members) const {
  return InRange(length, members) && anagram_sets_[length][members];
}

void ListValidity::SetVowelCount(int length, int vowels) {
  if (InRange(length, vowels)) vowels_[length][vowels] = true;
}

void ListValidity::SetAnagramSet(int length, int members) {
  if (InRange(length, members)) anagram_sets_[length][members] = true;
}

}  // namespace tavrune
