#include "search/random_rack_choices.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/lexicon_builder.h"
#include "search/search_messages.h"
#include "tests/support/recording_prompt.h"

namespace tavrune {
namespace {

struct RangeCase {
  RackField field;
  int value;
  std::optional<RackField> refused;
};

TEST(RandomRackChoicesTest, EachMaximumIsHeldToItsMinimum) {
  const RangeCase cases[] = {
      {RackField::kNumRacks, 19, RackField::kNumRacks},
      {RackField::kLettersPerRack, 15, std::nullopt},
      {RackField::kMaxPoints, 5, RackField::kMaxPoints},  // below MinPoints 6
      {RackField::kMaxVowels, 3, std::nullopt},           // equal to MinVowels
      {RackField::kMinPhonies, 101, RackField::kMinPhonies},
      {RackField::kMaxTime, -1, RackField::kMaxTime},
  };
  const RandomRackChoices defaults = RandomRackChoices::Read(MemorySettings());
  EXPECT_EQ(defaults.FirstOutOfRange(), std::nullopt);
  for (const RangeCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.field));
    RandomRackChoices choices = defaults;
    choices[c.field] = c.value;
    EXPECT_EQ(choices.FirstOutOfRange(), c.refused);
  }
  EXPECT_EQ(defaults.Allowed(RackField::kMaxPoints).min, defaults[RackField::kMinPoints]);
}

TEST(RandomRackChoicesTest, WrittenChoicesReadBack) {
  MemorySettings settings;
  RandomRackChoices choices = RandomRackChoices::Read(settings);
  choices[RackField::kLettersPerRack] = 7;
  choices.ignore_blanks = true;
  choices.Write(settings);
  const RandomRackChoices read = RandomRackChoices::Read(settings);
  EXPECT_EQ(read.values, choices.values);
  EXPECT_TRUE(read.ignore_blanks);
}

// Every pair of letters is a word, so any two-tile rack has an anagram.
Lexicon AllPairs() {
  LexiconBuilder builder;
  for (char a = 'A'; a <= 'Z'; ++a) {
    for (char b = 'A'; b <= 'Z'; ++b) builder.AddWord(std::string{a, b});
  }
  Lexicon lexicon;
  lexicon.LoadBytes(builder.Build());
  return lexicon;
}

struct ShortCase {
  int min_points;
  int made;
  int message;
};

// A clock that moves a second per look ends the draw after the first rack.
TEST(RandomRackChoicesTest, FewerRacksThanAskedAreReported) {
  const Lexicon lexicon = AllPairs();
  const ShortCase cases[] = {{0, 1, kTooFewRacksMessage}, {100, 0, kNoRacksMessage}};
  for (const ShortCase& c : cases) {
    SCOPED_TRACE(c.min_points);
    RandomRackChoices choices = RandomRackChoices::Read(MemorySettings());
    choices[RackField::kLettersPerRack] = 2;
    choices[RackField::kMinPoints] = c.min_points;
    choices[RackField::kMaxPoints] = 100;
    choices[RackField::kMinVowels] = 0;
    choices[RackField::kMinPhonies] = choices[RackField::kMaxPhonies] = 0;
    choices[RackField::kMaxTime] = 0;
    RandomEngine random(7);
    testing::RecordingPrompt prompt;
    WordCollection racks;
    int64_t now = 0;
    EXPECT_EQ(DrawRandomRacks(choices, lexicon, LexiconId::kUKNA, random, prompt, racks,
                              [&now] { return now++; }),
              c.made);
    EXPECT_EQ(racks.Count(), c.made);
    EXPECT_EQ(prompt.log, (std::vector<std::string>{"status 40020", "wait begin", "wait end",
                                                    "message " + std::to_string(c.message)}));
  }
}

}  // namespace
}  // namespace tavrune
