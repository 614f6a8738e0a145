#include <gtest/gtest.h>

#include "platform/settings.h"

namespace tavrune {
namespace {

TEST(MemorySettingsTest, ReadsBackWhatWasWrittenAndDefaultsOtherwise) {
  MemorySettings settings;
  EXPECT_EQ(settings.GetInt("General", "CurrentLexicon", 1), 1);
  settings.PutInt("General", "CurrentLexicon", 3);
  EXPECT_EQ(settings.GetInt("General", "CurrentLexicon", 1), 3);
  settings.PutString("General", "Dir", "/tmp/");
  EXPECT_EQ(settings.GetString("General", "Dir", "x"), "/tmp/");
  EXPECT_EQ(settings.GetString("Other", "Dir", "x"), "x");
}

TEST(MemorySettingsTest, TextWhereANumberBelongsReadsAsTheDefault) {
  MemorySettings settings;
  settings.PutString("General", "N", "12abc");
  EXPECT_EQ(settings.GetInt("General", "N", 5), 5);
  settings.PutString("General", "N", "99999999999999999999999");
  EXPECT_EQ(settings.GetInt("General", "N", 5), 5);
  settings.PutString("General", "N", "-7");
  EXPECT_EQ(settings.GetInt("General", "N", 5), -7);
}

}  // namespace
}  // namespace tavrune
