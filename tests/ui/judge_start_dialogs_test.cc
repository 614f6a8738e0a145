#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <memory>

#include "judge/app/about_box.h"
#include "judge/app/lexicon_choice_dialog.h"
#include "judge/judge_messages.h"
#include "judge/ui/judge_icons.h"
#include "judge/ui/judge_message_box.h"
#include "tests/ui/qt_test_app.h"

namespace tavrune {
namespace {

class JudgeStartDialogsTest : public ::testing::Test {
 protected:
  JudgeStartDialogsTest() { testing::EnsureQtApp(); }
};

TEST_F(JudgeStartDialogsTest, ChoiceOffersOnlyPresentLexicons) {
  const JudgeSettings initial{LexiconId::kUKNA, "/home/judge/", true};
  LexiconChoiceDialog dialog({true, false, true, false, true}, initial);
  EXPECT_EQ(dialog.windowTitle(), "Choose a Lexicon");
  EXPECT_EQ(dialog.LexiconButton(LexiconId::kUK)->text(), "&British");
  EXPECT_EQ(dialog.LexiconButton(LexiconId::kNA)->text(), "Nort&h America");
  EXPECT_EQ(dialog.LexiconButton(LexiconId::kUKNA)->text(), "Briti&sh and North America");
  EXPECT_EQ(dialog.LexiconButton(LexiconId::kFR)->text(), "&French");
  EXPECT_EQ(dialog.LexiconButton(LexiconId::kNAF)->text(), "North America Fa&mily");
  EXPECT_TRUE(dialog.LexiconButton(LexiconId::kUK)->isEnabled());
  EXPECT_FALSE(dialog.LexiconButton(LexiconId::kNA)->isEnabled());
  EXPECT_FALSE(dialog.LexiconButton(LexiconId::kFR)->isEnabled());
  EXPECT_TRUE(dialog.LexiconButton(LexiconId::kUKNA)->isChecked());
  EXPECT_TRUE(dialog.MouseNoButton()->isChecked());
  EXPECT_EQ(dialog.LogDirectoryEdit()->text(), "/home/judge/");
  EXPECT_EQ(dialog.LogDirectoryEdit()->maxLength(), 512);
  EXPECT_EQ(dialog.Choice(), initial);

  dialog.LexiconButton(LexiconId::kNAF)->click();
  dialog.MouseYesButton()->click();
  dialog.LogDirectoryEdit()->setText("/srv/club");
  EXPECT_EQ(dialog.Choice(), (JudgeSettings{LexiconId::kNAF, "/srv/club", false}));
}

TEST_F(JudgeStartDialogsTest, ChoicePreselectsTheFirstPresentWhenCurrentIsMissing) {
  LexiconChoiceDialog dialog({true, false, true, false, false},
                             JudgeSettings{LexiconId::kFR, "/x/", false});
  EXPECT_TRUE(dialog.LexiconButton(LexiconId::kUK)->isChecked());
  EXPECT_TRUE(dialog.MouseYesButton()->isChecked());
}

TEST_F(JudgeStartDialogsTest, AboutBoxNamesVersionAndLexicons) {
  AboutBox about("American, us, 1 words\nBoth, mixed, 2 words");
  EXPECT_EQ(about.ProgramLine()->text(), "TavruneWordJudge Version 3.2.1");
  EXPECT_EQ(about.LexiconLines()->text(), "American, us, 1 words\nBoth, mixed, 2 words");
  EXPECT_TRUE(about.LogFolderLine()->isHidden());

  AboutBox kept("", "/srv/logs/");
  EXPECT_EQ(kept.LogFolderLine()->text(), "Log folder: /srv/logs/");
  AboutBox waiting("", "/srv/full/", "Log lines waiting: 2 (no space)");
  EXPECT_EQ(waiting.LogFolderLine()->text(),
            "Log folder: /srv/full/\nLog lines waiting: 2 (no space)");
}

TEST_F(JudgeStartDialogsTest, MessageAndQuestionBoxes) {
  JudgeMessageBox message(kNoLexiconsMessage);
  EXPECT_EQ(message.windowTitle(), "Tavrune Word Judge");
  EXPECT_TRUE(
      message.text().startsWith("No lexicon files were found in the \"Lexicons\" sub folder."));
  ASSERT_EQ(message.buttons().size(), 1);
  EXPECT_EQ(message.buttons()[0]->text(), "OK");

  JudgeQuestionBox question(kInvalidCharactersQuestion);
  EXPECT_EQ(question.windowTitle(), "Tavrune Word Judge");
  EXPECT_TRUE(question.text().endsWith("Do you want the invalid characters removed?"));
  QStringList labels;
  for (QAbstractButton* button : question.buttons()) labels << button->text();
  labels.sort();
  EXPECT_EQ(labels, (QStringList{"&No", "&Yes"}));
}

TEST_F(JudgeStartDialogsTest, BoxesShowOutsideTextAsWrittenNeverAsMarkup) {
  const QtUserPrompt prompt(QStringLiteral("Tavrune"));
  const std::unique_ptr<QMessageBox> box = prompt.MakeBox(
      QMessageBox::Warning, QtUserPrompt::Text(40009, {"<b>list</b>.tvr"}), QMessageBox::Ok);
  EXPECT_TRUE(box->text().startsWith("<b>list</b>.tvr is not"));
  JudgeMessageBox message(kNoLexiconsMessage);
  JudgeQuestionBox question(kInvalidCharactersQuestion);
  for (const QMessageBox* shown :
       {box.get(), static_cast<QMessageBox*>(&message), static_cast<QMessageBox*>(&question)}) {
    EXPECT_EQ(shown->textFormat(), Qt::PlainText);
  }
}

TEST_F(JudgeStartDialogsTest, IconsAreDrawnFromOurResources) {
  for (JudgeIcon icon : {JudgeIcon::kProgram, JudgeIcon::kCheckMark, JudgeIcon::kRedCross,
                         JudgeIcon::kSmilingFace, JudgeIcon::kFrowningFace}) {
    const QImage image = JudgeIconPixmap(icon, 32).toImage();
    ASSERT_EQ(image.size(), QSize(32, 32));
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) opaque += qAlpha(image.pixel(x, y)) > 128;
    }
    EXPECT_GT(opaque, 50) << static_cast<int>(icon);
  }
  const QImage check = JudgeIconPixmap(JudgeIcon::kCheckMark, 64).toImage();
  const QImage cross = JudgeIconPixmap(JudgeIcon::kRedCross, 64).toImage();
  EXPECT_GT(qGreen(check.pixel(26, 49)), qRed(check.pixel(26, 49)));  // on the stroke
  EXPECT_GT(qRed(cross.pixel(32, 32)), qGreen(cross.pixel(32, 32)));
}

}  // namespace
}  // namespace tavrune
