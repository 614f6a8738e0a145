#include "cardbox/zyzzyva_quiz_file.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cardbox/sqlite_db.h"
#include "tests/cardbox/cardbox_test_support.h"
#include "tests/support/fixed_time.h"

namespace tavrune {
namespace {

using testing::kStart;

// One row of the peer's questions table, NULL as kNull.
constexpr int64_t kNull = INT64_MIN;

struct Row {
  std::string question;
  int64_t correct, incorrect, streak, last_correct, difficulty, cardbox, next_scheduled;
  friend bool operator==(const Row&, const Row&) = default;
};

void WriteRows(const std::string& path, const std::vector<Row>& rows) {
  sql::Database db;
  ASSERT_TRUE(db.Open(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE));
  ASSERT_TRUE(db.Exec(
      "CREATE TABLE questions (question varchar(16), correct integer, incorrect integer,"
      " streak integer, last_correct integer, difficulty integer, cardbox integer,"
      " next_scheduled integer); CREATE UNIQUE INDEX question_index ON questions (question)"));
  sql::Statement insert(db, "INSERT INTO questions VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
  for (const Row& row : rows) {
    insert.Reset();
    insert.Bind(1, row.question);
    const int64_t values[] = {row.correct,    row.incorrect, row.streak,        row.last_correct,
                              row.difficulty, row.cardbox,   row.next_scheduled};
    for (int i = 0; i < 7; ++i) {
      if (values[i] != kNull) insert.Bind(i + 2, values[i]);
    }
    ASSERT_TRUE(insert.Run());
  }
}

std::vector<Row> ReadRows(const std::string& path) {
  sql::Database db;
  EXPECT_TRUE(db.Open(path, SQLITE_OPEN_READONLY));
  sql::Statement select(db, "SELECT * FROM questions ORDER BY question");
  std::vector<Row> rows;
  while (select.Step() == SQLITE_ROW) {
    Row row{select.Text(0), 0, 0, 0, 0, 0, 0, 0};
    int64_t* values[] = {&row.correct,    &row.incorrect, &row.streak,        &row.last_correct,
                         &row.difficulty, &row.cardbox,   &row.next_scheduled};
    for (int i = 0; i < 7; ++i) *values[i] = select.IsNull(i + 1) ? kNull : select.Int(i + 1);
    rows.push_back(row);
  }
  return rows;
}

class QuizFileTest : public testing::CardboxTest {};

TEST_F(QuizFileTest, ImportThenExportGivesTheSameRows) {
  const std::vector<Row> rows = {
      {"AEINRST", 5, 1, 3, kStart - 100, 50, 3, kStart + 86400},
      {"AEGINRS", 0, 2, -2, 0, 50, 0, kStart - 50},
      {"EINORST", 1, 0, 1, kStart - 7, 50, 1, kStart + 4 * 86400},
  };
  std::vector<Row> file_rows = rows;
  file_rows.push_back({"ADEILRT", 4, 4, 0, kStart - 9, 60, kNull, kNull});  // not in the cardbox
  file_rows.push_back({"AB-C", 1, 1, 1, 1, 50, 0, kStart});                 // no question here
  const std::string source = dir_.File("Anagrams.db");
  WriteRows(source, file_rows);

  std::vector<Card> cards;
  QuizFileCounts counts;
  ASSERT_TRUE(ReadQuizFile(source, anagrams_, now_, &cards, &counts).ok());
  EXPECT_EQ(counts.cards, 3);
  EXPECT_EQ(counts.not_in_cardbox, 1);
  EXPECT_EQ(counts.skipped, 1);
  AddCounts added;
  ASSERT_TRUE(box_.Insert(cards, &added).ok());
  EXPECT_EQ(added.added, 3);

  const std::optional<Card> card = Find(anagrams_, "RETAINS");
  ASSERT_TRUE(card);
  EXPECT_EQ(card->box, 3);
  EXPECT_EQ(card->due, kStart + 86400);
  EXPECT_EQ(card->right, 5);
  EXPECT_EQ(card->missed, 1);
  EXPECT_EQ(card->streak, 3);
  EXPECT_EQ(card->last_right, kStart - 100);
  EXPECT_EQ(DueQuestions(), std::vector<std::string>{"AEGINRS"});

  std::vector<Card> deck;
  ASSERT_TRUE(box_.DeckCards(anagrams_, &deck).ok());
  const std::string target = dir_.File("export/Anagrams.db");
  std::filesystem::create_directories(dir_.File("export"));
  ASSERT_TRUE(WriteQuizFile(target, deck).ok());
  std::vector<Row> expected = rows;
  std::sort(expected.begin(), expected.end(),
            [](const Row& a, const Row& b) { return a.question < b.question; });
  EXPECT_EQ(ReadRows(target), expected);

  // Into the source again: its other rows stay, and so do their difficulties.
  Grade(anagrams_, "RETAINS", false);
  ASSERT_TRUE(box_.DeckCards(anagrams_, &deck).ok());
  ASSERT_TRUE(WriteQuizFile(source, deck).ok());
  const std::vector<Row> merged = ReadRows(source);
  ASSERT_EQ(merged.size(), 5u);
  EXPECT_EQ(merged[0].question, "AB-C");
  EXPECT_EQ(merged[1], file_rows[3]);
  const Row& retains = merged[3];
  EXPECT_EQ(retains.question, "AEINRST");
  EXPECT_EQ(retains.cardbox, 0);
  EXPECT_EQ(retains.incorrect, 2);
  EXPECT_EQ(retains.streak, -1);
}

TEST_F(QuizFileTest, FilesThatAreNoQuizDatabaseAreRefusedByName) {
  const std::string text = dir_.File("Hooks.db");
  std::ofstream(text) << "just some text that is not a database, long enough to be read\n";
  const std::string other = dir_.File("Other.db");
  {
    sql::Database db;
    ASSERT_TRUE(db.Open(other, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE));
    ASSERT_TRUE(db.Exec("CREATE TABLE words (word TEXT)"));
  }
  std::vector<Card> cards;
  QuizFileCounts counts;
  for (const std::string& path : {text, other}) {
    const std::string before = testing::ReadAll(path);
    CardboxStatus status = ReadQuizFile(path, hooks_, now_, &cards, &counts);
    EXPECT_EQ(status.error, CardboxError::kNotQuizFile) << path;
    EXPECT_EQ(status.path, path);
    status = WriteQuizFile(path, {});
    EXPECT_EQ(status.error, CardboxError::kNotQuizFile) << path;
    EXPECT_TRUE(testing::ReadAll(path) == before);
  }
  const CardboxStatus missing = ReadQuizFile(dir_.File("none.db"), hooks_, now_, &cards, &counts);
  EXPECT_EQ(missing.error, CardboxError::kFailed);
  EXPECT_EQ(missing.path, dir_.File("none.db"));
}

TEST(QuizFileKindTest, TheKindComesFromTheFileName) {
  EXPECT_EQ(QuizFileKind("/q/CSW19/Anagrams.db"), CardKind::kAnagrams);
  EXPECT_EQ(QuizFileKind("hooks.DB"), CardKind::kHooks);
  EXPECT_EQ(QuizFileKind("Anagrams with Hooks.db"), CardKind::kAnagramsAndHooks);
  EXPECT_EQ(QuizFileKind("anagrams-hooks.db"), CardKind::kAnagramsAndHooks);
  EXPECT_EQ(QuizFileKind("Build.db"), CardKind::kBuild);
  EXPECT_EQ(QuizFileKind("Subanagrams.db"), std::nullopt);
  for (CardKind kind : kAllCardKinds) EXPECT_EQ(QuizFileKind(QuizFileName(kind)), kind);
}

}  // namespace
}  // namespace tavrune
