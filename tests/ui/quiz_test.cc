#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>
#include <string>
#include <vector>

#include "resources/string_table.h"
#include "study/ui/quiz_bar.h"
#include "study/ui/quiz_history_dialog.h"
#include "study/ui/slide_widgets.h"
#include "study/ui/tavrune_view.h"
#include "tests/ui/fake_timer.h"
#include "tests/ui/qt_test_app.h"
#include "tests/wordlist/doc_fixture.h"
#include "wordlist/list_import.h"

namespace tavrune {
namespace {

using Strings = std::vector<std::string>;

using testing::FakeTimer;

class QuizTest : public testing::DocTest {
 protected:
  QuizTest() {
    testing::EnsureQtApp();
    // ARTSS is made up, so that ARTS takes an end hook.
    app_.LexiconFor(LexiconId::kUKNA) =
        testing::MakeLexicon({"ACT", "CAT", "TAC", "SCAT", "CATS", "AT", "OE", "TOE", "QI", "ARTS",
                              "RATS", "STAR", "CARTS", "ARTSS", "BRATS"});
    settings_.PutInt("View", "Type", 1);
  }

  QuizBar& Quiz(std::initializer_list<std::string_view> words, ListType type,
                HookType hooks = HookType::kFront) {
    settings_.PutInt("Hooks", "Type", static_cast<int>(hooks));
    view_.reset();
    record_.reset();
    MakeList(words, type);
    record_ = std::make_unique<QuizRecord>(*doc_, settings_);
    view_ = std::make_unique<MTavruneView>(*doc_, *record_, settings_, prompt_);
    view_->resize(800, 600);
    view_->show();
    QuizBar* bar = view_->Quiz();
    EXPECT_NE(bar, nullptr);
    auto timer = std::make_unique<FakeTimer>();
    timer_ = timer.get();
    bar->SetMessageTimer(std::move(timer));
    return *bar;
  }
  // Types into the input as the player does; '\n' is Return.
  void Type(const QString& text) { testing::TypeText(view_->Quiz()->Input(), text); }
  // A list's entries, a ticked one with a leading '+'.
  Strings Shown(MSlideWnd::ListBit bit) const {
    const MStaticMatrix* list = view_->Slide()->List(bit);
    Strings shown;
    for (int i = 0; i < list->Count(); ++i) {
      shown.push_back((list->Marked(i) ? "+" : "") + list->Entry(i).toStdString());
    }
    return shown;
  }

  // Declared first, so it goes after the view that records into it.
  std::unique_ptr<QuizRecord> record_;
  std::unique_ptr<MTavruneView> view_;
  FakeTimer* timer_ = nullptr;
};

TEST_F(QuizTest, AWordWithoutHooksVerifiesAsNoneAndLeavesTheHistoryAlone) {
  QuizBar& bar = Quiz({"QI"}, ListType::kHooks);
  record_->SetCounts(2, 5);
  bar.Button(QuizBar::kVerify)->click();
  EXPECT_EQ(Shown(MSlideWnd::kMiddle), (Strings{" <<NONE>>"}));
  EXPECT_EQ(bar.Message(), "0 / 0");
  EXPECT_EQ(record_->CorrectAnswers(), 2);
  EXPECT_EQ(record_->TotalAnswers(), 5);
  EXPECT_FALSE(bar.Button(QuizBar::kAccept)->isEnabled());
  EXPECT_TRUE(bar.Button(QuizBar::kNext)->isDefault());
}

TEST_F(QuizTest, AFullStopMovesOnAndNeverReachesTheInput) {
  QuizBar& bar = Quiz({"ACT", "OE"}, ListType::kAnagrams);
  Type("CA.");
  EXPECT_EQ(doc_->CurrentIndex(), 1);
  Type("eo.");  // at the last word there is nowhere to go
  EXPECT_EQ(doc_->CurrentIndex(), 1);
  EXPECT_EQ(bar.Input()->text(), "EO");
  Type(",");
  EXPECT_EQ(doc_->CurrentIndex(), 0);
}

TEST_F(QuizTest, TwoListAnswersGoLeftAndRightAndCountOnce) {
  QuizBar& bar = Quiz({"CAT"}, ListType::kHooks, HookType::kFrontAndEnd);
  Type("cats\ncats\n");
  EXPECT_EQ(bar.AcceptedCount(), 1);
  EXPECT_EQ(Shown(MSlideWnd::kRight), (Strings{"CATS"}));
  EXPECT_EQ(bar.Message(), "Answers: 0  1");
  EXPECT_EQ(view_->AnswersPaneText(), "");  // the status switch is off
  Type("/");
  EXPECT_EQ(Shown(MSlideWnd::kLeft), (Strings{"SCAT"}));
  EXPECT_EQ(Shown(MSlideWnd::kRight), (Strings{"+CATS"}));
  EXPECT_EQ(bar.Message(), "1 / 2");
  EXPECT_EQ(record_->CorrectAnswers(), 1);
  EXPECT_EQ(record_->TotalAnswers(), 2);
}

TEST_F(QuizTest, AnagramsAndHooksAnswersAreReadAsFrontWordAndEnd) {
  QuizBar& bar = Quiz({"ARTS"}, ListType::kAnagramsAndHooks);
  const struct {
    const char* typed;
    bool accepted;
  } kCases[] = {{"C ARTS S", true}, {"ARTS", false}, {" STAR", true}, {"S  ARTS C", false}};
  for (const auto& c : kCases) {
    bar.Input()->setText(c.typed);
    bar.Accept();
    EXPECT_EQ(bar.Input()->text().isEmpty(), c.accepted) << c.typed;
    EXPECT_EQ(bar.Message() == "Unacceptable!", !c.accepted) << c.typed;
  }
  EXPECT_EQ(Shown(MSlideWnd::kMiddle), (Strings{"C ARTS S", " STAR"}));
}

TEST_F(QuizTest, AnEmptyAnswerIsSaidForFourSeconds) {
  QuizBar& bar = Quiz({"ACT"}, ListType::kAnagrams);
  Type("  \n");
  EXPECT_EQ(bar.Message(), "Empty Answer!");
  EXPECT_TRUE(timer_->running);
  EXPECT_EQ(timer_->period, QuizBar::kMessageMs);
  bar.ClearMessage();
  EXPECT_EQ(bar.Message(), "");
  EXPECT_FALSE(timer_->running);
}

TEST_F(QuizTest, UntouchedInputAcceptsTheTileArrangement) {
  settings_.PutInt("SlideWindow", "ViewTiles", 1);
  QuizBar& bar = Quiz({"ACT"}, ListType::kAnagrams);
  ASSERT_EQ(view_->Slide()->TileArrangement(), "ACT");
  bar.Button(QuizBar::kAccept)->click();
  EXPECT_EQ(Shown(MSlideWnd::kMiddle), (Strings{"ACT"}));
}

TEST_F(QuizTest, VerifyingTwiceCountsTheWordOnce) {
  QuizBar& bar = Quiz({"ACT"}, ListType::kAnagrams);
  Type("cat/");
  Type("/");
  EXPECT_EQ(Shown(MSlideWnd::kMiddle), (Strings{"ACT", "+CAT", "TAC"}));
  EXPECT_EQ(bar.Message(), "1 / 3");
  EXPECT_EQ(record_->CorrectAnswers(), 1);
  EXPECT_EQ(record_->TotalAnswers(), 3);
  EXPECT_EQ(testing::AllWords(record_->MissedWords(ListType::kAnagrams)), (Strings{"ACT", "TAC"}));
}

TEST_F(QuizTest, MissedWordsBecomeANewListOfTheSameType) {
  Quiz({"ARTS", "AT", "CAT", "OE", "RATS"}, ListType::kHooks);
  // Only AT (CAT) and CAT (SCAT) are answered in full.
  Type("/.cat\n/.scat\n/./.");
  Type("/");
  EXPECT_EQ(testing::AllWords(record_->MissedWords(ListType::kHooks)),
            (Strings{"ARTS", "OE", "RATS"}));

  prompt_.Script({UserPrompt::Answer::kNo});
  ASSERT_TRUE(TakeMissedWords(*doc_, record_->MissedWords(doc_->GetListType())));
  EXPECT_EQ(prompt_.QuestionIds(), (std::vector<int>{kSaveChangesText}));
  EXPECT_EQ(Master(), (Strings{"ARTS", "OE", "RATS"}));
  EXPECT_EQ(doc_->GetListType(), ListType::kHooks);
  EXPECT_EQ(doc_->Description(), "Missed words");
  EXPECT_NE(view_->Quiz(), nullptr);
}

TEST_F(QuizTest, MissedWordsAreKeptByQuizKind) {
  Quiz({"CAT", "QI"}, ListType::kHooks);
  Type("/");  // CAT misses its hook
  doc_->SetListType(ListType::kAnagrams);
  Type("act/");  // CAT and TAC missed
  doc_->SetListType(ListType::kBuild);
  EXPECT_EQ(testing::AllWords(record_->MissedWords(ListType::kHooks)), (Strings{"CAT"}));
  EXPECT_EQ(testing::AllWords(record_->MissedWords(ListType::kAnagrams)), (Strings{"CAT", "TAC"}));

  QuizHistoryDialog dialog(*record_, doc_->GetListType());
  const struct {
    ListType type;
    const char* count;
  } kCounts[] = {{ListType::kHooks, "1"},
                 {ListType::kAnagrams, "2"},
                 {ListType::kAnagramsAndHooks, "0"},
                 {ListType::kBuild, "0"}};
  for (const auto& c : kCounts) {
    EXPECT_EQ(dialog.MissedLabel(c.type)->text(), c.count) << ListTypeName(c.type);
  }
  EXPECT_FALSE(dialog.StudyMissedButton()->isEnabled()) << "nothing missed in a Build quiz";

  // The Hooks misses make a Hooks list, whatever was quizzed last.
  doc_->SetListType(ListType::kHooks);
  prompt_.Script({UserPrompt::Answer::kNo});
  ASSERT_TRUE(TakeMissedWords(*doc_, record_->MissedWords(doc_->GetListType())));
  EXPECT_EQ(Master(), (Strings{"CAT"}));
  EXPECT_EQ(doc_->GetListType(), ListType::kHooks);
}

TEST_F(QuizTest, OpeningAListResetsTheHistoryWhenAsked) {
  testing::TempFolder folder;
  const std::string path = folder.File("list.tvr");
  Quiz({"ACT"}, ListType::kAnagrams);
  ASSERT_TRUE(doc_->SaveDocumentAs(path));
  Type("/");
  doc_->OpenDocument(path);
  EXPECT_EQ(record_->TotalAnswers(), 3) << "without the switch the history grows on";
  record_->SetAutoReset(true);
  doc_->OpenDocument(path);
  EXPECT_EQ(record_->TotalAnswers(), 0);
  EXPECT_EQ(record_->MissedWords(ListType::kAnagrams).Count(), 0);
}

TEST_F(QuizTest, HistoryDialogShowsThePercentageAndResets) {
  MakeDoc();
  record_ = std::make_unique<QuizRecord>(*doc_, settings_);
  record_->SetCounts(7, 9);
  QuizHistoryDialog dialog(*record_, doc_->GetListType());
  EXPECT_EQ(dialog.PercentageLabel()->text(), "77.78%");
  EXPECT_FALSE(dialog.StudyMissedButton()->isEnabled());
  dialog.AutoResetCheck()->click();
  EXPECT_TRUE(record_->AutoReset());
  EXPECT_EQ(settings_.GetInt("Quiz", "AutoReset", 0), 1);
  dialog.ResetButton()->click();
  EXPECT_EQ(dialog.CorrectLabel()->text(), "0");
  EXPECT_EQ(dialog.PercentageLabel()->text(), "0.00%");
}

}  // namespace
}  // namespace tavrune
