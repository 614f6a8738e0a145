#ifndef TAVRUNE_SEARCH_CONDITIONS_H_
#define TAVRUNE_SEARCH_CONDITIONS_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/generators.h"
#include "engine/lexicon.h"
#include "engine/pattern_expression.h"
#include "engine/tiles.h"
#include "search/search_condition.h"

// The word tests the search types and predefined lists are made of. In each,
// "a word" means a string the lexicon given to Test contains; positions count
// from 0; a lower-case letter (a blank in a generated word) is never a vowel,
// never equal to an upper-case letter and scores 0. Everything a test needs
// beyond the word is prepared at construction.

namespace tavrune {

// The word fits a wildcard pattern ('?' one letter, '*' any run); expression
// syntax such as "[AEIOU]" keeps its meaning. An invalid pattern fits nothing.
class PatternCondition : public SearchCondition {
 public:
  PatternCondition(std::string_view pattern, bool matching = true);
  bool Test(std::string_view word, const Lexicon& lexicon) const override;

 private:
  PatternExpression expression_;
  bool valid_;
};

// Replacing one occurrence of `from` (overlapping occurrences included) by
// `to` gives a word; with `from` empty, inserting `to` at some position does.
class SubstituteCondition : public SearchCondition {
 public:
  SubstituteCondition(std::string_view from, std::string_view to, bool matching = true);
  bool Test(std::string_view word, const Lexicon& lexicon) const override;

 private:
  std::string from_;
  std::string to_;
  mutable std::string candidate_;
};

// The word begins with `from`, and `to` followed by the rest is a word.
class PrefixSubstituteCondition : public SearchCondition {
 public:
  PrefixSubstituteCondition(std::string_view from, std::string_view to, bool matching = true);
  bool Test(std::string_view word, const Lexicon& lexicon) const override;

 private:
  std::string from_;
  std::string to_;
  mutable std::string candidate_;
};

// The word ends with `from`, and the rest followed by `to` is a word.
class SuffixSubstituteCondition : public SearchCondition {
 public:
  SuffixSubstituteCondition(std::string_view from, std::string_view to, bool matching = true);
  bool Test(std::string_view word, const Lexicon& lexicon) const override;

 private:
  std::string from_;
  std::string to_;
  mutable std::string candidate_;
};

// The word splits into two words, the left of at least `min_left` letters
// and the right of at least `min_right`.
class CompoundCondition : public SearchCondition {
 public:
  CompoundCondition(int min_left, int min_right, bool matching = true);
  bool Test(std::string_view word, const Lexicon& lexicon) const override;

 private:
  int min_left_;
  int min_right_;
};

// The word repeats letters as the pattern does: equal pattern letters stand
// for equal word letters, different ones for different letters (XYZXYZ fits
// DUMDUM, AAB does not fit EEE).
class CryptogramCondition : public SearchCondition {
 public:
  explicit CryptogramCondition(std::string_view pattern, bool matching = true);
  bool Test(std::string_view word, const Lexicon& lexicon) const override;

  // Positions of equal pattern characters, in order of first appearance.
  const std::vector<std::vector<uint16_t>>& groups() const { return groups_; }

 private:
  size_t length_;
  std::vector<std::vector<uint16_t>> groups_;
};

// The word has the pattern's length and, at each position, a consonant under
// 'C', a vowel (A, E, I, O, U) under 'V', anything under '?'. A character
// outside A-Z fits only '?'.
class ConsonantVowelCondition : public SearchCondition {
 public:
  explicit ConsonantVowelCondition(std::string_view pattern, bool matching = true);
  bool Test(std::string_view word, const Lexicon& lexicon) const override;

 private:
  std::string pattern_;
  std::array<char, 256> classes_ = {};
};

// Runs of `length` consecutive letters: in "any" mode at least one is a word
// (the whole word counts when it has that length); in "every" mode all are
// (a shorter word has none and passes).
class SubWordCondition : public SearchCondition {
 public:
  SubWordCondition(int length, bool every, bool matching = true);
  bool Test(std::string_view word, const Lexicon& lexicon) const override;

 private:
  int length_;
  bool every_;
};

// The word is an anagram of the rack: '?' any one letter; with '*' the word
// needs at least the rack's letters, without it exactly them.
class AnagramCondition : public SearchCondition {
 public:
  explicit AnagramCondition(std::string_view rack, bool matching = true);
  bool Test(std::string_view word, const Lexicon& lexicon) const override;

 private:
  WildcardRack rack_;
};

// The word can be made from some of the rack's tiles, '?' any letter.
class BuildCondition : public SearchCondition {
 public:
  explicit BuildCondition(std::string_view rack, bool matching = true);
  bool Test(std::string_view word, const Lexicon& lexicon) const override;

 private:
  LetterCounts rack_;
};

// The word, shorter than the rack, can be made from the rack's tiles, and
// the tiles left over make a word of their own (QUOTA: QUA leaving TO).
class BuildBuildCondition : public SearchCondition {
 public:
  explicit BuildBuildCondition(std::string_view rack, bool matching = true);
  bool Test(std::string_view word, const Lexicon& lexicon) const override;

 private:
  std::string rack_text_;
  LetterCounts rack_;
};

// At least one character of the word is one of the letters.
class ContainsAnyCondition : public SearchCondition {
 public:
  explicit ContainsAnyCondition(std::string_view letters, bool matching = true);
  bool Test(std::string_view word, const Lexicon& lexicon) const override;

 private:
  std::array<bool, 128> wanted_ = {};
};

// Every letter A-Z of `letters` occurs in the word exactly as often as in
// `letters` (AEE: one A and two Es); other letters are free.
class ContainsExactCondition : public SearchCondition {
 public:
  explicit ContainsExactCondition(std::string_view letters, bool matching = true);
  bool Test(std::string_view word, const Lexicon& lexicon) const override;

 private:
  std::array<int, 128> counts_ = {};
  std::string letters_;  // each letter A-Z of `letters` once
};

// The number of anagrams of the word (itself included when it is a word)
// lies in [minimum, maximum].
class AnagramCountCondition : public SearchCondition {
 public:
  AnagramCountCondition(int minimum, int maximum, bool matching = true);
  bool Test(std::string_view word, const Lexicon& lexicon) const override;

 private:
  int minimum_;
  int maximum_;
};

// Some word has `front` letters before and `end` letters after this one;
// the whole may hold at most 15 letters.
class ExtensionCondition : public SearchCondition {
 public:
  static constexpr int kMaxLength = 15;

  ExtensionCondition(int front, int end, bool matching = true);
  bool Test(std::string_view word, const Lexicon& lexicon) const override;

 private:
  int front_;
  int end_;
  mutable std::string shape_;
};

// The number of vowels (A, E, I, O, U; not Y) lies in [minimum, maximum].
class VowelCountCondition : public SearchCondition {
 public:
  VowelCountCondition(int minimum, int maximum, bool matching = true);
  bool Test(std::string_view word, const Lexicon& lexicon) const override;

 private:
  int minimum_;
  int maximum_;
};

// The tile points of the word lie in [minimum, maximum].
class PointsCondition : public SearchCondition {
 public:
  PointsCondition(int minimum, int maximum, bool matching = true);
  bool Test(std::string_view word, const Lexicon& lexicon) const override;

 private:
  int minimum_;
  int maximum_;
};

// The length of the word lies in [minimum, maximum].
class LengthCondition : public SearchCondition {
 public:
  LengthCondition(int minimum, int maximum, bool matching = true);
  bool Test(std::string_view word, const Lexicon& lexicon) const override;

 private:
  int minimum_;
  int maximum_;
};

// Neither the word without its first letter nor the word without its last
// letter is a word; words of fewer than two letters fail.
class NoShorterWordCondition : public SearchCondition {
 public:
  explicit NoShorterWordCondition(bool matching = true) : SearchCondition(matching) {}
  bool Test(std::string_view word, const Lexicon& lexicon) const override;
};

// The word is in another lexicon, whatever lexicon Test is given.
class LexiconMemberCondition : public SearchCondition {
 public:
  explicit LexiconMemberCondition(const Lexicon& other, bool matching = true)
      : SearchCondition(matching), other_(other) {}
  bool Test(std::string_view word, const Lexicon& lexicon) const override;

 private:
  const Lexicon& other_;
};

}  // namespace tavrune

#endif  // TAVRUNE_SEARCH_CONDITIONS_H_
