#include "tools/cardbox_command.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <stdlib.h>
#include <time.h>

#include <algorithm>
#include <fstream>
#include <string_view>

#include "cardbox/sqlite_db.h"
#include "tests/support/lexicon_fixture.h"
#include "tests/support/run_tool.h"

namespace tavrune {
namespace {

using Result = testing::ToolResult;

class CardboxCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("TZ", "UTC", 1);
    tzset();
    setenv("TAVRUNE_NOW", "1773482400", 1);  // 2026-03-14T10:00:00Z
    std::ofstream(dir_.File("words.txt")) << "QI\nZA\nSTAR\nRATS\nARTS\n";
    ASSERT_EQ(testing::RunTool({"compile", dir_.File("words.txt"), lexicon_}).status, 0);
  }
  void TearDown() override { unsetenv("TAVRUNE_NOW"); }

  Result Run(std::vector<std::string> args, const std::string& input = "") {
    args.insert(args.begin(), "cardbox");
    args.insert(args.end(), {"--database", database_});
    return testing::RunTool(args, input);
  }

  testing::TempFolder dir_;
  std::string lexicon_ = dir_.File("UKNA.TVD");
  std::string database_ = dir_.File("cardbox.sqlite");
};

TEST_F(CardboxCommandTest, AddStudyGradeAndUndo) {
  Result r = Run({"add", lexicon_, "anagrams"}, "qi za\nstar rats c-at\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "3 added, 1 already in the cardbox, 1 skipped\n");

  r = Run({"due", "--limit", "2"});
  EXPECT_EQ(r.out,
            "UKNA anagrams IQ 0 2026-03-14T10:00:00+00:00\n"
            "UKNA anagrams AZ 0 2026-03-14T10:00:00+00:00\n");

  // Due again in 4 days, give or take one.
  r = Run({"grade", "--lexicon", "UKNA", "--kind", "anagrams", "tsar", "right"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string prefix = "UKNA anagrams ARST 1 2026-03-1";
  ASSERT_TRUE(r.out.starts_with(prefix)) << r.out;
  EXPECT_NE(std::string_view("789").find(r.out[prefix.size()]), std::string_view::npos) << r.out;
  r = Run({"grade", "--lexicon", "UKNA", "--kind", "hooks", "QI", "missed"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "tavrune-lexicon: QI is not in the cardbox (UKNA hooks)\n");

  r = Run({"stats", "--lexicon", "UKNA"});
  EXPECT_TRUE(
      r.out.starts_with("Cards: 3\nBox 0: 2\nBox 1: 1\nDue now: 2\n"
                        "Due 2026-03-14 (rest of today): 0\nDue 2026-03-15: 0\n"))
      << r.out;

  r = Run({"undo"});
  EXPECT_EQ(r.out, "UKNA anagrams ARST 0 2026-03-14T10:00:00+00:00\n");
  EXPECT_EQ(Run({"undo"}).status, 1);
  EXPECT_EQ(Run({"due", "--kind", "hooks"}).out, "");
}

TEST_F(CardboxCommandTest, TwoWeeksLaterTheBacklogIsSpreadOrShifted) {
  Run({"add", lexicon_, "hooks"}, "QI ZA STAR RATS ARTS");
  setenv("TAVRUNE_NOW", "1774692000", 1);  // two weeks on
  Result r = Run({"spread", "5"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "4 moved to later days, 1 due now\n");
  EXPECT_EQ(Run({"shift", "3", "--kind", "hooks"}).out, "3 due now\n");
  r = Run({"due", "--lexicon", "UKNA", "--kind", "hooks"});
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3);
  EXPECT_TRUE(r.out.starts_with("UKNA hooks QI 0 ")) << r.out;
  r = Run({"move", "--lexicon", "UKNA", "--kind", "hooks", "za", "0"});
  EXPECT_EQ(r.out, "UKNA hooks ZA 0 2026-03-28T10:00:00+00:00\n");
}

TEST_F(CardboxCommandTest, TheScheduleCanBeChanged) {
  Result r = Run({"schedule", "--intervals", "2,5 9", "--missed", "down-one"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.out.starts_with("Intervals: 2 5 9\nSpreads: 0 1 2 3 "));
  EXPECT_TRUE(r.out.ends_with("Missed: down-one\n"));
  Run({"add", lexicon_, "hooks"}, "QI");
  Run({"schedule", "--spreads", "0"});
  EXPECT_EQ(Run({"grade", "--lexicon", "UKNA", "--kind", "hooks", "QI", "right"}).out,
            "UKNA hooks QI 1 2026-03-19T10:00:00+00:00\n");
}

TEST_F(CardboxCommandTest, ImportsAndExportsZyzzyvaQuizFiles) {
  const std::string source = dir_.File("Hooks.db");
  {
    sql::Database db;
    ASSERT_TRUE(db.Open(source, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE));
    ASSERT_TRUE(
        db.Exec("CREATE TABLE questions (question varchar(16), correct integer, incorrect integer,"
                " streak integer, last_correct integer, difficulty integer, cardbox integer,"
                " next_scheduled integer);"
                "INSERT INTO questions VALUES ('QI', 3, 1, 2, 1773400000, 50, 2, 1773500000);"
                "INSERT INTO questions VALUES ('ZA', 0, 1, -1, 0, 50, 0, 1773000000);"
                "INSERT INTO questions VALUES ('ARTS', 1, 0, 1, 1773000000, 50, NULL, NULL);"));
  }
  Result r = Run({"import", source, "--lexicon", "UKNA"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "2 imported, 0 already in the cardbox, 1 not in a cardbox, 0 skipped\n");
  EXPECT_EQ(Run({"import", source, "--lexicon", "UKNA"}).out,
            "0 imported, 2 already in the cardbox, 1 not in a cardbox, 0 skipped\n");
  EXPECT_EQ(Run({"due"}).out, "UKNA hooks ZA 0 2026-03-08T20:00:00+00:00\n");

  const std::string target = dir_.File("out.db");
  r = Run({"export", target, "--lexicon", "UKNA", "--kind", "hooks"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "2 written to " + target + "\n");
  r = Run({"import", target, "--lexicon", "NA", "--kind", "hooks"});
  EXPECT_EQ(r.out, "2 imported, 0 already in the cardbox, 0 not in a cardbox, 0 skipped\n");
}

TEST_F(CardboxCommandTest, BadInputGetsOneLineAndChangesNothing) {
  std::ofstream(dir_.File("notes.txt")) << "QI ZA\n";
  const std::string not_cardbox = dir_.File("notes.txt");
  const std::vector<std::vector<std::string>> cases = {
      {"cardbox"},
      {"cardbox", "sort"},
      {"cardbox", "add", lexicon_},
      {"cardbox", "add", lexicon_, "words"},
      {"cardbox", "add", dir_.File("words.txt"), "hooks"},
      {"cardbox", "due", "--limit", "-1"},
      {"cardbox", "due", "--colour", "red"},
      {"cardbox", "due", "--lexicon"},
      {"cardbox", "due", "--lexicon", "MY LIST"},
      {"cardbox", "grade", "--lexicon", "UKNA", "QI", "right"},
      {"cardbox", "grade", "--lexicon", "UKNA", "--kind", "hooks", "QI", "maybe"},
      {"cardbox", "move", "--lexicon", "UKNA", "--kind", "hooks", "QI", "1000"},
      {"cardbox", "spread", "0"},
      {"cardbox", "schedule", "--intervals", "1 x"},
      {"cardbox", "import", dir_.File("Other.db"), "--lexicon", "UKNA"},
      {"cardbox", "import", not_cardbox, "--lexicon", "UKNA", "--kind", "build", "--database",
       database_},
      {"cardbox", "due", "--database", not_cardbox},
  };
  for (const auto& args : cases) {
    const Result r = testing::RunTool(args);
    EXPECT_EQ(r.status, 2) << args.back();
    EXPECT_TRUE(r.err.starts_with("tavrune-lexicon: ")) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
  EXPECT_EQ(
      testing::RunTool({"cardbox", "due", "--database", not_cardbox}).err,
      "tavrune-lexicon: " + not_cardbox + " is not a Tavrune cardbox; it was left untouched.\n");
  EXPECT_NE(Run({"import", not_cardbox, "--lexicon", "UKNA", "--kind", "build"})
                .err.find(not_cardbox + " is not a Zyzzyva quiz database"),
            std::string::npos);
  setenv("TAVRUNE_NOW", "soon", 1);
  EXPECT_EQ(Run({"due"}).err,
            "tavrune-lexicon: TAVRUNE_NOW 'soon' is no whole number of Unix seconds\n");
}

}  // namespace
}  // namespace tavrune
