#include "study/welcome_tips.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/lexicon_fixture.h"
#include "tests/support/recording_prompt.h"

namespace tavrune {
namespace {

using Tips = std::vector<std::string>;

TEST(WelcomeTipsTest, ParsesTipsBetweenEmptyLines) {
  struct Case {
    std::string text;
    Tips tips;
  };
  const std::string long_line(300, 'x');
  const Case cases[] = {
      {"# comment\n\nA\nB \nC\n\nD", {"A B C", "D"}},
      {"\xEF\xBB\xBF# comment\r\n\r\nA\r\nB \r\nC\r\n\r\nD\r\n", {"A B C", "D"}},
      {"  \n# one\n# two\n  Tip\n#inside\n \t\nLast\n\n\n", {"Tip #inside", "Last"}},
      {long_line, {std::string(254, 'x') + " " + std::string(46, 'x')}},
      {"# only comments\n\n", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseTips(c.text), c.tips) << c.text;
}

TEST(WelcomeTipsTest, ReportsAMissingOrUnreadableFile) {
  testing::TempFolder folder;
  testing::RecordingPrompt prompt;
  RandomEngine random(1);
  EXPECT_TRUE(LoadTips(folder.path() + "/", prompt, random).empty());
  std::filesystem::create_directory(folder.File(kTipsFileName));
  EXPECT_TRUE(LoadTips(folder.path() + "/", prompt, random).empty());
  EXPECT_EQ(prompt.MessageIds(), (std::vector<int>{40003, 40004}));
}

TEST(WelcomeTipsTest, LoadsTheTipsShuffled) {
  testing::TempFolder folder;
  std::ofstream(folder.File(kTipsFileName)) << "one\n\ntwo\n\nthree\n\nfour\n\nfive\n";
  testing::RecordingPrompt prompt;
  RandomEngine random(7);
  Tips tips = LoadTips(folder.path() + "/", prompt, random);
  EXPECT_TRUE(prompt.messages.empty());
  EXPECT_NE(tips, ParseTips("one\n\ntwo\n\nthree\n\nfour\n\nfive\n"));
  std::sort(tips.begin(), tips.end());
  EXPECT_EQ(tips, (Tips{"five", "four", "one", "three", "two"}));
}

}  // namespace
}  // namespace tavrune
