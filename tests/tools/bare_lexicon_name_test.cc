#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/lexicon_builder.h"
#include "tests/support/lexicon_fixture.h"
#include "tests/support/run_tool.h"

namespace tavrune {
namespace {

// An installed prefix, run from a working folder of its own: the data
// folder holds UKNA.TVD and a catalogue; the working folder may hold a file
// of the same name.
class BareLexiconNameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string data = dir_.File("share/tavrune");
    std::filesystem::create_directories(data + "/Lexicons");
    std::filesystem::create_directories(data + "/PgmLists");
    std::filesystem::create_directories(dir_.File("bin"));
    std::filesystem::create_directories(dir_.File("work"));
    std::ofstream(data + "/PgmLists/Master.txt") << "Two 2Letter.txt D\n";
    std::ofstream(data + "/PgmLists/2Letter.txt") << "2\nGeneral\n All PAT ??\n";
    Write(data + "/Lexicons/UKNA.TVD", {"QI", "ZA", "CAT"});
    ASSERT_EQ(getcwd(old_cwd_, sizeof old_cwd_), old_cwd_);
    ASSERT_EQ(chdir(dir_.File("work").c_str()), 0);
  }
  void TearDown() override { ASSERT_EQ(chdir(old_cwd_), 0); }

  static void Write(const std::string& path, const std::vector<const char*>& words) {
    LexiconBuilder builder;
    for (const char* w : words) builder.AddWord(w);
    ASSERT_TRUE(builder.WriteFile(path));
  }
  testing::ToolResult Run(const std::vector<std::string>& args) const {
    return testing::RunTool(args, "", {}, FindDataFolder(dir_.File("bin"), nullptr));
  }

  testing::TempFolder dir_;
  char old_cwd_[4096] = {};
};

TEST_F(BareLexiconNameTest, ANameThatIsNoFileHereComesFromTheDataFolder) {
  for (const char* name : {"UKNA", "UKNA.TVD"}) {
    const testing::ToolResult r = Run({"contains", name, "QI", "CAT"});
    EXPECT_EQ(r.status, 0) << name << ": " << r.err;
    EXPECT_EQ(r.out, "QI\t1\nCAT\t1\n") << name;
  }
  EXPECT_EQ(Run({"search", "UKNA", "Word Length", "--n1", "3", "--n2", "3"}).out, "CAT\n");
  EXPECT_EQ(Run({"catalog", "UKNA", "--generate", "Two.General.All"}).out, "QI\nZA\n");
}

TEST_F(BareLexiconNameTest, AFileHereOrAPathIsNeverLookedUp) {
  Write(dir_.File("work/UKNA.TVD"), {"DOG"});
  EXPECT_EQ(Run({"contains", "UKNA.TVD", "DOG", "QI"}).out, "DOG\t1\nQI\t0\n");
  const testing::ToolResult path = Run({"contains", "./UKNA", "QI"});
  EXPECT_EQ(path.status, 2);
  EXPECT_EQ(path.err, "tavrune-lexicon: cannot read './UKNA': No such file or directory\n");
}

TEST_F(BareLexiconNameTest, AMissingNameNamesTheFoldersLookedIn) {
  const testing::ToolResult missing = Run({"info", "XX"});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("XX.TVD in " + dir_.File("share/tavrune/Lexicons\n")),
            std::string::npos)
      << missing.err;
  std::filesystem::remove(dir_.File("share/tavrune/Lexicons/UKNA.TVD"));
  const testing::ToolResult none = Run({"info", "UKNA"});
  EXPECT_NE(none.err.find(dir_.File("bin/Lexicons or ") + dir_.File("share/tavrune/Lexicons")),
            std::string::npos)
      << none.err;
}

}  // namespace
}  // namespace tavrune
