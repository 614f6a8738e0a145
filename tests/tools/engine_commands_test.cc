#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/lexicon_fixture.h"
#include "tests/support/run_tool.h"
#include "tools/lexicon_tool.h"

namespace tavrune {
namespace {

using Output = testing::ToolResult;

class EngineCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LexiconBuilder builder;
    for (const char* w : {"CAT", "ACT", "AT", "TA", "A", "CATS", "SCAT", "CUT", "QI"}) {
      builder.AddWord(w);
    }
    ASSERT_TRUE(builder.WriteFile(lexicon_));
  }

  Output Run(const std::vector<std::string>& args) { return testing::RunTool(args); }

  testing::TempFolder dir_;
  std::string lexicon_ = dir_.File("small.TVD");
};

TEST_F(EngineCommandsTest, GeneratorsPrintAlphabetically) {
  EXPECT_EQ(Run({"anagram", lexicon_, "TCA"}).out, "ACT\nCAT\n");
  EXPECT_EQ(Run({"anagram", lexicon_, "TC?", "--small-caps"}).out, "aCT\nCaT\nCuT\n");
  EXPECT_EQ(Run({"build", lexicon_, "TA"}).out, "A\nAT\nTA\n");
  EXPECT_EQ(Run({"buildbuild", lexicon_, "TAA"}).out, "A/AT\nA/TA\nAT/A\nTA/A\n");
  EXPECT_EQ(Run({"pattern", lexicon_, "C?T*"}).out, "CAT\nCATS\nCUT\n");
}

TEST_F(EngineCommandsTest, Stats) {
  const Output r = Run({"stats", "QUIZ", "AE", "ZZ"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "QUIZ\t22\t2\t36\t0.617");
  EXPECT_NE(r.out.find("AE\t2\t2\t108\t100.000\n"), std::string::npos);
  EXPECT_NE(r.out.find("ZZ\t20\t0\t0\t0.000\n"), std::string::npos);
  EXPECT_EQ(Run({"stats", "--lexicon-id", "9", "AE"}).status, 2);
}

TEST_F(EngineCommandsTest, RacksAreReproducibleWithASeed) {
  const std::vector<std::string> args = {
      "racks", lexicon_,   "--count", "20", "--letters", "2", "--seed", "3",      "--points", "0",
      "100",   "--vowels", "0",       "2",  "--phonies", "0", "100",    "--time", "60"};
  // The small lexicon cannot give 20 racks; a ticking clock ends each run
  // after the same racks.
  const Output first = testing::RunTool(args, "", testing::TickingClock());
  EXPECT_EQ(first.status, 1) << first.err;
  EXPECT_FALSE(first.out.empty());
  EXPECT_EQ(first.out, testing::RunTool(args, "", testing::TickingClock()).out);
}

TEST_F(EngineCommandsTest, BadInput) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"anagram", lexicon_},
           {"anagram", lexicon_, "AB", "--fast"},
           {"pattern", lexicon_, "C[AT"},
           {"pattern", dir_.File("none.TVD"), "C*"},
           {"racks", lexicon_, "--count", "ten"},
           {"racks", lexicon_, "--letters", "40"},
           {"racks", lexicon_, "--points", "1"},
           {"stats"},
       }) {
    const Output r = Run(args);
    EXPECT_EQ(r.status, 2) << args[0];
    EXPECT_TRUE(r.err.starts_with("tavrune-lexicon: ")) << r.err;
  }
  EXPECT_EQ(Run({"pattern", lexicon_, "C[AT"}).err, "tavrune-lexicon: PATTERN 'C[AT': Missing ]\n");
}

}  // namespace
}  // namespace tavrune
