#ifndef TAVRUNE_ENGINE_PROBABILITY_H_
#define TAVRUNE_ENGINE_PROBABILITY_H_

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/lexicon_id.h"

namespace tavrune {

// The draw counts that the probability factor is measured against: for each
// word length, the draw count of the most probable word of that length in a
// lexicon, which therefore has the factor 100.
//
// The program keeps one, owned by the application and selected for the
// current lexicon; a word collection sorted by probability holds its own copy
// (a small value), so nothing is shared or changed behind a caller's back.
class ProbabilityReference {
 public:
  static constexpr int kMaxLength = 15;

  // For the combined lexicon, the default choice.
  ProbabilityReference() : ProbabilityReference(LexiconId::kUKNA) {}
  explicit ProbabilityReference(LexiconId id) { Select(id); }

  void Select(LexiconId id);
  // A raw lexicon number (from settings or a file): 0-4 select, any other
  // number leaves the reference unchanged and gives false.
  bool SelectNumber(long long number);

  LexiconId lexicon() const { return lexicon_; }
  // Entry 0 is 1; entry L the draw count of the reference word of length L.
  float Entry(int length) const;

  // 100 x DrawCount(word) / Entry(length of word); 0 for words longer than
  // 15 characters.
  double Factor(std::string_view word) const;
  // The factor as sorting compares it: truncate(factor x 1,000,000).
  int64_t FactorKey(std::string_view word) const;

  // The reference word of a length 1-15 for a lexicon ("" otherwise).
  static std::string_view ReferenceWord(LexiconId id, int length);

  bool operator==(const ProbabilityReference& other) const = default;

 private:
  LexiconId lexicon_ = LexiconId::kUKNA;
  std::array<float, kMaxLength + 1> entries_ = {};
};

// ProbabilityReference::Factor, named as callers know it.
inline double ProbabilityFactor(std::string_view word, const ProbabilityReference& reference) {
  return reference.Factor(word);
}

}  // namespace tavrune

#endif  // TAVRUNE_ENGINE_PROBABILITY_H_
