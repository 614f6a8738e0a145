#include "cardbox/lazy_cardbox.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>

#include "cardbox/cardbox_clock.h"
#include "tests/support/lexicon_fixture.h"
#include "tests/support/recording_prompt.h"

namespace tavrune {
namespace {

TEST(LazyCardboxTest, OpensAtFirstUseAndSaysOnceWhenItCannot) {
  testing::TempFolder dir;
  testing::RecordingPrompt prompt;
  LazyCardbox fine(
      dir.File("a/cardbox.sqlite"), [] { return int64_t{0}; }, 1, prompt);
  EXPECT_EQ(fine.GetIfPresent(), nullptr);
  EXPECT_FALSE(std::filesystem::exists(dir.File("a")));
  ASSERT_NE(fine.Get(), nullptr);
  EXPECT_EQ(fine.GetIfPresent(), fine.Get());
  EXPECT_EQ(fine.Get(), fine.Get());

  std::ofstream(dir.File("file")) << "x";
  LazyCardbox blocked(
      dir.File("file/cardbox.sqlite"), [] { return int64_t{0}; }, 1, prompt);
  EXPECT_EQ(blocked.Get(), nullptr);
  EXPECT_EQ(blocked.Get(), nullptr);
  ASSERT_EQ(prompt.messages.size(), 1u);
  EXPECT_EQ(prompt.messages[0].id, cardbox_text::kFolderUnusable);
  EXPECT_EQ(prompt.messages[0].args[0], dir.File("file"));
}

TEST(ProgramClockTest, TavruneNowSetsTheClock) {
  std::string bad;
  setenv("TAVRUNE_NOW", "1773482400", 1);
  EXPECT_EQ(ProgramClock(&bad)(), 1773482400);
  EXPECT_TRUE(bad.empty());
  setenv("TAVRUNE_NOW", "next week", 1);
  const int64_t now = ProgramClock(&bad)();
  EXPECT_EQ(bad, "next week");
  unsetenv("TAVRUNE_NOW");
  EXPECT_NEAR(static_cast<double>(ProgramClock(&bad)()), static_cast<double>(now), 5.0);
}

}  // namespace
}  // namespace tavrune
