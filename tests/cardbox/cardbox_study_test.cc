#include "cardbox/cardbox_study.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "cardbox/sqlite_db.h"
#include "cardbox/statistics.h"
#include "resources/string_table.h"
#include "tests/cardbox/cardbox_test_support.h"

namespace tavrune {
namespace {

using testing::kStart;
constexpr int64_t kDay = kSecondsPerDay;

class CardboxStudyTest : public testing::CardboxTest {
 protected:
  // No random spread, so due times are exact.
  void SetUp() override {
    CardboxTest::SetUp();
    CardboxSchedule schedule;
    schedule.intervals = {1, 4};
    schedule.spreads = {0};
    ASSERT_TRUE(box_.WriteSchedule(schedule).ok());
  }
  std::string Text(const CardboxNote& note) { return MessageText(note.id, note.args); }
  DueSession Session(const Deck& deck, int64_t limit) {
    DueSession session;
    EXPECT_TRUE(PrepareDueSession(box_, deck, limit, false, &session).ok());
    return session;
  }
};

TEST(DeckTitleTest, NamesTheLexiconAndTheQuiz) {
  EXPECT_EQ(DeckTitle({"UKNA", CardKind::kAnagramsAndHooks}), "UKNA Anagrams and Hooks");
  EXPECT_EQ(CardboxLexiconName(LexiconId::kUKNA), "UKNA");
  EXPECT_EQ(CardboxLexiconName(LexiconId::kNAF), "NAF");
}

TEST_F(CardboxStudyTest, ADueSessionTakesTheLongestDueAndSaysWhatIsLeft) {
  Add(hooks_, {"QI", "ZA", "XU"});
  now_ += 10;
  Grade(hooks_, "XU", false);  // due a day later

  DueSession all = Session(hooks_, 100);
  EXPECT_EQ(all.questions, (std::vector<std::string>{"QI", "ZA"}));
  EXPECT_EQ(all.description,
            "Cardbox, UKNA Hooks: the 2 questions due at 2026-03-14 10:00. The next are due at "
            "2026-03-15 10:00.");

  DueSession part = Session(hooks_, 1);
  EXPECT_EQ(part.questions, (std::vector<std::string>{"QI"}));
  EXPECT_EQ(part.description,
            "Cardbox, UKNA Hooks: 1 of the 2 questions due at 2026-03-14 10:00. The other 1 are "
            "due now too.");

  now_ += kDay;
  EXPECT_EQ(Session(hooks_, 100).description,
            "Cardbox, UKNA Hooks: the 3 questions due at 2026-03-15 10:00. No other UKNA Hooks "
            "questions wait in the cardbox.");
}

TEST_F(CardboxStudyTest, NothingDueSaysWhenTheNextCardsAreOrThatThereAreNone) {
  EXPECT_EQ(Text(NothingDueNote("NA", {})),
            "The cardbox holds no questions of NA.\nAdd a list to it with Cardbox > Add List to "
            "Cardbox.");
  EXPECT_EQ(Text(NothingDueNote("NA", {0, kStart + kDay})),
            "Nothing of NA is due in the cardbox; the next questions are due at 2026-03-15 "
            "10:00.");
}

TEST(DueAtStartNoteTest, SaysHowManyCardsAreDueAndNothingWhenNoneAre) {
  EXPECT_EQ(DueAtStartNote(0).id, 0);
  EXPECT_EQ(MessageText(DueAtStartNote(1).id, DueAtStartNote(1).args), "1 card due in the cardbox");
  EXPECT_EQ(MessageText(DueAtStartNote(37).id, DueAtStartNote(37).args),
            "37 cards due in the cardbox");
}

TEST_F(CardboxStudyTest, GradingAndUndoingSayWhereTheCardIsAndWhenItIsDue) {
  Add(anagrams_, {"QI"});
  const std::optional<Card> right = Grade(anagrams_, "IQ", true);
  EXPECT_EQ(Text(GradedNote("IQ", *right, true)), "IQ right: box 1, due again at 2026-03-18 10:00");
  const std::optional<Card> missed = Grade(anagrams_, "IQ", false);
  EXPECT_EQ(Text(GradedNote("IQ", *missed, false)),
            "IQ missed: box 0, due again at 2026-03-15 10:00");

  std::optional<Card> restored;
  ASSERT_TRUE(box_.UndoLastGrade(&restored).ok());
  EXPECT_EQ(Text(UndoneNote(restored)),
            "Answer to IQ (UKNA Anagrams) taken back: box 1, due at 2026-03-18 10:00");
  EXPECT_EQ(UndoneNote(std::nullopt).id, cardbox_text::kNothingToUndo);
}

TEST_F(CardboxStudyTest, DecksListTheLexiconsAndKindsHoldingCards) {
  Add({"NA", CardKind::kBuild}, {"AEINRST"});
  Add(hooks_, {"QI"});
  Add(anagrams_, {"QI"});
  sql::Database db;
  ASSERT_TRUE(db.Open(path_, SQLITE_OPEN_READWRITE));
  ASSERT_TRUE(
      db.Exec("INSERT INTO cards (lexicon, kind, question, box, due, added)"
              " VALUES ('NA', 'crosswords', 'QI', 0, 0, 0)"));
  std::vector<Deck> decks;
  ASSERT_TRUE(box_.Decks(&decks).ok());
  std::vector<std::string> titles;
  for (const Deck& deck : decks) titles.push_back(DeckTitle(deck));
  EXPECT_EQ(titles, (std::vector<std::string>{"NA Build", "UKNA Anagrams", "UKNA Hooks"}));
}

TEST_F(CardboxStudyTest, StatisticsGatherBoxesForecastAndRightAnswers) {
  Add(hooks_, {"QI", "ZA", "XU"});
  Grade(hooks_, "QI", true);
  Grade(hooks_, "ZA", false);
  CardboxStatistics statistics;
  ASSERT_TRUE(ReadStatistics(box_, {}, &statistics).ok());
  EXPECT_EQ(statistics.cards, 3);
  EXPECT_EQ(statistics.boxes, (std::vector<int64_t>{2, 1}));
  EXPECT_EQ(statistics.forecast.backlog, 1);
  EXPECT_EQ(statistics.forecast.days.size(), size_t{CardboxStatistics::kDays});
  EXPECT_EQ(statistics.forecast.days[1].count, 1);  // ZA tomorrow
  ASSERT_EQ(statistics.right_days.size(), size_t{CardboxStatistics::kDays});
  EXPECT_EQ(statistics.right_days.back().count, 1);
}

TEST(ChartScaleTest, AxisStepsAreRoundAndReachTheMaximum) {
  struct Case {
    int64_t maximum;
    int ticks;
    int64_t step;
  };
  const Case cases[] = {{0, 5, 1},  {3, 5, 1},        {7, 5, 2},    {10, 5, 2},
                        {11, 5, 5}, {26, 5, 10},      {100, 4, 50}, {64000, 5, 20000},
                        {1, 0, 1},  {INT64_MAX, 5, 0}};
  for (const Case& c : cases) {
    const int64_t step = AxisStep(c.maximum, c.ticks);
    if (c.step != 0) {
      EXPECT_EQ(step, c.step) << c.maximum;
    }
    EXPECT_GT(step, 0) << c.maximum;
  }
  EXPECT_EQ(LabelStride(30, 12), 3);
  EXPECT_EQ(LabelStride(10, 12), 1);
  EXPECT_EQ(LabelStride(10, 0), 1);
}

}  // namespace
}  // namespace tavrune
