// A 5 x 7 pixel font (capitals, digits and a little punctuation) for
// labelling sheets drawn by the tools.
#pragma once

#include <string_view>

#include "common/pixel_font.h"
#include "common/pixels.h"

namespace kestrova::gallery {

constexpr int kGlyphWidth = kPixelGlyphColumns;
constexpr int kGlyphHeight = kPixelGlyphRows;
constexpr int kGlyphAdvance = 6;

// Draws `text` (lower case shown as capitals; unknown characters as blanks)
// with its top-left at (x, y), each font pixel `scale` pixels square.
void DrawText(PixelView target, int x, int y, std::string_view text, Pixel color, int scale = 1);

int TextWidth(std::string_view text, int scale = 1);

}  // namespace kestrova::gallery
