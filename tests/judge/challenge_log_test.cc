#include "judge/challenge_log.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/failing_log_calls.h"
#include "tests/support/fixed_time.h"
#include "tests/support/lexicon_fixture.h"

namespace tavrune {
namespace {

using testing::FixedTime;

using testing::ReadAll;

ChallengeResult Play(std::vector<std::string> words, std::vector<bool> found) {
  ChallengeResult result;
  result.words = std::move(words);
  result.found = std::move(found);
  bool all = true;
  for (bool f : result.found) all = all && f;
  result.verdict = all ? Verdict::kAcceptable : Verdict::kNotAcceptable;
  return result;
}

TEST(ChallengeLogTest, StampFormat) {
  EXPECT_EQ(LogStamp(FixedTime()), "03/14/06 19:05:40| ");
  std::tm morning = FixedTime();
  morning.tm_year = 125;
  morning.tm_mon = 0;
  morning.tm_mday = 2;
  morning.tm_hour = 7;
  morning.tm_min = 0;
  morning.tm_sec = 9;
  EXPECT_EQ(LogStamp(morning), "01/02/25 07:00:09| ");
}

TEST(ChallengeLogTest, SessionAndChallengeLines) {
  testing::TempFolder dir;
  ChallengeLog log(dir.path(), FixedTime);  // no trailing '/': one is added
  EXPECT_EQ(log.Folder(), dir.path() + "/");

  EXPECT_TRUE(log.StartSession("Lexicon: Test: test words"));
  EXPECT_TRUE(log.LogChallenge(Play({"QI", "ZA"}, {true, true})));
  EXPECT_TRUE(log.LogChallenge(Play({"CAT", "XYZZY", "DOG", "QOPH"}, {true, false, true, false})));
  EXPECT_TRUE(log.EndSession());

  EXPECT_EQ(ReadAll(dir.File(kChallengeLogName)),
            "03/14/06 19:05:40| *** STARTING JUDGE SESSION ***\n"
            "03/14/06 19:05:40| Lexicon: Test: test words\n"
            "03/14/06 19:05:40| QI ZA | ACCEPTABLE\n"
            "03/14/06 19:05:40| CAT XYZZY DOG QOPH | NOT ACCEPTABLE\n"
            "03/14/06 19:05:40| *** ENDING JUDGE SESSION ***\n");
  EXPECT_EQ(ReadAll(dir.File(kAcceptableWordsLogName)), "QI\nZA\nCAT\nDOG\n");
  EXPECT_EQ(ReadAll(dir.File(kUnacceptableWordsLogName)), "XYZZY\nQOPH\n");
}

TEST(ChallengeLogTest, AppendsToWhatIsThere) {
  testing::TempFolder dir;
  {
    std::ofstream earlier(dir.File(kChallengeLogName));
    earlier << "earlier line\n";
  }
  ChallengeLog log(dir.path() + "/", FixedTime);
  log.Append("entry\n");
  EXPECT_EQ(ReadAll(dir.File(kChallengeLogName)), "earlier line\n03/14/06 19:05:40| entry\n");
}

TEST(ChallengeLogTest, WordLogsAreWrittenBothOrNeither) {
  testing::TempFolder dir;
  // A folder where the unacceptable-words log should be cannot be opened.
  std::filesystem::create_directory(dir.File(kUnacceptableWordsLogName));
  ChallengeLog log(dir.path(), FixedTime);
  EXPECT_FALSE(log.LogChallenge(Play({"QI", "XYZZY"}, {true, false})));
  EXPECT_EQ(ReadAll(dir.File(kChallengeLogName)), "03/14/06 19:05:40| QI XYZZY | NOT ACCEPTABLE\n");
  EXPECT_EQ(ReadAll(dir.File(kAcceptableWordsLogName)), "");
}

TEST(ChallengeLogTest, UnwritablePlacesAreSkippedQuietly) {
  testing::TempFolder dir;
  const ChallengeResult play = Play({"QI"}, {true});

  ChallengeLog missing(dir.File("no such folder"), FixedTime);
  EXPECT_FALSE(missing.StartSession("Lexicon: x"));
  EXPECT_FALSE(missing.LogChallenge(play));
  EXPECT_FALSE(missing.EndSession());
  EXPECT_FALSE(std::filesystem::exists(dir.File("no such folder")));

  std::filesystem::create_directory(dir.File(kChallengeLogName));
  ChallengeLog directory_in_the_way(dir.path(), FixedTime);
  EXPECT_FALSE(directory_in_the_way.LogChallenge(play));
  EXPECT_EQ(ReadAll(dir.File(kAcceptableWordsLogName)), "QI\n");  // word logs still kept

  if (geteuid() != 0) {  // root writes anywhere
    testing::TempFolder locked;
    std::filesystem::permissions(
        locked.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    ChallengeLog read_only(locked.path(), FixedTime);
    EXPECT_FALSE(read_only.LogChallenge(play));
    std::filesystem::permissions(locked.path(), std::filesystem::perms::owner_all);
  }
}

TEST(ChallengeLogTest, FullDiskIsReportedNotFatal) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  testing::TempFolder dir;
  std::filesystem::create_symlink("/dev/full", dir.File(kChallengeLogName));
  ChallengeLog log(dir.path(), FixedTime);
  EXPECT_FALSE(log.Append("entry\n"));
  EXPECT_FALSE(log.LogChallenge(Play({"QI"}, {true})));
  EXPECT_EQ(ReadAll(dir.File(kAcceptableWordsLogName)), "QI\n");
}

TEST(ChallengeLogTest, LinesThatCannotBeWrittenWaitAndGoOutInOrder) {
  struct Case {
    const char* name;
    int open_error;
    int write_error;
    size_t short_write;
  };
  const Case cases[] = {
      {"read-only folder", EACCES, 0, 0},
      {"full disk", 0, ENOSPC, 0},
      {"disk full part way through a line", 0, ENOSPC, 7},
  };
  const std::string session =
      "03/14/06 19:05:40| *** STARTING JUDGE SESSION ***\n"
      "03/14/06 19:05:40| Lexicon: Test\n";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing::TempFolder dir;
    testing::FailingLogCalls calls;
    ChallengeLog log(dir.path(), FixedTime, &calls);
    ASSERT_TRUE(log.StartSession("Lexicon: Test"));

    calls.open_error = c.open_error;
    calls.write_error = c.write_error;
    calls.short_write = c.short_write;
    EXPECT_FALSE(log.LogChallenge(Play({"QI", "ZA"}, {true, true})));
    EXPECT_FALSE(log.LogChallenge(Play({"CAT", "XYZZY"}, {true, false})));
    EXPECT_EQ(log.Waiting(), 6u);
    EXPECT_EQ(log.WaitingArgs(),
              (std::vector<std::string>{"6", dir.File(kChallengeLogName),
                                        std::strerror(c.open_error + c.write_error)}));
    // Whole lines or nothing: no piece of a line is left in any file.
    EXPECT_EQ(ReadAll(dir.File(kChallengeLogName)), session);
    EXPECT_EQ(ReadAll(dir.File(kAcceptableWordsLogName)), "");

    calls.Heal();
    EXPECT_TRUE(log.EndSession());
    EXPECT_EQ(log.Waiting(), 0u);
    EXPECT_EQ(ReadAll(dir.File(kChallengeLogName)),
              session +
                  "03/14/06 19:05:40| QI ZA | ACCEPTABLE\n"
                  "03/14/06 19:05:40| CAT XYZZY | NOT ACCEPTABLE\n"
                  "03/14/06 19:05:40| *** ENDING JUDGE SESSION ***\n");
    EXPECT_EQ(ReadAll(dir.File(kAcceptableWordsLogName)), "QI\nZA\nCAT\n");
    EXPECT_EQ(ReadAll(dir.File(kUnacceptableWordsLogName)), "XYZZY\n");
  }
}

TEST(ChallengeLogTest, ALineNeverJoinsATornOne) {
  testing::TempFolder dir;
  {
    std::ofstream torn(dir.File(kChallengeLogName));
    torn << "03/14/06 19:05:40| QI Z";
  }
  ChallengeLog log(dir.path(), FixedTime);
  EXPECT_TRUE(log.Append("entry\n"));
  EXPECT_TRUE(log.Append("next\n"));
  EXPECT_EQ(ReadAll(dir.File(kChallengeLogName)),
            "03/14/06 19:05:40| QI Z\n"
            "03/14/06 19:05:40| entry\n"
            "03/14/06 19:05:40| next\n");
}

TEST(ChallengeLogTest, LongPlaysAreWrittenWhole) {
  testing::TempFolder dir;
  ChallengeLog log(dir.path(), FixedTime);
  std::vector<std::string> words(5000, "QI");
  std::vector<bool> found(5000, true);
  EXPECT_TRUE(log.LogChallenge(Play(words, found)));
  const std::string line = ReadAll(dir.File(kChallengeLogName));
  EXPECT_EQ(line.size(), std::string("03/14/06 19:05:40| ").size() + 5000 * 3 - 1 +
                             std::string(" | ACCEPTABLE\n").size());
}

}  // namespace
}  // namespace tavrune
