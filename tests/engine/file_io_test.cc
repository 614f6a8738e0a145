#include "engine/file_io.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/file_faults.h"
#include "tests/support/lexicon_fixture.h"

namespace tavrune {
namespace {

namespace fs = std::filesystem;
using testing::FileFaults;

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void Put(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

struct stat StatOf(const std::string& path) {
  struct stat st = {};
  ::stat(path.c_str(), &st);
  return st;
}

mode_t ModeOf(const std::string& path) { return StatOf(path).st_mode & 07777; }

// What a folder holds besides the names given: leftovers of a save.
std::vector<std::string> Others(const std::string& folder, std::vector<std::string> known) {
  std::vector<std::string> others;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (std::find(known.begin(), known.end(), name) == known.end()) others.push_back(name);
  }
  return others;
}

class FileIoTest : public ::testing::Test {
 protected:
  testing::TempFolder dir_;
  std::string list_ = dir_.File("list.tvr");
};

TEST_F(FileIoTest, SaveMakesANewFileWithTheUsualModeAndNoLeftover) {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ASSERT_TRUE(WriteFileAtomically(list_, "new"));
  EXPECT_EQ(Slurp(list_), "new");
  EXPECT_EQ(ModeOf(list_), 0666 & ~mask);
  EXPECT_TRUE(Others(dir_.path(), {"list.tvr"}).empty());
}

TEST_F(FileIoTest, SaveKeepsTheModeOfTheFileItReplaces) {
  for (const mode_t mode : {0600, 0640, 0664}) {
    Put(list_, "old");
    ASSERT_EQ(::chmod(list_.c_str(), mode), 0);
    ASSERT_TRUE(WriteFileAtomically(list_, "new")) << std::oct << mode;
    EXPECT_EQ(Slurp(list_), "new");
    EXPECT_EQ(ModeOf(list_), mode);
  }
}

TEST_F(FileIoTest, SaveRefusesAReadOnlyFileAndAFolder) {
  Put(list_, "old");
  ASSERT_EQ(::chmod(list_.c_str(), 0444), 0);
  const FileStatus refused = WriteFileAtomically(list_, "new");
  EXPECT_EQ(refused.reason(), "the file is read-only");
  EXPECT_EQ(Slurp(list_), "old");
  EXPECT_EQ(ModeOf(list_), 0444);
  EXPECT_EQ(WriteFileAtomically(dir_.path(), "new").error(), EISDIR);
  EXPECT_TRUE(Others(dir_.path(), {"list.tvr"}).empty());
}

TEST_F(FileIoTest, SaveWritesThroughALinkToItsTarget) {
  fs::create_directory(dir_.File("real"));
  const std::string target = dir_.File("real/list.tvr");
  Put(target, "old");
  ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
  fs::create_symlink("real/list.tvr", list_);                     // relative
  fs::create_symlink(dir_.File("list.tvr"), dir_.File("again"));  // a link to the link
  ASSERT_TRUE(WriteFileAtomically(dir_.File("again"), "new"));
  EXPECT_TRUE(fs::is_symlink(list_));
  EXPECT_TRUE(fs::is_symlink(dir_.File("again")));
  EXPECT_EQ(Slurp(target), "new");
  EXPECT_EQ(ModeOf(target), 0600);
  EXPECT_TRUE(Others(dir_.File("real"), {"list.tvr"}).empty());
  // A link to a file not made yet makes it.
  fs::create_symlink("real/later.tvr", dir_.File("later"));
  ASSERT_TRUE(WriteFileAtomically(dir_.File("later"), "first"));
  EXPECT_EQ(Slurp(dir_.File("real/later.tvr")), "first");
}

// A link planted under the temporary name the saves used once made a save
// overwrite the file it points to.
TEST_F(FileIoTest, SaveNeverFollowsALinkBesideTheFile) {
  const std::string victim = dir_.File("victim");
  Put(victim, "precious");
  fs::create_symlink(victim, list_ + ".tmp");
  ASSERT_TRUE(WriteFileAtomically(list_, "new"));
  EXPECT_EQ(Slurp(victim), "precious");
  EXPECT_EQ(Slurp(list_), "new");
}

TEST_F(FileIoTest, SaveTakesTheLongestNameAFolderAllows) {
  const std::string path = dir_.File(std::string(251, 'n') + ".tvr");
  ASSERT_TRUE(WriteFileAtomically(path, "new")) << path.size();
  EXPECT_EQ(Slurp(path), "new");
}

// Every failure leaves the old file whole, no temporary file behind, and
// tells the system's reason.
TEST_F(FileIoTest, FailedSavesLeaveTheOldFile) {
  struct Case {
    const char* what;
    std::function<void(FileFaults&)> fault;
    int error;
  };
  const std::vector<Case> cases = {
      {"disk full at once", [](FileFaults& f) { f.FailWritesAfter(0, ENOSPC); }, ENOSPC},
      {"disk full midway", [](FileFaults& f) { f.FailWritesAfter(3, ENOSPC); }, ENOSPC},
      {"quota", [](FileFaults& f) { f.FailWritesAfter(5, EDQUOT); }, EDQUOT},
      {"failing sync", [](FileFaults& f) { f.FailSyncs(EIO); }, EIO},
      {"failing rename", [](FileFaults& f) { f.FailRenames(EXDEV); }, EXDEV},
  };
  for (const Case& c : cases) {
    Put(list_, "old content");
    FileFaults faults;
    c.fault(faults);
    const FileStatus status = WriteFileAtomically(list_, "the new content");
    EXPECT_EQ(status.error(), c.error) << c.what;
    EXPECT_EQ(status.reason(), std::strerror(c.error)) << c.what;
    EXPECT_EQ(Slurp(list_), "old content") << c.what;
    EXPECT_TRUE(Others(dir_.path(), {"list.tvr"}).empty()) << c.what;
  }
}

TEST_F(FileIoTest, ShortWritesStillSaveEveryByte) {
  FileFaults faults;
  faults.ShortWrites();
  ASSERT_TRUE(WriteFileAtomically(list_, "every byte counts"));
  EXPECT_EQ(Slurp(list_), "every byte counts");
}

// Two saves of one file at once: whichever ends last wins, whole.
TEST_F(FileIoTest, ASaveDuringAnotherLeavesOneWholeFile) {
  Put(list_, "old");
  const std::string first(100'000, 'a');
  const std::string second(50'000, 'b');
  FileFaults faults;
  faults.BeforeFirstWrite([&] { ASSERT_TRUE(WriteFileAtomically(list_, second)); });
  ASSERT_TRUE(WriteFileAtomically(list_, first));
  EXPECT_EQ(Slurp(list_), first);
  EXPECT_TRUE(Others(dir_.path(), {"list.tvr"}).empty());
}

// A folder that takes no new file (read-only to its user): the file itself
// is overwritten, as it is writable.
TEST_F(FileIoTest, ReadOnlyFolderSavesInPlace) {
  Put(list_, "a much longer old content");
  const ino_t inode = StatOf(list_).st_ino;
  FileFaults faults;
  faults.FailCreates(EACCES);
  ASSERT_TRUE(WriteFileAtomically(list_, "short"));
  EXPECT_EQ(Slurp(list_), "short");
  EXPECT_EQ(StatOf(list_).st_ino, inode);
  EXPECT_EQ(WriteFileAtomically(dir_.File("new.tvr"), "x").error(), EACCES);
  EXPECT_FALSE(fs::exists(dir_.File("new.tvr")));
}

// A real full file system, where this machine lets a test mount one.
TEST_F(FileIoTest, FullTmpfsKeepsTheOldFile) {
  struct Mount {
    std::string point;
    bool mounted = false;
    ~Mount() {
      if (mounted) ::umount(point.c_str());
    }
  } small{dir_.File("small")};
  const std::string& mount_point = small.point;
  fs::create_directory(mount_point);
  small.mounted = ::mount("tmpfs", mount_point.c_str(), "tmpfs", 0, "size=64k") == 0;
  if (!small.mounted) {
    GTEST_SKIP() << "cannot mount a tmpfs here (" << std::strerror(errno)
                 << "); the injected faults cover a full disk";
  }
  const std::string path = mount_point + "/list.tvr";
  Put(path, std::string(20'000, 'o'));
  const FileStatus status = WriteFileAtomically(path, std::string(200'000, 'n'));
  EXPECT_EQ(status.error(), ENOSPC);
  EXPECT_EQ(Slurp(path), std::string(20'000, 'o'));
  EXPECT_TRUE(Others(mount_point, {"list.tvr"}).empty());
}

TEST_F(FileIoTest, ReadsReportFailuresInsteadOfThrowing) {
  Put(list_, "some words here");
  const auto read_all = [](const std::string& path, bool regular_only) {
    std::string text;
    const FileStatus status = ReadFileChunks(path, 1 << 20, regular_only, [&](std::string_view p) {
      text += p;
      return true;
    });
    return std::pair(status, text);
  };
  EXPECT_EQ(read_all(list_, true).second, "some words here");
  EXPECT_EQ(read_all(dir_.File("none"), false).first.error(), ENOENT);
  EXPECT_EQ(read_all(dir_.path(), false).first.error(), EISDIR);
  EXPECT_EQ(read_all(dir_.path(), true).first.error(), EISDIR);
  EXPECT_EQ(read_all("/dev/zero", true).first.reason(), "not a regular file");
  ASSERT_EQ(::mkfifo(dir_.File("pipe").c_str(), 0600), 0);  // no writer: must not block
  EXPECT_EQ(read_all(dir_.File("pipe"), true).first.reason(), "not a regular file");
  // Too large, whether known at once (a regular file) or found while reading.
  Put(dir_.File("big"), "");
  fs::resize_file(dir_.File("big"), (1 << 20) + 1);
  EXPECT_EQ(read_all(dir_.File("big"), true).first.reason(), "the file is larger than 1 MB");
  EXPECT_EQ(read_all("/dev/zero", false).first.reason(), "the file is larger than 1 MB");
  // A failing device.
  FileFaults faults;
  faults.FailReads(EIO);
  EXPECT_EQ(read_all(list_, true).first.reason(), std::strerror(EIO));
}

TEST_F(FileIoTest, StreamBufferEndsAtAReadErrorAndKeepsIt) {
  Put(list_, "line one\nline two\n");
  InputFile file;
  ASSERT_TRUE(file.Open(list_, true));
  FileFaults faults;
  faults.FailReads(EIO);
  FileInputBuffer buffer(std::move(file), kMaxWordListBytes);
  std::istream in(&buffer);
  std::string line;
  EXPECT_FALSE(std::getline(in, line));
  EXPECT_EQ(buffer.status().error(), EIO);
}

TEST_F(FileIoTest, StampsTellAChangedFile) {
  EXPECT_FALSE(StampOf(list_).has_value());
  Put(list_, "one");
  const std::optional<FileStamp> before = StampOf(list_);
  ASSERT_TRUE(before.has_value());
  EXPECT_EQ(StampOf(list_), before);
  Put(list_, "two!");
  EXPECT_NE(StampOf(list_), before);
}

}  // namespace
}  // namespace tavrune
