#include "engine/random_racks.h"

#include <algorithm>
#include <ctime>
#include <string>
#include <utility>
#include <vector>

#include "engine/generators.h"
#include "engine/tiles.h"

namespace tavrune {

int64_t RandomRackGenerator::SystemSeconds() { return static_cast<int64_t>(std::time(nullptr)); }

RandomRackGenerator::RandomRackGenerator(RandomEngine& random, Clock clock)
    : random_(random),
      clock_(std::move(clock)),
      scratch_(WordCollection::kSmallGrowthStep, WordCollection::kSmallBlockSize) {
  scratch_.SetSortMode(false, SortKey::kAlphabetical, false);
  phony_percentage_ = static_cast<int>(RandomBelow(random_, 101));
}

void RandomRackGenerator::SetVowelRange(int min, int max) {
  min_vowels_ = min;
  max_vowels_ = max;
}

void RandomRackGenerator::SetPhonyRange(int min, int max) {
  min_phony_percentage_ = min;
  phony_percentage_ =
      min < max ? min + static_cast<int>(RandomBelow(random_, static_cast<uint32_t>(max - min + 1)))
                : max;
}

void RandomRackGenerator::SetProbabilityFactorRange(int min, int max) {
  min_probability_ = min;
  max_probability_ = max;
}

void RandomRackGenerator::SetPointsRange(int min, int max) {
  min_points_ = min;
  max_points_ = max;
}

bool RandomRackGenerator::Acceptable(std::string_view rack) const {
  const int points = WordPoints(rack);
  const int vowels = VowelCount(rack);
  const auto factor = static_cast<int64_t>(reference_.Factor(rack));
  return points >= min_points_ && points <= max_points_ && vowels >= min_vowels_ &&
         vowels <= max_vowels_ && factor >= min_probability_ && factor <= max_probability_;
}

bool RandomRackGenerator::HasAnagram(const Lexicon& lexicon, std::string_view rack) {
  scratch_.Clear();
  return Anagrams(lexicon, rack, scratch_) > 0;
}

bool RandomRackGenerator::IsNearMiss(const Lexicon& lexicon, std::string_view rack) {
  std::string blanked(rack);
  for (size_t i = 0; i < blanked.size(); ++i) {
    const char tile = blanked[i];
    blanked[i] = kBlank;
    const bool word = HasAnagram(lexicon, blanked);
    blanked[i] = tile;
    if (!word) return false;
  }
  return true;
}

int RandomRackGenerator::Generate(int count, int letters, const Lexicon& lexicon,
                                  WordCollection& output) {
  if (count < 0) return 0;
  count = std::min(count, WordCollection::kMaxWords);
  LetterCounts full_bag(kBagText);
  if (no_blanks_) {
    full_bag.RemoveTile(kBlank);
    full_bag.RemoveTile(kBlank);
  }
  // A rack size the bag cannot supply would never fill a pass.
  if (letters < 1 || letters > full_bag.Total() || letters > kMaxGraphDepth) return 0;

  const int max_phonies = count * phony_percentage_ / 100;
  const int max_valid = (100 - min_phony_percentage_) * count / 100;
  WordCollection racks;
  const int64_t start = clock_();
  int valid = 0;
  int phonies = 0;
  std::vector<char> tiles;
  std::string rack;
  bool done = false;
  while (!done) {
    const std::string bag = full_bag.TilesText();
    tiles.assign(bag.begin(), bag.end());
    const auto total = static_cast<uint32_t>(tiles.size());
    for (uint32_t i = 0; i < total; ++i) std::swap(tiles[i], tiles[RandomBelow(random_, total)]);
    const int racks_per_pass = static_cast<int>(total) / letters;
    for (int r = 0; r < racks_per_pass && !done; ++r) {
      rack.clear();
      for (int t = 0; t < letters; ++t) {
        const uint32_t pick = RandomBelow(random_, static_cast<uint32_t>(tiles.size()));
        rack += tiles[pick];
        tiles.erase(tiles.begin() + pick);
      }
      std::sort(rack.begin(), rack.end());
      if (!racks.Contains(rack) && Acceptable(rack)) {
        if (!HasAnagram(lexicon, rack)) {
          if (phonies < max_phonies && IsNearMiss(lexicon, rack)) {
            racks.Insert(rack);
            ++phonies;
          }
        } else if (valid < max_valid) {
          racks.Insert(rack);
          ++valid;
        }
      }
      done = valid + phonies >= count || clock_() > start + time_limit_;
    }
  }
  output.Clear();
  output.AppendAll(racks);
  return valid + phonies;
}

}  // namespace tavrune
