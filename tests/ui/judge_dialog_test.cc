#include "judge/app/judge_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "judge/challenge_log.h"
#include "judge/judge_messages.h"
#include "judge/ui/upper_case_edit.h"
#include "tests/support/failing_log_calls.h"
#include "tests/support/fixed_time.h"
#include "tests/support/lexicon_fixture.h"
#include "tests/support/recording_prompt.h"
#include "tests/ui/qt_test_app.h"

namespace tavrune {
namespace {

using Answer = UserPrompt::Answer;

using testing::FixedTime;

using testing::ReadAll;

class JudgeDialogTest : public ::testing::Test {
 protected:
  JudgeDialogTest()
      : lexicon_(testing::MakeLexicon({"QI", "ZA", "CAT", "DOG"})), log_(logs_.path(), FixedTime) {
    testing::EnsureQtApp();
  }

  void Open(bool no_mouse) {
    JudgeDialog::Setup setup;
    setup.lexicon_caption = "Lexicon: Test: test words";
    setup.lexicon_lines = "Test, test words, 4 words";
    setup.no_mouse = no_mouse;
    dialog_ = std::make_unique<JudgeDialog>(lexicon_, log_, prompt_, setup);
    dialog_->SetAboutHandler([this] { ++abouts_; });
    dialog_->show();
  }

  void Type(const char* text) { testing::TypeText(dialog_->WordsEdit(), text); }
  void PressTab() { QTest::keyClick(dialog_->WordsEdit(), Qt::Key_Tab); }
  QString Words() const { return dialog_->WordsEdit()->toPlainText(); }
  std::string ChallengeLogText() const { return ReadAll(logs_.File(kChallengeLogName)); }

  void ExpectNoVerdict() const {
    EXPECT_FALSE(dialog_->VerdictShown());
    EXPECT_TRUE(dialog_->VerdictText()->text().isEmpty());
    EXPECT_TRUE(dialog_->CheckMark()->isHidden());
    EXPECT_TRUE(dialog_->RedCross()->isHidden());
  }

  Lexicon lexicon_;
  testing::TempFolder logs_;
  ChallengeLog log_;
  testing::RecordingPrompt prompt_;
  std::unique_ptr<JudgeDialog> dialog_;
  int abouts_ = 0;
};

TEST_F(JudgeDialogTest, OpensEmptyInMouseMode) {
  Open(false);
  EXPECT_EQ(dialog_->windowTitle(), "Tavrune Word Judge");
  EXPECT_EQ(dialog_->LexiconLine()->text(), "Lexicon: Test: test words");
  EXPECT_TRUE(dialog_->LexiconLine()->isReadOnly());
  EXPECT_TRUE(dialog_->Instructions()->text().contains("click \"Judge\" button"));
  EXPECT_TRUE(dialog_->Instructions()->text().contains(" 3. Click \"Clear\" button"));
  EXPECT_FALSE(dialog_->JudgeButton()->isHidden());
  EXPECT_FALSE(dialog_->JudgeButton()->isEnabled());
  EXPECT_TRUE(dialog_->JudgeButton()->isDefault());
  EXPECT_FALSE(dialog_->ClearButton()->isHidden());
  EXPECT_FALSE(dialog_->AboutButton()->isHidden());
  EXPECT_FALSE(dialog_->TimerRunning());
  ExpectNoVerdict();
}

TEST_F(JudgeDialogTest, TabJudgesAnAcceptablePlayAndLogsIt) {
  Open(false);
  Type("qi za");
  EXPECT_EQ(Words(), "QI ZA");
  EXPECT_TRUE(dialog_->JudgeButton()->isEnabled());

  PressTab();
  EXPECT_EQ(Words(), "QI ZA");  // TAB judged instead of typing
  EXPECT_TRUE(dialog_->VerdictShown());
  EXPECT_EQ(dialog_->VerdictText()->text(), "Play is\nACCEPTABLE");
  EXPECT_FALSE(dialog_->CheckMark()->isHidden());
  EXPECT_TRUE(dialog_->RedCross()->isHidden());
  EXPECT_FALSE(dialog_->JudgeButton()->isEnabled());
  EXPECT_TRUE(dialog_->TimerRunning());
  EXPECT_TRUE(prompt_.messages.empty());

  EXPECT_EQ(ChallengeLogText(), "03/14/06 19:05:40| QI ZA | ACCEPTABLE\n");
  EXPECT_EQ(ReadAll(logs_.File(kAcceptableWordsLogName)), "QI\nZA\n");
  EXPECT_EQ(ReadAll(logs_.File(kUnacceptableWordsLogName)), "");
}

TEST_F(JudgeDialogTest, OnePhonyMakesThePlayUnacceptable) {
  Open(false);
  Type("CAT\nXYZZY DOG");
  QTest::mouseClick(dialog_->JudgeButton(), Qt::LeftButton);
  EXPECT_EQ(dialog_->VerdictText()->text(), "Play is\nNOT ACCEPTABLE");
  EXPECT_TRUE(dialog_->CheckMark()->isHidden());
  EXPECT_FALSE(dialog_->RedCross()->isHidden());
  EXPECT_EQ(ChallengeLogText(), "03/14/06 19:05:40| CAT XYZZY DOG | NOT ACCEPTABLE\n");
  EXPECT_EQ(ReadAll(logs_.File(kAcceptableWordsLogName)), "CAT\nDOG\n");
  EXPECT_EQ(ReadAll(logs_.File(kUnacceptableWordsLogName)), "XYZZY\n");
}

TEST_F(JudgeDialogTest, TabAgainJudgesAndLogsAgain) {
  Open(false);
  Type("QI");
  PressTab();
  dialog_->ClearTimerFired();  // the first timer would have fired
  Type("QI");
  PressTab();
  PressTab();  // the disabled button does not stop TAB
  EXPECT_TRUE(dialog_->VerdictShown());
  EXPECT_TRUE(dialog_->TimerRunning());
  EXPECT_EQ(ChallengeLogText(),
            "03/14/06 19:05:40| QI | ACCEPTABLE\n"
            "03/14/06 19:05:40| QI | ACCEPTABLE\n"
            "03/14/06 19:05:40| QI | ACCEPTABLE\n");
}

TEST_F(JudgeDialogTest, TimerTickClearsEverything) {
  Open(false);
  Type("XYZZY");
  PressTab();
  ASSERT_TRUE(dialog_->TimerRunning());
  dialog_->ClearTimerFired();
  EXPECT_TRUE(Words().isEmpty());
  ExpectNoVerdict();
  EXPECT_FALSE(dialog_->JudgeButton()->isEnabled());
  EXPECT_FALSE(dialog_->TimerRunning());
}

TEST_F(JudgeDialogTest, TypingCancelsTheClearAndTheVerdictButKeepsTheWords) {
  Open(false);
  Type("QI");
  PressTab();
  ASSERT_TRUE(dialog_->TimerRunning());
  Type(" z");
  EXPECT_FALSE(dialog_->TimerRunning());
  ExpectNoVerdict();
  EXPECT_TRUE(dialog_->JudgeButton()->isEnabled());
  EXPECT_EQ(Words(), "QI Z");
}

TEST_F(JudgeDialogTest, ClearButton) {
  Open(false);
  Type("CAT");
  QTest::mouseClick(dialog_->ClearButton(), Qt::LeftButton);
  EXPECT_TRUE(Words().isEmpty());
  EXPECT_FALSE(dialog_->JudgeButton()->isEnabled());
  Type("CAT");
  PressTab();
  QTest::mouseClick(dialog_->ClearButton(), Qt::LeftButton);
  EXPECT_TRUE(Words().isEmpty());
  ExpectNoVerdict();
  EXPECT_FALSE(dialog_->TimerRunning());
  EXPECT_FALSE(dialog_->JudgeButton()->isEnabled());
}

TEST_F(JudgeDialogTest, NoWordsShows104AndDisablesJudge) {
  Open(false);
  PressTab();
  EXPECT_EQ(prompt_.MessageIds(), std::vector<int>{kNoWordsMessage});
  Type("   ");
  EXPECT_TRUE(dialog_->JudgeButton()->isEnabled());
  QTest::mouseClick(dialog_->JudgeButton(), Qt::LeftButton);
  EXPECT_EQ(prompt_.MessageIds(), (std::vector<int>{kNoWordsMessage, kNoWordsMessage}));
  EXPECT_FALSE(dialog_->JudgeButton()->isEnabled());
  ExpectNoVerdict();
  EXPECT_FALSE(std::filesystem::exists(logs_.File(kChallengeLogName)));
}

TEST_F(JudgeDialogTest, InvalidCharactersAreRemovedOnYes) {
  Open(false);
  Type("qi, za\nc-a-t");
  prompt_.Script({Answer::kYes});
  PressTab();
  EXPECT_EQ(prompt_.log, (std::vector<std::string>{"ask 107", "message 108"}));
  EXPECT_EQ(Words(), "QIZA\nCAT\n");
  ExpectNoVerdict();
  EXPECT_TRUE(dialog_->JudgeButton()->isEnabled());
  EXPECT_FALSE(std::filesystem::exists(logs_.File(kChallengeLogName)));

  PressTab();  // now clean: judged
  EXPECT_EQ(dialog_->VerdictText()->text(), "Play is\nNOT ACCEPTABLE");
}

TEST_F(JudgeDialogTest, InvalidCharactersStayOnNo) {
  Open(false);
  Type("QI, ZA");
  prompt_.Script({Answer::kNo});
  PressTab();
  EXPECT_EQ(prompt_.log, (std::vector<std::string>{"ask 107"}));
  EXPECT_EQ(Words(), "QI, ZA");
  ExpectNoVerdict();
  EXPECT_FALSE(dialog_->TimerRunning());
}

TEST_F(JudgeDialogTest, InvalidCharacterPastColumn255IsFound) {
  Open(false);
  dialog_->WordsEdit()->setPlainText(QString(300, 'A') + "!");
  prompt_.Script({Answer::kNo});
  PressTab();
  EXPECT_EQ(prompt_.QuestionIds(), std::vector<int>{kInvalidCharactersQuestion});
}

TEST_F(JudgeDialogTest, PhonyPastColumn255IsJudged) {
  Open(false);
  dialog_->WordsEdit()->setPlainText("CAT" + QString(300, ' ') + "XYZZY");
  PressTab();
  EXPECT_EQ(dialog_->VerdictText()->text(), "Play is\nNOT ACCEPTABLE");
}

TEST_F(JudgeDialogTest, KeyboardModeHidesTheButtonsAndJudgesOnTab) {
  Open(true);
  EXPECT_TRUE(dialog_->JudgeButton()->isHidden());
  EXPECT_TRUE(dialog_->ClearButton()->isHidden());
  EXPECT_TRUE(dialog_->AboutButton()->isHidden());
  EXPECT_EQ(dialog_->Instructions()->text(),
            "&Challenge Instructions:\n"
            " 1. Type words separated by spaces or new line\n"
            " 2. Press TAB/JUDGE key\n"
            " 3. Words and results get cleared automatically in 7 seconds");
  Type("ZA");
  PressTab();
  EXPECT_TRUE(dialog_->VerdictShown());
  EXPECT_TRUE(dialog_->TimerRunning());
  dialog_->ClearTimerFired();
  EXPECT_TRUE(Words().isEmpty());
  QTest::keyClick(dialog_->WordsEdit(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(prompt_.MessageIds(), std::vector<int>{kNoWordsMessage});  // focus stays put
}

TEST_F(JudgeDialogTest, AboutFromButtonAndMenuEntry) {
  Open(false);
  QTest::mouseClick(dialog_->AboutButton(), Qt::LeftButton);
  EXPECT_EQ(abouts_, 1);
  QAction* about = dialog_->AboutAction();
  EXPECT_EQ(about->text(), "&About TavruneWordJudge...");
  EXPECT_EQ(about->shortcut(), QKeySequence(Qt::Key_F1));
  EXPECT_TRUE(dialog_->actions().contains(about));
  about->trigger();
  EXPECT_EQ(abouts_, 2);
}

TEST_F(JudgeDialogTest, JudgingGoesOnWithoutALogFolder) {
  ChallengeLog nowhere(logs_.File("missing"), FixedTime);
  JudgeDialog dialog(lexicon_, nowhere, prompt_, JudgeDialog::Setup{});
  dialog.show();
  QTest::keyClicks(dialog.WordsEdit(), "QI");
  QTest::keyClick(dialog.WordsEdit(), Qt::Key_Tab);
  EXPECT_EQ(dialog.VerdictText()->text(), "Play is\nACCEPTABLE");
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(JudgeDialogTest, WaitingLogLinesAreMarkedAndEndingAsksFirst) {
  testing::FailingLogCalls calls;
  ChallengeLog log(logs_.path(), FixedTime, &calls);
  JudgeDialog dialog(lexicon_, log, prompt_, JudgeDialog::Setup{});
  dialog.show();
  EXPECT_TRUE(dialog.LogMark()->isHidden());

  calls.open_error = EROFS;
  QTest::keyClicks(dialog.WordsEdit(), "QI ZA");
  QTest::keyClick(dialog.WordsEdit(), Qt::Key_Tab);
  EXPECT_EQ(dialog.VerdictText()->text(), "Play is\nACCEPTABLE");
  EXPECT_FALSE(dialog.LogMark()->isHidden());
  EXPECT_EQ(dialog.LogMark()->text().toStdString(), "Log lines waiting: 3 (cannot write \"" +
                                                        logs_.File(kChallengeLogName) +
                                                        "\": Read-only file system)");
  prompt_.Script({Answer::kNo});
  dialog.QuitAction()->trigger();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(prompt_.QuestionIds(), std::vector<int>{kEndWithLinesWaitingQuestion});
  EXPECT_EQ(prompt_.questions[0].args[0], "3");

  // Space freed: the next clearing writes the lines and the mark goes.
  calls.Heal();
  dialog.ClearTimerFired();
  EXPECT_TRUE(dialog.LogMark()->isHidden());
  EXPECT_EQ(ChallengeLogText(), "03/14/06 19:05:40| QI ZA | ACCEPTABLE\n");
  EXPECT_EQ(ReadAll(logs_.File(kAcceptableWordsLogName)), "QI\nZA\n");

  calls.write_error = ENOSPC;
  QTest::keyClicks(dialog.WordsEdit(), "QI");
  QTest::keyClick(dialog.WordsEdit(), Qt::Key_Tab);
  EXPECT_FALSE(dialog.LogMark()->isHidden());
  prompt_.Script({Answer::kYes});
  dialog.QuitAction()->trigger();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(prompt_.questions.size(), 2u);
}

TEST_F(JudgeDialogTest, LargePasteIsUpperCasedAndJudged) {
  Open(false);
  QString text;
  while (text.size() < 100 * 1024) text += "qi za cat dog\n";
  QApplication::clipboard()->setText(text);
  dialog_->WordsEdit()->paste();
  EXPECT_EQ(Words(), text.toUpper());
  PressTab();
  EXPECT_EQ(dialog_->VerdictText()->text(), "Play is\nACCEPTABLE");
}

TEST_F(JudgeDialogTest, EscNeverEndsTheSessionQuitDoes) {
  Open(true);
  Type("QI");
  QTest::keyClick(dialog_->WordsEdit(), Qt::Key_Escape);
  QTest::keyClick(dialog_.get(), Qt::Key_Escape);
  EXPECT_TRUE(dialog_->isVisible());
  EXPECT_EQ(Words(), "QI");
  EXPECT_TRUE(dialog_->actions().contains(dialog_->QuitAction()));
  dialog_->QuitAction()->trigger();
  EXPECT_FALSE(dialog_->isVisible());
}

TEST_F(JudgeDialogTest, LargerWindowLargerTypeAndF11FullScreen) {
  Open(true);
  EXPECT_TRUE(dialog_->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(dialog_->size(), QSize(JudgeDialog::kDefaultWidth, JudgeDialog::kDefaultHeight));
  Type("QI");
  PressTab();
  const qreal verdict_points = dialog_->VerdictText()->font().pointSizeF();
  const qreal words_points = dialog_->WordsEdit()->font().pointSizeF();
  const int icon = dialog_->CheckMark()->width();

  dialog_->ScaleTo(QSize(JudgeDialog::kDefaultWidth * 3, JudgeDialog::kDefaultHeight * 2));
  EXPECT_DOUBLE_EQ(dialog_->TypeScale(), 2.0);
  EXPECT_DOUBLE_EQ(dialog_->VerdictText()->font().pointSizeF(), verdict_points * 2);
  EXPECT_DOUBLE_EQ(dialog_->WordsEdit()->font().pointSizeF(), words_points * 2);
  EXPECT_EQ(dialog_->CheckMark()->width(), icon * 2);
  dialog_->ScaleTo(QSize(100, 100));  // never smaller than designed
  EXPECT_DOUBLE_EQ(dialog_->VerdictText()->font().pointSizeF(), verdict_points);

  QAction* full_screen = dialog_->FullScreenAction();
  EXPECT_EQ(full_screen->shortcut(), QKeySequence(Qt::Key_F11));
  full_screen->trigger();
  EXPECT_TRUE(dialog_->windowState() & Qt::WindowFullScreen);
  full_screen->trigger();
  EXPECT_FALSE(dialog_->windowState() & Qt::WindowFullScreen);
  EXPECT_TRUE(dialog_->VerdictShown());
}

}  // namespace
}  // namespace tavrune
