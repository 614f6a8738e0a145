#ifndef TAVRUNE_SEARCH_RANDOM_RACK_CHOICES_H_
#define TAVRUNE_SEARCH_RANDOM_RACK_CHOICES_H_

#include <array>
#include <functional>
#include <optional>

#include "engine/lexicon.h"
#include "engine/lexicon_id.h"
#include "engine/random_source.h"
#include "engine/word_collection.h"
#include "platform/settings.h"
#include "platform/user_prompt.h"

namespace tavrune {

// The number inputs of the random-rack dialog, in the order it checks them:
// each maximum right after its minimum.
enum class RackField {
  kNumRacks,
  kLettersPerRack,
  kMinPoints,
  kMaxPoints,
  kMinVowels,
  kMaxVowels,
  kMinPhonies,
  kMaxPhonies,
  kMinProbFactor,
  kMaxProbFactor,
  kMaxTime,
  kCount
};

struct RackRange {
  int min = 0;
  int max = 0;
};

// What the user asked of New Random Racks (section "RandomRacks").
struct RandomRackChoices {
  std::array<int, static_cast<size_t>(RackField::kCount)> values = {};
  bool ignore_blanks = false;

  static RandomRackChoices Read(const Settings& settings);
  void Write(Settings& settings) const;

  int& operator[](RackField field) { return values[static_cast<size_t>(field)]; }
  int operator[](RackField field) const { return values[static_cast<size_t>(field)]; }

  // The fixed range of `field`, as its label shows it.
  static RackRange Bounds(RackField field);
  // What `field` may hold; a maximum's range starts at its minimum.
  RackRange Allowed(RackField field) const;
  // The first field, in dialog order, outside its range.
  std::optional<RackField> FirstOutOfRange() const;
};

// Seconds on some fixed scale, as RandomRackGenerator counts them.
using RackClock = std::function<int64_t()>;

// The command's work: draws the racks with the "Building list ..." status
// and the wait cursor, then says so when fewer than asked came out (40081,
// or 40082 when none did). The status text is left for the caller to put
// back once the racks are in the list. Returns the number of racks.
int DrawRandomRacks(const RandomRackChoices& choices, const Lexicon& lexicon, LexiconId lexicon_id,
                    RandomEngine& random, UserPrompt& prompt, WordCollection& racks,
                    RackClock clock = {});

}  // namespace tavrune

#endif  // TAVRUNE_SEARCH_RANDOM_RACK_CHOICES_H_
