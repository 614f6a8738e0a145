#include "options/letter_reorder.h"

#include <gtest/gtest.h>

namespace tavrune {
namespace {

TEST(LetterReorderTest, EnablingDependsOnTheSelectedLine) {
  struct Case {
    int selected;
    int count;
    bool up;    // top and up
    bool down;  // down and bottom
  };
  const Case cases[] = {
      {0, 26, false, true}, {12, 26, true, true},   {25, 26, true, false},
      {0, 1, false, false}, {-1, 26, false, false}, {26, 26, false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LetterMoveEnabled(LetterMove::kTop, c.selected, c.count), c.up) << c.selected;
    EXPECT_EQ(LetterMoveEnabled(LetterMove::kUp, c.selected, c.count), c.up) << c.selected;
    EXPECT_EQ(LetterMoveEnabled(LetterMove::kDown, c.selected, c.count), c.down) << c.selected;
    EXPECT_EQ(LetterMoveEnabled(LetterMove::kBottom, c.selected, c.count), c.down) << c.selected;
  }
}

TEST(LetterReorderTest, MovesKeepTheLetterSelected) {
  struct Case {
    LetterMove move;
    int selected;
    const char* after;
    int now;
  };
  const Case cases[] = {
      {LetterMove::kTop, 3, "DABCE", 0},    {LetterMove::kUp, 3, "ABDCE", 2},
      {LetterMove::kDown, 1, "ACBDE", 2},   {LetterMove::kBottom, 0, "BCDEA", 4},
      {LetterMove::kBottom, 4, "ABCDE", 4}, {LetterMove::kUp, 0, "ABCDE", 0},
  };
  for (const Case& c : cases) {
    std::string order = "ABCDE";
    EXPECT_EQ(MoveLetter(order, c.selected, c.move), c.now) << c.after;
    EXPECT_EQ(order, c.after);
  }
}

}  // namespace
}  // namespace tavrune
