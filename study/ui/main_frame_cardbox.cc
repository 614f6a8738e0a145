// The main window's Cardbox menu, and the grading of the words the quiz
// verifies.

#include <QFileInfo>
#include <string>
#include <vector>

#include "cardbox/cardbox_study.h"
#include "cardbox/ui/cardbox_options_dialog.h"
#include "cardbox/ui/cardbox_statistics_dialog.h"
#include "cardbox/ui/spread_backlog_dialog.h"
#include "cardbox/zyzzyva_quiz_file.h"
#include "study/cardbox_kinds.h"
#include "study/settings_table.h"
#include "study/ui/main_frame.h"
#include "study/ui/tavrune_view.h"

namespace tavrune {
namespace {

using Icon = UserPrompt::Icon;

void Tell(UserPrompt& prompt, const CardboxNote& note) {
  prompt.ShowMessage(note.id, note.args, Icon::kInformation);
}

void ShowStatus(UserPrompt& prompt, const CardboxNote& note) {
  prompt.SetStatusText(note.id, note.args);
}

// Reports a failure; true when there was one.
bool Failed(const CardboxStatus& status, UserPrompt& prompt) {
  if (status.ok()) return false;
  ReportCardboxStatus(status, prompt);
  return true;
}

}  // namespace

void MMainFrame::ShowCardsDue() {
  Cardbox* cardbox = context_.cardbox.GetIfPresent();
  if (cardbox == nullptr) return;
  DueSummary summary;
  if (Failed(cardbox->Summary({}, &summary), context_.prompt)) return;
  if (const CardboxNote note = DueAtStartNote(summary.due_now); note.id != 0) {
    ShowStatus(context_.prompt, note);
  }
}

std::optional<Deck> MMainFrame::ListDeck() const {
  const std::optional<CardKind> kind = CardKindOfList(context_.doc.GetListType());
  if (!kind) return std::nullopt;
  return Deck{CardboxLexiconName(context_.app.Source()), *kind};
}

std::optional<Deck> MMainFrame::QuizListDeck() const {
  std::optional<Deck> deck = ListDeck();
  if (!deck) Tell(context_.prompt, {cardbox_text::kNotQuizList, {}});
  return deck;
}

void MMainFrame::AddListToCardbox() {
  UserPrompt& prompt = context_.prompt;
  const std::optional<Deck> deck = QuizListDeck();
  if (!deck) return;
  Cardbox* cardbox = context_.cardbox.Get();
  if (cardbox == nullptr) return;
  const WordCollection& entries = context_.doc.Entries();
  AddCounts counts;
  CardboxStatus status;
  {
    WaitCursor wait(prompt);
    status = cardbox->Add(*deck, std::vector<std::string>(entries.begin(), entries.end()), &counts);
  }
  if (Failed(status, prompt)) return;
  Tell(prompt, {cardbox_text::kAdded,
                {DeckTitle(*deck), std::to_string(counts.added), std::to_string(counts.already),
                 std::to_string(counts.skipped)}});
}

void MMainFrame::StudyDueWords() {
  UserPrompt& prompt = context_.prompt;
  Cardbox* cardbox = context_.cardbox.Get();
  if (cardbox == nullptr) return;
  const std::string lexicon = CardboxLexiconName(context_.app.Source());
  // The list's own kind first, then the others in their order.
  std::vector<CardKind> kinds;
  if (const std::optional<Deck> deck = ListDeck()) kinds.push_back(deck->kind);
  kinds.insert(kinds.end(), kAllCardKinds.begin(), kAllCardKinds.end());
  std::optional<Deck> due_deck;
  for (CardKind kind : kinds) {
    DueSummary summary;
    if (Failed(cardbox->Summary({lexicon, kind}, &summary), prompt)) return;
    if (summary.due_now > 0) {
      due_deck = Deck{lexicon, kind};
      break;
    }
  }
  if (!due_deck) {
    DueSummary summary;
    if (Failed(cardbox->Summary({lexicon, std::nullopt}, &summary), prompt)) return;
    Tell(prompt, NothingDueNote(lexicon, summary));
    return;
  }

  Settings& settings = context_.settings;
  DueSession session;
  const int limit = ReadSetting(settings, setting::cardbox::kQuestionsPerSession);
  const bool box_zero_first = ReadSetting(settings, setting::cardbox::kBoxZeroFirst) != 0;
  if (Failed(PrepareDueSession(*cardbox, *due_deck, limit, box_zero_first, &session), prompt)) {
    return;
  }
  MTavruneDoc& doc = context_.doc;
  if (!doc.SaveModified()) return;
  doc.SetModifiedFlag(false);
  doc.NewDocument();
  const ListType type = ListTypeOfCard(due_deck->kind);
  doc.SetListType(type);
  {
    WaitCursor wait(prompt);
    WordCollection questions;
    for (const std::string& question : session.questions) questions.Insert(question);
    doc.MergeWords(questions);
  }
  doc.SetDescription(session.description);
  view_->ShowQuiz(type);
}

void MMainFrame::CardboxStatistics() {
  Cardbox* cardbox = context_.cardbox.Get();
  if (cardbox == nullptr) return;
  const Deck deck =
      ListDeck().value_or(Deck{CardboxLexiconName(context_.app.Source()), CardKind::kAnagrams});
  CardboxStatisticsDialog dialog(*cardbox, deck, context_.prompt, this);
  dialog.exec();
}

void MMainFrame::SpreadBacklog() {
  UserPrompt& prompt = context_.prompt;
  Cardbox* cardbox = context_.cardbox.Get();
  if (cardbox == nullptr) return;
  const CardFilter filter{CardboxLexiconName(context_.app.Source()), std::nullopt};
  DueSummary before;
  if (Failed(cardbox->Summary(filter, &before), prompt)) return;
  SpreadBacklogDialog dialog(before.due_now, prompt, this);
  if (dialog.exec() != QDialog::Accepted) return;
  int64_t moved = 0;
  int64_t due_now = 0;
  CardboxStatus status;
  {
    WaitCursor wait(prompt);
    if (dialog.Spreads()) {
      status = cardbox->SpreadBacklog(filter, static_cast<int>(dialog.Number()), &moved);
      DueSummary after;
      if (status.ok()) status = cardbox->Summary(filter, &after);
      due_now = after.due_now;
    } else {
      status = cardbox->ShiftToBacklog(filter, dialog.Number(), &due_now);
    }
  }
  if (Failed(status, prompt)) return;
  if (dialog.Spreads()) {
    Tell(prompt, {cardbox_text::kSpread, {std::to_string(moved), std::to_string(due_now)}});
  } else {
    Tell(prompt, {cardbox_text::kShifted, {std::to_string(due_now)}});
  }
}

void MMainFrame::UndoLastGrade() {
  Cardbox* cardbox = context_.cardbox.Get();
  if (cardbox == nullptr) return;
  std::optional<Card> card;
  if (Failed(cardbox->UndoLastGrade(&card), context_.prompt)) return;
  if (card) {
    ShowStatus(context_.prompt, UndoneNote(card));
  } else {
    Tell(context_.prompt, UndoneNote(card));
  }
}

void MMainFrame::ImportCardbox() {
  UserPrompt& prompt = context_.prompt;
  const std::optional<std::string> path = ChooseFile(FileDialogKind::kImportCardbox);
  if (!path) return;
  const std::string name = QFileInfo(QString::fromStdString(*path)).fileName().toStdString();
  std::optional<CardKind> kind = QuizFileKind(*path);
  if (!kind) {
    if (const std::optional<Deck> deck = ListDeck()) kind = deck->kind;
  }
  if (!kind) {
    Tell(prompt, {cardbox_text::kNoQuizType, {name}});
    return;
  }
  Cardbox* cardbox = context_.cardbox.Get();
  if (cardbox == nullptr) return;
  std::vector<Card> cards;
  QuizFileCounts read;
  AddCounts added;
  CardboxStatus status;
  {
    WaitCursor wait(prompt);
    status = ReadQuizFile(*path, {CardboxLexiconName(context_.app.Source()), *kind}, cardbox->Now(),
                          &cards, &read);
    if (status.ok()) status = cardbox->Insert(cards, &added);
  }
  if (Failed(status, prompt)) return;
  Tell(prompt, {cardbox_text::kImported,
                {name, std::to_string(added.added), std::to_string(added.already),
                 std::to_string(read.not_in_cardbox), std::to_string(read.skipped)}});
}

void MMainFrame::ExportCardbox() {
  UserPrompt& prompt = context_.prompt;
  const std::optional<Deck> deck = QuizListDeck();
  if (!deck) return;
  Cardbox* cardbox = context_.cardbox.Get();
  if (cardbox == nullptr) return;
  std::vector<Card> cards;
  if (Failed(cardbox->DeckCards(*deck, &cards), prompt)) return;
  if (cards.empty()) {
    Tell(prompt, {cardbox_text::kEmptyDeck, {DeckTitle(*deck)}});
    return;
  }
  const std::optional<std::string> path = ChooseFile(FileDialogKind::kExportCardbox);
  if (!path) return;
  CardboxStatus status;
  {
    WaitCursor wait(prompt);
    status = WriteQuizFile(*path, cards);
  }
  if (Failed(status, prompt)) return;
  Tell(prompt, {cardbox_text::kExported, {std::to_string(cards.size()), DeckTitle(*deck), *path}});
}

void MMainFrame::CardboxOptions() {
  Cardbox* cardbox = context_.cardbox.Get();
  if (cardbox == nullptr) return;
  Settings& settings = context_.settings;
  tavrune::CardboxOptions options;
  if (Failed(cardbox->ReadSchedule(&options.schedule), context_.prompt)) return;
  options.questions_per_session = ReadSetting(settings, setting::cardbox::kQuestionsPerSession);
  options.box_zero_first = ReadSetting(settings, setting::cardbox::kBoxZeroFirst) != 0;
  CardboxOptionsDialog dialog(options, context_.prompt, this);
  if (dialog.exec() != QDialog::Accepted) return;
  const tavrune::CardboxOptions& chosen = dialog.Options();
  WriteSetting(settings, setting::cardbox::kQuestionsPerSession, chosen.questions_per_session);
  WriteSetting(settings, setting::cardbox::kBoxZeroFirst, chosen.box_zero_first ? 1 : 0);
  if (chosen.schedule != options.schedule) {
    Failed(cardbox->WriteSchedule(chosen.schedule), context_.prompt);
  }
}

void MMainFrame::GradeVerified(const QString& entry, bool right) {
  const std::optional<Deck> deck = ListDeck();
  Cardbox* cardbox = deck ? context_.cardbox.GetIfPresent() : nullptr;
  if (cardbox == nullptr) return;
  const std::string word = entry.toLatin1().toStdString();
  std::optional<Card> card;
  if (Failed(cardbox->Grade(*deck, word, right, &card), context_.prompt)) return;
  if (card) ShowStatus(context_.prompt, GradedNote(word, *card, right));
}

}  // namespace tavrune
