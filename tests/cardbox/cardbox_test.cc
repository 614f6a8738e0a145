#include "cardbox/cardbox.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/cardbox/cardbox_test_support.h"

namespace tavrune {
namespace {

using testing::kStart;
constexpr int64_t kDay = kSecondsPerDay;

class CardboxModelTest : public testing::CardboxTest {
 protected:
  void SetSchedule(std::vector<int> intervals, std::vector<int> spreads, bool down_one = false) {
    CardboxSchedule schedule;
    schedule.intervals = std::move(intervals);
    schedule.spreads = std::move(spreads);
    schedule.missed_down_one = down_one;
    ASSERT_TRUE(box_.WriteSchedule(schedule).ok());
  }
  void MoveTo(const std::string& entry, int box) {
    std::optional<Card> card;
    ASSERT_TRUE(box_.Move(anagrams_, entry, box, &card).ok());
    ASSERT_TRUE(card);
  }
};

TEST_F(CardboxModelTest, AnswersMoveCardsAndScheduleThemByTheirNewBox) {
  SetSchedule({2, 10, 30}, {0, 3, 5});
  struct Case {
    int box;
    bool right;
    int box_after;
    int64_t days;
    int64_t spread;
  };
  const Case cases[] = {
      {0, true, 1, 10, 3}, {1, true, 2, 30, 5}, {2, true, 3, 30, 5},  // past the end: last
      {7, true, 8, 30, 5}, {3, false, 0, 2, 0}, {0, false, 0, 2, 0},
  };
  Add(anagrams_, {"QI"});
  for (const Case& c : cases) {
    MoveTo("QI", c.box);
    now_ += kDay;
    const std::optional<Card> card = Grade(anagrams_, "QI", c.right);
    ASSERT_TRUE(card);
    EXPECT_EQ(card->box, c.box_after) << c.box;
    EXPECT_GE(card->due, now_ + (c.days - c.spread) * kDay) << c.box;
    EXPECT_LE(card->due, now_ + (c.days + c.spread) * kDay) << c.box;
    EXPECT_EQ(card->last_answered, now_);
  }
}

TEST_F(CardboxModelTest, MissedCardsCanGoDownOneBoxInstead) {
  SetSchedule({1}, {0}, true);
  Add(anagrams_, {"QI"});
  MoveTo("QI", 3);
  EXPECT_EQ(Grade(anagrams_, "QI", false)->box, 2);
  MoveTo("QI", 0);
  EXPECT_EQ(Grade(anagrams_, "QI", false)->box, 0);
}

TEST_F(CardboxModelTest, TheSpreadReachesBothSidesOfTheInterval) {
  SetSchedule({1, 10}, {0, 3});
  std::vector<std::string> entries;
  for (char a = 'A'; a <= 'Z'; ++a) {
    for (char b = 'A'; b <= 'H'; ++b) entries.push_back(std::string{a, b});
  }
  Add(hooks_, entries);
  int64_t earliest = INT64_MAX;
  int64_t latest = 0;
  for (const std::string& entry : entries) {
    const int64_t due = Grade(hooks_, entry, true)->due;
    earliest = std::min(earliest, due);
    latest = std::max(latest, due);
  }
  EXPECT_GE(earliest, now_ + 7 * kDay);
  EXPECT_LT(earliest, now_ + 8 * kDay);
  EXPECT_LE(latest, now_ + 13 * kDay);
  EXPECT_GT(latest, now_ + 12 * kDay);
}

TEST_F(CardboxModelTest, AnswersCountAndKeepTheStreak) {
  Add(hooks_, {"QI"});
  Grade(hooks_, "QI", true);
  Grade(hooks_, "QI", true);
  Card card = *Grade(hooks_, "QI", false);
  EXPECT_EQ(card.right, 2);
  EXPECT_EQ(card.missed, 1);
  EXPECT_EQ(card.streak, -1);
  EXPECT_EQ(card.last_right, kStart);
  now_ += 5;
  card = *Grade(hooks_, "QI", false);
  EXPECT_EQ(card.streak, -2);
  EXPECT_EQ(card.last_answered, kStart + 5);
  EXPECT_EQ(Grade(hooks_, "QI", true)->streak, 1);
}

TEST_F(CardboxModelTest, AddingCountsNewCardsThoseAlreadyThereAndNonQuestions) {
  AddCounts counts = Add(anagrams_, {"RATS", "STAR", "ZA", "C-AT", "", "ABCDEFGHIJKLMNOP", "B?G"});
  EXPECT_EQ(counts.added, 3);  // ARST, AZ, BG?
  EXPECT_EQ(counts.already, 1);
  EXPECT_EQ(counts.skipped, 3);
  counts = Add(anagrams_, {"ARTS", "QI"});
  EXPECT_EQ(counts.added, 1);
  EXPECT_EQ(counts.already, 1);
  // Another kind or lexicon is another card.
  EXPECT_EQ(Add(hooks_, {"ARTS"}).added, 1);
  EXPECT_EQ(Add({"NA", CardKind::kAnagrams}, {"ARTS"}).added, 1);

  const std::optional<Card> card = Find(anagrams_, "TSAR");
  ASSERT_TRUE(card);
  EXPECT_EQ(card->question, "ARST");
  EXPECT_EQ(card->box, 0);
  EXPECT_EQ(card->due, kStart);
  EXPECT_EQ(card->added, kStart);

  int64_t removed = 0;
  ASSERT_TRUE(box_.Remove(anagrams_, {"STAR", "XYZ", "QI"}, &removed).ok());
  EXPECT_EQ(removed, 2);
  EXPECT_FALSE(Find(anagrams_, "ARTS"));
  EXPECT_TRUE(Find(hooks_, "ARTS"));
}

TEST_F(CardboxModelTest, QuestionsNotInTheCardboxAreNotGraded) {
  Add(hooks_, {"QI"});
  EXPECT_FALSE(Grade(hooks_, "ZA", true));
  EXPECT_FALSE(Grade(anagrams_, "QI", true));
  EXPECT_FALSE(Grade(hooks_, "q!", true));
  std::optional<Card> undone;
  ASSERT_TRUE(box_.UndoLastGrade(&undone).ok());
  EXPECT_FALSE(undone);
}

TEST_F(CardboxModelTest, DueCardsComeLongestDueFirstOrBoxZeroFirst) {
  SetSchedule({1, 5}, {0});
  Add(hooks_, {"AA", "BB", "CC"});
  now_ = kStart + 10;
  Grade(hooks_, "CC", true);  // box 1, due in 5 days
  now_ = kStart + 5 * kDay;
  Grade(hooks_, "AA", false);  // box 0, due in a day
  now_ = kStart + 6 * kDay + 1;
  using Questions = std::vector<std::string>;
  EXPECT_EQ(DueQuestions(), (Questions{"BB", "CC", "AA"}));
  EXPECT_EQ(DueQuestions({}, true), (Questions{"BB", "AA", "CC"}));
  EXPECT_EQ(DueQuestions({}, false, 2), (Questions{"BB", "CC"}));
  EXPECT_EQ(DueQuestions({}, true, 2), (Questions{"BB", "AA"}));
  EXPECT_EQ(DueQuestions({"NA", std::nullopt}), Questions{});
  EXPECT_EQ(DueQuestions({"", CardKind::kAnagrams}), Questions{});
  EXPECT_EQ(DueQuestions({"UKNA", CardKind::kHooks}).size(), 3u);

  const int64_t bb_due = Grade(hooks_, "BB", true)->due;
  DueSummary summary;
  ASSERT_TRUE(box_.Summary({}, &summary).ok());
  EXPECT_EQ(summary.due_now, 2);
  EXPECT_EQ(summary.next_due, bb_due);
}

TEST_F(CardboxModelTest, UndoRestoresTheCardAsItWasBeforeEachAnswer) {
  Add(hooks_, {"QI", "ZA"});
  const Card fresh = *Find(hooks_, "QI");
  now_ += 100;
  Grade(hooks_, "QI", true);
  const Card after_first = *Find(hooks_, "QI");
  now_ += 100;
  Grade(hooks_, "QI", false);
  Grade(hooks_, "ZA", true);

  std::optional<Card> undone;
  ASSERT_TRUE(box_.UndoLastGrade(&undone).ok());
  EXPECT_EQ(undone->question, "ZA");
  ASSERT_TRUE(box_.UndoLastGrade(&undone).ok());
  EXPECT_EQ(*undone, after_first);
  EXPECT_EQ(*Find(hooks_, "QI"), after_first);
  ASSERT_TRUE(box_.UndoLastGrade(&undone).ok());
  EXPECT_EQ(*Find(hooks_, "QI"), fresh);
  ASSERT_TRUE(box_.UndoLastGrade(&undone).ok());
  EXPECT_FALSE(undone);
}

TEST_F(CardboxModelTest, RemovedCardsTakeTheirAnswersWithThem) {
  Add(hooks_, {"QI", "ZA"});
  Grade(hooks_, "ZA", true);
  Grade(hooks_, "QI", true);
  int64_t removed = 0;
  ASSERT_TRUE(box_.Remove(hooks_, {"QI"}, &removed).ok());
  std::optional<Card> undone;
  ASSERT_TRUE(box_.UndoLastGrade(&undone).ok());
  EXPECT_EQ(undone->question, "ZA");
  EXPECT_EQ(undone->box, 0);
}

TEST_F(CardboxModelTest, MovingToBoxZeroMakesACardDueAtOnce) {
  SetSchedule({1, 4, 9}, {0});
  Add(hooks_, {"QI"});
  std::optional<Card> card;
  ASSERT_TRUE(box_.Move(hooks_, "QI", 2, &card).ok());
  EXPECT_EQ(card->box, 2);
  EXPECT_EQ(card->due, now_ + 9 * kDay);
  ASSERT_TRUE(box_.Move(hooks_, "QI", 0, &card).ok());
  EXPECT_EQ(card->due, now_);
  ASSERT_TRUE(box_.Move(hooks_, "ZA", 3, &card).ok());
  EXPECT_FALSE(card);
}

// Ten cards overdue by 1 to 10 hours, JJ the longest, so that their order is
// the reverse of the order they were added in.
class BacklogTest : public CardboxModelTest {
 protected:
  void SetUp() override {
    CardboxModelTest::SetUp();
    SetSchedule({0}, {0});
    Add(hooks_, {"AA", "BB", "CC", "DD", "EE", "FF", "GG", "HH", "II", "JJ"});
    for (int i = 0; i < 10; ++i) {
      const std::string entry(2, static_cast<char>('J' - i));
      now_ = kStart + i * 3600;
      Grade(hooks_, entry, true);  // due when answered: interval 0
    }
    now_ = kStart + 10 * 3600;
  }
  std::vector<int64_t> Dues() {
    std::vector<Card> cards;
    EXPECT_TRUE(box_.DeckCards(hooks_, &cards).ok());
    std::sort(cards.begin(), cards.end(),
              [](const Card& a, const Card& b) { return a.question > b.question; });
    std::vector<int64_t> dues;
    for (const Card& card : cards) dues.push_back(card.due);
    return dues;
  }
  int64_t DueNow() {
    DueSummary summary;
    EXPECT_TRUE(box_.Summary({}, &summary).ok());
    return summary.due_now;
  }
};

TEST_F(BacklogTest, SpreadingKeepsTheOrderAndLeavesADaysShareDueNow) {
  const std::vector<int64_t> before = Dues();
  int64_t moved = 0;
  ASSERT_TRUE(box_.SpreadBacklog({}, 4, &moved).ok());
  EXPECT_EQ(moved, 7);
  EXPECT_EQ(DueNow(), 3);
  const std::vector<int64_t> after = Dues();
  EXPECT_TRUE(std::is_sorted(after.begin(), after.end()));
  EXPECT_TRUE(std::equal(before.begin(), before.begin() + 3, after.begin()));
  EXPECT_LT(after.back(), now_ + 4 * kDay);
  for (int day = 1; day < 4; ++day) {
    const auto in_day = std::count_if(after.begin(), after.end(), [&](int64_t due) {
      return due >= now_ + day * kDay && due < now_ + (day + 1) * kDay;
    });
    EXPECT_GE(in_day, 2) << day;
  }
  // Only what is overdue moves; a filter that matches nothing moves nothing.
  ASSERT_TRUE(box_.SpreadBacklog({"NA", std::nullopt}, 4, &moved).ok());
  EXPECT_EQ(moved, 0);
}

TEST_F(BacklogTest, ShiftingLeavesExactlyTheWantedNumberDue) {
  const std::vector<int64_t> before = Dues();
  for (int64_t wanted : {4, 0, 10, 7, 25}) {
    int64_t due_now = -1;
    ASSERT_TRUE(box_.ShiftToBacklog({}, wanted, &due_now).ok());
    EXPECT_EQ(due_now, std::min<int64_t>(wanted, 10));
    EXPECT_EQ(DueNow(), due_now) << wanted;
    const std::vector<int64_t> after = Dues();
    // The same gaps: every card moved by the same time.
    for (size_t i = 1; i < after.size(); ++i) {
      EXPECT_EQ(after[i] - after[i - 1], before[i] - before[i - 1]);
    }
  }
}

TEST_F(BacklogTest, ShiftingSeparatesCardsDueAtTheSameMoment) {
  int64_t due_now = 0;
  ASSERT_TRUE(box_.ShiftToBacklog({}, 0, &due_now).ok());
  Add(hooks_, {"XX", "YY", "ZZ"});  // all due right now
  ASSERT_TRUE(box_.ShiftToBacklog({}, 2, &due_now).ok());
  EXPECT_EQ(DueNow(), 2);
  EXPECT_EQ(DueQuestions(), (std::vector<std::string>{"XX", "YY"}));
}

TEST_F(CardboxModelTest, StatisticsCountBoxesDueDaysAndRightAnswers) {
  SetSchedule({1, 3}, {0});
  Add(hooks_, {"AA", "BB", "CC", "DD"});
  Add(anagrams_, {"QI"});
  Grade(hooks_, "AA", true);   // box 1, due in 3 days
  Grade(hooks_, "BB", true);   // box 1
  Grade(hooks_, "CC", false);  // box 0, due tomorrow
  now_ += kDay;
  Grade(hooks_, "BB", true);  // box 2, due in 3 days from today

  std::vector<int64_t> boxes;
  ASSERT_TRUE(box_.BoxCounts({}, &boxes).ok());
  EXPECT_EQ(boxes, (std::vector<int64_t>{3, 1, 1}));
  ASSERT_TRUE(box_.BoxCounts({"UKNA", CardKind::kAnagrams}, &boxes).ok());
  EXPECT_EQ(boxes, (std::vector<int64_t>{1}));

  DueForecast forecast;
  ASSERT_TRUE(box_.Forecast({"UKNA", CardKind::kHooks}, 5, &forecast).ok());
  EXPECT_EQ(forecast.backlog, 2);  // CC (due exactly now) and DD
  ASSERT_EQ(forecast.days.size(), 5u);
  EXPECT_EQ(forecast.days[0].start, now_);
  const int64_t midnight = kStart - 10 * 3600 + kDay;  // the end of the first day
  EXPECT_EQ(forecast.days[1].start, midnight + kDay);
  std::vector<int64_t> per_day;
  for (const DayCount& day : forecast.days) per_day.push_back(day.count);
  EXPECT_EQ(per_day, (std::vector<int64_t>{0, 0, 1, 1, 0}));  // AA, then BB

  std::vector<DayCount> right;
  ASSERT_TRUE(box_.RightPerDay({}, 3, &right).ok());
  ASSERT_EQ(right.size(), 3u);
  EXPECT_EQ(right[2].start, midnight);
  EXPECT_EQ(right[0].count + right[1].count + right[2].count, 3);
  EXPECT_EQ(right[1].count, 2);
  ASSERT_TRUE(box_.RightPerDay({"UKNA", CardKind::kAnagrams}, 3, &right).ok());
  EXPECT_EQ(right[1].count + right[2].count, 0);
}

TEST_F(CardboxModelTest, TheScheduleIsKeptInTheFileAndCheckedWhenRead) {
  CardboxSchedule schedule;
  schedule.intervals = {2, 5};
  schedule.spreads = {1};
  schedule.missed_down_one = true;
  ASSERT_TRUE(box_.WriteSchedule(schedule).ok());
  Cardbox other([] { return kStart; }, 1);
  ASSERT_TRUE(other.Open(path_).ok());
  CardboxSchedule read;
  ASSERT_TRUE(other.ReadSchedule(&read).ok());
  EXPECT_EQ(read, schedule);

  sql::Database db;
  ASSERT_TRUE(db.Open(path_, SQLITE_OPEN_READWRITE));
  ASSERT_TRUE(db.Exec("UPDATE settings SET value = '1 -4' WHERE key = 'intervals'"));
  ASSERT_TRUE(other.ReadSchedule(&read).ok());
  EXPECT_EQ(read.intervals, CardboxSchedule().intervals);
  EXPECT_EQ(read.spreads, schedule.spreads);
}

}  // namespace
}  // namespace tavrune
