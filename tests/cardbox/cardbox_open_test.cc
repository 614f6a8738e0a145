#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

#include "cardbox/cardbox.h"
#include "cardbox/sqlite_db.h"
#include "tests/support/fixed_time.h"
#include "tests/support/lexicon_fixture.h"

namespace tavrune {
namespace {

constexpr int64_t kNow = 1773482400;
const Deck kDeck{"UKNA", CardKind::kHooks};

class CardboxOpenTest : public ::testing::Test {
 protected:
  CardboxStatus OpenAt(const std::string& path) {
    Cardbox box([] { return kNow; }, 1);
    return box.Open(path);
  }
  // A cardbox with `count` cards, closed again.
  void MakeCardbox(int count) {
    Cardbox box([] { return kNow; }, 1);
    ASSERT_TRUE(box.Open(path_).ok());
    std::vector<std::string> entries;
    for (int i = 0; i < count; ++i) {
      std::string entry;
      for (int n = i; entry.size() < 4; n /= 26) entry += static_cast<char>('A' + n % 26);
      entries.push_back(entry);
    }
    AddCounts counts;
    ASSERT_TRUE(box.Add(kDeck, entries, &counts).ok());
  }
  void Sql(const char* statements) {
    sql::Database db;
    ASSERT_TRUE(db.Open(path_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE));
    ASSERT_TRUE(db.Exec(statements)) << db.ErrorMessage();
  }

  testing::TempFolder dir_;
  std::string path_ = dir_.File("cardbox.sqlite");
};

TEST_F(CardboxOpenTest, ANewCardboxIsMadeWithItsFolderInWriteAheadMode) {
  path_ = dir_.File("share/Kestrelle/Tavrune/cardbox.sqlite");
  MakeCardbox(1);
  sql::Database db;
  ASSERT_TRUE(db.Open(path_, SQLITE_OPEN_READONLY));
  sql::Statement mode(db,
                      "SELECT (SELECT journal_mode FROM pragma_journal_mode),"
                      " (SELECT user_version FROM pragma_user_version)");
  ASSERT_EQ(mode.Step(), SQLITE_ROW);
  EXPECT_EQ(mode.Text(0), "wal");
  EXPECT_EQ(mode.Int(1), Cardbox::kSchemaVersion);
  EXPECT_TRUE(OpenAt(path_).ok());  // and opens again
}

TEST_F(CardboxOpenTest, FilesThatAreNoUsableCardboxAreRefusedAndLeftUntouched) {
  struct Case {
    const char* name;
    std::function<void()> make;
    CardboxError error;
  };
  const Case cases[] = {
      {"text", [&] { std::ofstream(path_) << "QI\nZA\nnot a database at all, just words\n"; },
       CardboxError::kNotCardbox},
      {"another program's database",
       [&] { Sql("CREATE TABLE questions (question varchar(16), cardbox integer)"); },
       CardboxError::kNotCardbox},
      {"newer schema",
       [&] {
         MakeCardbox(1);
         Sql("PRAGMA user_version = 2");
       },
       CardboxError::kNewerVersion},
      {"damaged",
       [&] {
         MakeCardbox(3000);
         // Pages 3 to 6 lose their b-tree headers.
         std::fstream file(path_, std::ios::in | std::ios::out | std::ios::binary);
         for (int page = 2; page < 6; ++page) {
           file.seekp(page * 4096);
           file.write("\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 8);
         }
       },
       CardboxError::kDamaged},
  };
  for (const Case& c : cases) {
    std::remove(path_.c_str());
    c.make();
    const std::string before = testing::ReadAll(path_);
    const CardboxStatus status = OpenAt(path_);
    EXPECT_EQ(status.error, c.error) << c.name << ": " << status.detail;
    EXPECT_EQ(status.path, path_);
    EXPECT_TRUE(testing::ReadAll(path_) == before) << c.name;
  }
}

TEST_F(CardboxOpenTest, TheNewerVersionIsNamed) {
  MakeCardbox(1);
  Sql("PRAGMA user_version = 7");
  EXPECT_EQ(OpenAt(path_).detail, "7");
}

TEST_F(CardboxOpenTest, AFailedMigrationLeavesNothingHalfDone) {
  // Marked as a cardbox of no version yet, but in the way of the first
  // migration.
  Sql("PRAGMA application_id = 1417044834; CREATE TABLE history (x)");
  const std::string before = testing::ReadAll(path_);
  const CardboxStatus status = OpenAt(path_);
  EXPECT_EQ(status.error, CardboxError::kFailed);
  EXPECT_NE(status.detail.find("history"), std::string::npos) << status.detail;
  EXPECT_TRUE(testing::ReadAll(path_) == before);
}

TEST_F(CardboxOpenTest, AnUnusableFolderIsNamed) {
  std::ofstream(dir_.File("file")) << "x";
  const CardboxStatus status = OpenAt(dir_.File("file/cardbox.sqlite"));
  EXPECT_EQ(status.error, CardboxError::kFolder);
  EXPECT_EQ(status.path, dir_.File("file"));
  EXPECT_FALSE(status.detail.empty());
}

TEST_F(CardboxOpenTest, AReadOnlyFolderIsNamed) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  const std::string locked = dir_.File("locked");
  ASSERT_EQ(mkdir(locked.c_str(), 0500), 0);
  const CardboxStatus status = OpenAt(locked + "/cardbox.sqlite");
  EXPECT_EQ(status.error, CardboxError::kFolder);
  EXPECT_EQ(status.path, locked);
}

TEST_F(CardboxOpenTest, ALockedCardboxIsReportedBusyAndLosesNothing) {
  MakeCardbox(1);
  Cardbox box([] { return kNow + 60; }, 1);
  ASSERT_TRUE(box.Open(path_, 20).ok());
  sql::Database other;
  ASSERT_TRUE(other.Open(path_, SQLITE_OPEN_READWRITE));
  ASSERT_TRUE(other.Exec("BEGIN IMMEDIATE"));

  std::optional<Card> card;
  EXPECT_EQ(box.Grade(kDeck, "AAAA", true, &card).error, CardboxError::kBusy);
  AddCounts counts;
  EXPECT_EQ(box.Add(kDeck, {"QI"}, &counts).error, CardboxError::kBusy);
  // Reading goes on while the other program writes.
  std::vector<Card> due;
  ASSERT_TRUE(box.Due({}, 10, false, &due).ok());
  EXPECT_EQ(due.size(), 1u);

  ASSERT_TRUE(other.Exec("ROLLBACK"));
  ASSERT_TRUE(box.Find(kDeck, "AAAA", &card).ok());
  EXPECT_EQ(card->right, 0);
  EXPECT_EQ(card->box, 0);
  ASSERT_TRUE(box.Grade(kDeck, "AAAA", true, &card).ok());
  EXPECT_EQ(card->box, 1);
}

}  // namespace
}  // namespace tavrune
