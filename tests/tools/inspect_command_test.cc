#include <gtest/gtest.h>

#include "tests/support/lexicon_fixture.h"
#include "tests/support/run_tool.h"
#include "tests/support/wordnet_fixture.h"

namespace tavrune {
namespace {

using testing::RunTool;

class InspectCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto write = [&](const char* name, std::initializer_list<const char*> words) {
      LexiconBuilder builder;
      for (const char* w : words) builder.AddWord(w);
      ASSERT_TRUE(builder.WriteFile(dir_.File(name)));
    };
    write("UKNA.TVD", {"CAT", "ACT", "CATS", "SCAT", "AT", "COLOUR", "COLOR"});
    write("UK.TVD", {"CAT", "COLOUR"});
    write("NA.TVD", {"CAT", "COLOR"});
  }

  testing::TempFolder dir_;
};

TEST_F(InspectCommandTest, KeyValueLines) {
  const testing::ToolResult r = RunTool({"inspect", dir_.File("UKNA.TVD"), "cat", "colour"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.substr(0, r.out.find("end_hooks:\n")),
            "word: CAT\n"
            "in_lexicon: yes\n"
            "in_uk: yes\n"
            "in_na: yes\n"
            "in_ukna: yes\n"
            "source: both\n"
            "source_mark: *\n"
            "front_hooks: S\n"
            "end_hooks: S\n"
            "front_inner_hook: yes\n"
            "end_inner_hook: no\n"
            "alphagram: ACT\n"
            "anagram_count: 2\n"
            "anagrams: ACT CAT\n"
            "plus_one: S:CATS,SCAT\n"
            "points: 5\n"
            "probability_factor: 16.667\n"
            "probability_rank: 1\n"
            "alphagrams_of_length: 1\n"
            "\n"
            "word: COLOUR\n"
            "in_lexicon: yes\n"
            "in_uk: yes\n"
            "in_na: no\n"
            "in_ukna: yes\n"
            "source: uk_only\n"
            "source_mark: #\n"
            "front_hooks:\n");
}

TEST_F(InspectCommandTest, JsonWithoutTheSourceLists) {
  testing::TempFolder alone;
  LexiconBuilder builder;
  for (const char* w : {"CAT", "ACT", "CATS", "SCAT"}) builder.AddWord(w);
  ASSERT_TRUE(builder.WriteFile(alone.File("club.TVD")));
  const testing::ToolResult r =
      RunTool({"inspect", "--json", alone.File("club.TVD"), "ABCDEFGHIJKLMNOP"}, "");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "{\"word\":\"ABCDEFGHIJKLMNOP\",\"in_lexicon\":false,\"front_hooks\":\"\","
            "\"end_hooks\":\"\",\"front_inner_hook\":false,\"end_inner_hook\":false,"
            "\"alphagram\":\"ABCDEFGHIJKLMNOP\",\"anagram_count\":0,\"anagrams\":[],"
            "\"plus_one\":{},\"points\":43}\n");
  EXPECT_NE(RunTool({"inspect", "--json", alone.File("club.TVD")}, "cat\n")
                .out.find("\"plus_one\":{\"S\":[\"CATS\",\"SCAT\"]}"),
            std::string::npos);
}

TEST_F(InspectCommandTest, BadInput) {
  const struct {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{"inspect", dir_.File("UKNA.TVD"), "CAT", "C4T"},
       "tavrune-lexicon: WORD 'C4T': '4' is not allowed (letters A-Z only)\n"},
      {{"inspect", dir_.File("UKNA.TVD"), ""},
       "tavrune-lexicon: WORD '': a word needs at least one letter\n"},
      {{"inspect"}, "tavrune-lexicon: inspect needs FILE.TVD\n"},
      {{"inspect", dir_.File("UKNA.TVD"), "--lexicon-id", "7", "CAT"},
       "tavrune-lexicon: --lexicon-id takes 0 to 4, not '7'\n"},
      {{"define", "--wordnet", dir_.File("none"), "CAT"},
       "tavrune-lexicon: Definitions are off: WordNet 3.0 was not found in " + dir_.File("none") +
           " (Debian package wordnet-base).\n"},
  };
  for (const auto& c : cases) {
    const testing::ToolResult r = RunTool(c.args);
    EXPECT_EQ(r.status, 2) << c.message;
    EXPECT_EQ(r.err, c.message);
  }
}

TEST_F(InspectCommandTest, Define) {
  testing::WordNetFixture()
      .Sense("noun", "wolf", 'n', "a predatory canine")
      .Sense("verb", "wolf", 'v', "eat hastily")
      .Exception("noun", "wolves wolf")
      .Write(dir_.path());
  const testing::ToolResult r = RunTool({"define", "--wordnet", dir_.path(), "wolf", "WOLVES"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "WOLF\n"
            "  noun: a predatory canine\n"
            "  verb: eat hastily\n"
            "WOLVES\n"
            "  noun, from wolf: a predatory canine\n");
  const testing::ToolResult none = RunTool({"define", "--wordnet", dir_.path()}, "qi\nwolf\n");
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.out.substr(0, none.out.find("WOLF")), "QI\n  No definition in WordNet\n");
}

}  // namespace
}  // namespace tavrune
