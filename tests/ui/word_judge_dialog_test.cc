#include "judge/ui/word_judge_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "judge/judge_messages.h"
#include "judge/ui/upper_case_edit.h"
#include "tests/support/lexicon_fixture.h"
#include "tests/support/recording_prompt.h"
#include "tests/ui/qt_test_app.h"

namespace tavrune {
namespace {

class WordJudgeDialogTest : public ::testing::Test {
 protected:
  WordJudgeDialogTest() : lexicon_(testing::MakeLexicon({"CAT", "DOG", "QI", "ZA"})) {
    testing::EnsureQtApp();
    dialog_ = std::make_unique<WordJudgeDialog>(lexicon_, prompt_);
    dialog_->show();
  }

  void Type(const char* text) { testing::TypeText(dialog_->WordsEdit(), text); }
  void Challenge() { QTest::mouseClick(dialog_->ChallengeButton(), Qt::LeftButton); }

  void ExpectEditing() const {
    EXPECT_FALSE(dialog_->VerdictShown());
    EXPECT_TRUE(dialog_->ChallengeEnabled());
    EXPECT_TRUE(dialog_->ChallengeButton()->isEnabled());
    EXPECT_TRUE(dialog_->VerdictText()->text().isEmpty());
    EXPECT_TRUE(dialog_->SmilingFace()->isHidden());
    EXPECT_TRUE(dialog_->FrowningFace()->isHidden());
  }

  Lexicon lexicon_;
  testing::RecordingPrompt prompt_;
  std::unique_ptr<WordJudgeDialog> dialog_;
};

TEST_F(WordJudgeDialogTest, OpensReadyToChallenge) {
  EXPECT_EQ(dialog_->windowTitle(), "Word Judge");
  EXPECT_EQ(dialog_->ChallengeButton()->text(), "C&hallenge!");
  ExpectEditing();
}

TEST_F(WordJudgeDialogTest, AcceptablePlayStaysUntilTheTextChanges) {
  Type("cat\ndog");
  EXPECT_EQ(dialog_->WordsEdit()->toPlainText(), "CAT\nDOG");  // Enter is a new line
  EXPECT_TRUE(dialog_->isVisible());

  Challenge();
  EXPECT_TRUE(dialog_->VerdictShown());
  EXPECT_EQ(dialog_->VerdictText()->text(), "Play is Acceptable.");
  EXPECT_FALSE(dialog_->SmilingFace()->isHidden());
  EXPECT_TRUE(dialog_->FrowningFace()->isHidden());
  EXPECT_FALSE(dialog_->ChallengeButton()->isEnabled());
  EXPECT_FALSE(dialog_->ChallengeEnabled());

  Type("s");
  ExpectEditing();
  EXPECT_EQ(dialog_->WordsEdit()->toPlainText(), "CAT\nDOGS");
}

TEST_F(WordJudgeDialogTest, OneMissingWordFailsThePlay) {
  Type("QI,ZA AB1CD");
  Challenge();
  EXPECT_EQ(dialog_->VerdictText()->text(), "Play is NOT Acceptable.");
  EXPECT_TRUE(dialog_->SmilingFace()->isHidden());
  EXPECT_FALSE(dialog_->FrowningFace()->isHidden());
}

TEST_F(WordJudgeDialogTest, NoWordsLeavesTheStateAlone) {
  Type(" ,;. ");
  Challenge();
  EXPECT_EQ(prompt_.MessageIds(), std::vector<int>{kNoWordsToChallengeText});
  ExpectEditing();

  Type("QI");
  Challenge();
  dialog_->WordsEdit()->selectAll();
  QTest::keyClick(dialog_->WordsEdit(), Qt::Key_Delete);
  ExpectEditing();
  Challenge();
  EXPECT_EQ(prompt_.MessageIds(),
            (std::vector<int>{kNoWordsToChallengeText, kNoWordsToChallengeText}));
}

TEST_F(WordJudgeDialogTest, LongLinesAreJudgedWhole) {
  dialog_->WordsEdit()->setPlainText("CAT" + QString(300, ' ') + "XYZZY");
  Challenge();
  EXPECT_EQ(dialog_->VerdictText()->text(), "Play is NOT Acceptable.");
}

TEST_F(WordJudgeDialogTest, HelpIsLeftToTheProgram) {
  int requests = 0;
  QObject::connect(dialog_.get(), &WordJudgeDialog::helpRequested, [&requests] { ++requests; });
  QTest::mouseClick(dialog_->HelpButton(), Qt::LeftButton);
  EXPECT_EQ(requests, 1);
}

}  // namespace
}  // namespace tavrune
