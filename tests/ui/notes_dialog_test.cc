#include "wordlist/ui/notes_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <string>

#include "tests/ui/qt_test_app.h"

namespace tavrune {
namespace {

class NotesDialogTest : public ::testing::Test {
 protected:
  NotesDialogTest() { testing::EnsureQtApp(); }
};

TEST_F(NotesDialogTest, ShowsAndReturnsTheTexts) {
  NotesDialog dialog("Sevens.Stems.AEINST", "line one\r\nline two");
  EXPECT_EQ(dialog.windowTitle(), "List Notes");
  EXPECT_EQ(dialog.Description(), "Sevens.Stems.AEINST");
  EXPECT_EQ(dialog.Notes(), "line one\nline two");
  dialog.DescriptionEdit()->setText("Café");
  EXPECT_EQ(dialog.Description(), "Café");
}

TEST_F(NotesDialogTest, TextsStopAtTheirLimits) {
  NotesDialog dialog(std::string(50, 'd'), std::string(300, 'n'));
  EXPECT_EQ(dialog.Description().size(), 40u);
  EXPECT_EQ(dialog.Notes(), std::string(255, 'n'));

  NotesDialog typed("", std::string(250, 'n'));
  QTextCursor cursor = typed.NotesEdit()->textCursor();
  cursor.setPosition(2);
  typed.NotesEdit()->setTextCursor(cursor);
  testing::TypeText(typed.NotesEdit(), "abc\ndefg");
  EXPECT_EQ(typed.Notes(), "nnabc\nd" + std::string(248, 'n'));
}

}  // namespace
}  // namespace tavrune
