#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <string>
#include <vector>

#include "options/ui/build_options_dialog.h"
#include "options/ui/hooks_options_dialog.h"
#include "options/ui/list_ordering_dialog.h"
#include "options/ui/slide_show_options_dialog.h"
#include "options/ui/status_bar_options_dialog.h"
#include "resources/string_table.h"
#include "tests/support/recording_prompt.h"
#include "tests/ui/qt_test_app.h"

namespace tavrune {
namespace {

// The text of the label that names `field` (its buddy).
QString LabelOf(const QWidget* field) {
  for (const QLabel* label : field->window()->findChildren<QLabel*>()) {
    if (label->buddy() == field) return label->text();
  }
  return {};
}

// Two number fields typed in and OK pressed: what the user was told and
// where the focus went.
struct FieldCase {
  const char* first;
  const char* second;
  std::vector<std::string> range;  // empty when accepted or not a number
  int message;                     // 0 when accepted
  int focus;                       // 1 or 2, the field left with the focus
};

class OptionDialogsTest : public ::testing::Test {
 protected:
  OptionDialogsTest() { testing::EnsureQtApp(); }

  // Fills the two fields of `dialog`, presses OK and checks the outcome.
  void PressOk(QDialog& dialog, QLineEdit* first, QLineEdit* second, const FieldCase& c) {
    prompt_.Clear();
    dialog.show();
    first->setText(c.first);
    second->setText(c.second);
    dialog.accept();
    const std::string which = std::string(c.first) + " " + c.second;
    if (c.message == 0) {
      EXPECT_EQ(dialog.result(), QDialog::Accepted) << which;
      EXPECT_TRUE(prompt_.messages.empty()) << which;
    } else {
      EXPECT_TRUE(dialog.isVisible()) << which;
      ASSERT_EQ(prompt_.MessageIds(), std::vector<int>{c.message}) << which;
      EXPECT_EQ(prompt_.messages[0].args, c.range) << which;
      EXPECT_EQ(dialog.focusWidget(), c.focus == 1 ? first : second) << which;
    }
    dialog.hide();
  }

  testing::RecordingPrompt prompt_;
};

TEST_F(OptionDialogsTest, HooksShowButtonsFollowTheBothEndsBox) {
  HooksOptionsDialog dialog(HookType::kBothEnds, 2, 3, prompt_);
  EXPECT_EQ(dialog.windowTitle(), "Hooks Options");
  EXPECT_EQ(dialog.BothEndsCheck()->text(), "Hook Both Ends &Simultaneously");
  EXPECT_EQ(LabelOf(dialog.FrontEdit()), "Number of &Front hook Letters (1 - 7)");
  EXPECT_EQ(LabelOf(dialog.EndEdit()), "Number of &End hook Letters (1 - 7)");
  EXPECT_EQ(dialog.ShowBox()->title(), "Show");
  EXPECT_EQ(dialog.ShowButton(0)->text(), "F&ront Hooks ");
  EXPECT_EQ(dialog.ShowButton(1)->text(), "En&d Hooks");
  EXPECT_EQ(dialog.ShowButton(2)->text(), "Fro&nt Hooks, End Hooks");
  EXPECT_EQ(dialog.FrontEdit()->text(), "2");
  EXPECT_EQ(dialog.EndEdit()->text(), "3");

  EXPECT_TRUE(dialog.BothEndsCheck()->isChecked());
  EXPECT_TRUE(dialog.ShowButton(2)->isChecked());
  EXPECT_FALSE(dialog.ShowButton(0)->isEnabled());
  EXPECT_EQ(dialog.Type(), HookType::kBothEnds);

  dialog.BothEndsCheck()->click();
  EXPECT_TRUE(dialog.ShowButton(0)->isEnabled());
  EXPECT_EQ(dialog.Type(), HookType::kFrontAndEnd);
  dialog.ShowButton(1)->click();
  EXPECT_EQ(dialog.Type(), HookType::kEnd);
  dialog.BothEndsCheck()->click();
  EXPECT_FALSE(dialog.ShowButton(1)->isEnabled());
  EXPECT_EQ(dialog.Type(), HookType::kBothEnds);
}

TEST_F(OptionDialogsTest, HookLettersMustLieInTheirRange) {
  const FieldCase cases[] = {
      {"0", "1", {"1", "7"}, kIntegerRangeText, 1},
      {"7", "8", {"1", "7"}, kIntegerRangeText, 2},
      {"x", "1", {}, kIntegerText, 1},
      {" 1", "7", {}, 0, 0},
  };
  for (const FieldCase& c : cases) {
    HooksOptionsDialog dialog(HookType::kFront, 4, 4, prompt_);
    PressOk(dialog, dialog.FrontEdit(), dialog.EndEdit(), c);
  }
  HooksOptionsDialog dialog(HookType::kFront, 4, 4, prompt_);
  EXPECT_EQ(dialog.FrontLetters(), 4);
  PressOk(dialog, dialog.FrontEdit(), dialog.EndEdit(), {"1", "7", {}, 0, 0});
  EXPECT_EQ(dialog.FrontLetters(), 1);
  EXPECT_EQ(dialog.EndLetters(), 7);
  EXPECT_EQ(dialog.Type(), HookType::kFront);
}

TEST_F(OptionDialogsTest, RandomOrderHasNoDirection) {
  ListOrderingDialog dialog(SortType::kRandom, true);
  EXPECT_EQ(dialog.windowTitle(), "List Ordering Options");
  const char* labels[] = {"&Alphabetical", "&Probability", "&Random", "&Total Points",
                          "Word &Length"};
  for (int i = 0; i < ListOrderingDialog::kSortTypeCount; ++i) {
    EXPECT_EQ(dialog.TypeButton(i)->text(), labels[i]);
  }
  EXPECT_EQ(dialog.AscendingButton()->text(), "A&scending");
  EXPECT_EQ(dialog.DescendingButton()->text(), "&Descending");
  EXPECT_TRUE(dialog.TypeButton(2)->isChecked());
  EXPECT_FALSE(dialog.AscendingButton()->isEnabled());
  EXPECT_FALSE(dialog.DescendingButton()->isEnabled());

  dialog.TypeButton(4)->click();
  EXPECT_TRUE(dialog.DescendingButton()->isEnabled());
  dialog.AscendingButton()->click();
  EXPECT_EQ(dialog.Type(), SortType::kWordLength);
  EXPECT_FALSE(dialog.Descending());
  dialog.TypeButton(2)->click();
  EXPECT_FALSE(dialog.AscendingButton()->isEnabled());
}

TEST_F(OptionDialogsTest, SlideShowTimesAreWholeSeconds) {
  SlideShowOptionsDialog dialog(3000, 2500, prompt_);
  EXPECT_EQ(dialog.windowTitle(), "Slide Show Options");
  EXPECT_EQ(LabelOf(dialog.WordEdit()), "Time Between &Words (1 - 30 sec)");
  EXPECT_EQ(LabelOf(dialog.AnswerEdit()), "Time Between &Answers (0 - 30 sec)");
  EXPECT_EQ(dialog.WordEdit()->text(), "3");
  EXPECT_EQ(dialog.AnswerEdit()->text(), "2");

  const FieldCase cases[] = {
      {"0", "2", {"1", "30"}, kIntegerRangeText, 1},
      {"30", "31", {"0", "30"}, kIntegerRangeText, 2},
      {"1", "", {}, kIntegerText, 2},
  };
  for (const FieldCase& c : cases) {
    SlideShowOptionsDialog refused(3000, 2000, prompt_);
    PressOk(refused, refused.WordEdit(), refused.AnswerEdit(), c);
    EXPECT_EQ(refused.WordIntervalMs(), 3000);
  }
  PressOk(dialog, dialog.WordEdit(), dialog.AnswerEdit(), {"1", "0", {}, 0, 0});
  EXPECT_EQ(dialog.WordIntervalMs(), 1000);
  EXPECT_EQ(dialog.AnswerIntervalMs(), 0);
}

TEST_F(OptionDialogsTest, StatusBarSwitches) {
  StatusBarOptionsDialog dialog(true, false);
  EXPECT_EQ(dialog.windowTitle(), "Status Bar Options");
  EXPECT_EQ(dialog.AnswersCheck()->text(), "Show number of &Answers");
  EXPECT_EQ(dialog.ProbabilityCheck()->text(), "Show &Probability Factor");
  EXPECT_TRUE(dialog.ShowAnswers());
  EXPECT_FALSE(dialog.ShowProbability());
  dialog.AnswersCheck()->click();
  dialog.ProbabilityCheck()->click();
  EXPECT_FALSE(dialog.ShowAnswers());
  EXPECT_TRUE(dialog.ShowProbability());
}

TEST_F(OptionDialogsTest, BuildMaximumMayEqualButNotUndercutTheMinimum) {
  BuildOptionsDialog labelled(2, 15, prompt_);
  EXPECT_EQ(labelled.windowTitle(), "Build Options");
  EXPECT_EQ(LabelOf(labelled.MinimumEdit()), "Mi&nimum Answer Length (2-15)");
  EXPECT_EQ(LabelOf(labelled.MaximumEdit()), "Ma&ximum Answer Length (2-15)");

  const FieldCase cases[] = {
      {"6", "5", {"6", "15"}, kIntegerRangeText, 2},
      {"1", "5", {"2", "15"}, kIntegerRangeText, 1},
      {"16", "16", {"2", "15"}, kIntegerRangeText, 1},
      {"5", "16", {"5", "15"}, kIntegerRangeText, 2},
      {"5", "5", {}, 0, 0},
  };
  for (const FieldCase& c : cases) {
    BuildOptionsDialog dialog(2, 15, prompt_);
    PressOk(dialog, dialog.MinimumEdit(), dialog.MaximumEdit(), c);
    const bool accepted = c.message == 0;
    EXPECT_EQ(dialog.Minimum(), accepted ? 5 : 2);
    EXPECT_EQ(dialog.Maximum(), accepted ? 5 : 15);
  }
}

}  // namespace
}  // namespace tavrune
