#include "study/ui/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <cstdio>

#include "engine/probability.h"
#include "engine/tiles.h"
#include "judge/ui/word_judge_dialog.h"
#include "options/ui/dictionary_dialog.h"
#include "platform/ui/qt_user_prompt.h"
#include "print/ui/print_support.h"
#include "resources/string_table.h"
#include "search/random_rack_choices.h"
#include "search/ui/custom_list_dialog.h"
#include "search/ui/random_racks_dialog.h"
#include "search/ui/word_search_dialog.h"
#include "study/frame_state.h"
#include "study/settings_table.h"
#include "study/startup.h"
#include "study/ui/quiz_history_dialog.h"
#include "study/ui/study_pictures.h"
#include "study/ui/tavrune_view.h"
#include "study/ui/study_about_box.h"
#include "wordlist/list_commands.h"
#include "wordlist/list_import.h"
#include "wordlist/list_removal.h"
#include "wordlist/ui/change_word_dialog.h"
#include "wordlist/ui/notes_dialog.h"
#include "wordlist/ui/predefined_lists_dialog.h"
#include "wordlist/ui/working_dialog.h"

namespace tavrune {
namespace {

constexpr int kBuildingListText = 40020;
constexpr int kEndOfListText = 40017;
constexpr int kBeginningOfListText = 40018;
constexpr int kNewListQuestion = 40080;

// A command's menu text, its prompt ("fly-by text\ntool tip"), its shortcut
// and its toolbar image.
struct CommandSpec {
  Command command;
  const char* text;
  const char* prompt;
  const char* shortcut;
  const char* icon;
};

constexpr CommandSpec kCommands[] = {
    {Command::kNewPredefinedList, "&New Predefined List...",
     "Create a new list from the predefined lists\nNew Predefined List", "", "new_predefined"},
    {Command::kNewCustomList, "New Custom &List...",
     "Create a new list by searching the dictionary\nNew Custom List", "", ""},
    {Command::kNewRandomRacks, "New &Random Racks...",
     "Create a new list of random racks\nNew Random Racks", "", ""},
    {Command::kOpen, "&Open...", "Open an existing list\nOpen", "Ctrl+O", "open"},
    {Command::kSave, "&Save", "Save the list\nSave", "", "save"},
    {Command::kSaveAs, "Save &As...", "Save the list with a new name\nSave As", "", ""},
    {Command::kNotes, "No&tes...", "Edit the description and notes of the list\nList Notes", "",
     ""},
    {Command::kExport, "&Export...", "Write the words of the list to a text file\nExport", "",
     ""},
    {Command::kPageSetup, "Page Set&up...", "Change the printing options\nPage Setup", "", ""},
    {Command::kPrintPreview, "Print Pre&view", "Display full pages\nPrint Preview", "", ""},
    {Command::kPrint, "&Print...", "Print the list\nPrint", "", "print"},
    {Command::kExit, "E&xit", "Quit the program; prompts to save the list\nExit", "Ctrl+X", ""},
    {Command::kImportListFile, "&Tavrune (.tvr) File...",
     "Add the words of another list file\nImport List File", "", ""},
    {Command::kImportTextFile, "&Text (.txt) File...",
     "Add the words of a text file\nImport Text File", "", ""},
    {Command::kImportPredefinedList, "&Predefined List...",
     "Add the words of a predefined list\nImport Predefined List", "", ""},
    {Command::kImportCustomList, "&Custom List...",
     "Add the words of a dictionary search\nImport Custom List", "", ""},
    {Command::kCustomize, "&Customize...", "Remove words by customized search\nCustomize", "",
     ""},
    {Command::kRemoveCommonWords, "&Remove Common Words...",
     "Remove the words another list file holds\nRemove Common Words", "", ""},
    {Command::kRemoveWordsWithAnswer, "Remo&ve Words With Answer",
     "Remove the words that have answers\nRemove Words With Answer", "", ""},
    {Command::kRemoveWordsWithoutAnswer, "Remove Words Witho&ut Answer",
     "Remove the words that have no answer\nRemove Words Without Answer", "", ""},
    {Command::kRemoveBritishWords, "Remove &British Words",
     "Remove the words found in the British dictionary\nRemove British Words", "", ""},
    {Command::kRemoveNorthAmericanWords, "Remove Nort&h American Words",
     "Remove the words found in the North American dictionary\nRemove North American Words", "",
     ""},
    {Command::kKeepBritishWords, "Keep Bri&tish Words",
     "Keep only the words found in the British dictionary\nKeep British Words", "", ""},
    {Command::kKeepNorthAmericanWords, "Keep North A&merican Words",
     "Keep only the words found in the North American dictionary\nKeep North American Words",
     "", ""},
    {Command::kUndeleteAll, "Undelete &All", "Bring back every deleted word\nUndelete All", "",
     ""},
    {Command::kGoToFirst, "&First", "Go to the first word in the list\nGo to First Word", "",
     "go_first"},
    {Command::kGoToLast, "&Last", "Go to the last word in the list\nGo to Last Word", "",
     "go_last"},
    {Command::kGoToOther, "&Other...", "Go to any other word in the list\nGo to another Word",
     "", "go_other"},
    {Command::kNextWithAnswer, "&Next",
     "Go to the next word that has answers\nNext Word with Answer", "", ""},
    {Command::kPreviousWithAnswer, "&Previous",
     "Go to the previous word that has answers\nPrevious Word with Answer", "", ""},
    {Command::kSlideShowList, "&List", "Show the list as words only\nSlide Show List", "",
     "slide_list"},
    {Command::kSlideShowHooks, "&Hooks", "Show each word with its hooks\nSlide Show Hooks", "",
     "slide_hooks"},
    {Command::kSlideShowAnagrams, "&Anagrams",
     "Show each word with its anagrams\nSlide Show Anagrams", "", "slide_anagrams"},
    {Command::kSlideShowAnagramsAndHooks, "Anagrams and H&ooks",
     "Show each word with its anagrams and their hooks\nSlide Show Anagrams and Hooks", "",
     "slide_anagrams_hooks"},
    {Command::kSlideShowBuild, "&Build",
     "Show each word with the words built from it\nSlide Show Build", "", "slide_build"},
    {Command::kQuizHooks, "&Hooks", "Quiz yourself on hooks\nQuiz Hooks", "", "quiz_hooks"},
    {Command::kQuizAnagrams, "&Anagrams", "Quiz yourself on anagrams\nQuiz Anagrams", "",
     "quiz_anagrams"},
    {Command::kQuizAnagramsAndHooks, "Anagrams and H&ooks",
     "Quiz yourself on anagrams and their hooks\nQuiz Anagrams and Hooks", "",
     "quiz_anagrams_hooks"},
    {Command::kQuizBuild, "&Build", "Quiz yourself on built words\nQuiz Build", "",
     "quiz_build"},
    {Command::kViewToolbar, "&Toolbar", "Show or hide the toolbar\nToggle Toolbar", "", ""},
    {Command::kViewStatusBar, "&Status Bar", "Show or hide the status bar\nToggle Status Bar", "",
     ""},
    {Command::kAnagramOptions, "&Anagram...", "Change how anagram entries are shown\nAnagram Options",
     "", ""},
    {Command::kBuildOptions, "&Build...", "Change the lengths of built words\nBuild Options", "",
     ""},
    {Command::kHooksOptions, "&Hooks...", "Change which hooks are shown\nHooks Options", "", ""},
    {Command::kListOrderingOptions, "List &Ordering...",
     "Change the order of the list\nList Ordering Options", "", ""},
    {Command::kSlideShowOptions, "&Slide Show...", "Change the slide show's timing\nSlide Show Options",
     "", ""},
    {Command::kStatusBarOptions, "S&tatus Bar...",
     "Choose what the status bar shows\nStatus Bar Options", "", ""},
    {Command::kSlideForegroundColour, "Slide &Foreground...",
     "Change the colour of the slide's letters\nSlide Foreground", "", ""},
    {Command::kSlideBackgroundColour, "Slide &Background...",
     "Change the colour of the slide\nSlide Background", "", ""},
    {Command::kTileForegroundColour, "&Tile Foreground...",
     "Change the colour of the tiles' letters\nTile Foreground", "", ""},
    {Command::kTileBackgroundColour, "T&ile Background...",
     "Change the colour of the tiles\nTile Background", "", ""},
    {Command::kMainWindowColour, "&Main Window...",
     "Change the colour of the window\nWorkspace Background", "", ""},
    {Command::kFontSmall, "&Small", "Show the slide in small letters\nSmall", "", ""},
    {Command::kFontMedium, "&Medium", "Show the slide in medium letters\nMedium", "", ""},
    {Command::kFontLarge, "&Large", "Show the slide in large letters\nLarge", "", ""},
    {Command::kShowTiles, "Show T&iles", "Show the word as letter tiles\nShow Tiles", "", ""},
    {Command::kDictionary, "&Dictionary...", "Choose the dictionary\nDictionary", "", ""},
    {Command::kShowWelcome, "Show &Welcome",
     "Show the welcome tips when the program starts\nShow Welcome", "", ""},
    {Command::kWordSearch, "Word &Search...",
     "Search words based on patterns, anagrams and build\nWord Search", "",
     "word_search"},
    {Command::kWordJudge, "Word &Judge...", "Judge a play\nWord Judge", "", ""},
    {Command::kQuizHistory, "Quiz &History...", "Show the quiz history\nQuiz History", "", ""},
    {Command::kHelpIndex, "&Index", "List the help topics\nHelp Index", "F1", "help_index"},
    {Command::kHelpSearch, "&Search...", "Search the help\nHelp Search", "", ""},
    {Command::kAbout, "&About Tavrune...", "Show the program's version and dictionaries\nAbout",
     "", ""},
    {Command::kPrevious, "&Previous", "Go to the previous word\nPrevious", "F2", ""},
    {Command::kNext, "&Next", "Go to the next word\nNext", "F3", ""},
};

// The toolbar's slots; kCount stands for a gap.
constexpr Command kToolBarSlots[] = {
    Command::kNewPredefinedList,  Command::kOpen,           Command::kSave,
    Command::kCount,              Command::kPrint,          Command::kCount,
    Command::kGoToFirst,          Command::kGoToLast,       Command::kGoToOther,
    Command::kCount,              Command::kSlideShowList,  Command::kSlideShowHooks,
    Command::kSlideShowAnagrams,  Command::kSlideShowAnagramsAndHooks, Command::kSlideShowBuild,
    Command::kQuizHooks,          Command::kQuizAnagrams,   Command::kQuizAnagramsAndHooks,
    Command::kQuizBuild,          Command::kCount,          Command::kWordSearch,
    Command::kCount,              Command::kHelpIndex,
};

// The texts that size the status panes.
constexpr const char* kPaneSizingTexts[] = {
    "PF 100.0000", "Ans  999 999", "Sc 999", "999999/999999",
    "North American and British: 26 September 2005",
};

struct SlideCommand {
  Command command;
  ListType type;
};
constexpr SlideCommand kSlideCommands[] = {
    {Command::kSlideShowList, ListType::kList},
    {Command::kSlideShowHooks, ListType::kHooks},
    {Command::kSlideShowAnagrams, ListType::kAnagrams},
    {Command::kSlideShowAnagramsAndHooks, ListType::kAnagramsAndHooks},
    {Command::kSlideShowBuild, ListType::kBuild},
};
constexpr SlideCommand kQuizCommands[] = {
    {Command::kQuizHooks, ListType::kHooks},
    {Command::kQuizAnagrams, ListType::kAnagrams},
    {Command::kQuizAnagramsAndHooks, ListType::kAnagramsAndHooks},
    {Command::kQuizBuild, ListType::kBuild},
};

struct ColourCommand {
  Command command;
  MTavruneView::Colour colour;
};
constexpr ColourCommand kColourCommands[] = {
    {Command::kSlideForegroundColour, MTavruneView::Colour::kSlideForeground},
    {Command::kSlideBackgroundColour, MTavruneView::Colour::kSlideBackground},
    {Command::kTileForegroundColour, MTavruneView::Colour::kTileForeground},
    {Command::kTileBackgroundColour, MTavruneView::Colour::kTileBackground},
    {Command::kMainWindowColour, MTavruneView::Colour::kMainWindow},
};
constexpr Command kFontCommands[] = {Command::kFontSmall, Command::kFontMedium,
                                     Command::kFontLarge};

std::string PathOf(const QString& path) { return QDir::toNativeSeparators(path).toStdString(); }

// Save As without an extension gets the list's own.
std::string WithListExtension(const std::string& path) {
  if (!QFileInfo(QString::fromStdString(path)).suffix().isEmpty()) return path;
  return path + ".tvr";
}

// The part of the window's screen that windows may cover.
QRect AvailableScreen(const QWidget* widget) {
  const QScreen* screen = widget->screen() != nullptr ? widget->screen()
                                                      : QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

MMainFrame::MMainFrame(StudyContext context, QWidget* parent)
    : QMainWindow(parent), context_(context) {
  setMinimumSize(kMinimumWidth, kMinimumHeight);
  setAcceptDrops(true);
  setWindowIcon(StudyIcon(QStringLiteral("tavrune")));
  recent_files_.Read(context_.app.GetSettings());

  CreateActions();
  CreateMenus();
  CreateToolBar();
  CreateStatusBar();
  view_ = new MTavruneView(context_.doc, context_.prompt, this);
  setCentralWidget(view_);
  connect(view_, &MTavruneView::panesChanged, this, &MMainFrame::UpdatePanes);

  context_.doc.AddObserver(this);
  context_.doc.SetSavePathChooser([this](const std::string&) {
    std::optional<std::string> path = ChooseFile(FileDialogKind::kSaveList);
    if (path) path = WithListExtension(*path);
    return path;
  });
  UpdateTitle();
  UpdateRecentFiles();
  UpdatePanes();
  UpdateCommandStates();
}

MMainFrame::~MMainFrame() {
  context_.doc.SetSavePathChooser(nullptr);
  context_.doc.RemoveObserver(this);
}

void MMainFrame::CreateActions() {
  for (const CommandSpec& spec : kCommands) {
    const QString prompt = QString::fromUtf8(spec.prompt);
    auto* action = new QAction(QString::fromUtf8(spec.text), this);
    action->setStatusTip(prompt.section('\n', 0, 0));
    action->setToolTip(prompt.section('\n', 1, 1));
    if (*spec.shortcut != '\0') {
      action->setShortcut(QKeySequence(QString::fromUtf8(spec.shortcut)));
      action->setShortcutContext(Qt::WindowShortcut);
    }
    if (*spec.icon != '\0') {
      action->setIcon(StudyIcon(QString::fromUtf8(spec.icon)));
    }
    const Command command = spec.command;
    connect(action, &QAction::triggered, this, [this, command] { Run(command); });
    actions_[static_cast<int>(command)] = action;
  }
  for (const SlideCommand& slide : kSlideCommands) Action(slide.command)->setCheckable(true);
  for (const SlideCommand& quiz : kQuizCommands) Action(quiz.command)->setCheckable(true);
  for (Command command :
       {Command::kViewToolbar, Command::kViewStatusBar, Command::kShowWelcome, Command::kFontSmall,
        Command::kFontMedium, Command::kFontLarge, Command::kShowTiles}) {
    Action(command)->setCheckable(true);
  }
  // F2 and F3 work wherever the focus is in the window.
  addAction(Action(Command::kPrevious));
  addAction(Action(Command::kNext));
}

void MMainFrame::CreateMenus() {
  file_menu_ = menuBar()->addMenu(tr("&File"));
  for (Command c : {Command::kNewPredefinedList, Command::kNewCustomList, Command::kNewRandomRacks,
                    Command::kOpen, Command::kSave, Command::kSaveAs}) {
    file_menu_->addAction(Action(c));
  }
  file_menu_->addSeparator();
  file_menu_->addAction(Action(Command::kNotes));
  file_menu_->addAction(Action(Command::kExport));
  file_menu_->addSeparator();
  for (Command c : {Command::kPageSetup, Command::kPrintPreview, Command::kPrint}) {
    file_menu_->addAction(Action(c));
  }
  recent_separator_ = file_menu_->addSeparator();
  for (int i = 0; i < RecentFiles::kCapacity; ++i) {
    auto* action = new QAction(this);
    connect(action, &QAction::triggered, this, [this, i] {
      if (i < static_cast<int>(recent_files_.Paths().size())) {
        const std::string path = recent_files_.Paths()[i];
        OpenFile(path);
      }
    });
    recent_actions_[i] = action;
    file_menu_->addAction(action);
  }
  file_menu_->addSeparator();
  file_menu_->addAction(Action(Command::kExit));

  // The word-source group is items 6-9 after the separator at position 5;
  // RemoveUnavailableCommands takes them out together.
  edit_menu_ = menuBar()->addMenu(tr("&Edit"));
  QMenu* import = edit_menu_->addMenu(tr("&Import"));
  for (Command c : {Command::kImportListFile, Command::kImportTextFile,
                    Command::kImportPredefinedList, Command::kImportCustomList}) {
    import->addAction(Action(c));
  }
  for (Command c : {Command::kCustomize, Command::kRemoveCommonWords,
                    Command::kRemoveWordsWithAnswer, Command::kRemoveWordsWithoutAnswer}) {
    edit_menu_->addAction(Action(c));
  }
  edit_menu_->addSeparator();
  for (Command c : {Command::kRemoveBritishWords, Command::kRemoveNorthAmericanWords,
                    Command::kKeepBritishWords, Command::kKeepNorthAmericanWords}) {
    edit_menu_->addAction(Action(c));
  }
  edit_menu_->addSeparator();
  edit_menu_->addAction(Action(Command::kUndeleteAll));
  QMenu* go_to = edit_menu_->addMenu(tr("&Go to Word"));
  for (Command c : {Command::kGoToFirst, Command::kGoToLast, Command::kGoToOther}) {
    go_to->addAction(Action(c));
  }
  QMenu* with_answer = edit_menu_->addMenu(tr("Go to Word with &Answer"));
  with_answer->addAction(Action(Command::kNextWithAnswer));
  with_answer->addAction(Action(Command::kPreviousWithAnswer));

  QMenu* view = menuBar()->addMenu(tr("&View"));
  QMenu* slide = view->addMenu(tr("&Slide Show"));
  for (const SlideCommand& s : kSlideCommands) slide->addAction(Action(s.command));
  QMenu* quiz = view->addMenu(tr("&Quiz"));
  for (const SlideCommand& q : kQuizCommands) quiz->addAction(Action(q.command));
  view->addSeparator();
  view->addAction(Action(Command::kViewToolbar));
  view->addAction(Action(Command::kViewStatusBar));

  options_menu_ = menuBar()->addMenu(tr("&Options"));
  for (Command c : {Command::kAnagramOptions, Command::kBuildOptions, Command::kHooksOptions,
                    Command::kListOrderingOptions, Command::kSlideShowOptions,
                    Command::kStatusBarOptions}) {
    options_menu_->addAction(Action(c));
  }
  QMenu* colour = options_menu_->addMenu(tr("&Color"));
  for (const ColourCommand& c : kColourCommands) colour->addAction(Action(c.command));
  QMenu* font = options_menu_->addMenu(tr("&Font Size"));
  for (Command c : {Command::kFontSmall, Command::kFontMedium, Command::kFontLarge}) {
    font->addAction(Action(c));
  }
  options_menu_->addAction(Action(Command::kShowTiles));
  options_menu_->addSeparator();
  options_menu_->addAction(Action(Command::kDictionary));
  options_menu_->addAction(Action(Command::kShowWelcome));

  QMenu* tools = menuBar()->addMenu(tr("&Tools"));
  for (Command c : {Command::kWordSearch, Command::kWordJudge, Command::kQuizHistory}) {
    tools->addAction(Action(c));
  }

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  help->addAction(Action(Command::kHelpIndex));
  help->addAction(Action(Command::kHelpSearch));
  help->addSeparator();
  help->addAction(Action(Command::kAbout));

  // Menus show the states of the moment they open.
  for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
    connect(menu, &QMenu::aboutToShow, this, &MMainFrame::UpdateCommandStates);
  }
}

void MMainFrame::CreateToolBar() {
  tool_bar_ = addToolBar(tr("Toolbar"));
  tool_bar_->setObjectName(QStringLiteral("MainToolBar"));
  tool_bar_->setMovable(false);
  tool_bar_->setIconSize(QSize(24, 24));
  for (Command command : kToolBarSlots) {
    if (command == Command::kCount) {
      tool_bar_->addSeparator();
    } else {
      tool_bar_->addAction(Action(command));
    }
  }
  connect(Action(Command::kViewToolbar), &QAction::toggled, tool_bar_, &QWidget::setVisible);
}

void MMainFrame::CreateStatusBar() {
  message_pane_ = new QLabel(this);
  statusBar()->addWidget(message_pane_, 1);
  for (int i = 0; i < kPaneCount; ++i) {
    auto* pane = new QLabel(this);
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pane->setAlignment(Qt::AlignCenter);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(kPaneSizingTexts[i]) + 8);
    statusBar()->addPermanentWidget(pane);
    panes_[i] = pane;
  }
  ShowStatusText(MessageText(kIdleText).c_str());
  connect(Action(Command::kViewStatusBar), &QAction::toggled, statusBar(), &QWidget::setVisible);
}

void MMainFrame::ShowStatusText(const QString& text) {
  if (message_pane_ == nullptr) return;
  message_pane_->setText(text);
  // Long operations run on this thread: show the text before they start.
  statusBar()->repaint();
}

QString MMainFrame::StatusText() const { return message_pane_->text(); }
QString MMainFrame::PaneText(Pane pane) const { return panes_[pane]->text(); }

void MMainFrame::UpdateTitle() {
  const QString title = QString::fromStdString(
      FrameTitle(context_.doc.Title(), context_.doc.Description()));
  if (windowTitle() != title) setWindowTitle(title);
}

void MMainFrame::UpdatePanes() {
  const MTavruneDoc& doc = context_.doc;
  const int count = doc.EntryCount();
  const bool show_probability = view_->ShowProbabilityFactor();
  const std::string_view word = count > 0 ? doc.CurrentEntry() : std::string_view();

  QString probability;
  if (show_probability && count > 0) {
    char text[32];
    std::snprintf(text, sizeof text, "PF %.3f",
                  ProbabilityFactor(word, ProbabilityReference(context_.app.Source())));
    probability = QString::fromLatin1(text);
  }
  panes_[kProbabilityPane]->setText(probability);
  panes_[kProbabilityPane]->setEnabled(!probability.isEmpty());
  const QString answers = view_->AnswersPaneText();
  panes_[kAnswersPane]->setText(answers);
  panes_[kAnswersPane]->setEnabled(!answers.isEmpty());
  panes_[kScorePane]->setText(count > 0 ? QStringLiteral("Sc %1").arg(WordPoints(word))
                                        : QString());
  panes_[kScorePane]->setEnabled(count > 0);
  panes_[kPositionPane]->setText(
      QStringLiteral("%1 / %2").arg(count == 0 ? 0 : doc.CurrentIndex() + 1).arg(count));
  panes_[kLexiconPane]->setText(
      QString::fromStdString(StatusPaneText(context_.app.Header(context_.app.Source()))));
}

void MMainFrame::UpdateRecentFiles() {
  const std::vector<std::string>& paths = recent_files_.Paths();
  for (int i = 0; i < RecentFiles::kCapacity; ++i) {
    QAction* action = recent_actions_[i];
    const bool used = i < static_cast<int>(paths.size());
    action->setVisible(used);
    if (used) {
      QString name = QFileInfo(QString::fromStdString(paths[i])).fileName();
      action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(name.replace('&', "&&")));
      action->setStatusTip(QString::fromStdString(paths[i]));
    }
  }
  recent_separator_->setVisible(!paths.empty());
}

void MMainFrame::UpdateCommandStates() {
  const MTavruneDoc& doc = context_.doc;
  const bool has_entries = doc.EntryCount() > 0;
  const ListType type = doc.GetListType();
  auto enable = [this](Command c, bool on) { Action(c)->setEnabled(on); };
  enable(Command::kSave, doc.IsModified());
  enable(Command::kImportListFile, CanImportWords(doc));
  enable(Command::kImportTextFile, CanImportWords(doc));
  enable(Command::kImportPredefinedList, CanImportWords(doc));
  enable(Command::kImportCustomList, CanImportWords(doc));
  enable(Command::kCustomize, CanCustomizeList(doc));
  enable(Command::kRemoveCommonWords, CanRemoveCommonWords(doc));
  enable(Command::kRemoveWordsWithAnswer, CanRemoveWordsWithAnswers(doc));
  enable(Command::kRemoveWordsWithoutAnswer, CanRemoveWordsWithoutAnswers(doc));
  enable(Command::kRemoveBritishWords, CanRemoveBritishWords(doc));
  enable(Command::kRemoveNorthAmericanWords, CanRemoveNorthAmericanWords(doc));
  enable(Command::kKeepBritishWords, CanKeepBritishWords(doc));
  enable(Command::kKeepNorthAmericanWords, CanKeepNorthAmericanWords(doc));
  enable(Command::kExport, CanExportText(doc));
  enable(Command::kUndeleteAll, doc.CanUndelete());
  for (Command c : {Command::kGoToFirst, Command::kGoToLast, Command::kGoToOther,
                    Command::kPrevious, Command::kNext}) {
    enable(c, has_entries);
  }
  enable(Command::kNextWithAnswer, has_entries && type != ListType::kList);
  enable(Command::kPreviousWithAnswer, has_entries && type != ListType::kList);
  for (const SlideCommand& slide : kSlideCommands) {
    Action(slide.command)->setChecked(view_->Mode() == 0 && type == slide.type);
  }
  for (const SlideCommand& quiz : kQuizCommands) {
    Action(quiz.command)->setChecked(view_->Mode() == 1 && type == quiz.type);
  }
  Action(Command::kShowWelcome)->setChecked(context_.app.ShowWelcome());
  for (int size = 0; size < 3; ++size) {
    Action(kFontCommands[size])->setChecked(view_->FontSize() == size);
  }
  Action(Command::kShowTiles)->setChecked(view_->ShowsTiles());
  Action(Command::kViewToolbar)->setChecked(tool_bar_->isVisibleTo(this));
  Action(Command::kViewStatusBar)->setChecked(statusBar()->isVisibleTo(this));
}

void MMainFrame::OnUpdate(int) {
  UpdatePanes();
  UpdateCommandStates();
}

void MMainFrame::OnTitleChanged() {
  UpdateTitle();
  UpdateCommandStates();
}

std::optional<std::string> MMainFrame::ChooseFile(FileDialogKind kind) {
  if (choose_file_) return choose_file_(kind);
  static const QString kListFilter = tr("Tavrune Files (*.tvr)");
  static const QString kTextFilter = tr("Text Files (*.txt);;All Files (*)");
  QString path;
  switch (kind) {
    case FileDialogKind::kOpenList:
      path = QFileDialog::getOpenFileName(this, tr("Open"), QString(), kListFilter);
      break;
    case FileDialogKind::kImportList:
    case FileDialogKind::kCommonWords:
      path = QFileDialog::getOpenFileName(this, tr("Open"), QString(), kListFilter);
      break;
    case FileDialogKind::kImportText:
      path = QFileDialog::getOpenFileName(this, tr("Open"), QString(), kTextFilter);
      break;
    case FileDialogKind::kSaveList: {
      QFileDialog dialog(this, tr("Save As"), QString::fromStdString(context_.doc.Title()),
                         kListFilter);
      dialog.setAcceptMode(QFileDialog::AcceptSave);
      dialog.setDefaultSuffix(QStringLiteral("tvr"));
      if (dialog.exec() == QDialog::Accepted) path = dialog.selectedFiles().value(0);
      break;
    }
    case FileDialogKind::kExport: {
      QFileDialog dialog(this, tr("Export"), QString(), kTextFilter);
      dialog.setAcceptMode(QFileDialog::AcceptSave);
      dialog.setDefaultSuffix(QStringLiteral("txt"));
      if (dialog.exec() == QDialog::Accepted) path = dialog.selectedFiles().value(0);
      break;
    }
  }
  if (path.isEmpty()) return std::nullopt;
  return PathOf(path);
}

void MMainFrame::Run(Command command) {
  MTavruneDoc& doc = context_.doc;
  switch (command) {
    case Command::kNewPredefinedList:
      NewPredefinedList();
      break;
    case Command::kNewCustomList:
      NewCustomList();
      break;
    case Command::kNewRandomRacks:
      NewRandomRacks();
      break;
    case Command::kImportCustomList:
      ImportCustomList();
      break;
    case Command::kCustomize:
      Customize();
      break;
    case Command::kWordSearch:
      WordSearch();
      break;
    case Command::kOpen:
      Open();
      break;
    case Command::kSave:
      Save();
      break;
    case Command::kSaveAs:
      SaveAs();
      break;
    case Command::kNotes:
      Notes();
      break;
    case Command::kExport:
      Export();
      break;
    case Command::kPageSetup:
      RunPageSetupCommand(doc, this);
      break;
    case Command::kPrintPreview:
      RunPrintPreviewCommand(doc, this);
      break;
    case Command::kPrint:
      RunPrintCommand(doc, this);
      break;
    case Command::kExit:
      close();
      break;
    case Command::kImportListFile:
      ImportListFile();
      break;
    case Command::kImportTextFile:
      ImportTextFile();
      break;
    case Command::kImportPredefinedList:
      ImportPredefinedList();
      break;
    case Command::kRemoveCommonWords:
      RemoveCommonWords();
      break;
    case Command::kRemoveWordsWithAnswer:
      RemoveWordsByAnswers(true);
      break;
    case Command::kRemoveWordsWithoutAnswer:
      RemoveWordsByAnswers(false);
      break;
    case Command::kRemoveBritishWords:
      RemoveBritishWords(doc);
      break;
    case Command::kRemoveNorthAmericanWords:
      RemoveNorthAmericanWords(doc);
      break;
    case Command::kKeepBritishWords:
      KeepBritishWords(doc);
      break;
    case Command::kKeepNorthAmericanWords:
      KeepNorthAmericanWords(doc);
      break;
    case Command::kUndeleteAll:
      doc.UndeleteAll();
      break;
    case Command::kGoToFirst:
      if (doc.EntryCount() > 0) doc.GoToEntry(0);
      break;
    case Command::kGoToLast:
      if (doc.EntryCount() > 0) doc.GoToEntry(doc.EntryCount() - 1);
      break;
    case Command::kGoToOther:
      GoToOther();
      break;
    case Command::kNextWithAnswer:
      GoToWordWithAnswer(true);
      break;
    case Command::kPreviousWithAnswer:
      GoToWordWithAnswer(false);
      break;
    case Command::kPrevious:
      view_->Previous();
      break;
    case Command::kNext:
      view_->Next();
      break;
    case Command::kAnagramOptions:
      view_->ChooseAnagramOptions();
      break;
    case Command::kBuildOptions:
      view_->ChooseBuildOptions();
      break;
    case Command::kHooksOptions:
      view_->ChooseHookOptions();
      break;
    case Command::kListOrderingOptions:
      view_->ChooseListOrdering();
      break;
    case Command::kSlideShowOptions:
      view_->ChooseSlideShowOptions();
      break;
    case Command::kStatusBarOptions:
      view_->ChooseStatusBarOptions();
      break;
    case Command::kShowTiles:
      view_->ToggleTiles();
      break;
    case Command::kDictionary:
      ChangeDictionary();
      break;
    case Command::kShowWelcome:
      context_.app.SetShowWelcome(!context_.app.ShowWelcome());
      break;
    case Command::kWordJudge:
      OpenWordJudge();
      break;
    case Command::kQuizHistory:
      QuizHistory();
      break;
    case Command::kHelpIndex:
      OpenManual(QString());
      break;
    case Command::kHelpSearch:
      OpenManual(QStringLiteral("contents"));
      break;
    case Command::kAbout:
      About();
      break;
    default:
      for (const SlideCommand& slide : kSlideCommands) {
        if (slide.command == command) view_->ShowSlideShow(slide.type);
      }
      for (const SlideCommand& quiz : kQuizCommands) {
        if (quiz.command == command) view_->ShowQuiz(quiz.type);
      }
      for (const ColourCommand& c : kColourCommands) {
        if (c.command == command) view_->ChooseColour(c.colour);
      }
      for (int size = 0; size < 3; ++size) {
        if (kFontCommands[size] == command) view_->SetFontSize(size);
      }
      break;
  }
  UpdateCommandStates();
}

void MMainFrame::NewPredefinedList() {
  MTavruneDoc& doc = context_.doc;
  if (!doc.SaveModified()) return;
  doc.SetModifiedFlag(false);
  doc.NewDocument();
  ChoosePredefinedList(true);
}

void MMainFrame::NewCustomList() {
  MTavruneDoc& doc = context_.doc;
  if (!doc.SaveModified()) return;
  doc.SetModifiedFlag(false);
  doc.NewDocument();
  ImportCustomList();
}

void MMainFrame::NewRandomRacks() {
  MTavruneDoc& doc = context_.doc;
  if (!doc.SaveModified()) return;
  doc.SetModifiedFlag(false);
  doc.NewDocument();
  ApplicationState& app = context_.app;
  RandomRacksDialog dialog(app.GetSettings(), context_.prompt, this);
  if (dialog.exec() != QDialog::Accepted) return;
  WordCollection racks;
  DrawRandomRacks(dialog.Choices(), app.CurrentLexicon(), app.Source(), context_.random,
                  context_.prompt, racks, PaintingClock());
  {
    WaitCursor wait(context_.prompt);
    doc.MergeWords(racks);
  }
  context_.prompt.SetStatusText(kIdleText);
}

void MMainFrame::ImportCustomList() {
  MTavruneDoc& doc = context_.doc;
  if (!CanImportWords(doc)) return;
  ApplicationState& app = context_.app;
  WordCollection working;
  working.SetProbabilityReference(ProbabilityReference(app.Source()));
  CustomListDialog dialog(working, false, app.CurrentLexicon(), context_.prompt,
                          ReadSetting(app.GetSettings(), setting::general::kBuildBuild) != 0, this);
  connect(&dialog, &CustomListDialog::helpRequested, this,
          [this] { OpenManual(QStringLiteral("custom-list")); });
  if (dialog.exec() != QDialog::Accepted) return;
  WaitCursor wait(context_.prompt);
  doc.MergeWords(working);
}

void MMainFrame::Customize() {
  MTavruneDoc& doc = context_.doc;
  if (!CanCustomizeList(doc)) return;
  ApplicationState& app = context_.app;
  WordCollection working(doc.MasterWords());
  working.SetProbabilityReference(ProbabilityReference(app.Source()));
  CustomListDialog dialog(working, true, app.CurrentLexicon(), context_.prompt,
                          ReadSetting(app.GetSettings(), setting::general::kBuildBuild) != 0, this);
  connect(&dialog, &CustomListDialog::helpRequested, this,
          [this] { OpenManual(QStringLiteral("custom-list")); });
  if (dialog.exec() != QDialog::Accepted) return;
  WaitCursor wait(context_.prompt);
  ReplaceWords(doc, working);
}

void MMainFrame::WordSearch() {
  ApplicationState& app = context_.app;
  SourceMarker mark;
  if (app.UseSymbols()) {
    mark = [this](const WordCollection& words, WordCollection& results) {
      context_.doc.AppendSourceSymbols(words, results);
    };
  }
  WordSearchDialog dialog(app.CurrentLexicon(), app.GetSettings(), context_.prompt,
                          std::move(mark), this);
  connect(&dialog, &WordSearchDialog::helpRequested, this,
          [this] { OpenManual(QStringLiteral("word-search")); });
  dialog.exec();
}

void MMainFrame::ImportPredefinedList() {
  if (CanImportWords(context_.doc)) ChoosePredefinedList(false);
}

bool MMainFrame::ChoosePredefinedList(bool as_new_list) {
  ApplicationState& app = context_.app;
  PredefinedListsDialog dialog(context_.catalog, app.PredefinedList(), this);
  if (dialog.exec() != QDialog::Accepted || dialog.SelectedList() == nullptr) return false;
  const PredefinedListChoice choice = dialog.Choice();
  app.SetPredefinedList(choice);
  std::optional<PredefinedListWords> words =
      context_.catalog.BuildList(choice.category, choice.subcategory, choice.list);
  if (!words) return false;
  context_.prompt.SetStatusText(kBuildingListText);
  {
    WaitCursor wait(context_.prompt);
    TakePredefinedList(context_.doc, *words, as_new_list);
  }
  context_.prompt.SetStatusText(kIdleText);
  return true;
}

bool MMainFrame::OpenFile(const std::string& path) {
  MTavruneDoc& doc = context_.doc;
  if (!doc.SaveModified()) return false;
  doc.SetModifiedFlag(false);
  const bool opened = doc.OpenDocument(path);
  if (opened) {
    recent_files_.Add(path);
  } else {
    recent_files_.Remove(path);
  }
  UpdateRecentFiles();
  UpdateCommandStates();
  return opened;
}

void MMainFrame::Open() {
  if (const std::optional<std::string> path = ChooseFile(FileDialogKind::kOpenList)) {
    OpenFile(*path);
  }
}

void MMainFrame::Save() {
  MTavruneDoc& doc = context_.doc;
  if (doc.SaveDocument()) recent_files_.Add(doc.PathName());
  UpdateRecentFiles();
}

void MMainFrame::SaveAs() {
  MTavruneDoc& doc = context_.doc;
  if (doc.SaveDocumentAs()) recent_files_.Add(doc.PathName());
  UpdateRecentFiles();
}

void MMainFrame::Notes() {
  MTavruneDoc& doc = context_.doc;
  NotesDialog dialog(doc.Description(), doc.Notes(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  doc.SetDescription(dialog.Description());
  doc.SetNotes(dialog.Notes());
  doc.SetModifiedFlag();
}

void MMainFrame::Export() {
  if (const std::optional<std::string> path = ChooseFile(FileDialogKind::kExport)) {
    WaitCursor wait(context_.prompt);
    ExportText(context_.doc, *path);
  }
}

void MMainFrame::ImportListFile() {
  if (!CanImportWords(context_.doc)) return;
  if (const std::optional<std::string> path = ChooseFile(FileDialogKind::kImportList)) {
    WaitCursor wait(context_.prompt);
    tavrune::ImportListFile(context_.doc, *path);
  }
}

void MMainFrame::ImportTextFile() {
  if (!CanImportWords(context_.doc)) return;
  if (const std::optional<std::string> path = ChooseFile(FileDialogKind::kImportText)) {
    WaitCursor wait(context_.prompt);
    tavrune::ImportTextFile(context_.doc, *path);
  }
}

void MMainFrame::RemoveCommonWords() {
  if (!CanRemoveCommonWords(context_.doc)) return;
  if (const std::optional<std::string> path = ChooseFile(FileDialogKind::kCommonWords)) {
    WaitCursor wait(context_.prompt);
    tavrune::RemoveCommonWords(context_.doc, *path);
  }
}

void MMainFrame::RemoveWordsByAnswers(bool with_answers) {
  RunAnswerRemoval(context_.doc, with_answers, this);
}

void MMainFrame::GoToOther() {
  MTavruneDoc& doc = context_.doc;
  if (doc.EntryCount() == 0) return;
  ChangeWordDialog dialog(doc.Entries(), doc.CurrentIndex(), context_.prompt, this);
  if (dialog.exec() == QDialog::Accepted && dialog.ChosenIndex() != doc.CurrentIndex()) {
    doc.GoToEntry(dialog.ChosenIndex());
  }
}

void MMainFrame::GoToWordWithAnswer(bool next) {
  MTavruneDoc& doc = context_.doc;
  if (doc.EntryCount() == 0 || doc.GetListType() == ListType::kList) return;
  bool found = false;
  {
    WaitCursor wait(context_.prompt);
    found = next ? doc.NextEntryWithAnswers() : doc.PreviousEntryWithAnswers();
  }
  if (!found) {
    context_.prompt.ShowMessage(next ? kEndOfListText : kBeginningOfListText, {},
                                UserPrompt::Icon::kInformation);
  }
}

void MMainFrame::ChangeDictionary() {
  ApplicationState& app = context_.app;
  std::array<bool, kLexiconCount> present{};
  for (LexiconId id : kAllLexiconIds) present[Index(id)] = app.LexiconPresent(id);
  DictionaryDialog dialog(app.GetDictionaryChoices(), present, this);
  if (dialog.exec() != QDialog::Accepted) return;

  const DictionaryChange change = tavrune::ChangeDictionary(app, dialog.Choices());
  if (change.source_changed) {
    context_.catalog.SetLexicon(app.Source(), &app.CurrentLexicon());
    context_.catalog.Load(app.DataFolderPath());
  }
  context_.doc.DictionaryChanged();
  UpdatePanes();
  if (change.source_changed &&
      context_.prompt.AskYesNo(kNewListQuestion) == UserPrompt::Answer::kYes) {
    NewPredefinedList();
  }
}

void MMainFrame::OpenWordJudge() {
  WordJudgeDialog dialog(context_.app.CurrentLexicon(), context_.prompt, this);
  dialog.exec();
}

void MMainFrame::QuizHistory() {
  QuizHistoryDialog dialog(context_.doc, this);
  dialog.exec();
  if (dialog.StudyMissedWordsChosen()) TakeMissedWords(context_.doc);
}

void MMainFrame::OpenManual(const QString& anchor) {
  QUrl url = QUrl::fromLocalFile(QString::fromStdString(context_.app.DataFolderPath()) +
                                 QStringLiteral("docs/manual.html"));
  if (!anchor.isEmpty()) url.setFragment(anchor);
  QDesktopServices::openUrl(url);
}

void MMainFrame::About() {
  StudyAboutBox box(QString::fromStdString(context_.app.AboutText()), this);
  box.exec();
}

void MMainFrame::RemoveUnavailableCommands() {
  ApplicationState& app = context_.app;
  if (!app.AllSourcesPresent()) {
    const QList<QAction*> items = edit_menu_->actions();
    // The separator before the group and the group's four items.
    for (int i = 5; i <= 9 && i < items.size(); ++i) edit_menu_->removeAction(items[i]);
  }
  int present = 0;
  for (LexiconId id : kAllLexiconIds) present += app.LexiconPresent(id) ? 1 : 0;
  if (present < 2) options_menu_->removeAction(Action(Command::kDictionary));
}

void MMainFrame::Activate(const QString& file_path) {
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
  if (QWidget* modal = QApplication::activeModalWidget()) {
    // A file waits until the dialog is answered: opening it under a modal
    // dialog would change the list the dialog works on.
    modal->raise();
    modal->activateWindow();
    if (!file_path.isEmpty()) {
      QTimer::singleShot(500, this, [this, file_path] { Activate(file_path); });
    }
    return;
  }
  if (!file_path.isEmpty()) OpenFile(PathOf(file_path));
}

void MMainFrame::RestorePlacementAndShow() {
  const QRect screen = AvailableScreen(this);
  const WindowPlacement placement =
      ReadPlacement(context_.app.GetSettings(), screen.width(), screen.height());
  const PlacementRect& rect = placement.rect;
  resize(std::max(rect.Width(), kMinimumWidth), std::max(rect.Height(), kMinimumHeight));
  move(screen.left() + rect.left, screen.top() + rect.top);
  if (placement.maximized) {
    showMaximized();
  } else {
    show();
  }
}

void MMainFrame::WriteSettings() {
  Settings& settings = context_.app.GetSettings();
  const QRect screen = AvailableScreen(this);
  // Placed as restored by RestorePlacementAndShow: the window's position and
  // its client size, those of the normal state while maximised.
  const QRect normal = isMaximized() && normalGeometry().isValid() ? normalGeometry()
                                                                   : QRect(pos(), size());
  const QPoint origin = normal.topLeft() - screen.topLeft();
  WindowPlacement placement;
  placement.rect = {origin.x(), origin.y(), origin.x() + normal.width(),
                    origin.y() + normal.height()};
  placement.maximized = isMaximized();
  WritePlacement(settings, placement, screen.width(), screen.height());
  recent_files_.Write(settings);
}

void MMainFrame::closeEvent(QCloseEvent* event) {
  if (!context_.doc.CanCloseDocument()) {
    event->ignore();
    return;
  }
  WriteSettings();
  event->accept();
}

void MMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MMainFrame::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  event->acceptProposedAction();
  for (const QUrl& url : urls) {
    if (url.isLocalFile() && !OpenFile(PathOf(url.toLocalFile()))) break;
  }
}

}  // namespace tavrune
