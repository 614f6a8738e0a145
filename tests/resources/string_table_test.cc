#include "resources/string_table.h"

#include <gtest/gtest.h>

namespace tavrune {
namespace {

TEST(StringTableTest, LooksUpByNumber) {
  EXPECT_EQ(StringText(kIdleText), " ");
  EXPECT_EQ(StringText(40075), "There are no words to challenge!");
  EXPECT_EQ(StringText(104), "There are no words to challenge!");
  EXPECT_EQ(StringText(12345), "");
}

TEST(StringTableTest, FormatsArguments) {
  EXPECT_EQ(MessageText(kIntegerRangeText, {"2", "15"}),
            "Please enter an integer between 2 and 15.");
  EXPECT_EQ(FormatText("%2 before %1, 100%%", {"a", "b"}), "b before a, 100%");
  EXPECT_EQ(FormatText("missing %3 and trailing %", {"a"}), "missing  and trailing %");
}

}  // namespace
}  // namespace tavrune
