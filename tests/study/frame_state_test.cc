#include "study/frame_state.h"

#include <gtest/gtest.h>

#include "study/recent_files.h"

namespace tavrune {
namespace {

TEST(FrameStateTest, TitleShowsTheDescriptionInParentheses) {
  EXPECT_EQ(FrameTitle("Untitled", ""), "Tavrune - Untitled");
  EXPECT_EQ(FrameTitle("twos.tvr", "Two letter words"), "Tavrune - twos.tvr (Two letter words)");
}

TEST(FrameStateTest, PlacementIsReadAndClampedToTheScreen) {
  struct Case {
    const char* stored;
    PlacementRect expected;
  };
  const Case cases[] = {
      {"", {0, 0, 599, 479}},
      {"0100 0050 2500 2000", {100, 50, 1124, 818}},
      {"-200 0010 0400 0410", {0, 10, 600, 410}},
      {"0010 0020", {10, 20, 10, 20}},
      {"x", {0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    MemorySettings settings;
    settings.PutString("WindowSize", "Position", c.stored);
    EXPECT_EQ(ReadPlacement(settings, 1024, 768).rect, c.expected) << c.stored;
  }
}

TEST(FrameStateTest, PlacementRoundTripsWithTheMaximisedFlag) {
  MemorySettings settings;
  WritePlacement(settings, {{30, 40, 730, 640}, true}, 1024, 768);
  EXPECT_EQ(settings.GetString("WindowSize", "Position", ""), "0030 0040 0730 0640");
  EXPECT_EQ(ReadPlacement(settings, 1024, 768), (WindowPlacement{{30, 40, 730, 640}, true}));
}

TEST(FrameStateTest, FileDialogsOpenBesideTheListElseWhereTheLastFileWasChosen) {
  MemorySettings settings;
  EXPECT_EQ(FileDialogFolder("", settings), "");
  RememberFileDialogFolder(settings, "/home/ann/words/eights.txt");
  EXPECT_EQ(FileDialogFolder("", settings), "/home/ann/words");
  EXPECT_EQ(FileDialogFolder("/srv/club/twos.tvr", settings), "/srv/club");
}

TEST(RecentFilesTest, MostRecentFirstWithoutRepeatsAndAtMostFour) {
  RecentFiles recent;
  for (const char* path : {"/a.tvr", "/b.tvr", "/c.tvr", "/a.tvr", "/d.tvr", "/e.tvr"}) {
    recent.Add(path);
  }
  recent.Remove("/d.tvr");
  MemorySettings settings;
  recent.Write(settings);
  RecentFiles read;
  read.Read(settings);
  EXPECT_EQ(read.Paths(), (std::vector<std::string>{"/e.tvr", "/a.tvr", "/c.tvr"}));
}

}  // namespace
}  // namespace tavrune
