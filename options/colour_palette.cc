#include "options/colour_palette.h"

#include <algorithm>

namespace tavrune {

int PaletteIndexOf(Rgb colour) {
  const auto found = std::find(kColourPalette.begin(), kColourPalette.end(), colour);
  if (found == kColourPalette.end()) return kFallbackPaletteIndex;
  return static_cast<int>(found - kColourPalette.begin());
}

Rgb SelectionFrameColour(Rgb colour) {
  constexpr int kLightSum = 510;
  if (colour.red + colour.green + colour.blue >= kLightSum) return {0, 0, 0};
  return {255, 255, 255};
}

}  // namespace tavrune
