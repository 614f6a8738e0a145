#include "options/colour_palette.h"

#include <gtest/gtest.h>

namespace tavrune {
namespace {

TEST(ColourPaletteTest, EachColourFindsItsOwnLine) {
  for (int i = 0; i < kPaletteSize; ++i) {
    EXPECT_EQ(PaletteIndexOf(kColourPalette[static_cast<size_t>(i)]), i);
  }
  EXPECT_EQ(PaletteIndexOf({1, 2, 3}), 6);
  EXPECT_EQ(kColourPalette[6], (Rgb{192, 192, 192}));
}

TEST(ColourPaletteTest, LightColoursAreFramedInBlack) {
  const Rgb black = {0, 0, 0};
  const Rgb white = {255, 255, 255};
  struct Case {
    Rgb colour;
    Rgb frame;
  };
  const Case cases[] = {
      {{255, 255, 0}, black},   {{255, 254, 0}, white}, {{192, 192, 192}, black},
      {{128, 128, 128}, white}, {{0, 0, 0}, white},     {{255, 255, 255}, black},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SelectionFrameColour(c.colour), c.frame)
        << c.colour.red << " " << c.colour.green << " " << c.colour.blue;
  }
}

}  // namespace
}  // namespace tavrune
