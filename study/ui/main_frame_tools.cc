// The main window's tools beside the list: Word Search, Word Judge, the
// dictionary choice, the quiz history, the manual and the About box.

#include <QApplication>
#include <array>

#include "judge/ui/word_judge_dialog.h"
#include "options/ui/dictionary_dialog.h"
#include "resources/string_table.h"
#include "search/ui/word_search_dialog.h"
#include "study/startup.h"
#include "study/ui/help_window.h"
#include "study/ui/main_frame.h"
#include "study/ui/quiz_history_dialog.h"
#include "study/ui/study_about_box.h"
#include "wordlist/list_import.h"

namespace tavrune {
namespace {

constexpr int kNewListQuestion = 40080;

}  // namespace

void MMainFrame::WordSearch() {
  ApplicationState& app = context_.app;
  SourceMarker mark;
  if (app.UseSymbols()) {
    mark = [this](const WordCollection& words, WordCollection& results) {
      context_.doc.AppendSourceSymbols(words, results);
    };
  }
  WordSearchDialog dialog(app.CurrentLexicon(), app.GetSettings(), context_.prompt, std::move(mark),
                          this);
  connect(&dialog, &WordSearchDialog::helpRequested, this,
          [this] { OpenManual(QStringLiteral("word-search")); });
  dialog.exec();
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
    Run(Command::kNewPredefinedList);
  }
}

void MMainFrame::OpenWordJudge() {
  WordJudgeDialog dialog(context_.app.CurrentLexicon(), context_.prompt, this);
  connect(&dialog, &WordJudgeDialog::helpRequested, this,
          [this] { OpenManual(QStringLiteral("word-judge")); });
  dialog.exec();
}

void MMainFrame::QuizHistory() {
  QuizHistoryDialog dialog(context_.doc, this);
  dialog.exec();
  if (dialog.StudyMissedWordsChosen()) TakeMissedWords(context_.doc);
}

HelpWindow& MMainFrame::Help() {
  // Help asked for from a modal dialog belongs to it, or the dialog would
  // block it.
  QWidget* owner = QApplication::activeModalWidget();
  if (owner == nullptr) owner = this;
  auto* help = owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
  if (help == nullptr) {
    help = new HelpWindow(
        QString::fromStdString(context_.app.DataFolderPath()) + QStringLiteral("docs/manual.html"),
        owner);
  }
  return *help;
}

void MMainFrame::OpenManual(const QString& chapter) {
  if (!Help().ShowChapter(chapter)) context_.prompt.ShowMessage(kProgramFileMissingText);
}

void MMainFrame::About() {
  StudyAboutBox box(QString::fromStdString(context_.app.AboutText()), this);
  box.exec();
}

}  // namespace tavrune
