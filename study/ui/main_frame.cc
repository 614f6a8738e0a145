#include "study/ui/main_frame.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <initializer_list>
#include <iterator>

#include "inspect/ui/word_inspector_window.h"
#include "print/ui/print_support.h"
#include "resources/string_table.h"
#include "study/ui/help_window.h"
#include "study/ui/study_pictures.h"
#include "study/ui/tavrune_view.h"
#include "wordlist/list_commands.h"
#include "wordlist/list_removal.h"
#include "wordlist/ui/working_dialog.h"

namespace tavrune {
namespace {

// In a list of menu or toolbar items, a line between groups.
constexpr Command kSeparator = Command::kCount;

bool HasEntries(const MTavruneDoc& doc) { return doc.EntryCount() > 0; }
bool HasAnswers(const MTavruneDoc& doc) { return doc.GetListType() != ListType::kList; }
bool HasEntriesWithAnswers(const MTavruneDoc& doc) { return HasEntries(doc) && HasAnswers(doc); }

template <typename Bar>
void AddCommands(Bar* bar, const MMainFrame& frame, std::initializer_list<Command> commands) {
  for (Command command : commands) {
    if (command == kSeparator) {
      bar->addSeparator();
    } else {
      bar->addAction(frame.Action(command));
    }
  }
}

}  // namespace

std::span<const MMainFrame::CommandEntry> MMainFrame::Commands() {
  using enum Command;
  using Frame = MMainFrame;
  using View = MTavruneView;
  static constexpr CommandEntry kCommands[] = {
      {kNewPredefinedList, "&New Predefined List...",
       "Create a new list from the predefined lists\nNew Predefined List", "", "new_predefined",
       [](Frame& f) {
         if (f.StartNewList()) f.ChoosePredefinedList(true);
       }},
      {kNewCustomList, "New Custom &List...",
       "Create a new list by searching the dictionary\nNew Custom List", "", "",
       [](Frame& f) {
         if (f.StartNewList()) f.ImportCustomList();
       }},
      {kNewRandomRacks, "New &Random Racks...",
       "Create a new list of random racks\nNew Random Racks", "", "",
       [](Frame& f) {
         if (f.StartNewList()) f.AddRandomRacks();
       }},
      {kOpen, "&Open...", "Open an existing list\nOpen", "Ctrl+O", "open",
       [](Frame& f) { f.Open(); }},
      {kSave, "&Save", "Save the list\nSave", "", "save", [](Frame& f) { f.Save(); },
       [](const MTavruneDoc& doc) { return doc.IsModified(); }},
      {kSaveAs, "Save &As...", "Save the list with a new name\nSave As", "", "",
       [](Frame& f) { f.SaveAs(); }},
      {kNotes, "No&tes...", "Edit the description and notes of the list\nList Notes", "", "",
       [](Frame& f) { f.Notes(); }},
      {kExport, "&Export...", "Write the words of the list to a text file\nExport", "", "",
       [](Frame& f) { f.Export(); }, CanExportText},
      {kPageSetup, "Page Set&up...", "Change the printing options\nPage Setup", "", "",
       [](Frame& f) { RunPageSetupCommand(f.context_.doc, f.context_.settings, &f); }},
      {kPrintPreview, "Print Pre&view", "Display full pages\nPrint Preview", "", "",
       [](Frame& f) { RunPrintPreviewCommand(f.context_.doc, f.context_.settings, &f); }},
      {kPrint, "&Print...", "Print the list\nPrint", "", "print",
       [](Frame& f) { RunPrintCommand(f.context_.doc, f.context_.settings, &f); }},
      {kExit, "E&xit", "Quit the program; prompts to save the list\nExit", "Ctrl+X", "",
       [](Frame& f) { f.close(); }},
      {kImportListFile, "&Tavrune (.tvr) File...",
       "Add the words of another list file\nImport List File", "", "",
       [](Frame& f) { f.ImportListFile(); }, CanImportWords},
      {kImportTextFile, "&Text (.txt) File...", "Add the words of a text file\nImport Text File",
       "", "", [](Frame& f) { f.ImportTextFile(); }, CanImportWords},
      {kImportPredefinedList, "&Predefined List...",
       "Add the words of a predefined list\nImport Predefined List", "", "",
       [](Frame& f) {
         if (CanImportWords(f.context_.doc)) f.ChoosePredefinedList(false);
       },
       CanImportWords},
      {kImportCustomList, "&Custom List...",
       "Add the words of a dictionary search\nImport Custom List", "", "",
       [](Frame& f) { f.ImportCustomList(); }, CanImportWords},
      {kCustomize, "&Customize...", "Remove words by customized search\nCustomize", "", "",
       [](Frame& f) { f.Customize(); }, CanCustomizeList},
      {kRemoveCommonWords, "&Remove Common Words...",
       "Remove the words another list file holds\nRemove Common Words", "", "",
       [](Frame& f) { f.RemoveCommonWords(); }, CanRemoveCommonWords},
      {kRemoveWordsWithAnswer, "Remo&ve Words With Answer",
       "Remove the words that have answers\nRemove Words With Answer", "", "",
       [](Frame& f) { RunAnswerRemoval(f.context_.doc, true, &f); }, CanRemoveWordsWithAnswers},
      {kRemoveWordsWithoutAnswer, "Remove Words Witho&ut Answer",
       "Remove the words that have no answer\nRemove Words Without Answer", "", "",
       [](Frame& f) { RunAnswerRemoval(f.context_.doc, false, &f); },
       CanRemoveWordsWithoutAnswers},
      {kRemoveBritishWords, "Remove &British Words",
       "Remove the words found in the British dictionary\nRemove British Words", "", "",
       [](Frame& f) { RemoveBritishWords(f.context_.doc); }, CanRemoveBritishWords},
      {kRemoveNorthAmericanWords, "Remove Nort&h American Words",
       "Remove the words found in the North American dictionary\nRemove North American Words",
       "", "", [](Frame& f) { RemoveNorthAmericanWords(f.context_.doc); },
       CanRemoveNorthAmericanWords},
      {kKeepBritishWords, "Keep Bri&tish Words",
       "Keep only the words found in the British dictionary\nKeep British Words", "", "",
       [](Frame& f) { KeepBritishWords(f.context_.doc); }, CanKeepBritishWords},
      {kKeepNorthAmericanWords, "Keep North A&merican Words",
       "Keep only the words found in the North American dictionary\nKeep North American Words",
       "", "", [](Frame& f) { KeepNorthAmericanWords(f.context_.doc); },
       CanKeepNorthAmericanWords},
      {kUndeleteAll, "Undelete &All", "Bring back every deleted word\nUndelete All", "", "",
       [](Frame& f) { f.context_.doc.UndeleteAll(); },
       [](const MTavruneDoc& doc) { return doc.CanUndelete(); }},
      {kGoToFirst, "&First", "Go to the first word in the list\nGo to First Word", "", "go_first",
       [](Frame& f) {
         if (HasEntries(f.context_.doc)) f.context_.doc.GoToEntry(0);
       },
       HasEntries},
      {kGoToLast, "&Last", "Go to the last word in the list\nGo to Last Word", "", "go_last",
       [](Frame& f) {
         MTavruneDoc& doc = f.context_.doc;
         if (HasEntries(doc)) doc.GoToEntry(doc.EntryCount() - 1);
       },
       HasEntries},
      {kGoToOther, "&Other...", "Go to any other word in the list\nGo to another Word", "",
       "go_other", [](Frame& f) { f.GoToOther(); }, HasEntries},
      {kNextWithAnswer, "&Next", "Go to the next word that has answers\nNext Word with Answer",
       "", "", [](Frame& f) { f.GoToWordWithAnswer(true); }, HasEntriesWithAnswers},
      {kPreviousWithAnswer, "&Previous",
       "Go to the previous word that has answers\nPrevious Word with Answer", "", "",
       [](Frame& f) { f.GoToWordWithAnswer(false); }, HasEntriesWithAnswers},
      {kSlideShowList, "&List", "Show the list as words only\nSlide Show List", "", "slide_list",
       [](Frame& f) { f.view_->ShowSlideShow(ListType::kList); }, nullptr,
       [](const Frame& f) { return f.Presents(0, ListType::kList); }},
      {kSlideShowHooks, "&Hooks", "Show each word with its hooks\nSlide Show Hooks", "",
       "slide_hooks", [](Frame& f) { f.view_->ShowSlideShow(ListType::kHooks); }, nullptr,
       [](const Frame& f) { return f.Presents(0, ListType::kHooks); }},
      {kSlideShowAnagrams, "&Anagrams", "Show each word with its anagrams\nSlide Show Anagrams",
       "", "slide_anagrams", [](Frame& f) { f.view_->ShowSlideShow(ListType::kAnagrams); },
       nullptr, [](const Frame& f) { return f.Presents(0, ListType::kAnagrams); }},
      {kSlideShowAnagramsAndHooks, "Anagrams and H&ooks",
       "Show each word with its anagrams and their hooks\nSlide Show Anagrams and Hooks", "",
       "slide_anagrams_hooks",
       [](Frame& f) { f.view_->ShowSlideShow(ListType::kAnagramsAndHooks); }, nullptr,
       [](const Frame& f) { return f.Presents(0, ListType::kAnagramsAndHooks); }},
      {kSlideShowBuild, "&Build", "Show each word with the words built from it\nSlide Show Build",
       "", "slide_build", [](Frame& f) { f.view_->ShowSlideShow(ListType::kBuild); }, nullptr,
       [](const Frame& f) { return f.Presents(0, ListType::kBuild); }},
      {kQuizHooks, "&Hooks", "Quiz yourself on hooks\nQuiz Hooks", "", "quiz_hooks",
       [](Frame& f) { f.view_->ShowQuiz(ListType::kHooks); }, nullptr,
       [](const Frame& f) { return f.Presents(1, ListType::kHooks); }},
      {kQuizAnagrams, "&Anagrams", "Quiz yourself on anagrams\nQuiz Anagrams", "",
       "quiz_anagrams", [](Frame& f) { f.view_->ShowQuiz(ListType::kAnagrams); }, nullptr,
       [](const Frame& f) { return f.Presents(1, ListType::kAnagrams); }},
      {kQuizAnagramsAndHooks, "Anagrams and H&ooks",
       "Quiz yourself on anagrams and their hooks\nQuiz Anagrams and Hooks", "",
       "quiz_anagrams_hooks", [](Frame& f) { f.view_->ShowQuiz(ListType::kAnagramsAndHooks); },
       nullptr, [](const Frame& f) { return f.Presents(1, ListType::kAnagramsAndHooks); }},
      {kQuizBuild, "&Build", "Quiz yourself on built words\nQuiz Build", "", "quiz_build",
       [](Frame& f) { f.view_->ShowQuiz(ListType::kBuild); }, nullptr,
       [](const Frame& f) { return f.Presents(1, ListType::kBuild); }},
      {kViewToolbar, "&Toolbar", "Show or hide the toolbar\nToggle Toolbar", "", "",
       [](Frame& f) { f.tool_bar_->setVisible(!f.tool_bar_->isVisibleTo(&f)); }, nullptr,
       [](const Frame& f) { return f.tool_bar_->isVisibleTo(&f); }},
      {kViewStatusBar, "&Status Bar", "Show or hide the status bar\nToggle Status Bar", "", "",
       [](Frame& f) { f.statusBar()->setVisible(!f.statusBar()->isVisibleTo(&f)); }, nullptr,
       [](const Frame& f) { return f.statusBar()->isVisibleTo(&f); }},
      {kAnagramOptions, "&Anagram...", "Change how anagram entries are shown\nAnagram Options",
       "", "", [](Frame& f) { f.view_->ChooseAnagramOptions(); }},
      {kBuildOptions, "&Build...", "Change the lengths of built words\nBuild Options", "", "",
       [](Frame& f) { f.view_->ChooseBuildOptions(); }},
      {kHooksOptions, "&Hooks...", "Change which hooks are shown\nHooks Options", "", "",
       [](Frame& f) { f.view_->ChooseHookOptions(); }},
      {kListOrderingOptions, "List &Ordering...",
       "Change the order of the list\nList Ordering Options", "", "",
       [](Frame& f) { f.view_->ChooseListOrdering(); }},
      {kSlideShowOptions, "&Slide Show...", "Change the slide show's timing\nSlide Show Options",
       "", "", [](Frame& f) { f.view_->ChooseSlideShowOptions(); }},
      {kStatusBarOptions, "S&tatus Bar...", "Choose what the status bar shows\nStatus Bar Options",
       "", "", [](Frame& f) { f.view_->ChooseStatusBarOptions(); }},
      {kSlideForegroundColour, "Slide &Foreground...",
       "Change the colour of the slide's letters\nSlide Foreground", "", "",
       [](Frame& f) { f.view_->ChooseColour(View::Colour::kSlideForeground); }},
      {kSlideBackgroundColour, "Slide &Background...",
       "Change the colour of the slide\nSlide Background", "", "",
       [](Frame& f) { f.view_->ChooseColour(View::Colour::kSlideBackground); }},
      {kTileForegroundColour, "&Tile Foreground...",
       "Change the colour of the tiles' letters\nTile Foreground", "", "",
       [](Frame& f) { f.view_->ChooseColour(View::Colour::kTileForeground); }},
      {kTileBackgroundColour, "T&ile Background...",
       "Change the colour of the tiles\nTile Background", "", "",
       [](Frame& f) { f.view_->ChooseColour(View::Colour::kTileBackground); }},
      {kMainWindowColour, "&Main Window...",
       "Change the colour of the window\nWorkspace Background", "", "",
       [](Frame& f) { f.view_->ChooseColour(View::Colour::kMainWindow); }},
      {kFontSmall, "&Small", "Show the slide in small letters\nSmall", "", "",
       [](Frame& f) { f.view_->SetFontSize(0); }, nullptr,
       [](const Frame& f) { return f.view_->FontSize() == 0; }},
      {kFontMedium, "&Medium", "Show the slide in medium letters\nMedium", "", "",
       [](Frame& f) { f.view_->SetFontSize(1); }, nullptr,
       [](const Frame& f) { return f.view_->FontSize() == 1; }},
      {kFontLarge, "&Large", "Show the slide in large letters\nLarge", "", "",
       [](Frame& f) { f.view_->SetFontSize(2); }, nullptr,
       [](const Frame& f) { return f.view_->FontSize() == 2; }},
      {kShowTiles, "Show T&iles", "Show the word as letter tiles\nShow Tiles", "", "",
       [](Frame& f) { f.view_->ToggleTiles(); }, nullptr,
       [](const Frame& f) { return f.view_->ShowsTiles(); }},
      {kShowDefinitions, "Show De&finitions",
       "Show the word's first definition once its answers are all shown\nShow Definitions", "",
       "",
       [](Frame& f) {
         f.context_.app.SetShowDefinitions(!f.context_.app.ShowDefinitions());
         f.ApplyShowDefinitions();
       },
       nullptr, [](const Frame& f) { return f.context_.app.ShowDefinitions(); }},
      {kDictionary, "&Dictionary...", "Choose the dictionary\nDictionary", "", "",
       [](Frame& f) { f.ChangeDictionary(); }},
      {kShowWelcome, "Show &Welcome", "Show the welcome tips when the program starts\nShow Welcome",
       "", "", [](Frame& f) { f.context_.app.SetShowWelcome(!f.context_.app.ShowWelcome()); },
       nullptr, [](const Frame& f) { return f.context_.app.ShowWelcome(); }},
      {kWordSearch, "Word &Search...",
       "Search words based on patterns, anagrams and build\nWord Search", "", "word_search",
       [](Frame& f) { f.WordSearch(); }},
      {kWordInspector, "Word &Inspector...",
       "Show everything about one word, with its definitions\nWord Inspector", "", "",
       [](Frame& f) {
         const MTavruneDoc& doc = f.context_.doc;
         f.InspectWord(f.inspector_ == nullptr && HasEntries(doc) ? Latin1(doc.CurrentEntry())
                                                                   : QString());
       }},
      {kWordJudge, "Word &Judge...", "Judge a play\nWord Judge", "", "",
       [](Frame& f) { f.OpenWordJudge(); }},
      {kQuizHistory, "Quiz &History...", "Show the quiz history\nQuiz History", "", "",
       [](Frame& f) { f.QuizHistory(); }},
      {kAddListToCardbox, "&Add List to Cardbox",
       "Put the questions of the list into the cardbox\nAdd List to Cardbox", "", "",
       [](Frame& f) { f.AddListToCardbox(); }, HasEntriesWithAnswers},
      {kStudyDueWords, "&Study Due Words",
       "Quiz the questions the cardbox has due now\nStudy Due Words", "", "",
       [](Frame& f) { f.StudyDueWords(); }},
      {kCardboxStatistics, "Cardbox S&tatistics...",
       "Show the boxes, what is due and the right answers as charts\nCardbox Statistics", "", "",
       [](Frame& f) { f.CardboxStatistics(); }},
      {kSpreadBacklog, "Spread &Backlog...",
       "Spread the cards due now over the coming days\nSpread Backlog", "", "",
       [](Frame& f) { f.SpreadBacklog(); }},
      {kUndoLastGrade, "&Undo Last Grade", "Take the last graded answer back\nUndo Last Grade",
       "", "", [](Frame& f) { f.UndoLastGrade(); }},
      {kImportCardbox, "&Import...", "Add the cardbox of a Zyzzyva quiz file\nImport Cardbox",
       "", "", [](Frame& f) { f.ImportCardbox(); }},
      {kExportCardbox, "&Export...",
       "Write the cards of the list's type to a Zyzzyva quiz file\nExport Cardbox", "", "",
       [](Frame& f) { f.ExportCardbox(); }, HasAnswers},
      {kCardboxOptions, "Cardbox &Options...",
       "Change the schedule and the sessions of the cardbox\nCardbox Options", "", "",
       [](Frame& f) { f.CardboxOptions(); }},
      {kHelpIndex, "&Index", "List the help topics\nHelp Index", "F1", "help_index",
       [](Frame& f) { f.OpenManual(QStringLiteral("contents")); }},
      {kHelpSearch, "&Search...", "Search the help\nHelp Search", "", "",
       [](Frame& f) {
         if (!f.Help().ShowSearch()) f.context_.prompt.ShowMessage(kProgramFileMissingText);
       }},
      {kAbout, "&About Tavrune...", "Show the program's version and dictionaries\nAbout", "", "",
       [](Frame& f) { f.About(); }},
      {kPrevious, "&Previous", "Go to the previous word\nPrevious", "F2", "",
       [](Frame& f) { f.view_->Previous(); }, HasEntries},
      {kNext, "&Next", "Go to the next word\nNext", "F3", "", [](Frame& f) { f.view_->Next(); },
       HasEntries},
  };
  static_assert(std::size(kCommands) == static_cast<size_t>(kCount));
  static_assert([] {
    for (size_t i = 0; i < std::size(kCommands); ++i) {
      if (static_cast<size_t>(kCommands[i].command) != i) return false;
    }
    return true;
  }());
  return kCommands;
}

MMainFrame::MMainFrame(StudyContext context, QWidget* parent)
    : QMainWindow(parent), context_(context) {
  setMinimumSize(kMinimumWidth, kMinimumHeight);
  setAcceptDrops(true);
  setWindowIcon(StudyIcon(QStringLiteral("tavrune")));
  recent_files_.Read(context_.settings);

  CreateActions();
  CreateMenus();
  CreateToolBar();
  CreateStatusBar();
  view_ = new MTavruneView(context_.doc, context_.quiz, context_.settings, context_.prompt, this);
  setCentralWidget(view_);
  connect(view_, &MTavruneView::panesChanged, this, &MMainFrame::UpdatePanes);
  connect(view_, &MTavruneView::wordDoubleClicked, this, &MMainFrame::InspectWord);
  ApplyShowDefinitions();
  connect(view_, &MTavruneView::wordVerified, this, &MMainFrame::GradeVerified);

  context_.doc.AddObserver(this);
  context_.doc.SetSavePathChooser([this](const std::string&) { return ChooseSavePath(); });
  UpdateTitle();
  UpdateRecentFiles();
  UpdatePanes();
  UpdateCommandStates();
}

MMainFrame::~MMainFrame() {
  context_.doc.SetSavePathChooser(nullptr);
  context_.doc.RemoveObserver(this);
  // It borrows wordnet_, which goes before the window's children do.
  delete inspector_;
}

void MMainFrame::CreateActions() {
  for (const CommandEntry& entry : Commands()) {
    const QString prompt = QString::fromUtf8(entry.prompt);
    auto* action = new QAction(QString::fromUtf8(entry.text), this);
    action->setStatusTip(prompt.section('\n', 0, 0));
    action->setToolTip(prompt.section('\n', 1, 1));
    if (*entry.shortcut != '\0') {
      action->setShortcut(QKeySequence(QString::fromUtf8(entry.shortcut)));
      action->setShortcutContext(Qt::WindowShortcut);
    }
    if (*entry.icon != '\0') action->setIcon(StudyIcon(QString::fromUtf8(entry.icon)));
    action->setCheckable(entry.checked != nullptr);
    const Command command = entry.command;
    connect(action, &QAction::triggered, this, [this, command] { Run(command); });
    actions_[static_cast<int>(command)] = action;
  }
  // F2 and F3 work wherever the focus is in the window.
  addAction(Action(Command::kPrevious));
  addAction(Action(Command::kNext));
}

void MMainFrame::CreateMenus() {
  using enum Command;
  QMenu* file = menuBar()->addMenu(tr("&File"));
  AddCommands(file, *this,
              {kNewPredefinedList, kNewCustomList, kNewRandomRacks, kOpen, kSave, kSaveAs,
               kSeparator, kNotes, kExport, kSeparator, kPageSetup, kPrintPreview, kPrint});
  recent_separator_ = file->addSeparator();
  for (int i = 0; i < RecentFiles::kCapacity; ++i) {
    auto* action = new QAction(this);
    connect(action, &QAction::triggered, this, [this, i] {
      if (i < static_cast<int>(recent_files_.Paths().size())) {
        const std::string path = recent_files_.Paths()[i];
        OpenFile(path);
      }
    });
    recent_actions_[i] = action;
    file->addAction(action);
  }
  AddCommands(file, *this, {kSeparator, kExit});

  edit_menu_ = menuBar()->addMenu(tr("&Edit"));
  AddCommands(edit_menu_->addMenu(tr("&Import")), *this,
              {kImportListFile, kImportTextFile, kImportPredefinedList, kImportCustomList});
  AddCommands(edit_menu_, *this,
              {kCustomize, kRemoveCommonWords, kRemoveWordsWithAnswer, kRemoveWordsWithoutAnswer,
               kSeparator, kRemoveBritishWords, kRemoveNorthAmericanWords, kKeepBritishWords,
               kKeepNorthAmericanWords, kSeparator, kUndeleteAll});
  AddCommands(edit_menu_->addMenu(tr("&Go to Word")), *this, {kGoToFirst, kGoToLast, kGoToOther});
  AddCommands(edit_menu_->addMenu(tr("Go to Word with &Answer")), *this,
              {kNextWithAnswer, kPreviousWithAnswer});

  QMenu* view = menuBar()->addMenu(tr("&View"));
  AddCommands(view->addMenu(tr("&Slide Show")), *this,
              {kSlideShowList, kSlideShowHooks, kSlideShowAnagrams, kSlideShowAnagramsAndHooks,
               kSlideShowBuild});
  AddCommands(view->addMenu(tr("&Quiz")), *this,
              {kQuizHooks, kQuizAnagrams, kQuizAnagramsAndHooks, kQuizBuild});
  AddCommands(view, *this, {kSeparator, kViewToolbar, kViewStatusBar});

  options_menu_ = menuBar()->addMenu(tr("&Options"));
  AddCommands(options_menu_, *this,
              {kAnagramOptions, kBuildOptions, kHooksOptions, kListOrderingOptions,
               kSlideShowOptions, kStatusBarOptions});
  AddCommands(options_menu_->addMenu(tr("&Color")), *this,
              {kSlideForegroundColour, kSlideBackgroundColour, kTileForegroundColour,
               kTileBackgroundColour, kMainWindowColour});
  AddCommands(options_menu_->addMenu(tr("&Font Size")), *this,
              {kFontSmall, kFontMedium, kFontLarge});
  AddCommands(options_menu_, *this,
              {kShowTiles, kShowDefinitions, kSeparator, kDictionary, kShowWelcome});

  AddCommands(menuBar()->addMenu(tr("&Tools")), *this,
              {kWordSearch, kWordInspector, kWordJudge, kQuizHistory});
  AddCommands(
      menuBar()->addMenu(tr("&Cardbox")), *this,
      {kAddListToCardbox, kStudyDueWords, kSeparator, kCardboxStatistics, kSpreadBacklog,
       kUndoLastGrade, kSeparator, kImportCardbox, kExportCardbox, kSeparator, kCardboxOptions});
  AddCommands(menuBar()->addMenu(tr("&Help")), *this,
              {kHelpIndex, kHelpSearch, kSeparator, kAbout});

  // Menus show the states of the moment they open.
  for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
    connect(menu, &QMenu::aboutToShow, this, &MMainFrame::UpdateCommandStates);
  }
}

void MMainFrame::CreateToolBar() {
  using enum Command;
  tool_bar_ = addToolBar(tr("Toolbar"));
  tool_bar_->setObjectName(QStringLiteral("MainToolBar"));
  tool_bar_->setMovable(false);
  tool_bar_->setIconSize(QSize(24, 24));
  AddCommands(tool_bar_, *this,
              {kNewPredefinedList,
               kOpen,
               kSave,
               kSeparator,
               kPrint,
               kSeparator,
               kGoToFirst,
               kGoToLast,
               kGoToOther,
               kSeparator,
               kSlideShowList,
               kSlideShowHooks,
               kSlideShowAnagrams,
               kSlideShowAnagramsAndHooks,
               kSlideShowBuild,
               kQuizHooks,
               kQuizAnagrams,
               kQuizAnagramsAndHooks,
               kQuizBuild,
               kSeparator,
               kWordSearch,
               kSeparator,
               kHelpIndex});
}

void MMainFrame::Run(Command command) {
  Commands()[static_cast<size_t>(command)].run(*this);
  UpdateCommandStates();
}

void MMainFrame::UpdateCommandStates() {
  for (const CommandEntry& entry : Commands()) {
    QAction* action = Action(entry.command);
    if (entry.enabled != nullptr) action->setEnabled(entry.enabled(context_.doc));
    if (entry.checked != nullptr) action->setChecked(entry.checked(*this));
  }
}

bool MMainFrame::Presents(int mode, ListType type) const {
  return view_->Mode() == mode && context_.doc.GetListType() == type;
}

void MMainFrame::RemoveCommand(Command command) {
  QAction* action = Action(command);
  // The menus collapse the separators a removed group leaves side by side.
  for (QObject* holder : action->associatedObjects()) {
    if (auto* menu = qobject_cast<QMenu*>(holder)) menu->removeAction(action);
  }
}

void MMainFrame::RemoveUnavailableCommands() {
  ApplicationState& app = context_.app;
  if (!app.AllSourcesPresent()) {
    for (Command command : {Command::kRemoveBritishWords, Command::kRemoveNorthAmericanWords,
                            Command::kKeepBritishWords, Command::kKeepNorthAmericanWords}) {
      RemoveCommand(command);
    }
  }
  int present = 0;
  for (LexiconId id : kAllLexiconIds) present += app.LexiconPresent(id) ? 1 : 0;
  if (present < 2) RemoveCommand(Command::kDictionary);
}

void MMainFrame::OnUpdate(int) {
  UpdatePanes();
  UpdateCommandStates();
  if (inspector_ != nullptr && HasEntries(context_.doc)) {
    inspector_->ListMoved(Latin1(context_.doc.CurrentEntry()));
  }
}

void MMainFrame::OnTitleChanged() {
  UpdateTitle();
  UpdateCommandStates();
}

}  // namespace tavrune
