#include "options/option_rules.h"

#include <gtest/gtest.h>

namespace tavrune {
namespace {

TEST(OptionRulesTest, RangeIncludesBothEnds) {
  const IntegerRange range = {2, 15};
  EXPECT_FALSE(range.Contains(1));
  EXPECT_TRUE(range.Contains(2));
  EXPECT_TRUE(range.Contains(15));
  EXPECT_FALSE(range.Contains(16));
}

TEST(OptionRulesTest, HookTypesGoThroughTheCheckBoxAndShowButtons) {
  struct Case {
    HookType type;
    bool both_ends;
    int show;
  };
  const Case cases[] = {{HookType::kFront, false, 0},
                        {HookType::kEnd, false, 1},
                        {HookType::kFrontAndEnd, false, 2},
                        {HookType::kBothEnds, true, 2}};
  for (const Case& c : cases) {
    const HookChoice choice = HookChoiceOf(c.type);
    EXPECT_EQ(choice.both_ends, c.both_ends);
    EXPECT_EQ(choice.show, c.show);
    EXPECT_EQ(HookTypeOf(choice), c.type);
    EXPECT_EQ(HookShowEnabled(choice.both_ends), !c.both_ends);
  }
  // Both ends wins whatever button is chosen; no button means front and end.
  EXPECT_EQ(HookTypeOf({true, 0}), HookType::kBothEnds);
  EXPECT_EQ(HookTypeOf({false, -1}), HookType::kFrontAndEnd);
}

TEST(OptionRulesTest, OnlyRandomOrderHasNoDirection) {
  for (int type = 0; type <= static_cast<int>(SortType::kWordLength); ++type) {
    EXPECT_EQ(SortOrderEnabled(static_cast<SortType>(type)), type != 2) << type;
  }
}

TEST(OptionRulesTest, SlideIntervalsAreWholeSeconds) {
  EXPECT_EQ(WordSecondsRange().minimum, 1);
  EXPECT_EQ(WordSecondsRange().maximum, 30);
  EXPECT_EQ(AnswerSecondsRange().minimum, 0);
  EXPECT_EQ(AnswerSecondsRange().maximum, 30);
  EXPECT_EQ(SecondsFromMs(2999), 2);
  EXPECT_EQ(MsFromSeconds(7), 7000);
}

TEST(OptionRulesTest, AnagramFieldsFollowThePresentationOrder) {
  for (int order = 0; order <= static_cast<int>(AnagramOrder::kUserSpecified); ++order) {
    EXPECT_EQ(StemEnabled(static_cast<AnagramOrder>(order)), order == 3) << order;
    EXPECT_EQ(UserOrderEditEnabled(static_cast<AnagramOrder>(order)), order == 5) << order;
  }
  EXPECT_EQ(MaxStemLength(), 14);
}

TEST(OptionRulesTest, StemTakesLettersOnlyUpperCased) {
  struct Case {
    const char* typed;
    std::optional<std::string> stem;
  };
  const Case cases[] = {
      {"", ""},
      {"satire", "SATIRE"},
      {"ReTiNa", "RETINA"},
      {"AB1", std::nullopt},
      {"A B", std::nullopt},
      {"?", std::nullopt},
      {"\xc9", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(StemFromTyped(c.typed), c.stem) << c.typed;
}

TEST(OptionRulesTest, BuildMaximumStartsAtTheMinimum) {
  EXPECT_EQ(kBuildMinimumRange.minimum, 2);
  EXPECT_EQ(kBuildMinimumRange.maximum, 15);
  EXPECT_TRUE(BuildMaximumRange(7).Contains(7));
  EXPECT_FALSE(BuildMaximumRange(7).Contains(6));
  EXPECT_EQ(BuildMaximumRange(7).maximum, 15);
}

}  // namespace
}  // namespace tavrune
