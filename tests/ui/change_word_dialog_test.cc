#include "wordlist/ui/change_word_dialog.h"

#include <gtest/gtest.h>

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "resources/string_table.h"
#include "search/ui/paged_list_box.h"
#include "tests/ui/qt_test_app.h"
#include "tests/wordlist/doc_fixture.h"

namespace tavrune {
namespace {

class ChangeWordDialogTest : public testing::DocTest {
 protected:
  ChangeWordDialogTest() { testing::EnsureQtApp(); }

  // An Anagrams list: the entries are alphagrams (ACT, AEPRS, EOT, ...).
  MTavruneDoc& AnagramList() {
    return MakeList({"CAT", "SPARE", "PEARS", "TOE", "OATS", "TACO", "AT"}, ListType::kAnagrams);
  }
};

TEST_F(ChangeWordDialogTest, OpensOnTheCursor) {
  MTavruneDoc& doc = AnagramList();
  ASSERT_EQ(Entries(), (std::vector<std::string>{"ACOT", "ACT", "AEPRS", "AOST", "AT", "EOT"}));
  ChangeWordDialog dialog(doc.Entries(), 2, prompt_);
  EXPECT_EQ(dialog.windowTitle(), "Change Word");
  EXPECT_EQ(dialog.IndexLabel()->text(), "Word &Index (1-6)");
  EXPECT_EQ(dialog.IndexEdit()->text(), "3");
  EXPECT_EQ(dialog.WordEdit()->text(), "AEPRS");
  EXPECT_EQ(dialog.ListBox()->CurrentIndex(), 2);
  EXPECT_EQ(dialog.ChosenIndex(), 2);
}

struct IndexCase {
  const char* typed;
  std::vector<int> messages;
  int chosen;
};

TEST_F(ChangeWordDialogTest, GoToIndexChecksTheRange) {
  MTavruneDoc& doc = AnagramList();
  const IndexCase cases[] = {
      {"0", {kIntegerRangeText}, 0},
      {"7", {kIntegerRangeText}, 0},
      {"x2", {kIntegerText}, 0},
      {" 6", {}, 5},
  };
  for (const IndexCase& c : cases) {
    SCOPED_TRACE(c.typed);
    prompt_.Clear();
    ChangeWordDialog dialog(doc.Entries(), 0, prompt_);
    dialog.IndexEdit()->setText(c.typed);
    dialog.GoToIndexButton()->click();
    EXPECT_EQ(prompt_.MessageIds(), c.messages);
    EXPECT_EQ(dialog.ChosenIndex(), c.chosen);
    EXPECT_EQ(dialog.ListBox()->CurrentIndex(), c.chosen);
  }
}

TEST_F(ChangeWordDialogTest, RangeMessageNamesOneAndTheCount) {
  MTavruneDoc& doc = AnagramList();
  ChangeWordDialog dialog(doc.Entries(), 0, prompt_);
  dialog.IndexEdit()->setText("7");
  dialog.GoToIndexButton()->click();
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_EQ(prompt_.messages[0].args, (std::vector<std::string>{"1", "6"}));
}

struct WordCase {
  const char* typed;
  std::vector<int> messages;
  int chosen;
};

TEST_F(ChangeWordDialogTest, GoToWordLooksTheEntryUp) {
  MTavruneDoc& doc = AnagramList();
  const WordCase cases[] = {
      {"spare", {40023}, 0},
      {"", {40023}, 0},
      {"aeprs", {}, 2},
      {"ABCDEFGHIJKLMNOP", {kMaxCharsText}, 0},
  };
  for (const WordCase& c : cases) {
    SCOPED_TRACE(c.typed);
    prompt_.Clear();
    ChangeWordDialog dialog(doc.Entries(), 0, prompt_);
    dialog.WordEdit()->clear();
    QTest::keyClicks(dialog.WordEdit(), c.typed);
    dialog.GoToWordButton()->click();
    EXPECT_EQ(prompt_.MessageIds(), c.messages);
    EXPECT_EQ(dialog.ChosenIndex(), c.chosen);
    if (c.messages.empty()) {
      EXPECT_EQ(dialog.IndexEdit()->text(), QString::number(c.chosen + 1));
    }
    EXPECT_EQ(prompt_.wait_depth, 0);
  }
}

TEST_F(ChangeWordDialogTest, ListSelectionFillsBothBoxes) {
  MTavruneDoc& doc = AnagramList();
  ChangeWordDialog dialog(doc.Entries(), 0, prompt_);
  QTest::keyClick(dialog.ListBox()->Rows(), Qt::Key_End);
  EXPECT_EQ(dialog.ChosenIndex(), 5);
  EXPECT_EQ(dialog.IndexEdit()->text(), "6");
  EXPECT_EQ(dialog.WordEdit()->text(), "EOT");
}

TEST_F(ChangeWordDialogTest, OkKeepsTheLastConfirmedChoiceButChecksTheBoxes) {
  MTavruneDoc& doc = AnagramList();
  ChangeWordDialog dialog(doc.Entries(), 1, prompt_);
  dialog.IndexEdit()->setText("4");  // typed, not confirmed
  dialog.OkButton()->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.ChosenIndex(), 1);

  ChangeWordDialog refused(doc.Entries(), 1, prompt_);
  refused.IndexEdit()->setText("0");
  refused.OkButton()->click();
  EXPECT_EQ(refused.result(), QDialog::Rejected);
  EXPECT_EQ(prompt_.MessageIds(), std::vector<int>{kIntegerRangeText});
}

TEST_F(ChangeWordDialogTest, EachBoxMakesItsGoToTheDefaultWhileFocused) {
  MTavruneDoc& doc = AnagramList();
  ChangeWordDialog dialog(doc.Entries(), 0, prompt_);
  const auto focus = [](QWidget* box, QEvent::Type type) {
    QFocusEvent event(type, Qt::TabFocusReason);
    QCoreApplication::sendEvent(box, &event);
  };
  EXPECT_TRUE(dialog.OkButton()->isDefault());
  focus(dialog.WordEdit(), QEvent::FocusIn);
  EXPECT_TRUE(dialog.GoToWordButton()->isDefault());
  EXPECT_FALSE(dialog.OkButton()->isDefault());
  focus(dialog.WordEdit(), QEvent::FocusOut);
  focus(dialog.IndexEdit(), QEvent::FocusIn);
  EXPECT_TRUE(dialog.GoToIndexButton()->isDefault());
  EXPECT_FALSE(dialog.GoToWordButton()->isDefault());
  focus(dialog.IndexEdit(), QEvent::FocusOut);
  EXPECT_TRUE(dialog.OkButton()->isDefault());
}

}  // namespace
}  // namespace tavrune
