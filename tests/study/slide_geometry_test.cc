#include "study/slide_geometry.h"

#include <gtest/gtest.h>

namespace tavrune::slide {
namespace {

TEST(SlideGeometryTest, WordPanelsAndTilesAtTheFontSizes) {
  EXPECT_EQ(TextPanelSize(FontSizesFor(1).word, kMinimumPlaces), (Size{229, 46}));
  EXPECT_EQ(TileSide(FontSizesFor(1).word), 40);
  EXPECT_EQ(RackSize(FontSizesFor(1).word, 7).width, 298);
  EXPECT_EQ(FontSizesFor(2).word, 40);
  EXPECT_EQ(FontSizesFor(2).list, 18);
  EXPECT_EQ(FontSizesFor(7).word, FontSizesFor(1).word);
}

TEST(SlideGeometryTest, ATileDroppedOnAnotherSlotShiftsTheOthers) {
  EXPECT_EQ(MoveTile("ABCDE", 0, 3), "BCDAE");
  EXPECT_EQ(MoveTile("ABCDE", 4, 0), "EABCD");
  EXPECT_EQ(MoveTile("ABCDE", 2, 2), "ABCDE");
  EXPECT_EQ(TileSlotAt(3 * 42 + 5, 34, 5), 3);
  EXPECT_EQ(TileSlotAt(10000, 34, 5), 4);
}

TEST(SlideGeometryTest, ListsFitWholeRows) {
  const ListMetrics metrics = ListMetricsFor(16, 8, false, 0, 0);
  const Size eight_rows = ListSize(metrics, 1, 8);
  EXPECT_EQ(VisibleRows(eight_rows.height, metrics.row_height), 8);
  EXPECT_EQ(FittedListHeight(eight_rows.height + 10, metrics.row_height), eight_rows.height + 3);
  const ListMetrics three = ListMetricsFor(16, 5, true, 19, 19);
  EXPECT_EQ(three.column_width, three.front_width + three.word_width + three.end_width + 27);
}

TEST(SlideGeometryTest, TypeShrinksToFitTheWidthButNotBelowSmall) {
  const AreaContent fifteen_tiles = {true, 15, 15, false, 0, 1};
  struct Case {
    int font_size;
    int width;
    FontSizes expected;
  };
  const Case cases[] = {
      {1, 2000, FontSizesFor(1)},  // room enough: the size asked for
      {2, 2000, FontSizesFor(2)},
      {0, 100, FontSizesFor(0)},  // never below small
      {2, 100, FontSizesFor(0)},
  };
  for (const Case& c : cases) {
    const FontSizes sizes = FittedFontSizes(c.font_size, fifteen_tiles, c.width);
    EXPECT_EQ(sizes.word, c.expected.word) << c.font_size << " " << c.width;
    EXPECT_EQ(sizes.list, c.expected.list) << c.font_size << " " << c.width;
  }
  // Between the two, the largest type that fits.
  const int width = 600;
  const FontSizes fitted = FittedFontSizes(1, fifteen_tiles, width);
  EXPECT_LT(fitted.word, FontSizesFor(1).word);
  EXPECT_LE(RackSize(fitted.word, 15).width, width);
  EXPECT_GT(RackSize(fitted.word + 1, 15).width, width);

  // The area's own preferred width needs no shrinking.
  const AreaContent seven_tiles = {true, 8, 8, false, 0, 1};
  const ListMetrics medium = ListMetricsFor(FontSizesFor(1).list, 8, false, 0, 0);
  const int preferred =
      AreaSize(RackSize(FontSizesFor(1).word, 8), ListSize(medium, 1, kInitialRows)).width;
  EXPECT_EQ(FittedFontSizes(1, seven_tiles, preferred).word, FontSizesFor(1).word);

  // Lists side by side need room for both.
  const AreaContent hooks = {false, 8, 15, false, 0, 2};
  const FontSizes two = FittedFontSizes(2, hooks, width);
  EXPECT_LE(2 * ListSize(ListMetricsFor(two.list, 15, false, 0, 0), 1, 8).width + kAreaGap +
                2 * kAreaMargin,
            width);
}

}  // namespace
}  // namespace tavrune::slide
