#include "options/ui/anagram_options_dialog.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <optional>
#include <string>
#include <vector>

#include "options/ui/reorder_dialog.h"
#include "tests/ui/qt_test_app.h"

namespace tavrune {
namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

class AnagramOptionsDialogTest : public ::testing::Test {
 protected:
  AnagramOptionsDialogTest() { testing::EnsureQtApp(); }
};

TEST_F(AnagramOptionsDialogTest, FieldsFollowThePresentationOrder) {
  AnagramOptionsDialog dialog(AnagramOrder::kStem, kAlphabet, "sat");
  EXPECT_EQ(dialog.windowTitle(), "Anagram Options");
  EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), "Presentation Order");
  const char* labels[] = {"&Alphabetical", "Co&nsonant first", "&Random",
                          "&Stem",         "&Vowel first",     "&User Specified"};
  for (int i = 0; i < AnagramOptionsDialog::kOrderCount; ++i) {
    EXPECT_EQ(dialog.OrderButton(i)->text(), labels[i]);
  }
  EXPECT_EQ(dialog.EditButton()->text(), "&Edit ...");
  EXPECT_TRUE(dialog.UserOrderEdit()->isReadOnly());
  EXPECT_EQ(dialog.UserOrderEdit()->text(), kAlphabet);
  EXPECT_EQ(dialog.StemEdit()->text(), "SAT");

  EXPECT_TRUE(dialog.StemEdit()->isEnabled());
  EXPECT_FALSE(dialog.EditButton()->isEnabled());
  dialog.OrderButton(5)->click();
  EXPECT_FALSE(dialog.StemEdit()->isEnabled());
  EXPECT_TRUE(dialog.EditButton()->isEnabled());
  dialog.OrderButton(4)->click();
  EXPECT_FALSE(dialog.StemEdit()->isEnabled());
  EXPECT_FALSE(dialog.EditButton()->isEnabled());
  EXPECT_EQ(dialog.Order(), AnagramOrder::kVowelFirst);
  EXPECT_EQ(dialog.Stem(), "SAT");  // kept while not in use
}

TEST_F(AnagramOptionsDialogTest, StemTakesAtMostFourteenLetters) {
  AnagramOptionsDialog dialog(AnagramOrder::kStem, kAlphabet, "");
  QTest::keyClicks(dialog.StemEdit(), "re1ti-na");
  EXPECT_EQ(dialog.Stem(), "RETINA");
  QTest::keyClicks(dialog.StemEdit(), "abcdefghi");
  EXPECT_EQ(dialog.Stem(), "RETINAABCDEFGH");
}

TEST_F(AnagramOptionsDialogTest, EditTakesTheReorderedLetters) {
  AnagramOptionsDialog dialog(AnagramOrder::kUserSpecified, kAlphabet, "");
  std::vector<std::string> opened_with;
  std::optional<std::string> answer = "ZYXWVUTSRQPONMLKJIHGFEDCBA";
  dialog.SetReorderRunner([&](const std::string& order) {
    opened_with.push_back(order);
    return answer;
  });
  dialog.EditButton()->click();
  EXPECT_EQ(dialog.UserOrder(), *answer);
  EXPECT_EQ(dialog.UserOrderEdit()->text(), QString::fromStdString(*answer));
  answer.reset();  // cancelled
  dialog.EditButton()->click();
  EXPECT_EQ(dialog.UserOrder(), "ZYXWVUTSRQPONMLKJIHGFEDCBA");
  EXPECT_EQ(opened_with, (std::vector<std::string>{kAlphabet, "ZYXWVUTSRQPONMLKJIHGFEDCBA"}));
}

TEST_F(AnagramOptionsDialogTest, ReorderMovesTheSelectedLetter) {
  ReorderDialog dialog(kAlphabet);
  EXPECT_EQ(dialog.windowTitle(), "Reorder");
  EXPECT_EQ(dialog.List()->count(), 26);
  EXPECT_EQ(dialog.List()->currentRow(), 0);
  const auto enabled = [&dialog] {
    return std::vector<bool>{dialog.TopButton()->isEnabled(), dialog.UpButton()->isEnabled(),
                             dialog.DownButton()->isEnabled(), dialog.BottomButton()->isEnabled()};
  };
  EXPECT_EQ(enabled(), (std::vector<bool>{false, false, true, true}));

  dialog.BottomButton()->click();
  EXPECT_EQ(dialog.List()->currentRow(), 25);
  EXPECT_EQ(dialog.List()->currentItem()->text(), "A");
  EXPECT_TRUE(dialog.List()->currentItem()->isSelected());
  EXPECT_EQ(enabled(), (std::vector<bool>{true, true, false, false}));

  dialog.UpButton()->click();
  EXPECT_EQ(dialog.List()->currentRow(), 24);
  EXPECT_EQ(enabled(), (std::vector<bool>{true, true, true, true}));
  dialog.List()->setCurrentRow(3);
  dialog.TopButton()->click();
  EXPECT_EQ(dialog.Order(), "EBCDFGHIJKLMNOPQRSTUVWXYAZ");
  EXPECT_EQ(dialog.List()->item(0)->text(), "E");
}

}  // namespace
}  // namespace tavrune
