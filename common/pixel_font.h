// A 5 x 7 pixel font: capitals, digits and punctuation, one string a row
// with '#' for a lit pixel. The movie player's device font and the tools'
// sheet labels are drawn from it.
#pragma once

namespace kestrova {

constexpr int kPixelGlyphColumns = 5;
constexpr int kPixelGlyphRows = 7;

// The rows of the character's glyph (lower case gives the capital's), or
// null for a character the font does not have (space among them).
const char* const* PixelGlyphRows(char32_t code);

}  // namespace kestrova
