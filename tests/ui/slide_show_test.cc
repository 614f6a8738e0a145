#include <gtest/gtest.h>

#include <QImage>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStringList>
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
    view_.reset();
    record_.reset();
    MakeList(words, type);
    record_ = std::make_unique<QuizRecord>(*doc_, settings_);
    view_ = std::make_unique<MTavruneView>(*doc_, *record_, settings_, prompt_);
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

  std::unique_ptr<QuizRecord> record_;
  std::unique_ptr<MTavruneView> view_;
  FakeTimer* timer_ = nullptr;
};

TEST_F(SlideShowTest, AnswersComeOneByOneThenTheNextWord) {
  SlideBar& bar = Show({"ACT", "CAT", "TAC", "TOE"}, ListType::kAnagrams);
  bar.Start();
  EXPECT_EQ(Run(9000),
            (std::vector<std::string>{"2000 ACT 1", "4000 ACT 2", "6000 ACT 3", "9000 EOT 0"}));
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

TEST_F(SlideShowTest, TabGoesRoundEveryEnabledButtonAndEscapeOrSpaceStopsTheShow) {
  SlideBar& bar = Show({"ACT", "CAT", "TAC", "TOE", "OE"}, ListType::kHooks);
  doc_->DeleteCurrentEntry();
  doc_->GoToEntry(1);
  bar.Start();
  bar.Button(SlideBar::kShow)->click();
  view_->show();
  view_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(view_.get()));

  bar.Button(SlideBar::kPrevious)->setFocus();
  QStringList reached;
  for (int i = 0; i < 7; ++i) {
    QTest::keyClick(bar.focusWidget(), Qt::Key_Tab);
    reached << qobject_cast<QPushButton*>(bar.focusWidget())->text();
  }
  EXPECT_EQ(reached,
            QStringList({"&Next", "&Delete", "&<<", "&Stop", "&>>", "&Undelete", "&Previous"}));
  QTest::keyClick(bar.focusWidget(), Qt::Key_Backtab);
  EXPECT_EQ(bar.focusWidget(), bar.Button(SlideBar::kUndelete));

  for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Space}) {
    bar.Start();
    QTest::keyClick(bar.focusWidget(), key);
    EXPECT_FALSE(bar.IsRunning()) << key;
  }
  // Stopped, Space is the focused button's again.
  QTest::keyClick(bar.focusWidget(), Qt::Key_Space);
  EXPECT_EQ(doc_->EntryCount(), 5);
}

TEST_F(SlideShowTest, TheDefinitionComesWithTheLastAnswerAndGoesWithIt) {
  SlideBar& bar = Show({"ACT", "TOE"}, ListType::kAnagrams);
  view_->SetDefiner([](const std::vector<std::string>& words) {
    return QString::fromStdString("means " + words.front() + " of " + std::to_string(words.size()));
  });
  MSlideWnd& slide = *view_->Slide();
  EXPECT_EQ(slide.Definition(), "");
  bar.ShowNextAnswer();
  bar.ShowNextAnswer();
  EXPECT_EQ(slide.Definition(), "");
  bar.ShowNextAnswer();
  EXPECT_EQ(slide.Definition(), "means ACT of 3");
  bar.HideLastAnswer();
  EXPECT_EQ(slide.Definition(), "");
  bar.ShowAllAnswers();
  bar.Next();
  EXPECT_EQ(slide.Definition(), "");
  view_->SetDefiner(nullptr);
  bar.ShowAllAnswers();
  EXPECT_EQ(slide.Definition(), "");
}

TEST_F(SlideShowTest, DoubleClickingTheWordOrAnAnswerNamesItsWord) {
  SlideBar& bar = Show({"ACT"}, ListType::kAnagrams);
  bar.ShowAllAnswers();
  view_->resize(view_->sizeHint());
  view_->show();
  QSignalSpy spy(view_.get(), &MTavruneView::wordDoubleClicked);
  MStaticMatrix* answers = view_->Slide()->List(MSlideWnd::kMiddle);
  const int row_height = answers->Metrics().row_height;
  QTest::mouseDClick(answers, Qt::LeftButton, {},
                     QPoint(40, slide::CellTop(1, 0, row_height) + row_height / 2));
  QTest::mouseDClick(answers, Qt::LeftButton, {}, QPoint(40, answers->height() - 2));
  QTest::mouseDClick(view_->Slide()->findChild<WordDisplay*>(), Qt::LeftButton);
  ASSERT_EQ(spy.count(), 2);
  EXPECT_EQ(spy.at(0).at(0).toString(), "CAT");
  EXPECT_EQ(spy.at(1).at(0).toString(), "ACT");
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

// All answers at once: the bar stands at the bottom with the rows shown, and
// a scrolled list shows whole rows only.
TEST(SlideWidgetsTest, ABatchOfAnswersScrollsToTheEndAndShowsWholeRows) {
  testing::EnsureQtApp();
  MStaticMatrix list;
  const slide::ListMetrics metrics = slide::ListMetricsFor(16, 8, false, 0, 0);
  list.SetMetrics(metrics);
  list.SetColours(Qt::black, Qt::white);
  // Room for 8 rows and most of a ninth.
  list.resize(200, slide::ListSize(metrics, 1, 8).height + 15);
  list.SetDrawing(false);
  for (int i = 0; i < 177; ++i) list.AddEntry(QStringLiteral("WORD"), false);
  list.SetDrawing(true);
  auto* bar = list.findChild<QScrollBar*>();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->maximum(), 177 - 8);
  EXPECT_EQ(bar->value(), bar->maximum());
  EXPECT_EQ(bar->pageStep(), 8);
  EXPECT_EQ(list.FirstVisibleRow(), 177 - 8);

  bar->setValue(3);
  EXPECT_EQ(list.FirstVisibleRow(), 3);
  const QImage image = list.grab().toImage();
  for (int y = slide::CellTop(8, 0, 16); y < image.height(); ++y) {
    for (int x = 0; x < 200 - slide::kScrollBarWidth; ++x) {
      ASSERT_NE(image.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
    }
  }
}

// In three columns a line may start far from the cell's edge: its mark
// stands just before it.
TEST(SlideWidgetsTest, AMarkStandsBesideItsLine) {
  testing::EnsureQtApp();
  MStaticMatrix list;
  list.SetMetrics(slide::ListMetricsFor(16, 4, true, 19, 19));
  list.SetColours(Qt::black, Qt::white);
  list.resize(list.PreferredSize().width, list.PreferredSize().height);
  list.AddEntry(" ARTS S", true);
  list.AddEntry("CP ARTS", true);
  const QImage image = list.grab().toImage();
  for (int row = 0; row < 2; ++row) {
    int mark = -1;
    int text = -1;
    const int top = slide::CellTop(row, 0, 16);
    for (int x = 0; x < image.width() && text < 0; ++x) {
      for (int y = top; y < top + 16; ++y) {
        const QColor c = image.pixelColor(x, y);
        if (mark < 0 && c.green() > 100 && c.red() < 60 && c.blue() < 60) mark = x;
        if (c.red() > 200 && c.green() > 200 && c.blue() > 200) text = x;
      }
    }
    ASSERT_GE(mark, 0) << row;
    EXPECT_GT(text, mark) << row;
    EXPECT_LE(text - mark, slide::kMarkWidth + 2) << row;
  }
}

}  // namespace
}  // namespace tavrune
