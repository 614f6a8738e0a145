#include "platform/data_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/lexicon_fixture.h"

namespace tavrune {
namespace {

// A prefix as an installation lays it out: bin/ for the programs,
// share/tavrune/ for the data, and own/ for a folder named outright; each
// with a Lexicons folder, which holds a lexicon file only where asked.
class Prefix {
 public:
  explicit Prefix(const std::vector<const char*>& with_lexicon) {
    for (const char* folder : {"bin", "share/tavrune", "own"}) {
      std::filesystem::create_directories(dir_.File(folder) + "/Lexicons");
    }
    for (const char* folder : with_lexicon) std::ofstream(dir_.File(folder) + "/Lexicons/NA.TVD");
  }
  std::string Path(const char* name) const { return dir_.File(name); }

 private:
  testing::TempFolder dir_;
};

TEST(DataFolderTest, TheFirstFolderWithALexiconIsTheDataFolder) {
  struct Case {
    const char* name;
    std::vector<const char*> with_lexicon;
    const char* variable;  // a folder of the prefix; "" set but empty; null unset
    const char* expected;
    bool has_lexicons;
  };
  const Case cases[] = {
      {"build tree", {"bin", "share/tavrune"}, nullptr, "bin", true},
      {"installed", {"share/tavrune"}, nullptr, "share/tavrune", true},
      {"an empty variable counts as unset", {"share/tavrune"}, "", "share/tavrune", true},
      {"none: the program's own folder", {}, nullptr, "bin", false},
      {"named outright", {"own", "bin"}, "own", "own", true},
      {"named outright, without lexicons", {"bin"}, "own", "own", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Prefix prefix(c.with_lexicon);
    const std::string variable =
        c.variable != nullptr && c.variable[0] != '\0' ? prefix.Path(c.variable) : "";
    const DataFolder data =
        FindDataFolder(prefix.Path("bin"), c.variable == nullptr ? nullptr : variable.c_str());
    EXPECT_EQ(data.folder, prefix.Path(c.expected) + "/");
    EXPECT_EQ(data.has_lexicons, c.has_lexicons);
  }
}

TEST(DataFolderTest, AFailedSearchNamesEveryLexiconsFolderTried) {
  const Prefix prefix({});
  std::ofstream(prefix.Path("bin/Lexicons/README"));  // a file, but no lexicon
  const DataFolder data = FindDataFolder(prefix.Path("bin") + "/", nullptr);
  EXPECT_FALSE(data.has_lexicons);
  EXPECT_EQ(LexiconFoldersTried(data),
            prefix.Path("bin/Lexicons") + "\n" + prefix.Path("share/tavrune/Lexicons"));
  // A folder named outright is the only one looked in.
  const std::string own = prefix.Path("own");
  EXPECT_EQ(LexiconFoldersTried(FindDataFolder(prefix.Path("bin"), own.c_str())),
            own + "/Lexicons");
}

}  // namespace
}  // namespace tavrune
