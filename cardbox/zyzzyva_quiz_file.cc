#include "cardbox/zyzzyva_quiz_file.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>

#include "cardbox/schedule.h"
#include "cardbox/sqlite_db.h"
#include "engine/file_io.h"

namespace tavrune {
namespace {

constexpr const char* kSelectRows =
    "SELECT question, correct, incorrect, streak, last_correct, difficulty, cardbox,"
    " next_scheduled FROM questions";

// The file's difficulty column is the peer's own; new rows get its default.
constexpr int64_t kDefaultDifficulty = 50;

CardboxStatus Refusal(const std::string& path, const sql::Database& db) {
  const int code = db.ErrorCode();
  const CardboxError error = code == SQLITE_BUSY || code == SQLITE_LOCKED ? CardboxError::kBusy
                             : db.IsOpen() && code != SQLITE_CANTOPEN ? CardboxError::kNotQuizFile
                                                                      : CardboxError::kFailed;
  return {error, path, db.ErrorMessage()};
}

std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

}  // namespace

std::optional<CardKind> QuizFileKind(const std::string& path) {
  const std::string stem = Lower(std::filesystem::path(path).stem().string());
  if (stem == "anagrams with hooks") return CardKind::kAnagramsAndHooks;
  for (CardKind kind : kAllCardKinds) {
    if (stem == CardKindName(kind)) return kind;
  }
  return std::nullopt;
}

std::string QuizFileName(CardKind kind) {
  switch (kind) {
    case CardKind::kAnagrams:
      return "Anagrams.db";
    case CardKind::kHooks:
      return "Hooks.db";
    case CardKind::kAnagramsAndHooks:
      return "Anagrams with Hooks.db";
    case CardKind::kBuild:
      break;
  }
  return "Build.db";
}

CardboxStatus ReadQuizFile(const std::string& path, const Deck& deck, int64_t now,
                           std::vector<Card>* cards, QuizFileCounts* counts) {
  sql::Database db;
  if (!db.Open(path, SQLITE_OPEN_READONLY)) return Refusal(path, db);
  sql::Statement select(db, kSelectRows);
  if (!select.ok()) return Refusal(path, db);
  std::vector<Card> read;
  QuizFileCounts counted;
  int code;
  while ((code = select.Step()) == SQLITE_ROW) {
    if (select.IsNull(6)) {
      ++counted.not_in_cardbox;
      continue;
    }
    const std::optional<std::string> question = CardQuestion(deck.kind, select.Text(0));
    if (!question) {
      ++counted.skipped;
      continue;
    }
    Card card;
    card.lexicon = deck.lexicon;
    card.kind = deck.kind;
    card.question = *question;
    card.right = std::max<int64_t>(select.Int(1), 0);
    card.missed = std::max<int64_t>(select.Int(2), 0);
    card.streak = select.Int(3);
    if (select.Int(4) > 0) card.last_right = select.Int(4);
    // The file keeps only the last right answer; after a right streak that
    // was the last answer.
    if (card.streak > 0) card.last_answered = card.last_right;
    card.box = static_cast<int>(std::clamp<int64_t>(select.Int(6), 0, kMaxBox));
    card.due = select.IsNull(7) ? now : select.Int(7);
    card.added = now;
    read.push_back(std::move(card));
  }
  if (code != SQLITE_DONE) return Refusal(path, db);
  counted.cards = static_cast<int64_t>(read.size());
  *cards = std::move(read);
  *counts = counted;
  return {};
}

CardboxStatus WriteQuizFile(const std::string& path, const std::vector<Card>& cards) {
  sql::Database out;
  const auto failed = [&] {
    return CardboxStatus{CardboxError::kFailed, path, out.ErrorMessage()};
  };
  if (!out.Open(":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_MEMORY) ||
      !out.Exec("CREATE TABLE questions (question varchar(16), correct integer,"
                " incorrect integer, streak integer, last_correct integer, difficulty integer,"
                " cardbox integer, next_scheduled integer);"
                "CREATE UNIQUE INDEX question_index ON questions (question);"
                "BEGIN")) {
    return failed();
  }
  sql::Statement insert(
      out,
      "INSERT INTO questions (question, correct, incorrect, streak, last_correct,"
      " difficulty, cardbox, next_scheduled) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)"
      " ON CONFLICT (question) DO UPDATE SET correct = excluded.correct,"
      " incorrect = excluded.incorrect, streak = excluded.streak,"
      " last_correct = excluded.last_correct, cardbox = excluded.cardbox,"
      " next_scheduled = excluded.next_scheduled");
  if (!insert.ok()) return failed();

  std::error_code ec;
  if (std::filesystem::exists(path, ec)) {
    sql::Database old;
    if (!old.Open(path, SQLITE_OPEN_READONLY)) return Refusal(path, old);
    sql::Statement select(old, kSelectRows);
    if (!select.ok()) return Refusal(path, old);
    // Copied as they are, NULLs included.
    int code;
    while ((code = select.Step()) == SQLITE_ROW) {
      insert.Reset();
      for (int column = 0; column < 8; ++column) {
        if (select.IsNull(column)) continue;
        if (column == 0) {
          insert.Bind(1, select.Text(0));
        } else {
          insert.Bind(column + 1, select.Int(column));
        }
      }
      if (!insert.Run()) return failed();
    }
    if (code != SQLITE_DONE) return Refusal(path, old);
  }

  for (const Card& card : cards) {
    insert.Reset();
    insert.Bind(1, card.question).Bind(2, card.right).Bind(3, card.missed).Bind(4, card.streak);
    insert.Bind(5, card.last_right.value_or(0)).Bind(6, kDefaultDifficulty);
    insert.Bind(7, card.box).Bind(8, card.due);
    if (!insert.Run()) return failed();
  }
  if (!out.Exec("COMMIT")) return failed();
  const std::vector<uint8_t> bytes = out.Serialize();
  if (bytes.empty()) return failed();
  const FileStatus written = WriteFileAtomically(
      path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  if (!written) return {CardboxError::kFailed, path, written.reason()};
  return {};
}

}  // namespace tavrune
