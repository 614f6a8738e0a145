#include "engine/random_racks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "engine/generators.h"
#include "engine/tiles.h"
#include "tests/support/lexicon_fixture.h"

namespace tavrune {
namespace {

// Every two-letter string with a vowel is a word, so a two-tile rack is a
// phony exactly when it has no vowel (and no blank), and every such phony is
// a near miss.
Lexicon TwoLetterLexicon() {
  LexiconBuilder builder;
  for (char a = 'A'; a <= 'Z'; ++a) {
    for (char b = 'A'; b <= 'Z'; ++b) {
      if (IsVowel(a) || IsVowel(b)) builder.AddWord(std::string{a, b});
    }
  }
  Lexicon lexicon;
  lexicon.LoadBytes(builder.Build());
  return lexicon;
}

// A clock that moves one second every `step` readings.
struct FakeClock {
  int64_t operator()() { return readings++ / step; }
  int64_t readings = 0;
  int64_t step = 1000000;
};

class RandomRacksTest : public ::testing::Test {
 protected:
  RandomRackGenerator MakeGenerator(FakeClock* clock) {
    RandomRackGenerator generator(random_, [clock] { return (*clock)(); });
    generator.SetPointsRange(0, 100);
    generator.SetVowelRange(0, 10);
    generator.SetProbabilityFactorRange(0, 100000);
    return generator;
  }

  static bool HasVowelOrBlank(std::string_view rack) {
    return VowelCount(rack) > 0 || rack.find('?') != std::string_view::npos;
  }

  RandomEngine random_{42};
  FakeClock clock_;
  Lexicon lexicon_ = TwoLetterLexicon();
};

TEST_F(RandomRacksTest, RacksAreDifferentSortedAndOfTheRightSize) {
  RandomRackGenerator generator = MakeGenerator(&clock_);
  generator.SetPhonyRange(0, 0);
  WordCollection out;
  EXPECT_EQ(generator.Generate(60, 2, lexicon_, out), 60);
  EXPECT_EQ(out.Count(), 60);
  EXPECT_TRUE(out.IsInOrder());
  std::set<std::string> distinct(out.begin(), out.end());
  EXPECT_EQ(distinct.size(), 60u);
  for (std::string_view rack : out) {
    EXPECT_EQ(rack.size(), 2u);
    EXPECT_TRUE(std::is_sorted(rack.begin(), rack.end()));
    EXPECT_TRUE(HasVowelOrBlank(rack)) << rack;  // no phony admitted at 0%
  }
}

TEST_F(RandomRacksTest, OnlyPhoniesAtOneHundredPercent) {
  RandomRackGenerator generator = MakeGenerator(&clock_);
  generator.SetPhonyRange(100, 100);
  WordCollection out;
  EXPECT_EQ(generator.Generate(20, 2, lexicon_, out), 20);
  for (std::string_view rack : out) EXPECT_FALSE(HasVowelOrBlank(rack)) << rack;
}

TEST_F(RandomRacksTest, PhoniesMustBeNearMisses) {
  // With only words made of A, a rack like BC has no near miss: ?C and B?
  // give nothing.
  const Lexicon a_words = testing::MakeLexicon({"AA", "AB", "BA"});
  RandomRackGenerator generator = MakeGenerator(&clock_);
  generator.SetPhonyRange(100, 100);
  clock_.step = 2000;  // a few passes, then time is up
  generator.SetTimeLimit(1);
  WordCollection out;
  generator.Generate(20, 2, a_words, out);
  for (std::string_view rack : out) {
    for (size_t i = 0; i < rack.size(); ++i) {
      std::string blanked(rack);
      blanked[i] = '?';
      WordCollection anagrams;
      EXPECT_GT(Anagrams(a_words, blanked, anagrams), 0) << rack;
    }
  }
}

TEST_F(RandomRacksTest, NoBlanksMeansNoBlankInAnyRack) {
  RandomRackGenerator generator = MakeGenerator(&clock_);
  generator.SetNoBlanks(true);
  generator.SetPhonyRange(0, 100);
  WordCollection out;
  generator.Generate(100, 2, lexicon_, out);
  for (std::string_view rack : out) EXPECT_EQ(rack.find('?'), std::string_view::npos);
}

TEST_F(RandomRacksTest, UnsatisfiableRangesEndAtTheTimeLimit) {
  RandomRackGenerator generator = MakeGenerator(&clock_);
  generator.SetPointsRange(100, 100);
  generator.SetTimeLimit(3);
  clock_.step = 50;
  WordCollection out;
  out.Append("OLD");
  EXPECT_EQ(generator.Generate(20, 2, lexicon_, out), 0);
  EXPECT_TRUE(out.IsEmpty());
  EXPECT_GT(clock_.readings, 3 * 50);

  // A limit of 0 stops at the first rack examined after the clock moves on.
  FakeClock quick{0, 10};
  RandomRackGenerator zero = MakeGenerator(&quick);
  zero.SetPointsRange(100, 100);
  zero.SetTimeLimit(0);
  zero.Generate(20, 2, lexicon_, out);
  EXPECT_EQ(quick.readings, 11);
}

TEST_F(RandomRacksTest, AcceptableBoundsAreInclusive) {
  RandomRackGenerator generator = MakeGenerator(&clock_);
  generator.SetPointsRange(4, 5);  // CAT 5, AT 2, QI 11
  generator.SetVowelRange(1, 1);
  EXPECT_TRUE(generator.Acceptable("ACT"));
  EXPECT_FALSE(generator.Acceptable("AT"));
  EXPECT_FALSE(generator.Acceptable("AIT"));
  generator.SetPointsRange(0, 100);
  generator.SetVowelRange(0, 10);
  generator.SetProbabilityFactorRange(100, 100);
  EXPECT_TRUE(
      generator.Acceptable(std::string(ProbabilityReference::ReferenceWord(LexiconId::kUKNA, 2))));
}

TEST_F(RandomRacksTest, PhonyPercentageIsDrawnWithinItsRange) {
  RandomRackGenerator generator = MakeGenerator(&clock_);
  for (int i = 0; i < 200; ++i) {
    generator.SetPhonyRange(10, 20);
    EXPECT_GE(generator.phony_percentage(), 10);
    EXPECT_LE(generator.phony_percentage(), 20);
  }
  generator.SetPhonyRange(30, 5);
  EXPECT_EQ(generator.phony_percentage(), 5);
}

TEST_F(RandomRacksTest, ImpossibleRequestsProduceNothing) {
  RandomRackGenerator generator = MakeGenerator(&clock_);
  WordCollection out;
  EXPECT_EQ(generator.Generate(-1, 2, lexicon_, out), 0);
  EXPECT_EQ(generator.Generate(20, 0, lexicon_, out), 0);
  EXPECT_EQ(generator.Generate(20, 101, lexicon_, out), 0);
}

}  // namespace
}  // namespace tavrune
