#include "tools/search_command.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/support/lexicon_fixture.h"
#include "tests/support/run_tool.h"
#include "tools/lexicon_tool.h"

namespace tavrune {
namespace {

using Result = testing::ToolResult;

class SearchCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ofstream(dir_.File("words.txt"))
        << "DUMDUM\nPAWPAW\nAAAAAA\nDUMDAM\nCAT\nCATS\nSCAT\nACT\nQUA\nTO\nQUOTA\nLOONY\nLUNY\n";
    ASSERT_EQ(testing::RunTool({"compile", dir_.File("words.txt"), lexicon_}).status, 0);
    std::ofstream(list_) << "cat scat\nxyz\nloony\n";
  }

  testing::ToolResult Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"search", lexicon_});
    return testing::RunTool(args);
  }

  testing::TempFolder dir_;
  std::string lexicon_ = dir_.File("small.TVD");
  std::string list_ = dir_.File("list.txt");
};

TEST_F(SearchCommandTest, SearchesTheLexiconOrAList) {
  EXPECT_EQ(Run({"Cryptogram", "--p1", "xyzxyz"}).out, "DUMDUM\nPAWPAW\n");
  EXPECT_EQ(Run({"Anywhere 2", "--p1", "OO", "--p2", "u"}).out, "LOONY\n");
  EXPECT_EQ(Run({"Word Length", "--n1", "4", "--n2", "6", "--not"}).out, "ACT\nCAT\nQUA\nTO\n");
  EXPECT_EQ(Run({"Anagram", "--p1", "TCA"}).out, "ACT\nCAT\n");
  // The list is read as a collection: sorted, upper case as typed.
  EXPECT_EQ(Run({"Word Length", "--n1", "3", "--n2", "3", "--list", list_}).out, "cat\nxyz\n");
  EXPECT_EQ(Run({"Num Anagrams", "--n1", "0", "--n2", "0", "--list", list_}).out,
            "cat\nloony\nscat\nxyz\n");
  EXPECT_EQ(Run({"Probable", "--n1", "1", "--n2", "4", "--list", list_}).status, 0);

  EXPECT_EQ(Run({"BuildBuild", "--p1", "QUOTA"}).status, 2);
  const Result pairs = Run({"BuildBuild", "--p1", "QUOTA", "--build-build"});
  EXPECT_EQ(pairs.status, 0);
  EXPECT_EQ(pairs.out, "QUA\nTO\n");
}

TEST_F(SearchCommandTest, DialogMessagesGoToStderrWithStatusTwo) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"Cryptogram", "--p1", "XY1"},
       "--p1: Unexpected character in input. 'A' to 'Z' are the only allowable characters."},
      {{"Anagram", "--p1", "A-B"},
       "--p1: Unexpected character in Anagram pattern. 'A' to 'Z', '?' and '*' are the only "
       "allowable characters."},
      {{"Pattern"}, "--p1: Unexpcted character in Pattern."},
      {{"Word Length", "--n1", "5", "--n2", "4"},
       "--n2: Max length should be greater than or equal to Min length."},
      {{"Word Length", "--n1", "1"}, "--n1: Please enter an integer between 2 and 15."},
      {{"Word Length", "--n1", "five"}, "--n1: Please enter an integer."},
      {{"Front", "--n1", "2"}, "--list: You can't search the entire Lexicon."},
      {{"Probable", "--n1", "1", "--n2", "5", "--list", list_},
       "--n2: Please enter an integer between 1 and 4."},
      {{"Nonsense"}, "unknown search type 'Nonsense'"},
      {{"Pattern", "--p1"}, "--p1 needs a value"},
      {{"Pattern", "--p3", "A"}, "unknown option '--p3'"},
      {{"Pattern", "--p1", "A", "--list", dir_.File("missing.txt")}, "cannot read '"},
  };
  for (const auto& [args, message] : cases) {
    const Result r = Run(args);
    EXPECT_EQ(r.status, 2) << args[0];
    EXPECT_TRUE(r.out.empty()) << args[0];
    EXPECT_TRUE(r.err.starts_with("tavrune-lexicon: " + message)) << r.err;
  }
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunSearchCommand({dir_.File("missing.TVD"), "Pattern", "--p1", "A"}, out, err), 2);
  EXPECT_EQ(RunSearchCommand({lexicon_}, out, err), 2);
}

}  // namespace
}  // namespace tavrune
