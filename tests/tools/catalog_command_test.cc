#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/lexicon_fixture.h"
#include "tests/support/run_tool.h"
#include "tools/lexicon_tool.h"

namespace tavrune {
namespace {

class CatalogCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(dir_.File("PgmLists"));
    std::ofstream(dir_.File("PgmLists/Master.txt")) << "Two 2Letter.txt D\nFrench French.txt F\n";
    std::ofstream(dir_.File("PgmLists/2Letter.txt")) << "2\nGeneral\n All PAT ??\n";
    std::ofstream(dir_.File("PgmLists/French.txt")) << "2\nCourts\n Tous PAT ??\n";
    LexiconBuilder builder;
    for (const char* w : {"ZA", "QI", "AA", "CAT"}) builder.AddWord(w);
    ASSERT_TRUE(builder.WriteFile(lexicon_));
  }

  int Run(const std::vector<std::string>& args, std::string* out, std::string* err) {
    testing::ToolResult r = testing::RunTool(args);
    *out = r.out;
    *err = r.err;
    return r.status;
  }

  testing::TempFolder dir_;
  std::string lexicon_ = dir_.File("x.TVD");
};

TEST_F(CatalogCommandTest, ListsShownCategoriesAndGenerates) {
  std::string out, err;
  ASSERT_EQ(Run({"catalog", dir_.File("PgmLists"), lexicon_}, &out, &err), 0) << err;
  EXPECT_EQ(out, "Two.General.All\nFrench.Courts.Tous\n");
  ASSERT_EQ(Run({"catalog", dir_.File("PgmLists/"), lexicon_, "--lexicon-id", "0"}, &out, &err), 0);
  EXPECT_EQ(out, "Two.General.All\n");  // F categories are hidden for the British list
  ASSERT_EQ(Run({"catalog", dir_.File("PgmLists"), lexicon_, "--generate", "Two.General.All"}, &out,
                &err),
            0)
      << err;
  EXPECT_EQ(out, "AA\nQI\nZA\n");
}

TEST_F(CatalogCommandTest, BadInput) {
  std::string out, err;
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"catalog", dir_.path(), lexicon_},
           {"catalog", dir_.File("PgmLists"), dir_.File("none.TVD")},
           {"catalog", dir_.File("PgmLists"), lexicon_, "--generate", "Two.General"},
           {"catalog", dir_.File("PgmLists"), lexicon_, "--generate", "Two.General.None"},
           {"catalog", dir_.File("PgmLists"), lexicon_, "--lexicon-id", "7"},
       }) {
    EXPECT_EQ(Run(args, &out, &err), 2) << args[2];
    EXPECT_NE(err.find("tavrune-lexicon: "), std::string::npos) << args[2];
  }
}

// A catalogue file that cannot be read is one line and status 2; what could
// be read is still listed.
TEST_F(CatalogCommandTest, UnreadableFilesAreOneLineAndStatusTwo) {
  const std::string two = dir_.File("PgmLists/2Letter.txt");
  const std::string master = dir_.File("PgmLists/Master.txt");
  std::filesystem::remove(two);
  std::filesystem::create_directory(two);
  std::string out, err;
  EXPECT_EQ(Run({"catalog", dir_.File("PgmLists"), lexicon_}, &out, &err), 2);
  EXPECT_EQ(out, "French.Courts.Tous\n");
  EXPECT_EQ(err, "tavrune-lexicon: cannot read '" + two + "': Is a directory\n");
  std::filesystem::remove(master);
  EXPECT_EQ(Run({"catalog", dir_.File("PgmLists"), lexicon_}, &out, &err), 2);
  EXPECT_EQ(err, "tavrune-lexicon: cannot read '" + master + "': No such file or directory\n");
  std::filesystem::create_directory(master);
  EXPECT_EQ(Run({"catalog", dir_.File("PgmLists"), lexicon_}, &out, &err), 2);
  EXPECT_EQ(err, "tavrune-lexicon: cannot read '" + master + "': Is a directory\n");
  EXPECT_EQ(out, "");
}

// The shipped lists named for inner hooks hold words that are no shorter word
// plus a hook, whether or not they take hooks themselves.
TEST(ShippedCatalogNamesTest, NoInnerHooksListsHoldWhatTheirNameSays) {
  const std::string bin = TAVRUNE_BIN_DIR;
  const std::string lexicon = bin + "/Lexicons/UKNA.TVD";
  if (!std::filesystem::exists(lexicon)) GTEST_SKIP() << "no default lexicon at " << lexicon;
  const testing::ToolResult list = testing::RunTool(
      {"catalog", bin + "/PgmLists", lexicon, "--generate", "3Letter.General.NoInnerHooks"});
  ASSERT_EQ(list.status, 0) << list.err;
  std::string words;
  std::istringstream lines(list.out);
  for (std::string word; std::getline(lines, word);) {
    words += word.substr(1) + "\n" + word.substr(0, word.size() - 1) + "\n";
  }
  EXPECT_EQ(testing::RunTool({"contains", lexicon}, words).out.find("\t1"), std::string::npos);
  EXPECT_NE(list.out.find("ACT\n"), std::string::npos);  // which takes hooks: FACT, ACTS
}

}  // namespace
}  // namespace tavrune
