#include "search/ui/custom_list_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "resources/string_table.h"
#include "search/ui/paged_list_box.h"
#include "tests/support/lexicon_fixture.h"
#include "tests/support/recording_prompt.h"
#include "tests/ui/qt_test_app.h"

namespace tavrune {
namespace {

class CustomListDialogTest : public ::testing::Test {
 protected:
  CustomListDialogTest() { testing::EnsureQtApp(); }

  void Fill(CustomListDialog& dialog, SearchField field, const QString& text) {
    QLineEdit* edit = dialog.Input(field);
    edit->clear();
    QTest::keyClicks(edit, text);
  }
  void Search(CustomListDialog& dialog, const QString& category, const QString& type,
              std::vector<std::pair<SearchField, QString>> inputs) {
    ASSERT_TRUE(dialog.SelectType(category, type));
    for (const auto& [field, text] : inputs) Fill(dialog, field, text);
    QTest::mouseClick(dialog.SearchButton(), Qt::LeftButton);
  }

  Lexicon lexicon_ = testing::MakeLexicon(
      {"AB", "QI", "ZA", "JUKEBOX", "QUIZZED", "RETAINS", "STAINER", "QUIXOTE", "EXAMPLE", "CAT"});
  testing::RecordingPrompt prompt_;
  WordCollection working_;
};

TEST_F(CustomListDialogTest, SevenLetterWordsWithJQXZAndOneUndo) {
  CustomListDialog dialog(working_, false, lexicon_, prompt_, false);
  EXPECT_EQ(dialog.CategoryBox()->currentItem()->text(), "Pattern");
  EXPECT_FALSE(dialog.UndoButton()->isEnabled());
  Search(dialog, "Others", "Word Length",
         {{SearchField::kNumber1, "7"}, {SearchField::kNumber2, "7"}});
  EXPECT_EQ(dialog.CountLabel()->text(), "6");
  EXPECT_EQ(dialog.Label(SearchField::kNumber2)->text(), "Max length (2 - 15)");
  Search(dialog, "Jumble", "Contains Any", {{SearchField::kPattern1, "jqxz"}});
  EXPECT_EQ(dialog.CountLabel()->text(), "4");
  EXPECT_EQ(dialog.Input(SearchField::kPattern1)->text(), "JQXZ");

  // Q jumps to the next Q word and wraps to the top.
  PagedListBox* results = dialog.Results();
  results->Select(2);  // QUIXOTE; then QUIZZED
  QTest::keyClick(results->Rows(), Qt::Key_Q);
  EXPECT_EQ(results->CurrentIndex(), 3);
  QTest::keyClick(results->Rows(), Qt::Key_Q);
  EXPECT_EQ(results->CurrentIndex(), 2);

  ASSERT_TRUE(dialog.UndoButton()->isEnabled());
  QTest::mouseClick(dialog.UndoButton(), Qt::LeftButton);
  EXPECT_EQ(dialog.CountLabel()->text(), "6");
  EXPECT_FALSE(dialog.UndoButton()->isEnabled());
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(CustomListDialogTest, NewSearchCoversTheLexiconAgain) {
  CustomListDialog dialog(working_, false, lexicon_, prompt_, false);
  Search(dialog, "Others", "Word Length",
         {{SearchField::kNumber1, "7"}, {SearchField::kNumber2, "7"}});
  QTest::mouseClick(dialog.NewSearchButton(), Qt::LeftButton);
  EXPECT_EQ(dialog.CountLabel()->text(), "0");
  EXPECT_EQ(dialog.Input(SearchField::kNumber1)->text(), "2");
  Search(dialog, "Others", "Word Length",
         {{SearchField::kNumber1, "2"}, {SearchField::kNumber2, "3"}});
  EXPECT_EQ(dialog.CountLabel()->text(), "4");
}

TEST_F(CustomListDialogTest, PruningHasNoNewSearchAndStopsOnceEmpty) {
  for (const char* word : {"AB", "QI", "ZA"}) working_.Insert(word);
  CustomListDialog dialog(working_, true, lexicon_, prompt_, false);
  EXPECT_FALSE(dialog.NewSearchButton()->isEnabled());
  EXPECT_EQ(dialog.CountLabel()->text(), "3");
  Search(dialog, "Jumble", "Contains", {{SearchField::kPattern1, "X"}});
  ASSERT_EQ(dialog.CountLabel()->text(), "0");
  prompt_.Clear();
  Search(dialog, "Others", "Word Length", {});
  EXPECT_EQ(dialog.CountLabel()->text(), "0");
  EXPECT_EQ(prompt_.wait_begins, 0);
}

TEST_F(CustomListDialogTest, AnEmptiedListSaysWhySearchWaits) {
  CustomListDialog dialog(working_, false, lexicon_, prompt_, false);
  dialog.show();
  EXPECT_FALSE(dialog.NoWordsLeftLabel()->isVisible());
  Search(dialog, "Others", "Word Length",
         {{SearchField::kNumber1, "7"}, {SearchField::kNumber2, "7"}});
  Search(dialog, "Jumble", "Contains", {{SearchField::kPattern1, "QQ"}});
  ASSERT_EQ(dialog.CountLabel()->text(), "0");
  EXPECT_TRUE(dialog.NoWordsLeftLabel()->isVisible());
  EXPECT_EQ(dialog.NoWordsLeftLabel()->text(), "No words left: Undo or New Search");
  Search(dialog, "Others", "Word Length", {});
  EXPECT_EQ(dialog.CountLabel()->text(), "0");
  QTest::mouseClick(dialog.UndoButton(), Qt::LeftButton);
  EXPECT_EQ(dialog.CountLabel()->text(), "6");
  EXPECT_FALSE(dialog.NoWordsLeftLabel()->isVisible());
}

TEST_F(CustomListDialogTest, AListOnlyTypeOnTheLexiconEnablesUndo) {
  CustomListDialog dialog(working_, false, lexicon_, prompt_, false);
  Search(dialog, "Extension", "Front", {{SearchField::kNumber1, "1"}});
  EXPECT_EQ(prompt_.MessageIds(), std::vector<int>{40056});
  EXPECT_TRUE(dialog.UndoButton()->isEnabled());
  EXPECT_EQ(dialog.CountLabel()->text(), "0");
}

TEST_F(CustomListDialogTest, ProbableLabelsFollowTheListSize) {
  for (int i = 0; i < 250; ++i) working_.Insert("W" + std::to_string(1000 + i));
  CustomListDialog dialog(working_, true, lexicon_, prompt_, false);
  ASSERT_TRUE(dialog.SelectType("Others", "Probable"));
  EXPECT_EQ(dialog.Label(SearchField::kNumber1)->text(), "Start Index (1 - 250)");
  EXPECT_EQ(dialog.Label(SearchField::kNumber2)->text(), "End Index (1 - 250)");
  EXPECT_TRUE(dialog.Input(SearchField::kPattern1)->isHidden());
  EXPECT_EQ(dialog.HelpText()->text().toStdString(), StringText(40055));
}

TEST_F(CustomListDialogTest, AWrongInputIsReportedAndFocused) {
  CustomListDialog dialog(working_, false, lexicon_, prompt_, false);
  Search(dialog, "Pattern", "Anywhere 2",
         {{SearchField::kPattern1, "OO"}, {SearchField::kPattern2, "U1"}});
  EXPECT_EQ(prompt_.MessageIds(), std::vector<int>{40043});
  EXPECT_EQ(dialog.focusWidget(), dialog.Input(SearchField::kPattern2));
  prompt_.Clear();
  Search(dialog, "Others", "Word Length", {{SearchField::kNumber1, "x"}});
  EXPECT_EQ(prompt_.MessageIds(), std::vector<int>{kIntegerText});
  EXPECT_EQ(dialog.focusWidget(), dialog.Input(SearchField::kNumber1));
  EXPECT_EQ(dialog.CountLabel()->text(), "0");
}

}  // namespace
}  // namespace tavrune
