// The main window's tools beside the list: Word Search, the word inspector,
// Word Judge, the dictionary choice, the quiz history, the manual and the
// About box.

#include <QApplication>
#include <array>

#include "inspect/ui/word_inspector_window.h"
#include "judge/ui/word_judge_dialog.h"
#include "options/ui/dictionary_dialog.h"
#include "resources/string_table.h"
#include "search/ui/word_search_dialog.h"
#include "study/startup.h"
#include "study/ui/help_window.h"
#include "study/ui/main_frame.h"
#include "study/ui/quiz_history_dialog.h"
#include "study/ui/study_about_box.h"
#include "study/ui/tavrune_view.h"
#include "wordlist/list_import.h"

namespace tavrune {
namespace {

constexpr int kNewListQuestion = 40080;

// The window of its kind that belongs to the window asking: a modal dialog,
// else `frame`. Opened from a modal dialog it must be the dialog's, or the
// dialog would block it.
template <typename Window, typename Make>
Window& OwnWindow(QWidget* frame, Make make) {
  QWidget* owner = QApplication::activeModalWidget();
  if (owner == nullptr) owner = frame;
  auto* window = owner->findChild<Window*>(QString(), Qt::FindDirectChildrenOnly);
  return window != nullptr ? *window : *make(owner);
}

}  // namespace

void MMainFrame::WordSearch() {
  ApplicationState& app = context_.app;
  SourceMarker mark;
  if (app.UseSymbols()) {
    mark = [this](const WordCollection& words, WordCollection& results) {
      context_.doc.AppendSourceSymbols(words, results);
    };
  }
  WordSearchDialog dialog(app.CurrentLexicon(), context_.settings, context_.prompt, std::move(mark),
                          this);
  connect(&dialog, &WordSearchDialog::helpRequested, this,
          [this] { OpenManual(QStringLiteral("word-search")); });
  connect(&dialog, &WordSearchDialog::wordDoubleClicked, this, &MMainFrame::InspectWord);
  dialog.exec();
}

std::unique_ptr<WordInspector> MMainFrame::MakeInspector() {
  ApplicationState& app = context_.app;
  const auto loaded = [&app](LexiconId id) {
    return app.IsLoaded(id) ? &app.LexiconFor(id) : nullptr;
  };
  return std::make_unique<WordInspector>(
      app.CurrentLexicon(), app.Source(),
      SourceLexicons{loaded(LexiconId::kUK), loaded(LexiconId::kNA), loaded(LexiconId::kUKNA),
                     app.Symbols()});
}

WordNet& MMainFrame::Definitions() {
  if (wordnet_ == nullptr) wordnet_ = std::make_unique<WordNet>();
  return *wordnet_;
}

void MMainFrame::InspectWord(const QString& word) {
  auto& window = OwnWindow<WordInspectorWindow>(this, [this](QWidget* owner) {
    auto* window = new WordInspectorWindow(MakeInspector(), Definitions(), owner);
    if (owner == this) inspector_ = window;
    return window;
  });
  window.show();
  window.raise();
  window.activateWindow();
  if (!word.isEmpty()) window.Inspect(word);
}

void MMainFrame::ApplyShowDefinitions() {
  if (!context_.app.ShowDefinitions()) {
    view_->SetDefiner(nullptr);
    return;
  }
  view_->SetDefiner([this](const std::vector<std::string>& words) {
    return QString::fromStdString(FirstDefinition(Definitions(), words));
  });
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
  if (inspector_ != nullptr) inspector_->SetInspector(MakeInspector());
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
  QuizHistoryDialog dialog(context_.quiz, context_.doc.GetListType(), this);
  dialog.exec();
  if (dialog.StudyMissedWordsChosen()) {
    TakeMissedWords(context_.doc, context_.quiz.MissedWords(context_.doc.GetListType()));
  }
}

HelpWindow& MMainFrame::Help() {
  return OwnWindow<HelpWindow>(this, [this](QWidget* owner) {
    return new HelpWindow(
        QString::fromStdString(context_.app.DataFolderPath()) + QStringLiteral("docs/manual.html"),
        owner);
  });
}

void MMainFrame::OpenManual(const QString& chapter) {
  if (!Help().ShowChapter(chapter)) context_.prompt.ShowMessage(kProgramFileMissingText);
}

void MMainFrame::About() {
  StudyAboutBox box(QString::fromStdString(context_.app.AboutText()), this);
  box.exec();
}

}  // namespace tavrune
