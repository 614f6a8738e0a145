#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "study/ui/startup_banner.h"
#include "study/ui/study_about_box.h"
#include "study/ui/welcome_dialog.h"
#include "tests/ui/qt_test_app.h"

namespace tavrune {
namespace {

class StudyWindowsTest : public ::testing::Test {
 protected:
  StudyWindowsTest() { testing::EnsureQtApp(); }
};

TEST_F(StudyWindowsTest, WelcomeShowsTipsFromTheEndUntilNoneIsLeft) {
  WelcomeDialog dialog({"first", "second", "third"});
  EXPECT_EQ(dialog.windowTitle(), "Welcome to Tavrune");
  EXPECT_EQ(dialog.TipLabel()->font().family(), "Arial");
  EXPECT_EQ(dialog.TipLabel()->font().pixelSize(), 12);
  EXPECT_EQ(dialog.TipLabel()->text(), "third");
  dialog.NextTipButton()->click();
  EXPECT_EQ(dialog.TipLabel()->text(), "second");
  EXPECT_TRUE(dialog.NextTipButton()->isEnabled());
  dialog.NextTipButton()->click();
  EXPECT_EQ(dialog.TipLabel()->text(), "first");
  EXPECT_FALSE(dialog.NextTipButton()->isEnabled());
}

TEST_F(StudyWindowsTest, WelcomeKeepsTheCheckBoxHoweverClosed) {
  WelcomeDialog dialog({});
  EXPECT_FALSE(dialog.NextTipButton()->isEnabled());
  EXPECT_FALSE(dialog.DoNotShowAgain());
  EXPECT_EQ(dialog.DoNotShowCheck()->text(), "Do &not show this window again");
  dialog.DoNotShowCheck()->click();
  dialog.reject();
  EXPECT_TRUE(dialog.DoNotShowAgain());
}

TEST_F(StudyWindowsTest, AboutBoxNamesVersionAndLexicons) {
  StudyAboutBox about("North American, twl 1.0, 3 words\nBritish, sowpods 1.1, 2 words");
  EXPECT_EQ(about.ProgramLine()->text(), "Tavrune Version 3.2");
  EXPECT_EQ(about.LexiconLines()->text(),
            "North American, twl 1.0, 3 words\nBritish, sowpods 1.1, 2 words");
  const auto* frame = qobject_cast<QGroupBox*>(about.LexiconLines()->parentWidget());
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->title(), "Lexicons:");
  EXPECT_TRUE(
      about.Notice()->text().startsWith("Definitions from WordNet 3.0 Copyright 2006 by "
                                        "Princeton University."));
}

TEST_F(StudyWindowsTest, BannerIsBorderlessAndCentred) {
  StartupBanner banner;
  EXPECT_TRUE(banner.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(banner.TitleLine()->text(), "Tavrune Version 3.2");
  banner.show();
  const QPoint offset =
      banner.frameGeometry().center() - banner.screen()->availableGeometry().center();
  EXPECT_LE(offset.manhattanLength(), 2);
}

}  // namespace
}  // namespace tavrune
