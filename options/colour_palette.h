#ifndef TAVRUNE_OPTIONS_COLOUR_PALETTE_H_
#define TAVRUNE_OPTIONS_COLOUR_PALETTE_H_

#include <array>

#include "platform/setting_keys.h"

namespace tavrune {

// The fixed colours the colour dialog offers, in the order of its list.
inline constexpr int kPaletteSize = 16;
inline constexpr std::array<Rgb, kPaletteSize> kColourPalette = {{
    {0, 0, 0},
    {0, 0, 255},
    {0, 0, 128},
    {0, 128, 128},
    {0, 255, 255},
    {128, 128, 128},
    {192, 192, 192},
    {0, 255, 0},
    {0, 128, 0},
    {255, 0, 255},
    {128, 128, 0},
    {128, 0, 128},
    {255, 0, 0},
    {128, 0, 0},
    {255, 255, 0},
    {255, 255, 255},
}};

// The line that opens selected when the current colour is not offered.
inline constexpr int kFallbackPaletteIndex = 6;

// The line of `colour` in the palette, else the fallback line.
int PaletteIndexOf(Rgb colour);

// The frame around the selected line: black on light colours, white on dark
// ones, so it shows on either.
Rgb SelectionFrameColour(Rgb colour);

}  // namespace tavrune

#endif  // TAVRUNE_OPTIONS_COLOUR_PALETTE_H_
