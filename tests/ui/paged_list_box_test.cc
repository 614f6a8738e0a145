#include "search/ui/paged_list_box.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <string>

#include "tests/ui/qt_test_app.h"

namespace tavrune {
namespace {

// `count` words in insertion order; the initials change every ten words
// (A..., B..., C...), which the letter keys jump between.
WordCollection NumberedWords(int count) {
  WordCollection words;
  words.SetSortMode(false, SortKey::kAlphabetical, false);
  for (int i = 0; i < count; ++i) {
    words.Append(std::string(1, static_cast<char>('A' + (i / 10) % 26)) + std::to_string(i));
  }
  return words;
}

class PagedListBoxTest : public ::testing::Test {
 protected:
  // The application must exist before the member widget is made, also when
  // a test runs alone.
  bool app_ready_ = (testing::EnsureQtApp(), true);
  PagedListBox box_;
};

struct ScrollCase {
  int count;
  bool enabled;
  int scale;
  int page_step;
  int maximum;
};

TEST_F(PagedListBoxTest, ScrollBarFollowsTheListSize) {
  const ScrollCase cases[] = {
      {0, false, 1, 10, 0},        {10, false, 1, 10, 0},      {11, true, 1, 10, 1},
      {32749, true, 1, 10, 32739}, {32750, true, 2, 5, 16370}, {64000, true, 2, 5, 31995},
  };
  for (const ScrollCase& c : cases) {
    SCOPED_TRACE(c.count);
    const WordCollection words = NumberedWords(c.count);
    box_.Attach(&words);
    EXPECT_EQ(box_.ScrollBar()->isEnabled(), c.enabled);
    EXPECT_EQ(box_.Scale(), c.scale);
    EXPECT_EQ(box_.PageStep(), c.page_step);
    EXPECT_EQ(box_.ScrollBar()->maximum(), c.maximum);
    EXPECT_EQ(box_.Rows()->count(), std::min(c.count, PagedListBox::kRows));
    box_.Attach(nullptr);
  }
}

TEST_F(PagedListBoxTest, ScrollingMovesTheWindowByTheScale) {
  const WordCollection words = NumberedWords(64000);
  box_.Attach(&words);
  box_.ScrollBar()->setValue(100);
  EXPECT_EQ(box_.TopIndex(), 200);
  EXPECT_EQ(box_.Rows()->item(0)->text(), "U200");
  EXPECT_EQ(box_.Rows()->currentRow(), -1);  // the current word is out of view
  box_.ScrollBar()->setValue(box_.ScrollBar()->maximum());
  EXPECT_EQ(box_.TopIndex(), 63990);
  EXPECT_EQ(box_.Rows()->item(9)->text(), "D63999");
  EXPECT_EQ(box_.CurrentIndex(), 0);
}

// With the range halved the last position still reaches the last word.
TEST_F(PagedListBoxTest, TheEndOfALargeListIsInReach) {
  for (const int count : {40000, 40001}) {
    const WordCollection words = NumberedWords(count);
    box_.Attach(&words);
    box_.ScrollBar()->setValue(box_.ScrollBar()->maximum());
    EXPECT_EQ(box_.Rows()->item(PagedListBox::kRows - 1)->text().toStdString(),
              std::string(words.Word(count - 1)));
    box_.Attach(nullptr);
  }
}

TEST_F(PagedListBoxTest, LetterKeysFindSmallCapsInitials) {
  WordCollection words = NumberedWords(3);
  words.Append("qUA");
  box_.Attach(&words);
  QTest::keyClick(box_.Rows(), Qt::Key_Q);
  EXPECT_EQ(box_.CurrentIndex(), 3);
}

struct KeyCase {
  int start;
  int key;
  int current;
  int top;
};

TEST_F(PagedListBoxTest, KeysMoveTheSelectionAndTheWindow) {
  const KeyCase cases[] = {
      {0, Qt::Key_Down, 1, 0},      {9, Qt::Key_Down, 10, 1}, {9, Qt::Key_PageDown, 18, 9},
      {20, Qt::Key_PageUp, 11, 11}, {20, Qt::Key_Home, 0, 0}, {5, Qt::Key_End, 29, 20},
      {0, Qt::Key_Up, 0, 0},        {12, Qt::Key_B, 13, 7},   {19, Qt::Key_B, 10, 10},
      {25, Qt::Key_A, 0, 0},        {3, Qt::Key_Z, 3, 0},
  };
  const WordCollection words = NumberedWords(30);
  box_.Attach(&words);
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.start << " key " << c.key);
    box_.Reset();
    box_.Select(c.start);
    QTest::keyClick(box_.Rows(), static_cast<Qt::Key>(c.key));
    EXPECT_EQ(box_.CurrentIndex(), c.current);
    EXPECT_EQ(box_.TopIndex(), c.top);
    EXPECT_EQ(box_.Rows()->currentRow(), c.current - c.top);
    EXPECT_LE(box_.Rows()->count(), PagedListBox::kRows);
  }
}

TEST_F(PagedListBoxTest, SelectionChangesAreSignalled) {
  const WordCollection words = NumberedWords(30);
  box_.Attach(&words);
  QSignalSpy spy(&box_, &PagedListBox::selectionChanged);
  QTest::keyClick(box_.Rows(), Qt::Key_Up);  // already first
  box_.Select(-4);                           // clamped to the first
  EXPECT_EQ(spy.count(), 0);
  box_.Select(99);
  ASSERT_EQ(spy.count(), 1);
  EXPECT_EQ(spy.takeFirst().at(0).toInt(), 29);
}

TEST_F(PagedListBoxTest, AClickMakesTheRowCurrent) {
  const WordCollection words = NumberedWords(30);
  box_.Attach(&words);
  box_.Select(15);
  box_.show();
  QSignalSpy spy(&box_, &PagedListBox::selectionChanged);
  QListWidget* rows = box_.Rows();
  QTest::mouseClick(rows->viewport(), Qt::LeftButton, {},
                    rows->visualItemRect(rows->item(3)).center());
  EXPECT_EQ(box_.CurrentIndex(), box_.TopIndex() + 3);
  EXPECT_EQ(spy.count(), 1);
}

TEST_F(PagedListBoxTest, KeysInAnEmptyBoxDoNothing) {
  const WordCollection empty = NumberedWords(0);
  box_.Attach(&empty);
  QSignalSpy spy(&box_, &PagedListBox::selectionChanged);
  for (Qt::Key key : {Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown, Qt::Key_Down, Qt::Key_A}) {
    QTest::keyClick(box_.Rows(), key);
  }
  box_.Select(3);
  EXPECT_EQ(box_.CurrentIndex(), -1);
  EXPECT_EQ(box_.Rows()->count(), 0);
  EXPECT_EQ(spy.count(), 0);
}

}  // namespace
}  // namespace tavrune
