#ifndef TAVRUNE_ENGINE_RANDOM_RACKS_H_
#define TAVRUNE_ENGINE_RANDOM_RACKS_H_

#include <cstdint>
#include <functional>
#include <string_view>

#include "engine/lexicon.h"
#include "engine/probability.h"
#include "engine/random_source.h"
#include "engine/word_collection.h"

namespace tavrune {

// Draws racks from freshly shuffled bags until enough of them meet the
// configured ranges, or the time limit passes. A phony (a rack with no
// anagram) is admitted only when every tile, swapped for a blank, gives a
// word, so every phony is a near miss worth studying.
class RandomRackGenerator {
 public:
  // Seconds on some fixed scale; tests pass a fake clock.
  using Clock = std::function<int64_t()>;
  static int64_t SystemSeconds();

  // Draws the phony percentage (0-100) for this run from `random`.
  explicit RandomRackGenerator(RandomEngine& random, Clock clock = SystemSeconds);

  void SetNoBlanks(bool no_blanks) { no_blanks_ = no_blanks; }
  void SetTimeLimit(int seconds) { time_limit_ = seconds; }
  void SetVowelRange(int min, int max);
  // Draws the phony percentage from min..max when min < max, else takes max.
  void SetPhonyRange(int min, int max);
  void SetProbabilityFactorRange(int min, int max);
  void SetPointsRange(int min, int max);
  // The reference the probability factor range is measured against.
  void SetProbabilityReference(const ProbabilityReference& reference) { reference_ = reference; }

  int phony_percentage() const { return phony_percentage_; }

  // The rack's points, vowels and whole probability factor all lie within
  // their ranges, bounds included.
  bool Acceptable(std::string_view rack) const;

  // Fills `output` (cleared first, and only at the end) with up to `count`
  // different racks of `letters` tiles, in alphabetical order. Returns the
  // number produced.
  int Generate(int count, int letters, const Lexicon& lexicon, WordCollection& output);

 private:
  bool HasAnagram(const Lexicon& lexicon, std::string_view rack);
  bool IsNearMiss(const Lexicon& lexicon, std::string_view rack);

  RandomEngine& random_;
  Clock clock_;
  ProbabilityReference reference_;
  WordCollection scratch_;

  int min_probability_ = 0;
  int max_probability_ = 100;
  int min_points_ = 0;
  int max_points_ = 100;
  int min_vowels_ = 0;
  int max_vowels_ = 10;
  int min_phony_percentage_ = 0;
  int phony_percentage_ = 0;
  int time_limit_ = 300;
  bool no_blanks_ = false;
};

}  // namespace tavrune

#endif  // TAVRUNE_ENGINE_RANDOM_RACKS_H_
