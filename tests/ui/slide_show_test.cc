#include <gtest/gtest.h>

#include <QPushButton>
#include <memory>
#include <string>
#include <vector>

#include "study/ui/slide_bar.h"
#include "study/ui/slide_widgets.h"
#include "study/ui/tavrune_view.h"
#include "tests/ui/fake_timer.h"
#include "tests/ui/qt_test_app.h"
#include "tests/wordlist/doc_fixture.h"

namespace tavrune {
namespace {

using testing::FakeTimer;

class SlideShowTest : public testing::DocTest {
 protected:
  SlideShowTest() {
    testing::EnsureQtApp();
    app_.LexiconFor(LexiconId::kUKNA) =
        testing::MakeLexicon({"ACT", "CAT", "TAC", "TOE", "TOES", "OE"});
  }

  // The view over `words` as `type`, its bar on the fake clock.
  SlideBar& Show(std::initializer_list<std::string_view> words, ListType type) {
    MakeList(words, type);
    view_ = std::make_unique<MTavruneView>(*doc_, prompt_);
    auto timer = std::make_unique<FakeTimer>();
    timer_ = timer.get();
    view_->Bar()->SetTimer(std::move(timer));
    return *view_->Bar();
  }
  // Ticks until `until_ms`, noting at each tick the time, the word and the
  // answers shown.
  std::vector<std::string> Run(int until_ms) {
    std::vector<std::string> log;
    for (int now = timer_->period; timer_->running && now <= until_ms; now += timer_->period) {
      view_->Bar()->Tick();
      log.push_back(std::to_string(now) + " " + view_->Slide()->Word().toStdString() + " " +
                    std::to_string(view_->Bar()->LastShown() + 1));
    }
    return log;
  }

  std::unique_ptr<MTavruneView> view_;
  FakeTimer* timer_ = nullptr;
};

TEST_F(SlideShowTest, AnswersComeOneByOneThenTheNextWord) {
  SlideBar& bar = Show({"ACT", "CAT", "TAC", "TOE"}, ListType::kAnagrams);
  bar.Start();
  EXPECT_EQ(Run(9000), (std::vector<std::string>{"2000 ACT 1", "4000 ACT 2", "6000 ACT 3",
                                                 "9000 EOT 0"}));
  EXPECT_EQ(view_->Slide()->EntryCount(MSlideWnd::kMiddle), 0);
}

TEST_F(SlideShowTest, NoAnswersShowNoneThenTheShowRewindsAndStopsAtTheEnd) {
  settings_.PutInt("Hooks", "Type", static_cast<int>(HookType::kEnd));
  SlideBar& bar = Show({"OE", "TOE"}, ListType::kHooks);
  doc_->GoToEntry(1);  // TOE takes an S
  bar.Start();
  EXPECT_EQ(Run(5000), (std::vector<std::string>{"2000 TOE 1", "5000 OE 0"}));
  EXPECT_FALSE(timer_->running);
  EXPECT_TRUE(bar.Button(SlideBar::kStart)->isEnabled());

  bar.Start();
  Run(2000);
  EXPECT_EQ(view_->Slide()->List(MSlideWnd::kMiddle)->Entry(0), " <<NONE>>");
  EXPECT_EQ(bar.AnswerCount(0), 0);
}

TEST_F(SlideShowTest, ShowingAnAnswerEarlyKeepsTheClock) {
  SlideBar& bar = Show({"ACT", "CAT", "TAC"}, ListType::kAnagrams);
  bar.Start();
  bar.Button(SlideBar::kShow)->click();
  EXPECT_EQ(bar.LastShown(), 0);
  EXPECT_TRUE(timer_->running);
  EXPECT_EQ(timer_->period, 2000);
  EXPECT_TRUE(bar.Button(SlideBar::kHide)->isEnabled());
}

TEST_F(SlideShowTest, DeletingWhileRunningGoesOnWithTheNextWord) {
  SlideBar& bar = Show({"OE", "TOE", "ACT"}, ListType::kList);
  EXPECT_EQ(bar.kind(), SlideBar::Kind::kWordOnly);
  bar.Start();
  bar.Button(SlideBar::kDelete)->click();
  EXPECT_TRUE(timer_->running);
  EXPECT_EQ(view_->Slide()->Word(), "OE");
  EXPECT_TRUE(bar.Button(SlideBar::kUndelete)->isEnabled());
}

TEST_F(SlideShowTest, AStoredQuizModeComesUpAsASlideShowForAList) {
  settings_.PutInt("View", "Type", 1);
  Show({"OE"}, ListType::kList);
  EXPECT_EQ(view_->Mode(), 0);
  EXPECT_EQ(view_->AnswersPaneText(), "");
}

TEST(SlideWidgetsTest, TilesAreDraggedIntoPlaceAndBackWhenDroppedOutside) {
  testing::EnsureQtApp();
  MRackUI rack(true);
  rack.SetPixelSize(34);
  rack.SetText("ABCDE");
  rack.resize(rack.PreferredSize().width, rack.PreferredSize().height);
  rack.Lift(QPoint(10, 10));
  rack.Drop(QPoint(-5, 10));
  EXPECT_EQ(rack.Text(), "ABCDE");
  rack.Lift(QPoint(10, 10));
  rack.Drop(QPoint(3 * 42 + 10, 10));
  EXPECT_EQ(rack.Text(), "BCDAE");
}

TEST(SlideWidgetsTest, AListScrollsToShowItsNewestEntry) {
  testing::EnsureQtApp();
  MStaticMatrix list;
  const slide::ListMetrics metrics = slide::ListMetricsFor(16, 8, false, 0, 0);
  list.SetMetrics(metrics);
  list.resize(200, slide::ListSize(metrics, 1, 8).height);
  for (int i = 0; i < 9; ++i) list.AddEntry(QString::number(i), false);
  EXPECT_EQ(list.VisibleRowCount(), 8);
  EXPECT_TRUE(list.ScrollBarShown());
  EXPECT_EQ(list.FirstVisibleRow(), 1);
}

}  // namespace
}  // namespace tavrune
