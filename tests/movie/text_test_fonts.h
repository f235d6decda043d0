// Fonts and fields for the text tests: a font of square glyphs whose
// metrics are round numbers, and fields over it.
#pragma once

#include <memory>

#include "movie/swf/text_writer.h"
#include "movie/text/text_field.h"
#include "movie/text/text_layout.h"

namespace kestrova::text::testing {

// "Box" (DefineFont3, EM 20480): every letter a filled square of 0.5 EM
// standing on the baseline, advance 0.5 EM (space too), ascent 0.75 EM,
// descent 0.25 EM: at 20 px a letter is 10 px wide and a line 20 px high.
inline std::vector<swf::FontGlyph> BoxGlyphs(const std::u16string& codes) {
  std::vector<swf::FontGlyph> glyphs;
  for (char16_t c : codes) {
    swf::FontGlyph g;
    g.code = c;
    g.advance = 10240;
    // The style list only sizes the fill index field: glyphs have no styles.
    if (c != u' ') g.outline.Rect(0, -10240, 10240, 0, g.outline.AddFill(swf::FillStyle{}));
    glyphs.push_back(g);
  }
  return glyphs;
}

inline swf::Font BoxFont() {
  swf::Font font;
  font.unitsPerEm = 20480;
  font.name = "Box";
  font.hasLayout = true;
  font.ascent = 15360;
  font.descent = 5120;
  for (char16_t c : std::u16string(u" abcdefghijklmnopqrstuvwxyz")) {
    font.codes.push_back(c);
    font.advances.push_back(10240);
    font.glyphs.emplace_back();
  }
  return font;
}

// A movie holding the box font as character 1.
inline std::shared_ptr<swf::Movie> BoxMovie() {
  auto movie = std::make_shared<swf::Movie>();
  movie->dictionary.emplace(1, BoxFont());
  return movie;
}

// A field of the box font at 20 px, `width` x `height` px.
inline swf::EditText BoxField(int width, int height, const std::string& text) {
  swf::EditText e;
  e.bounds = {{0}, {width * 20}, {0}, {height * 20}};
  e.fontId = 1;
  e.height = {400};
  e.useOutlines = true;
  e.text = text;
  return e;
}

}  // namespace kestrova::text::testing
