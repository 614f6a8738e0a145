#ifndef TAVRUNE_STUDY_UI_MAIN_FRAME_H_
#define TAVRUNE_STUDY_UI_MAIN_FRAME_H_

#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "engine/random_source.h"
#include "study/application_state.h"
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

// Everything of the study program the main window works with; it outlives
// the window.
struct StudyContext {
  ApplicationState& app;
  MTavruneDoc& doc;
  PredefinedCatalog& catalog;
  UserPrompt& prompt;
  RandomEngine& random;
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
  kDictionary,
  kShowWelcome,
  kWordSearch,
  kWordJudge,
  kQuizHistory,
  kHelpIndex,
  kHelpSearch,
  kAbout,
  kPrevious,
  kNext,
  kCount
};

// The file dialogs the frame opens.
enum class FileDialogKind { kOpenList, kSaveList, kImportList, kImportText, kExport, kCommonWords };

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
  // The size of the first start: the least that shows the whole toolbar,
  // every status pane and the view's bar at this font and scale.
  QSize FirstRunSize() const;
  // Writes the placement, which only the end of the program fixes.
  void WriteSettings();

  // The status-bar text service of long operations.
  void ShowStatusText(const QString& text);
  QString StatusText() const;
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

  // Carries out a command as its menu item would.
  void Run(Command command);
  QAction* Action(Command command) const { return actions_[static_cast<int>(command)]; }
  QMenu* EditMenu() const { return edit_menu_; }
  QMenu* OptionsMenu() const { return options_menu_; }
  QToolBar* ToolBar() const { return tool_bar_; }
  MTavruneView* View() const { return view_; }
  // Enables and checks the commands for the list as it is now.
  void UpdateCommandStates();

  // DocumentObserver
  void OnUpdate(int hint) override;
  void OnTitleChanged() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateActions();
  void CreateMenus();
  void CreateToolBar();
  void CreateStatusBar();
  void UpdateTitle();
  void UpdatePanes();
  // A status text or a menu prompt has the whole bar while it shows, so a
  // long one is not cut; the panes come back with the idle text.
  void ShowPanesWhenIdle();
  // Writes the recent-file list and shows it in the File menu.
  void UpdateRecentFiles();
  // Asks for a path in the folder FileDialogFolder names and remembers the
  // folder of the path chosen.
  std::optional<std::string> ChooseFile(FileDialogKind kind);
  std::optional<std::string> RunFileDialog(FileDialogKind kind, const QString& folder);

  void NewPredefinedList();
  void NewCustomList();
  void NewRandomRacks();
  void ImportPredefinedList();
  void ImportCustomList();
  void Customize();
  void WordSearch();
  // Shows the predefined-list dialog; true when a list was merged.
  bool ChoosePredefinedList(bool as_new_list);
  void Open();
  void Save();
  void SaveAs();
  void Notes();
  void Export();
  void ImportListFile();
  void ImportTextFile();
  void RemoveCommonWords();
  void RemoveWordsByAnswers(bool with_answers);
  void GoToOther();
  void GoToWordWithAnswer(bool next);
  void ChangeDictionary();
  void OpenWordJudge();
  // Tools > Quiz History, and the list of missed words it may ask for.
  void QuizHistory();
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
  QMenu* file_menu_ = nullptr;
  QMenu* edit_menu_ = nullptr;
  QMenu* options_menu_ = nullptr;
  QToolBar* tool_bar_ = nullptr;
  QLabel* message_pane_ = nullptr;
  std::array<QLabel*, kPaneCount> panes_{};
  MTavruneView* view_ = nullptr;
};

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_UI_MAIN_FRAME_H_
