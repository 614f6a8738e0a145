// The main window's file and list commands: new lists, opening, saving,
// importing, exporting, pruning and moving through the list, with the file
// dialogs, the recent files and the files dropped or handed over.

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "cardbox/zyzzyva_quiz_file.h"
#include "engine/probability.h"
#include "resources/string_table.h"
#include "search/random_rack_choices.h"
#include "search/ui/custom_list_dialog.h"
#include "search/ui/random_racks_dialog.h"
#include "study/frame_state.h"
#include "study/settings_table.h"
#include "study/ui/main_frame.h"
#include "wordlist/list_commands.h"
#include "wordlist/list_import.h"
#include "wordlist/list_removal.h"
#include "wordlist/ui/change_word_dialog.h"
#include "wordlist/ui/notes_dialog.h"
#include "wordlist/ui/predefined_lists_dialog.h"

namespace tavrune {
namespace {

constexpr int kBuildingListText = 40020;
constexpr int kEndOfListText = 40017;
constexpr int kBeginningOfListText = 40018;

std::string PathOf(const QString& path) { return QDir::toNativeSeparators(path).toStdString(); }

}  // namespace

bool MMainFrame::StartNewList() {
  MTavruneDoc& doc = context_.doc;
  if (!doc.SaveModified()) return false;
  doc.SetModifiedFlag(false);
  doc.NewDocument();
  return true;
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

void MMainFrame::AddRandomRacks() {
  ApplicationState& app = context_.app;
  RandomRacksDialog dialog(context_.settings, context_.prompt, this);
  if (dialog.exec() != QDialog::Accepted) return;
  WordCollection racks;
  DrawRandomRacks(dialog.Choices(), app.CurrentLexicon(), app.Source(), context_.random,
                  context_.prompt, racks, PaintingClock());
  {
    WaitCursor wait(context_.prompt);
    context_.doc.MergeWords(racks);
  }
  context_.prompt.SetStatusText(kIdleText);
}

bool MMainFrame::SearchCustomList(WordCollection& working, bool customize) {
  ApplicationState& app = context_.app;
  working.SetProbabilityReference(ProbabilityReference(app.Source()));
  CustomListDialog dialog(working, customize, app.CurrentLexicon(), context_.prompt,
                          ReadSetting(context_.settings, setting::general::kBuildBuild) != 0, this);
  connect(&dialog, &CustomListDialog::helpRequested, this,
          [this] { OpenManual(QStringLiteral("custom-list")); });
  connect(&dialog, &CustomListDialog::wordDoubleClicked, this, &MMainFrame::InspectWord);
  return dialog.exec() == QDialog::Accepted;
}

void MMainFrame::ImportCustomList() {
  MTavruneDoc& doc = context_.doc;
  if (!CanImportWords(doc)) return;
  WordCollection working;
  if (!SearchCustomList(working, false)) return;
  WaitCursor wait(context_.prompt);
  doc.MergeWords(working);
}

void MMainFrame::Customize() {
  MTavruneDoc& doc = context_.doc;
  if (!CanCustomizeList(doc)) return;
  WordCollection working(doc.MasterWords());
  if (!SearchCustomList(working, true)) return;
  WaitCursor wait(context_.prompt);
  ReplaceWords(doc, working);
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

void MMainFrame::UpdateRecentFiles() {
  recent_files_.Write(context_.settings);
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

std::optional<std::string> MMainFrame::ChooseFile(FileDialogKind kind) {
  Settings& settings = context_.settings;
  std::optional<std::string> path =
      choose_file_
          ? choose_file_(kind)
          : RunFileDialog(
                kind, QString::fromStdString(FileDialogFolder(context_.doc.PathName(), settings)));
  if (path) RememberFileDialogFolder(settings, *path);
  return path;
}

std::optional<std::string> MMainFrame::ChooseSavePath() {
  std::optional<std::string> path = ChooseFile(FileDialogKind::kSaveList);
  if (path && QFileInfo(QString::fromStdString(*path)).suffix().isEmpty()) *path += ".tvr";
  return path;
}

std::optional<std::string> MMainFrame::RunFileDialog(FileDialogKind kind, const QString& folder) {
  static const QString kListFilter = tr("Tavrune Files (*.tvr)");
  static const QString kTextFilter = tr("Text Files (*.txt);;All Files (*)");
  QString path;
  switch (kind) {
    case FileDialogKind::kOpenList:
    case FileDialogKind::kImportList:
    case FileDialogKind::kCommonWords:
      path = QFileDialog::getOpenFileName(this, tr("Open"), folder, kListFilter);
      break;
    case FileDialogKind::kImportText:
      path = QFileDialog::getOpenFileName(this, tr("Open"), folder, kTextFilter);
      break;
    case FileDialogKind::kSaveList: {
      QFileDialog dialog(this, tr("Save As"),
                         QDir(folder).filePath(QString::fromStdString(context_.doc.Title())),
                         kListFilter);
      dialog.setAcceptMode(QFileDialog::AcceptSave);
      dialog.setDefaultSuffix(QStringLiteral("tvr"));
      if (dialog.exec() == QDialog::Accepted) path = dialog.selectedFiles().value(0);
      break;
    }
    case FileDialogKind::kImportCardbox:
      path = QFileDialog::getOpenFileName(this, tr("Import Cardbox"), folder,
                                          tr("Zyzzyva Quiz Files (*.db)"));
      break;
    case FileDialogKind::kExportCardbox: {
      QFileDialog dialog(this, tr("Export Cardbox"), folder, tr("Zyzzyva Quiz Files (*.db)"));
      dialog.setAcceptMode(QFileDialog::AcceptSave);
      dialog.setDefaultSuffix(QStringLiteral("db"));
      if (const std::optional<Deck> deck = ListDeck()) {
        dialog.selectFile(QString::fromStdString(QuizFileName(deck->kind)));
      }
      if (dialog.exec() == QDialog::Accepted) path = dialog.selectedFiles().value(0);
      break;
    }
    case FileDialogKind::kExport: {
      QFileDialog dialog(this, tr("Export"), folder, kTextFilter);
      dialog.setAcceptMode(QFileDialog::AcceptSave);
      dialog.setDefaultSuffix(QStringLiteral("txt"));
      if (dialog.exec() == QDialog::Accepted) path = dialog.selectedFiles().value(0);
      break;
    }
  }
  if (path.isEmpty()) return std::nullopt;
  return PathOf(path);
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
