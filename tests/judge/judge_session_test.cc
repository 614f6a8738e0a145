#include "judge/judge_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "judge/judge_messages.h"
#include "tests/support/fixed_time.h"
#include "tests/support/lexicon_fixture.h"
#include "tests/support/recording_prompt.h"

namespace tavrune {
namespace {

using Present = std::array<bool, kLexiconCount>;

using testing::FixedTime;

using testing::ReadAll;

void WriteLexicon(const std::string& program_folder, LexiconId id, const char* name,
                  std::initializer_list<const char*> words) {
  std::filesystem::create_directories(program_folder + "/Lexicons");
  LexiconBuilder builder;
  builder.SetName(name);
  builder.SetDescription("test words");
  for (const char* w : words) builder.AddWord(w);
  ASSERT_TRUE(builder.WriteFile(program_folder + "/" + std::string(LexiconFileName(id))));
}

TEST(JudgeSettingsTest, DefaultsWhenNothingIsStored) {
  MemorySettings store;
  const JudgeSettings values = ReadJudgeSettings(store, "/home/judge");
  EXPECT_EQ(values.current_lexicon, LexiconId::kNA);
  EXPECT_EQ(values.log_directory, "/home/judge/");
  EXPECT_TRUE(values.no_mouse);
}

TEST(JudgeSettingsTest, OddStoredValuesAreNormalised) {
  MemorySettings store;
  store.PutString("General", "CurrentLexicon", "7");
  store.PutString("General", "NoMouseFlag", "0");
  store.PutString("General", "ChallengeLogDirectory", "/var/log/club");
  JudgeSettings values = ReadJudgeSettings(store, "/home/judge");
  EXPECT_EQ(values.current_lexicon, LexiconId::kUKNA);
  EXPECT_FALSE(values.no_mouse);
  EXPECT_EQ(values.log_directory, "/var/log/club/");

  store.PutString("General", "CurrentLexicon", "99999999999999999999999");
  store.PutString("General", "NoMouseFlag", "often");
  store.PutString("General", "ChallengeLogDirectory", std::string(5000, 'x'));
  values = ReadJudgeSettings(store, "/home/judge");
  EXPECT_EQ(values.current_lexicon, LexiconId::kNA);  // unreadable: the default
  EXPECT_TRUE(values.no_mouse);
  EXPECT_EQ(values.log_directory, "/home/judge/");

  store.PutInt("General", "CurrentLexicon", -4);
  store.PutInt("General", "NoMouseFlag", 42);
  store.PutString("General", "ChallengeLogDirectory", "");
  values = ReadJudgeSettings(store, "/home/judge/");
  EXPECT_EQ(values.current_lexicon, LexiconId::kUKNA);
  EXPECT_TRUE(values.no_mouse);
  EXPECT_EQ(values.log_directory, "/home/judge/");
}

TEST(JudgeSettingsTest, WrittenAsStored) {
  MemorySettings store;
  WriteJudgeSettings(store, {LexiconId::kFR, "/tmp/logs/", false});
  EXPECT_EQ(store.GetString("General", "CurrentLexicon", ""), "3");
  EXPECT_EQ(store.GetString("General", "ChallengeLogDirectory", ""), "/tmp/logs/");
  EXPECT_EQ(store.GetString("General", "NoMouseFlag", ""), "0");
  EXPECT_EQ(ReadJudgeSettings(store, "/x"), (JudgeSettings{LexiconId::kFR, "/tmp/logs/", false}));
}

TEST(PreselectionTest, CurrentWhenPresentElseFixedOrder) {
  EXPECT_EQ(PreselectedLexicon({true, true, true, true, true}, LexiconId::kNAF), LexiconId::kNAF);
  EXPECT_EQ(PreselectedLexicon({true, true, true, true, true}, LexiconId::kUKNA), LexiconId::kUKNA);
  EXPECT_EQ(PreselectedLexicon({true, true, false, true, true}, LexiconId::kUKNA), LexiconId::kNA);
  EXPECT_EQ(PreselectedLexicon({true, false, true, true, true}, LexiconId::kNAF), LexiconId::kNAF);
  EXPECT_EQ(PreselectedLexicon({true, false, true, true, false}, LexiconId::kNAF), LexiconId::kUK);
  EXPECT_EQ(PreselectedLexicon({false, false, true, true, false}, LexiconId::kNA),
            LexiconId::kUKNA);
  EXPECT_EQ(PreselectedLexicon({false, false, false, true, true}, LexiconId::kUK), LexiconId::kFR);
  EXPECT_EQ(PreselectedLexicon({false, false, false, false, true}, LexiconId::kUK),
            LexiconId::kNAF);
  EXPECT_EQ(PreselectedLexicon({false, false, false, false, false}, LexiconId::kUK), std::nullopt);
}

class JudgeSessionTest : public ::testing::Test {
 protected:
  std::string LogFolder() const { return logs_.path() + "/"; }

  testing::TempFolder program_;
  testing::TempFolder logs_;
  MemorySettings store_;
  testing::RecordingPrompt prompt_;
};

TEST_F(JudgeSessionTest, NoLexiconsShows102AndLogsNothing) {
  JudgeSession session(store_, prompt_, logs_.path(), FixedTime);
  EXPECT_FALSE(session.Start(program_.path()));
  EXPECT_EQ(prompt_.MessageIds(), std::vector<int>{kNoLexiconsMessage});
  session.End();
  EXPECT_EQ(store_.size(), 0u);
  EXPECT_TRUE(std::filesystem::is_empty(logs_.path()));
}

TEST_F(JudgeSessionTest, StartUpLoadsTheChoiceAndBracketsTheSession) {
  WriteLexicon(program_.path(), LexiconId::kUKNA, "Both", {"QI", "ZA"});
  WriteLexicon(program_.path(), LexiconId::kFR, "French", {"OUI"});
  store_.PutInt("General", "CurrentLexicon", 7);

  JudgeSession session(store_, prompt_, "/nowhere", FixedTime);
  ASSERT_TRUE(session.Start(program_.path()));
  EXPECT_EQ(session.Choice().current_lexicon, LexiconId::kUKNA);  // 7 reads as 2
  EXPECT_EQ(session.PresentLexicons(), (Present{false, false, true, true, false}));

  session.SetChoice({LexiconId::kFR, logs_.path(), false});
  ASSERT_TRUE(session.Load());
  EXPECT_TRUE(prompt_.MessageIds().empty());
  EXPECT_EQ(prompt_.wait_begins, 1);
  EXPECT_EQ(prompt_.wait_depth, 0);
  EXPECT_TRUE(session.CurrentLexicon().Contains("OUI"));
  EXPECT_EQ(session.Caption(), "Lexicon: French: test words");
  EXPECT_FALSE(session.NoMouse());

  EXPECT_EQ(store_.GetString("General", "CurrentLexicon", ""), "3");
  EXPECT_EQ(store_.GetString("General", "ChallengeLogDirectory", ""), LogFolder());
  EXPECT_EQ(store_.GetString("General", "NoMouseFlag", ""), "0");

  session.Log().LogChallenge(JudgeChallenge(session.CurrentLexicon(), "OUI"));
  session.End();
  session.End();  // once only
  EXPECT_EQ(ReadAll(LogFolder() + kChallengeLogName),
            "03/14/06 19:05:40| *** STARTING JUDGE SESSION ***\n"
            "03/14/06 19:05:40| Lexicon: French: test words\n"
            "03/14/06 19:05:40| OUI | ACCEPTABLE\n"
            "03/14/06 19:05:40| *** ENDING JUDGE SESSION ***\n");
}

TEST_F(JudgeSessionTest, CancelledChoiceKeepsTheReadValuesNormalised) {
  WriteLexicon(program_.path(), LexiconId::kUK, "British", {"COLOUR"});
  store_.PutInt("General", "CurrentLexicon", 1);  // not present
  store_.PutString("General", "ChallengeLogDirectory", logs_.path());
  store_.PutString("General", "NoMouseFlag", "junk");

  JudgeSession session(store_, prompt_, "/nowhere", FixedTime);
  ASSERT_TRUE(session.Start(program_.path()));
  ASSERT_TRUE(session.Load());
  EXPECT_TRUE(session.CurrentLexicon().Contains("COLOUR"));
  EXPECT_EQ(store_.GetString("General", "CurrentLexicon", ""), "0");
  EXPECT_EQ(store_.GetString("General", "ChallengeLogDirectory", ""), LogFolder());
  EXPECT_EQ(store_.GetString("General", "NoMouseFlag", ""), "1");
}

TEST_F(JudgeSessionTest, ChoiceIsNormalised) {
  WriteLexicon(program_.path(), LexiconId::kNA, "American", {"COLOR"});
  JudgeSession session(store_, prompt_, "/home/judge", FixedTime);
  ASSERT_TRUE(session.Start(program_.path()));

  session.SetChoice({LexiconId::kUK, "", true});  // UK is missing; no folder typed
  EXPECT_EQ(session.Choice(), (JudgeSettings{LexiconId::kNA, "/home/judge/", true}));
  session.SetChoice({static_cast<LexiconId>(9), "/srv/logs", false});
  EXPECT_EQ(session.Choice(), (JudgeSettings{LexiconId::kNA, "/srv/logs/", false}));
}

TEST_F(JudgeSessionTest, UnreadableOrDamagedLexiconIsSaidSoAfterSavingSettings) {
  const std::string lexicon = program_.File("Lexicons/NA.TVD");
  struct Case {
    const char* name;
    std::function<void()> make;
    int message;
  };
  const Case cases[] = {
      {"shorter than a header",
       [&] {
         testing::WriteBytes(lexicon, {1, 2, 3});
       },
       kLexiconDamagedMessage},
      {"a folder in the file's place", [&] { std::filesystem::create_directory(lexicon); },
       kLexiconUnreadableMessage},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(program_.File("Lexicons"));
    std::filesystem::create_directories(program_.File("Lexicons"));
    c.make();
    prompt_.Clear();
    JudgeSession session(store_, prompt_, logs_.path(), FixedTime);
    ASSERT_TRUE(session.Start(program_.path()));
    EXPECT_FALSE(session.Load());
    ASSERT_EQ(prompt_.messages.size(), 1u);
    EXPECT_EQ(prompt_.messages[0].id, c.message);
    EXPECT_EQ(prompt_.messages[0].args, std::vector<std::string>{lexicon});
    EXPECT_EQ(prompt_.wait_depth, 0);
    EXPECT_EQ(store_.GetString("General", "CurrentLexicon", ""), "1");
    session.End();
    EXPECT_TRUE(std::filesystem::is_empty(logs_.path()));
  }
}

TEST_F(JudgeSessionTest, LogFolderThatCannotBeWrittenIsSaidOnceAndAnotherMayBePicked) {
  WriteLexicon(program_.path(), LexiconId::kNA, "American", {"COLOR"});
  const std::string missing = logs_.File("missing") + "/";
  int chooser_calls = 0;
  const auto choose = [&](const std::string& current) -> std::optional<std::string> {
    ++chooser_calls;
    EXPECT_EQ(current, missing);
    return logs_.path();
  };

  // Declined: judging goes on without logs, and nothing more is asked.
  JudgeSession declined(store_, prompt_, "/nowhere", FixedTime);
  ASSERT_TRUE(declined.Start(program_.path()));
  declined.SetChoice({LexiconId::kNA, missing, true});
  ASSERT_TRUE(declined.Load());
  prompt_.Script({UserPrompt::Answer::kNo});
  EXPECT_FALSE(declined.CheckLogFolder(choose));
  EXPECT_EQ(declined.Log().Waiting(), 2u);
  ASSERT_EQ(prompt_.questions.size(), 1u);
  EXPECT_EQ(prompt_.questions[0].id, kLogFolderUnwritableQuestion);
  EXPECT_EQ(prompt_.questions[0].args,
            (std::vector<std::string>{missing, "No such file or directory"}));
  EXPECT_EQ(chooser_calls, 0);

  // Accepted: the folder picked takes the session's first entries and is kept.
  JudgeSession accepted(store_, prompt_, "/nowhere", FixedTime);
  ASSERT_TRUE(accepted.Start(program_.path()));
  accepted.SetChoice({LexiconId::kNA, missing, true});
  ASSERT_TRUE(accepted.Load());
  prompt_.Script({UserPrompt::Answer::kYes});
  EXPECT_TRUE(accepted.CheckLogFolder(choose));
  EXPECT_EQ(chooser_calls, 1);
  EXPECT_EQ(store_.GetString("General", "ChallengeLogDirectory", ""), LogFolder());
  EXPECT_EQ(ReadAll(LogFolder() + kChallengeLogName),
            "03/14/06 19:05:40| *** STARTING JUDGE SESSION ***\n"
            "03/14/06 19:05:40| Lexicon: American: test words\n");

  // A folder that takes the logs asks nothing.
  EXPECT_TRUE(accepted.CheckLogFolder(choose));
  EXPECT_EQ(prompt_.questions.size(), 2u);
}

}  // namespace
}  // namespace tavrune
