#ifndef TAVRUNE_WORDLIST_LIST_VALIDITY_H_
#define TAVRUNE_WORDLIST_LIST_VALIDITY_H_

#include <array>

#include "engine/lexicon.h"

namespace tavrune {

// Which word lengths of one lexicon have words with a given number of vowels,
// and anagram sets of a given size. A predefined vowel or anagram-set list
// is offered only when the lexicon can fill it. Built by one walk of the
// lexicon; an empty table (the default) knows of no words at all.
class ListValidity {
 public:
  static constexpr int kMaxLength = 15;
  static constexpr int kMaxCount = 15;

  ListValidity() = default;
  static ListValidity FromLexicon(const Lexicon& lexicon);

  // False for a length outside 1-15 or a count outside 0-15.
  bool HasVowelCount(int length, int vowels) const;
  bool HasAnagramSet(int length, int members) const;

  void SetVowelCount(int length, int vowels);
  void SetAnagramSet(int length, int members);

 private:
  using Table = std::array<std::array<bool, kMaxCount + 1>, kMaxLength + 1>;
  static bool InRange(int length, int count) {
    return length >= 1 && length <= kMaxLength && count >= 0 && count <= kMaxCount;
  }

  Table vowels_ = {};
  Table anagram_sets_ = {};
};

}  // namespace tavrune

#endif  // TAVRUNE_WORDLIST_LIST_VALIDITY_H_
