#include "tools/lexicon_tool.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/support/lexicon_fixture.h"
#include "tests/support/run_tool.h"

namespace tavrune {
namespace {

using testing::RunTool;
using Result = testing::ToolResult;

class LexiconToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ofstream(words_) << "cat\r\nCATS\nscat\n\n  dog  \nqi\nza\nR2D2\nice cream\n";
    const Result r =
        RunTool({"compile", "--name", "Small", "--description", "tiny list", words_, lexicon_});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "6 words written, 2 rejected\n");
  }

  testing::TempFolder dir_;
  std::string words_ = dir_.File("words.txt");
  std::string lexicon_ = dir_.File("small.TVD");
};

TEST_F(LexiconToolTest, Queries) {
  EXPECT_EQ(RunTool({"info", lexicon_}).out, "Small, tiny list, 6 words\n17 edges\n");
  EXPECT_EQ(RunTool({"contains", lexicon_, "QI", "XYZZY"}).out, "QI\t1\nXYZZY\t0\n");
  EXPECT_EQ(RunTool({"contains", lexicon_}, "CAT\r\nZA\nCWM\n").out, "CAT\t1\nZA\t1\nCWM\t0\n");
  EXPECT_EQ(RunTool({"hooks", lexicon_, "CAT", "DOG"}).out, "S CAT S\n DOG\n");
  EXPECT_EQ(RunTool({"hooks", lexicon_}, "CAT\n").out, "S CAT S\n");
  EXPECT_EQ(RunTool({"words", lexicon_}).out, "CAT\nCATS\nDOG\nQI\nSCAT\nZA\n");
}

TEST_F(LexiconToolTest, Judge) {
  Result r = RunTool({"judge", lexicon_, "CAT DOG", "QI,ZA"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "Play is Acceptable.\n");
  r = RunTool({"judge", lexicon_, "CAT", "XYZZY"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "Play is NOT Acceptable.\n");
  r = RunTool({"judge", lexicon_, "123 ,"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "There are no words to challenge!\n");
}

TEST_F(LexiconToolTest, BadInputGivesOneLineAndStatusTwo) {
  testing::WriteBytes(dir_.File("damaged.TVD"), std::vector<uint8_t>(64, 0xFF));
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"frobnicate"},
      {"info"},
      {"info", dir_.File("missing.TVD")},
      {"info", dir_.File("damaged.TVD")},
      {"contains", words_, "CAT"},  // a text file is no lexicon
      {"compile", words_},
      {"compile", "--name"},
      {"compile", "--colour", "red", words_, lexicon_},
      {"compile", dir_.File("missing.txt"), lexicon_},
      {"compile", words_, dir_.File("no/folder/x.TVD")},
      {"words", lexicon_, "extra"},
  };
  for (const auto& args : cases) {
    const Result r = RunTool(args);
    std::string joined;
    for (const auto& a : args) joined += a + " ";
    EXPECT_EQ(r.status, 2) << joined;
    EXPECT_TRUE(r.out.empty()) << joined;
    ASSERT_FALSE(r.err.empty()) << joined;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << joined;
    EXPECT_TRUE(r.err.starts_with("tavrune-lexicon: ")) << joined;
  }
}

}  // namespace
}  // namespace tavrune
