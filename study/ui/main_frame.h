#ifndef TAVRUNE_STUDY_UI_MAIN_FRAME_H_
#define TAVRUNE_STUDY_UI_MAIN_FRAME_H_

#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "cardbox/lazy_cardbox.h"
#include "engine/random_source.h"
#include "inspect/word_facts.h"
#include "inspect/wordnet.h"
#include "study/application_state.h"
#include "study/quiz_record.h"
#include "study/recent_files.h"
#include "wordlist/predefined_catalog.h"
#include "wordlist/tavrune_doc.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace tavrune {

class HelpWindow;
class MTavruneView;
class WordInspectorWindow;

// Everything of the study program the main window works with; it outlives
// the window.
struct StudyContext {
  ApplicationState& app;
  Settings& settings;
  MTavruneDoc& doc;
  QuizRecord& quiz;
  PredefinedCatalog& catalog;
  UserPrompt& prompt;
  RandomEngine& random;
  LazyCardbox& cardbox;
};

// The commands of the menus, the toolbar and the accelerators.
enum class Command {
  kNewPredefinedList,
  kNewCustomList,
  kNewRandomRacks,
  kOpen,
  kSave,
  kSaveAs,
  kNotes,
  kExport,
  kPageSetup,
  kPrintPreview,
  kPrint,
  kExit,
  kImportListFile,
  kImportTextFile,
  kImportPredefinedList,
  kImportCustomList,
  kCustomize,
  kRemoveCommonWords,
  kRemoveWordsWithAnswer,
  kRemoveWordsWithoutAnswer,
  kRemoveBritishWords,
  kRemoveNorthAmericanWords,
  kKeepBritishWords,
  kKeepNorthAmericanWords,
  kUndeleteAll,
  kGoToFirst,
  kGoToLast,
  kGoToOther,
  kNextWithAnswer,
  kPreviousWithAnswer,
  kSlideShowList,
  kSlideShowHooks,
  kSlideShowAnagrams,
  kSlideShowAnagramsAndHooks,
  kSlideShowBuild,
  kQuizHooks,
  kQuizAnagrams,
  kQuizAnagramsAndHooks,
  kQuizBuild,
  kViewToolbar,
  kViewStatusBar,
  kAnagramOptions,
  kBuildOptions,
  kHooksOptions,
  kListOrderingOptions,
  kSlideShowOptions,
  kStatusBarOptions,
  kSlideForegroundColour,
  kSlideBackgroundColour,
  kTileForegroundColour,
  kTileBackgroundColour,
  kMainWindowColour,
  kFontSmall,
  kFontMedium,
  kFontLarge,
  kShowTiles,
  kShowDefinitions,
  kDictionary,
  kShowWelcome,
  kWordSearch,
  kWordInspector,
  kWordJudge,
  kQuizHistory,
  kAddListToCardbox,
  kStudyDueWords,
  kCardboxStatistics,
  kSpreadBacklog,
  kUndoLastGrade,
  kImportCardbox,
  kExportCardbox,
  kCardboxOptions,
  kHelpIndex,
  kHelpSearch,
  kAbout,
  kPrevious,
  kNext,
  kCount
};

// The file dialogs the frame opens.
enum class FileDialogKind {
  kOpenList,
  kSaveList,
  kImportList,
  kImportText,
  kExport,
  kCommonWords,
  kImportCardbox,
  kExportCardbox
};

// The study program's main window: menus, toolbar, status bar with its six
// panes and the view of the list. It carries out the file, edit and
// application commands over the document, keeps its title in step with the
// list, offers every place where a list may be discarded the save question,
// and remembers its placement.
class MMainFrame : public QMainWindow, public DocumentObserver {
  Q_OBJECT

 public:
  static constexpr int kMinimumWidth = 450;
  static constexpr int kMinimumHeight = 400;
  // The status-bar panes after the message pane.
  enum Pane { kProbabilityPane, kAnswersPane, kScorePane, kPositionPane, kLexiconPane, kPaneCount };

  explicit MMainFrame(StudyContext context, QWidget* parent = nullptr);
  ~MMainFrame() override;

  // Asks for a path; nullopt when the user cancels. Tests replace the file
  // dialogs with their own.
  using FileChooser = std::function<std::optional<std::string>(FileDialogKind)>;
  void SetFileChooser(FileChooser chooser) { choose_file_ = std::move(chooser); }

  // Puts the window where it was last time (clamped to the screen) and shows
  // it.
  void RestorePlacementAndShow();

  // The status-bar text service of long operations.
  void ShowStatusText(const QString& text);
  QString PaneText(Pane pane) const;

  // Opens a word list after the save question; false when cancelled or the
  // file could not be read.
  bool OpenFile(const std::string& path);
  // Another start asked for this window, maybe with a file to open.
  void Activate(const QString& file_path);
  // Without every one of the British, North American and combined lexicons
  // the word-source commands mean nothing; with fewer than two lexicons
  // there is no dictionary to change to.
  void RemoveUnavailableCommands();

  // Says in the status bar how many cards are due, when any are; start-up
  // calls it once the window shows.
  void ShowCardsDue();

  // Carries out a command as its menu item would.
  void Run(Command command);
  QAction* Action(Command command) const { return actions_[static_cast<int>(command)]; }
  QMenu* EditMenu() const { return edit_menu_; }
  QMenu* OptionsMenu() const { return options_menu_; }
  QToolBar* ToolBar() const { return tool_bar_; }
  MTavruneView* View() const { return view_; }
  // Tools > Word Inspector's window, which follows the list; null until
  // first opened.
  WordInspectorWindow* Inspector() const { return inspector_; }
  // Opens the word inspector of the window that asks (a modal dialog, else
  // this) on `word`; an empty word keeps what it shows.
  void InspectWord(const QString& word);

  // DocumentObserver
  void OnUpdate(int hint) override;
  void OnTitleChanged() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // A command whole: its menu text, its prompt ("fly-by text\ntool tip"),
  // its shortcut and toolbar image, what it does, and when it is enabled
  // (always, without a rule) and checked (never checkable without a rule).
  struct CommandEntry {
    Command command;
    const char* text;
    const char* prompt;
    const char* shortcut;
    const char* icon;
    void (*run)(MMainFrame& frame);
    bool (*enabled)(const MTavruneDoc& doc) = nullptr;
    bool (*checked)(const MMainFrame& frame) = nullptr;
  };
  // Every command, in the order of the Command values.
  static std::span<const CommandEntry> Commands();

  void CreateActions();
  void CreateMenus();
  void CreateToolBar();
  void CreateStatusBar();
  // Takes a command out of every menu that shows it.
  void RemoveCommand(Command command);
  // Enables and checks the commands for the list as it is now.
  void UpdateCommandStates();
  // Whether the view shows `type` in `mode` (0 slide show, 1 quiz).
  bool Presents(int mode, ListType type) const;

  void UpdateTitle();
  void UpdatePanes();
  // A status text or a menu prompt has the whole bar while it shows, so a
  // long one is not cut; the panes come back with the idle text.
  void ShowPanesWhenIdle();
  // The size of the first start: the least that shows the whole toolbar,
  // every status pane and the view's bar at this font and scale.
  QSize FirstRunSize() const;
  // Writes the placement, which only the end of the program fixes.
  void WriteSettings();

  // Writes the recent-file list and shows it in the File menu.
  void UpdateRecentFiles();
  // Asks for a path in the folder FileDialogFolder names and remembers the
  // folder of the path chosen.
  std::optional<std::string> ChooseFile(FileDialogKind kind);
  std::optional<std::string> RunFileDialog(FileDialogKind kind, const QString& folder);
  // Save As: a path without an extension gets the list's own.
  std::optional<std::string> ChooseSavePath();

  // The New commands begin here: the save question, then an empty list;
  // false when the player cancels.
  bool StartNewList();
  // Shows the predefined-list dialog; true when a list was merged.
  bool ChoosePredefinedList(bool as_new_list);
  void AddRandomRacks();
  void ImportCustomList();
  void Customize();
  // The Custom List dialog searching in `working`; true when accepted.
  bool SearchCustomList(WordCollection& working, bool customize);
  void Open();
  void Save();
  void SaveAs();
  void Notes();
  void Export();
  void ImportListFile();
  void ImportTextFile();
  void RemoveCommonWords();
  void GoToOther();
  void GoToWordWithAnswer(bool next);

  void WordSearch();
  // The inspector over the current lexicon, with the source lists loaded.
  std::unique_ptr<WordInspector> MakeInspector();
  // The WordNet files, opened on first need.
  WordNet& Definitions();
  // Options > Show Definitions as the view should follow it.
  void ApplyShowDefinitions();
  void ChangeDictionary();
  void OpenWordJudge();
  // Tools > Quiz History, and the list of missed words it may ask for.
  void QuizHistory();
  // The Cardbox menu (main_frame_cardbox.cc). The deck of the list shown:
  // nothing for a List, which has no quiz.
  std::optional<Deck> ListDeck() const;
  // The same, after telling the player when the open list has no quiz.
  std::optional<Deck> QuizListDeck() const;
  void AddListToCardbox();
  void StudyDueWords();
  void CardboxStatistics();
  void SpreadBacklog();
  void UndoLastGrade();
  void ImportCardbox();
  void ExportCardbox();
  void CardboxOptions();
  // Grades the card of an entry the quiz verified, when it is in the cardbox.
  void GradeVerified(const QString& entry, bool right);

  // The help window of the window that asks: a modal dialog, else this.
  HelpWindow& Help();
  // Shows the manual at a chapter (an anchor of it); every Help button and
  // the Help menu come here.
  void OpenManual(const QString& chapter);
  void About();

  StudyContext context_;
  FileChooser choose_file_;
  RecentFiles recent_files_;

  std::array<QAction*, static_cast<int>(Command::kCount)> actions_{};
  std::array<QAction*, RecentFiles::kCapacity> recent_actions_{};
  QAction* recent_separator_ = nullptr;
  QMenu* edit_menu_ = nullptr;
  QMenu* options_menu_ = nullptr;
  QToolBar* tool_bar_ = nullptr;
  QLabel* message_pane_ = nullptr;
  std::array<QLabel*, kPaneCount> panes_{};
  MTavruneView* view_ = nullptr;
  std::unique_ptr<WordNet> wordnet_;
  WordInspectorWindow* inspector_ = nullptr;
};

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_UI_MAIN_FRAME_H_
