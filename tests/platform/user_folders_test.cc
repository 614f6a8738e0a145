#include "platform/user_folders.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <optional>
#include <string>

#include "tests/support/lexicon_fixture.h"

namespace tavrune {
namespace {

// Sets an environment variable for the life of a scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = getenv(name)) old_ = old;
    if (value != nullptr) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(UserFoldersTest, TheDataFolderFollowsXdgDataHome) {
  const ScopedEnv home("HOME", "/home/kim");
  {
    const ScopedEnv xdg("XDG_DATA_HOME", "/data/kim/");
    EXPECT_EQ(UserDataFolder(), "/data/kim/Kestrelle/Tavrune");
  }
  for (const char* unusable : {static_cast<const char*>(nullptr), "", "relative/share"}) {
    const ScopedEnv xdg("XDG_DATA_HOME", unusable);
    EXPECT_EQ(UserDataFolder(), "/home/kim/.local/share/Kestrelle/Tavrune");
  }
}

TEST(UserFoldersTest, AMissingFolderIsMadeAndABlockedOneNamesItsReason) {
  testing::TempFolder dir;
  std::string reason;
  EXPECT_TRUE(PrepareUserFolder(dir.File("a/b/c"), &reason));
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("a/b/c")));
  EXPECT_TRUE(PrepareUserFolder(dir.File("a/b/c"), &reason));
  std::ofstream(dir.File("a/file")) << "x";
  EXPECT_FALSE(PrepareUserFolder(dir.File("a/file/c"), &reason));
  EXPECT_EQ(reason, "Not a directory");
  EXPECT_FALSE(PrepareUserFolder(dir.File("a/file"), &reason));
}

}  // namespace
}  // namespace tavrune
