#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "resources/string_table.h"
#include "tests/support/lexicon_fixture.h"
#include "tests/support/run_tool.h"
#include "tools/lexicon_tool.h"

namespace tavrune {
namespace {

using testing::RunTool;
using Result = testing::ToolResult;

class ListCommandTest : public ::testing::Test {
 protected:
  testing::TempFolder dir_;
  std::string words_ = dir_.File("words.txt");
  std::string list_ = dir_.File("list.tvr");
};

TEST_F(ListCommandTest, MakeThenShow) {
  std::ofstream(words_) << "spare PEARS\treaps\n\ntoe do-g ABCDEFGHIJKLMNOPQ pears\n";
  Result r = RunTool({"list", "make", words_, list_, "--description", "Study", "--list-type",
                      "anagrams", "--sort", "random", "--descending"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "4 words written, 2 rejected\n");

  r = RunTool({"list", "show", list_});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string settings =
      "Description: Study\n"
      "Notes: \n"
      "List type: Anagrams\n"
      "Hook type: Front hooks, end hooks\n"
      "Front hook letters: 1\n"
      "End hook letters: 1\n"
      "Sort type: Random\n"
      "Sort order: Descending\n"
      "Anagram order: Alphabetical\n"
      "User order: ABCDEFGHIJKLMNOPQRSTUVWXYZ\n"
      "Stem: \n"
      "Build minimum: 2\n"
      "Build maximum: 15\n"
      "Version: 31\n"
      "Current index: 0\n"
      "PEARS\nREAPS\nSPARE\nTOE\n"
      "Presentation:\n";
  ASSERT_TRUE(r.out.starts_with(settings)) << r.out;
  const std::string presentation = r.out.substr(settings.size());
  EXPECT_TRUE(presentation == "AEPRS\nEOT\n" || presentation == "EOT\nAEPRS\n") << presentation;

  r = RunTool({"list", "make", words_, list_, "--list-type", "build", "--sort", "length"});
  ASSERT_EQ(r.status, 0) << r.err;
  r = RunTool({"list", "show", list_});
  EXPECT_NE(r.out.find("List type: Build\nHook type"), std::string::npos);
  EXPECT_NE(r.out.find("Sort type: Word Length\nSort order: Ascending\n"), std::string::npos);
  EXPECT_EQ(r.out.find("Presentation:"), std::string::npos);
}

TEST_F(ListCommandTest, DamagedFilesPrintTheirMessage) {
  testing::WriteBytes(list_, {0xFE, 0xCA, 0xEF, 0xBE, 31, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F});
  Result r = RunTool({"list", "show", list_});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.out.empty());
  EXPECT_EQ(r.err, MessageText(40024, {list_}) + "\n");

  testing::WriteBytes(list_, {'h', 'e', 'l', 'l', 'o'});
  r = RunTool({"list", "show", list_});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, MessageText(40009, {list_}) + "\n");
}

TEST_F(ListCommandTest, BadArguments) {
  std::ofstream(words_) << "CAT\n";
  const std::vector<std::vector<std::string>> cases = {
      {"list"},
      {"list", "print", list_},
      {"list", "show"},
      {"list", "show", dir_.File("missing.tvr")},
      {"list", "make", words_},
      {"list", "make", words_, list_, "--sort", "sideways"},
      {"list", "make", words_, list_, "--list-type"},
      {"list", "make", words_, list_, "--colour", "red"},
      {"list", "make", dir_.File("missing.txt"), list_},
  };
  for (const auto& args : cases) {
    const Result r = RunTool(args);
    EXPECT_EQ(r.status, 2) << args.size();
    EXPECT_TRUE(r.err.starts_with("tavrune-lexicon: ")) << r.err;
  }
  const std::string nowhere = dir_.File("no/folder/list.tvr");
  Result r = RunTool({"list", "make", words_, nowhere});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "tavrune-lexicon: cannot write '" + nowhere + "': No such file or directory\n");
  r = RunTool({"list", "show", dir_.path()});
  EXPECT_EQ(r.err, "tavrune-lexicon: cannot read '" + dir_.path() + "': Is a directory\n");
}

// The n-th distinct five-letter word.
std::string Nth(int n) {
  std::string word = "AAAAA";
  for (int p = 4; p >= 0; --p, n /= 26)
    word[static_cast<size_t>(p)] = static_cast<char>('A' + n % 26);
  return word;
}

// Duplicates are dropped before the 64,000 words a list holds are counted,
// and the words left out are told, with status 1.
TEST_F(ListCommandTest, MakeAndShowTellTheWordsBeyondTheLimit) {
  std::string twice;
  for (int i = 0; i < 50'000; ++i) twice += Nth(i) + " " + Nth(i) + "\n";
  std::ofstream(words_) << twice;
  Result r = RunTool({"list", "make", words_, list_});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "50000 words written, 0 rejected\n");

  std::string many;
  for (int i = 0; i < 100'000; ++i) many += Nth(i % 2 == 0 ? i / 2 : 50'000 + i / 2) + "\n";
  std::ofstream(words_) << many << many;
  r = RunTool({"list", "make", words_, list_});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "64000 words written, 0 rejected\n");
  EXPECT_EQ(r.err, "tavrune-lexicon: 36000 words left out: a list holds at most 64,000\n");

  // The same words three times over in one file's master block.
  std::ifstream in(list_, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), {});
  const std::string count(std::string(20, '\0') + std::string("\x00\xFA\x00\x00", 4));
  const size_t at = bytes.find(count);
  ASSERT_NE(at, std::string::npos);
  const size_t records = at + count.size();
  const std::string block = bytes.substr(records, bytes.size() - 4 - records);
  bytes.insert(records, block + block);
  bytes[at + 21] = static_cast<char>(0xEE);  // 192,000
  bytes[at + 22] = 0x02;
  std::ofstream(list_, std::ios::binary | std::ios::trunc) << bytes;
  r = RunTool({"list", "show", list_});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "tavrune-lexicon: 128000 words left out: a list holds at most 64,000\n");
  EXPECT_NE(r.out.find(Nth(81'999) + "\n"), std::string::npos);
}

}  // namespace
}  // namespace tavrune
