// LayOut: a text field's characters as placed glyphs, in lines: fonts and
// sizes from each character's format, word wrap at spaces within the box,
// alignment and margins, and the text's size (textWidth, textHeight).
#pragma once

#include <cstdint>
#include <vector>

#include "common/pixels.h"
#include "movie/text/text_field.h"

namespace kestrova::text {

// The gap between a field's box and its text, each side: 2 pixels.
constexpr int32_t kGutter = 40;

struct PlacedGlyph {
  // An embedded font's glyph (fontId non-zero), else the device font's.
  uint16_t fontId = 0;
  uint16_t index = 0;
  char32_t code = 0;
  float x = 0, y = 0;  // pen on the baseline, field twips
  float lineTop = 0;   // the top of its line
  float size = 0;      // EM square in twips
  Pixel color = 0xFF000000;
};

struct TextLayout {
  std::vector<PlacedGlyph> glyphs;
  int32_t width = 0, height = 0;  // of the text, twips
  int lines = 0;
  std::vector<int32_t> lineTops;  // from the top of the text
};

TextLayout LayOut(const TextField& field);
// The last line a field can scroll to the top (1-based): the first from
// which the rest of the text fits in the box.
int MaxScroll(const TextField& field);

}  // namespace kestrova::text
