#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "cardbox/ui/cardbox_chart.h"
#include "cardbox/ui/cardbox_options_dialog.h"
#include "cardbox/ui/cardbox_statistics_dialog.h"
#include "cardbox/ui/spread_backlog_dialog.h"
#include "study/cardbox_kinds.h"
#include "tests/cardbox/cardbox_test_support.h"
#include "tests/support/recording_prompt.h"
#include "tests/ui/qt_test_app.h"

namespace tavrune {
namespace {

TEST(CardKindOfListTest, QuizListTypesMakeCardsOfTheirOwnKindAndPlainListsNone) {
  for (ListType type : kQuizListTypes) {
    const std::optional<CardKind> kind = CardKindOfList(type);
    ASSERT_TRUE(kind) << ListTypeName(type);
    EXPECT_EQ(ListTypeOfCard(*kind), type);
    EXPECT_EQ(CardKindTitle(*kind), ListTypeName(type));
  }
  EXPECT_FALSE(CardKindOfList(ListType::kList));
}

class CardboxWindowsTest : public testing::CardboxTest {
 protected:
  void SetUp() override {
    testing::EnsureQtApp();
    CardboxTest::SetUp();
  }
  testing::RecordingPrompt prompt_;
};

TEST_F(CardboxWindowsTest, StatisticsChartTheChosenDecksBoxesDueDaysAndRightAnswers) {
  Add(hooks_, {"QI", "ZA", "XU"});
  Add(anagrams_, {"QI"});
  Grade(hooks_, "QI", true);
  CardboxStatisticsDialog dialog(box_, hooks_, prompt_);
  ASSERT_EQ(dialog.DeckChoice()->count(), 3);  // all cards and the two decks
  EXPECT_EQ(dialog.DeckChoice()->currentText(), "UKNA Hooks");
  EXPECT_EQ(dialog.Boxes()->Values(), (std::vector<int64_t>{2, 1}));
  ASSERT_EQ(dialog.Due()->Values().size(), 31u);
  EXPECT_EQ(dialog.Due()->Values()[0], 2);  // the backlog first
  EXPECT_EQ(dialog.Right()->Values().back(), 1);
  EXPECT_EQ(dialog.Summary()->text(), "3 cards, 2 due now.");

  dialog.DeckChoice()->setCurrentIndex(0);
  EXPECT_EQ(dialog.Boxes()->Values(), (std::vector<int64_t>{3, 1}));
  dialog.resize(900, 700);
  dialog.show();
  EXPECT_FALSE(dialog.grab().isNull());  // the charts paint at any size
}

TEST_F(CardboxWindowsTest, OptionsRefuseABadDayListAndKeepTheDialogOpen) {
  CardboxOptionsDialog dialog(CardboxOptions{}, prompt_);
  dialog.IntervalsEdit()->setText(QStringLiteral("1 4 x"));
  dialog.accept();
  EXPECT_EQ(prompt_.MessageIds(), (std::vector<int>{40224}));
  EXPECT_NE(dialog.result(), QDialog::Accepted);

  dialog.IntervalsEdit()->setText(QStringLiteral("2, 5"));
  dialog.QuestionsEdit()->setText(QStringLiteral("50"));
  dialog.MissedDownOne()->setChecked(true);
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Options().schedule.intervals, (std::vector<int>{2, 5}));
  EXPECT_TRUE(dialog.Options().schedule.missed_down_one);
  EXPECT_EQ(dialog.Options().questions_per_session, 50);
}

TEST_F(CardboxWindowsTest, SpreadBacklogChecksTheNumberOfTheChoiceMade) {
  SpreadBacklogDialog dialog(12, prompt_);
  dialog.DaysEdit()->setText(QStringLiteral("0"));
  dialog.DueEdit()->setText(QStringLiteral("oops"));
  dialog.accept();
  EXPECT_EQ(prompt_.messages.size(), 1u);
  EXPECT_NE(dialog.result(), QDialog::Accepted);

  dialog.ShiftChoice()->setChecked(true);
  dialog.DueEdit()->setText(QStringLiteral("5"));
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(dialog.Spreads());
  EXPECT_EQ(dialog.Number(), 5);
}

}  // namespace
}  // namespace tavrune
