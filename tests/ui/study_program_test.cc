#include "study/ui/study_program.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <set>

#include "cardbox/cardbox.h"
#include "engine/lexicon_builder.h"
#include "inspect/ui/word_inspector_window.h"
#include "judge/ui/word_judge_dialog.h"
#include "search/ui/custom_list_dialog.h"
#include "study/frame_state.h"
#include "study/settings_table.h"
#include "study/ui/control_bar.h"
#include "study/ui/help_window.h"
#include "study/ui/quiz_bar.h"
#include "study/ui/single_instance.h"
#include "study/ui/tavrune_view.h"
#include "tests/support/lexicon_fixture.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/wordnet_fixture.h"
#include "tests/ui/qt_test_app.h"
#include "wordlist/ui/predefined_lists_dialog.h"

namespace tavrune {
namespace {

using Answer = UserPrompt::Answer;

// A program folder with small lexicons, a one-category catalogue and tips.
class StudyProgramTest : public ::testing::Test {
 protected:
  StudyProgramTest() {
    testing::EnsureQtApp();
    std::filesystem::create_directories(folder_.File("Lexicons"));
    std::filesystem::create_directories(folder_.File("PgmLists"));
    WriteText("PgmLists/Master.txt", "2Letter Two.txt D\n");
    WriteText("PgmLists/Two.txt", "2\nGeneral\n All PAT ??\n");
    WriteText("Tips.txt", "First tip\n\nSecond tip\n");
    WriteSetting(settings_, setting::general::kShowWelcome, 0);
  }

  void WriteText(const char* name, const std::string& text) {
    std::ofstream(folder_.File(name)) << text;
  }
  void WriteLexicons(std::initializer_list<LexiconId> ids) {
    for (LexiconId id : ids) {
      LexiconBuilder builder;
      builder.SetName("Test list");
      builder.SetDescription("test");
      for (const char* word : {"AA", "AB", "BA", "QI", "ZA", "CAT", "ACT", "CATS", "SCAT"}) {
        builder.AddWord(word);
      }
      ASSERT_TRUE(builder.WriteFile(folder_.path() + "/" + std::string(LexiconFileName(id))));
    }
  }
  StudyProgram& Start(const std::string& file = "", bool new_list_flow = false) {
    StudyProgram::Hooks hooks;
    hooks.choose_dictionary = [this](const DictionaryOffer& offer) {
      offers_.push_back(offer);
      return Index(offer.preselected);
    };
    hooks.show_welcome = [this](std::vector<std::string> tips) {
      tips_shown_ = std::move(tips);
      return true;
    };
    hooks.new_list_flow = new_list_flow;
    hooks.cardbox_path = CardboxPath();
    hooks.clock = [this] { return now_; };
    program_ = std::make_unique<StudyProgram>(folder_.path(), settings_, prompt_, hooks);
    started_ = program_->Start(file);
    if (started_) Frame().SetFileChooser([this](FileDialogKind) { return chosen_file_; });
    return *program_;
  }
  MMainFrame& Frame() { return *program_->Frame(); }
  MTavruneDoc& Doc() { return *program_->Doc(); }
  // Accepts the next modal dialog once it is up.
  static void AcceptNextDialog() {
    QTimer::singleShot(0, [] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        dialog->accept();
      }
    });
  }
  // A saved list of the two-letter words with a description.
  std::string SavedList() {
    const std::string path = folder_.File("twos.tvr");
    AcceptNextDialog();
    Frame().Run(Command::kNewPredefinedList);
    Doc().SetDescription("Two letter words");
    chosen_file_ = path;
    Frame().Run(Command::kSaveAs);
    return path;
  }
  std::string CardboxPath() { return folder_.File("data/cardbox.sqlite"); }
  const testing::RecordingPrompt::Shown& LastMessage() {
    static const testing::RecordingPrompt::Shown kNone;
    return prompt_.messages.empty() ? kNone : prompt_.messages.back();
  }
  static bool HasAction(const QMenu* menu, const QString& text) {
    for (const QAction* action : menu->actions()) {
      if (action->text() == text) return true;
    }
    return false;
  }

  testing::TempFolder folder_;
  MemorySettings settings_;
  testing::RecordingPrompt prompt_;
  std::unique_ptr<StudyProgram> program_;
  bool started_ = false;
  std::vector<DictionaryOffer> offers_;
  std::vector<std::string> tips_shown_;
  std::optional<std::string> chosen_file_;
  int64_t now_ = 1773482400;
};

TEST_F(StudyProgramTest, OneLexiconStartsWithoutAChoiceAndWithoutWordSourceCommands) {
  WriteLexicons({LexiconId::kNA});
  Start();
  ASSERT_TRUE(started_);
  EXPECT_TRUE(offers_.empty());
  EXPECT_EQ(Frame().windowTitle(), "Tavrune - Untitled");
  EXPECT_FALSE(HasAction(Frame().EditMenu(), "Remove &British Words"));
  EXPECT_FALSE(HasAction(Frame().OptionsMenu(), "&Dictionary..."));
  EXPECT_TRUE(prompt_.messages.empty());
}

// The word-source group goes with the line that set it apart.
TEST_F(StudyProgramTest, WithoutTheWordSourceCommandsTheEditMenuShowsNoDoubleLine) {
  WriteLexicons({LexiconId::kNA});
  Start();
  QMenu* edit = Frame().EditMenu();
  edit->adjustSize();
  bool after_line = true;  // a line may not open the menu either
  for (QAction* action : edit->actions()) {
    if (edit->actionGeometry(action).isEmpty()) continue;
    EXPECT_FALSE(after_line && action->isSeparator())
        << "before " << edit->actions().indexOf(action);
    after_line = action->isSeparator();
  }
  EXPECT_FALSE(after_line);
}

TEST_F(StudyProgramTest, AllThreeSourcesKeepTheWordSourceCommands) {
  WriteLexicons({LexiconId::kUK, LexiconId::kNA, LexiconId::kUKNA});
  Start();
  ASSERT_EQ(offers_.size(), 1u);
  EXPECT_TRUE(HasAction(Frame().EditMenu(), "Remove &British Words"));
  EXPECT_TRUE(HasAction(Frame().OptionsMenu(), "&Dictionary..."));
  EXPECT_EQ(Frame().PaneText(MMainFrame::kPositionPane), "0 / 0");
  EXPECT_EQ(Frame().PaneText(MMainFrame::kLexiconPane), "Test list: test");
}

TEST_F(StudyProgramTest, WelcomeTipsAreShownAndCanBeTurnedOff) {
  WriteLexicons({LexiconId::kNA});
  WriteSetting(settings_, setting::general::kShowWelcome, 1);
  Start();
  EXPECT_EQ(tips_shown_.size(), 2u);
  EXPECT_FALSE(program_->App().ShowWelcome());
}

TEST_F(StudyProgramTest, NewPredefinedListSavedAndOpenedAgainAtTheSameEntry) {
  WriteLexicons({LexiconId::kNA});
  AcceptNextDialog();
  Start("", true);
  ASSERT_EQ(Doc().EntryCount(), 5);
  EXPECT_EQ(Doc().Description(), "2Letter.General.All");
  Frame().Run(Command::kNext);
  Frame().Run(Command::kNext);
  EXPECT_EQ(Frame().View()->Slide()->Word(), "BA");
  chosen_file_ = folder_.File("twos");
  Frame().Run(Command::kSaveAs);
  EXPECT_EQ(Frame().windowTitle(), "Tavrune - twos.tvr (2Letter.General.All)");
  EXPECT_FALSE(Frame().Action(Command::kSave)->isEnabled());

  QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
  Frame().Run(Command::kNewPredefinedList);  // cancelled dialog: an empty list
  EXPECT_EQ(Doc().EntryCount(), 0);
  ASSERT_TRUE(Frame().OpenFile(folder_.File("twos.tvr")));
  EXPECT_EQ(Frame().View()->Slide()->Word(), "BA");
  EXPECT_EQ(Frame().PaneText(MMainFrame::kPositionPane), "3 / 5");
}

TEST_F(StudyProgramTest, TitleShowsTheFirstLineOfALongDescription) {
  WriteLexicons({LexiconId::kNA});
  Start();
  const std::string description = std::string(250, 'N') + "\nsecond line";
  Doc().SetDescription(description);
  EXPECT_EQ(Frame().windowTitle().toStdString(),
            "Tavrune - Untitled (" + std::string(200, 'N') + ")");
  EXPECT_EQ(Doc().Description(), description);
  Doc().SetModifiedFlag(false);
}

// Every place that would drop a modified list asks first; Cancel keeps it.
TEST_F(StudyProgramTest, CancelInTheSaveQuestionKeepsTheList) {
  WriteLexicons({LexiconId::kNA});
  Start();
  const std::string saved = SavedList();
  Frame().Run(Command::kNext);
  ASSERT_TRUE(Doc().IsModified());
  prompt_.Script({Answer::kCancel, Answer::kCancel, Answer::kCancel});
  Frame().Run(Command::kNewPredefinedList);
  EXPECT_FALSE(Frame().OpenFile(saved));
  EXPECT_FALSE(Frame().close());
  EXPECT_EQ(prompt_.QuestionIds(), (std::vector<int>{61440, 61440, 61440}));
  EXPECT_EQ(Doc().EntryCount(), 5);
  EXPECT_EQ(Doc().CurrentIndex(), 1);
  EXPECT_TRUE(Doc().IsModified());
}

TEST_F(StudyProgramTest, EveryNewCommandAsksFirstAndStartsFromAnEmptyList) {
  WriteLexicons({LexiconId::kNA});
  Start();
  for (Command command :
       {Command::kNewPredefinedList, Command::kNewCustomList, Command::kNewRandomRacks}) {
    SCOPED_TRACE(static_cast<int>(command));
    SavedList();
    Frame().Run(Command::kNext);
    prompt_.Script({Answer::kCancel});
    Frame().Run(command);
    EXPECT_EQ(Doc().EntryCount(), 5);
    EXPECT_TRUE(Doc().IsModified());

    prompt_.Script({Answer::kNo});
    QDialog* shown = nullptr;
    QTimer::singleShot(0, [&shown] {
      shown = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (shown != nullptr) shown->reject();
    });
    Frame().Run(command);
    EXPECT_NE(shown, nullptr);
    EXPECT_EQ(Doc().EntryCount(), 0);
    EXPECT_FALSE(Doc().IsModified());
  }
}

// The menu item and the command itself both show or hide the bar.
TEST_F(StudyProgramTest, TheBarCommandsHideAndShowTheirBars) {
  WriteLexicons({LexiconId::kNA});
  Start();
  struct Case {
    Command command;
    QWidget* bar;
  };
  for (const Case& c : {Case{Command::kViewToolbar, Frame().ToolBar()},
                        Case{Command::kViewStatusBar, Frame().statusBar()}}) {
    QAction* action = Frame().Action(c.command);
    action->trigger();
    EXPECT_FALSE(c.bar->isVisible());
    EXPECT_FALSE(action->isChecked());
    Frame().Run(c.command);
    EXPECT_TRUE(c.bar->isVisible());
    EXPECT_TRUE(action->isChecked());
  }
}

TEST_F(StudyProgramTest, GoToOtherWithoutAChangeLeavesTheListUnmodified) {
  WriteLexicons({LexiconId::kNA});
  Start();
  SavedList();
  ASSERT_FALSE(Doc().IsModified());
  AcceptNextDialog();
  Frame().Run(Command::kGoToOther);
  EXPECT_FALSE(Doc().IsModified());
}

TEST_F(StudyProgramTest, NextWordWithAnswerAtTheEndSaysSo) {
  WriteLexicons({LexiconId::kNA});
  Start();
  SavedList();
  Frame().Run(Command::kSlideShowHooks);
  Frame().Run(Command::kGoToLast);
  Frame().Run(Command::kNextWithAnswer);
  EXPECT_EQ(prompt_.MessageIds(), std::vector<int>{40017});
  EXPECT_TRUE(Frame().Action(Command::kSlideShowHooks)->isChecked());
}

TEST_F(StudyProgramTest, ViewQuizSwitchesToTheQuizBarAndBack) {
  WriteLexicons({LexiconId::kNA});
  Start();
  SavedList();
  Frame().Run(Command::kQuizHooks);
  EXPECT_NE(Frame().View()->Quiz(), nullptr);
  EXPECT_TRUE(Frame().Action(Command::kQuizHooks)->isChecked());
  EXPECT_FALSE(Frame().Action(Command::kSlideShowHooks)->isChecked());
  Frame().Run(Command::kSlideShowHooks);
  EXPECT_EQ(Frame().View()->Quiz(), nullptr);
  EXPECT_FALSE(Frame().Action(Command::kQuizHooks)->isChecked());
}

TEST_F(StudyProgramTest, WordInspectorOpensOnTheWordAndFollowsTheListWhenAsked) {
  WriteLexicons({LexiconId::kNA});
  Start();
  SavedList();
  Frame().Run(Command::kWordInspector);
  WordInspectorWindow* inspector = Frame().Inspector();
  ASSERT_NE(inspector, nullptr);
  EXPECT_TRUE(inspector->isVisible());
  EXPECT_FALSE(inspector->isModal());
  const QString first = Latin1(Doc().CurrentEntry());
  EXPECT_EQ(inspector->ShownWord(), first);

  Frame().Run(Command::kNext);
  EXPECT_EQ(inspector->ShownWord(), first);
  inspector->FollowBox()->click();
  Frame().Run(Command::kNext);
  EXPECT_EQ(inspector->ShownWord(), Latin1(Doc().CurrentEntry()));

  emit Frame().View()->wordDoubleClicked("CATS");
  EXPECT_EQ(Frame().Inspector(), inspector);
  EXPECT_EQ(inspector->ShownWord(), "CATS");
}

TEST_F(StudyProgramTest, ShowDefinitionsPutsTheFirstSenseUnderTheAnswersAfterVerify) {
  const std::string wordnet = folder_.File("wordnet");
  std::filesystem::create_directories(wordnet);
  testing::WordNetFixture()
      .Sense("noun", "qi", 'n', "the circulating life energy")
      .Sense("noun", "qi", 'n', "a second sense")
      .Write(wordnet);
  qputenv("TAVRUNE_WORDNET_DIR", QByteArray::fromStdString(wordnet));
  WriteLexicons({LexiconId::kNA});
  Start();
  SavedList();
  Frame().Run(Command::kQuizHooks);
  while (Doc().CurrentEntry() != "QI") Frame().Run(Command::kNext);
  const MSlideWnd& slide = *Frame().View()->Slide();
  Frame().View()->Quiz()->Verify();
  EXPECT_EQ(slide.Definition(), "");

  Frame().Run(Command::kShowDefinitions);
  EXPECT_TRUE(Frame().Action(Command::kShowDefinitions)->isChecked());
  EXPECT_EQ(settings_.GetInt("General", "ShowDefinitions", -1), 1);
  EXPECT_EQ(slide.Definition(), "noun: the circulating life energy");
  Frame().Run(Command::kPrevious);
  EXPECT_EQ(slide.Definition(), "");
  qunsetenv("TAVRUNE_WORDNET_DIR");
}

TEST_F(StudyProgramTest, ClosingWritesTheSettingsBack) {
  WriteLexicons({LexiconId::kNA});
  Start();
  Frame().resize(700, 500);
  Frame().View()->SetFontSize(2);
  Frame().View()->SetColour(MTavruneView::Colour::kSlideBackground, {1, 2, 3});
  ASSERT_TRUE(Frame().close());
  program_.reset();
  EXPECT_EQ(settings_.GetInt("Dictionary", "AnswerSource", -1), 1);
  const PlacementRect placement = ParsePlacement(settings_.GetString("WindowSize", "Position", ""));
  EXPECT_EQ(placement.Width(), 700);
  EXPECT_EQ(placement.Height(), 500);
  EXPECT_EQ(settings_.GetInt("SlideWindow", "FontSize", 1), 2);
  EXPECT_EQ(settings_.GetString("SlideWindow", "SlideBG", ""), "1 2 3");
}

// A killed program, or a print run beside it, finds every choice made so far.
TEST_F(StudyProgramTest, ChoicesAreWrittenAsTheyAreMade) {
  WriteLexicons({LexiconId::kNA});
  Start();
  const std::string saved = SavedList();
  Frame().Run(Command::kShowWelcome);
  Frame().Run(Command::kFontLarge);
  Frame().Run(Command::kQuizHooks);
  EXPECT_EQ(settings_.GetInt("General", "ShowWelcome", -1), 1);
  EXPECT_EQ(settings_.GetInt("SlideWindow", "FontSize", -1), 2);
  EXPECT_EQ(settings_.GetInt("View", "Type", -1), 1);
  EXPECT_EQ(settings_.GetInt("Display", "Type", -1), static_cast<int>(ListType::kHooks));
  EXPECT_EQ(settings_.GetString("Recent File List", "File1", ""), saved);
  EXPECT_EQ(settings_.GetString("FileDialog", "LastFolder", ""), folder_.path());
}

// The empty list shown while starting is a List, which has no quiz; the
// player's quiz mode waits for the list opened after it.
TEST_F(StudyProgramTest, AStoredQuizModeOutlivesTheListShownAtStartUp) {
  WriteLexicons({LexiconId::kNA});
  Start();
  Frame().Run(Command::kSlideShowAnagrams);
  Doc().SetModifiedFlag(false);
  const std::string saved = SavedList();
  program_.reset();
  WriteSetting(settings_, setting::view::kType, 1);
  WriteSetting(settings_, setting::display::kType, static_cast<int>(ListType::kList));

  Start(saved);
  EXPECT_NE(Frame().View()->Quiz(), nullptr);
  EXPECT_TRUE(Frame().Action(Command::kQuizAnagrams)->isChecked());
  program_.reset();
  EXPECT_EQ(settings_.GetInt("View", "Type", 0), 1);
}

TEST_F(StudyProgramTest, HelpShowsTheManualInItsOwnWindowAtTheChapterAsked) {
  WriteLexicons({LexiconId::kNA});
  Start();
  Frame().Run(Command::kHelpIndex);  // no manual beside the program
  EXPECT_EQ(prompt_.MessageIds(), std::vector<int>{40003});

  std::filesystem::create_directories(folder_.File("docs"));
  WriteText("docs/manual.html",
            "<html><head><title>Manual</title></head><body><h2 id='contents'>Contents</h2>"
            "<h2 id='word-judge'>Word Judge</h2></body></html>");
  Frame().Run(Command::kHelpIndex);
  auto* help = Frame().findChild<HelpWindow*>();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->Browser()->source().fragment(), "contents");

  // A dialog's Help button: the window is the dialog's, which would block
  // any other.
  QString chapter;
  QTimer::singleShot(0, [&chapter] {
    auto* dialog = qobject_cast<WordJudgeDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->HelpButton()->click();
    if (auto* dialog_help = dialog->findChild<HelpWindow*>()) {
      chapter = dialog_help->Browser()->source().fragment();
    }
    dialog->reject();
  });
  Frame().Run(Command::kWordJudge);
  EXPECT_EQ(chapter, "word-judge");
}

// At the first start nothing hides behind the toolbar's chevron and every
// status pane, the message pane too, has room for its text.
TEST_F(StudyProgramTest, TheFirstWindowShowsTheWholeToolbarAndStatusBar) {
  WriteLexicons({LexiconId::kNA});
  Start();
  QApplication::processEvents();
  EXPECT_GE(Frame().width(), 599);
  EXPECT_GE(Frame().height(), 479);
  QToolBar* tools = Frame().ToolBar();
  for (QAction* action : tools->actions()) {
    if (action->isSeparator()) continue;
    const QWidget* button = tools->widgetForAction(action);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->isVisible()) << action->toolTip().toStdString();
    EXPECT_TRUE(tools->rect().contains(button->geometry())) << action->toolTip().toStdString();
  }
  for (const QLabel* pane : Frame().statusBar()->findChildren<QLabel*>()) {
    EXPECT_GE(pane->width(), pane->minimumSizeHint().width()) << pane->text().toStdString();
  }
  // A long operation's text shows whole before the operation starts.
  const QString text = QStringLiteral("Arranging Anagram presentation ...");
  Frame().ShowStatusText(text);
  const QLabel* message = Frame().statusBar()->findChildren<QLabel*>().value(0);
  ASSERT_EQ(message->text(), text);
  EXPECT_GE(message->width(), message->fontMetrics().horizontalAdvance(text));
  Frame().ShowStatusText(QStringLiteral(" "));
  for (const QLabel* pane : Frame().statusBar()->findChildren<QLabel*>()) {
    EXPECT_TRUE(pane->isVisible());
  }
}

// Alt and a button's letter must not open a menu instead.
TEST_F(StudyProgramTest, TheBarsButtonLettersClashWithNoMenu) {
  WriteLexicons({LexiconId::kNA});
  Start();
  SavedList();
  std::set<QKeySequence> menu_keys;
  for (const QAction* menu : Frame().menuBar()->actions()) {
    menu_keys.insert(QKeySequence::mnemonic(menu->text()));
  }
  for (Command mode : {Command::kSlideShowHooks, Command::kQuizHooks}) {
    Frame().Run(mode);
    for (const QPushButton* button : Frame().View()->Control()->findChildren<QPushButton*>()) {
      EXPECT_EQ(menu_keys.count(QKeySequence::mnemonic(button->text())), 0u)
          << button->text().toStdString();
    }
  }
}

// Customize prunes the list's own words; it needs words to work on.
TEST_F(StudyProgramTest, CustomizeKeepsTheWordsOfTheSearch) {
  WriteLexicons({LexiconId::kNA});
  Start();
  EXPECT_FALSE(Frame().Action(Command::kCustomize)->isEnabled());
  EXPECT_TRUE(Frame().Action(Command::kImportCustomList)->isEnabled());
  SavedList();
  ASSERT_TRUE(Frame().Action(Command::kCustomize)->isEnabled());
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<CustomListDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->NewSearchButton()->isEnabled());
    dialog->SelectType("Jumble", "Contains Any");
    QTest::keyClicks(dialog->Input(SearchField::kPattern1), "QZ");
    dialog->SearchButton()->click();
    dialog->OkButton()->click();
  });
  Frame().Run(Command::kCustomize);
  EXPECT_EQ(Doc().EntryCount(), 2);
  EXPECT_EQ(Doc().CurrentEntry(), "QI");
}

TEST_F(StudyProgramTest, TheQuizGradesTheCardboxQuestionsItVerifiesAndUndoTakesThemBack) {
  WriteLexicons({LexiconId::kNA});
  Start();
  SavedList();
  Frame().Run(Command::kQuizAnagrams);
  Frame().Run(Command::kAddListToCardbox);
  EXPECT_EQ(LastMessage().id, 40216);
  EXPECT_EQ(LastMessage().args, (std::vector<std::string>{"NA Anagrams", "4", "0", "0"}));

  Frame().Run(Command::kSlideShowList);
  now_ += 60;
  prompt_.Script({Answer::kNo});  // the list shown is not saved
  Frame().Run(Command::kStudyDueWords);
  ASSERT_NE(Frame().View()->Quiz(), nullptr);
  EXPECT_EQ(Doc().GetListType(), ListType::kAnagrams);
  EXPECT_EQ(Doc().EntryCount(), 4);
  EXPECT_EQ(Doc().Description().rfind("Cardbox, NA Anagrams: the 4 questions due at", 0), 0u)
      << Doc().Description();

  Doc().GoToEntry(Doc().FindEntry("AB"));
  QuizBar& quiz = *Frame().View()->Quiz();
  quiz.Input()->setText(QStringLiteral("AB"));
  quiz.Verify();  // BA not given
  ASSERT_FALSE(prompt_.status_texts.empty());
  EXPECT_EQ(prompt_.status_texts.back().id, 40210);
  EXPECT_EQ(prompt_.status_texts.back().args[1], "0");
  quiz.Verify();
  const std::vector<int> shown = prompt_.StatusIds();
  EXPECT_EQ(std::count(shown.begin(), shown.end(), 40210), 1);

  Doc().GoToEntry(Doc().FindEntry("AZ"));
  quiz.Input()->setText(QStringLiteral("ZA"));
  quiz.Verify();
  EXPECT_EQ(prompt_.status_texts.back().id, 40209);
  EXPECT_EQ(prompt_.status_texts.back().args[1], "1");

  Frame().Run(Command::kUndoLastGrade);
  EXPECT_EQ(prompt_.status_texts.back().id, 40218);
  EXPECT_EQ(prompt_.status_texts.back().args[0], "AZ");
  EXPECT_EQ(prompt_.status_texts.back().args[2], "0");
}

TEST_F(StudyProgramTest, StartUpSaysOnceTheWindowShowsHowManyCardsAreDue) {
  WriteLexicons({LexiconId::kNA});
  Start();
  QCoreApplication::processEvents();
  EXPECT_FALSE(std::filesystem::exists(CardboxPath()));
  program_.reset();

  {
    Cardbox cardbox([this] { return now_; }, 1);
    ASSERT_TRUE(cardbox.Open(CardboxPath()).ok());
    AddCounts counts;
    ASSERT_TRUE(cardbox.Add({"NA", CardKind::kHooks}, {"AA", "QI", "ZA"}, &counts).ok());
  }
  prompt_.Clear();
  Start();
  EXPECT_NE(prompt_.CurrentStatus(), 40207);
  QCoreApplication::processEvents();
  EXPECT_EQ(prompt_.status_texts.back().id, 40207);
  EXPECT_EQ(prompt_.status_texts.back().args, (std::vector<std::string>{"3"}));
}

TEST_F(StudyProgramTest, CardboxImportAndExportGoThroughZyzzyvaQuizFiles) {
  WriteLexicons({LexiconId::kNA});
  Start();
  SavedList();
  Frame().Run(Command::kQuizHooks);
  Frame().Run(Command::kExportCardbox);
  EXPECT_EQ(LastMessage().id, 40226);
  Frame().Run(Command::kAddListToCardbox);

  chosen_file_ = folder_.File("Hooks.db");
  Frame().Run(Command::kExportCardbox);
  EXPECT_EQ(LastMessage().id, 40221);
  EXPECT_EQ(LastMessage().args[0], "5");
  Frame().Run(Command::kImportCardbox);
  EXPECT_EQ(LastMessage().id, 40220);
  EXPECT_EQ(LastMessage().args, (std::vector<std::string>{"Hooks.db", "0", "5", "0", "0"}));

  WriteText("Anagrams.db", "not a database");
  chosen_file_ = folder_.File("Anagrams.db");
  Frame().Run(Command::kImportCardbox);
  EXPECT_EQ(LastMessage().id, 40206);
  EXPECT_EQ(LastMessage().args[0], *chosen_file_);
}

TEST(SingleInstanceTest, ASecondStartHandsItsFileToTheFirst) {
  testing::EnsureQtApp();
  const QString name = QStringLiteral("tavrune-test-%1").arg(QCoreApplication::applicationPid());
  SingleInstance first(name);
  ASSERT_TRUE(first.Claim(QString()));
  QString received = QStringLiteral("nothing");
  QObject::connect(&first, &SingleInstance::activationRequested,
                   [&](const QString& path) { received = path; });
  SingleInstance second(name);
  EXPECT_FALSE(second.Claim(QStringLiteral("/lists/twos.tvr")));
  EXPECT_TRUE(QTest::qWaitFor([&] { return received != "nothing"; }));
  EXPECT_EQ(received, "/lists/twos.tvr");
}

}  // namespace
}  // namespace tavrune
