// Text tags for SwfWriter (writer.h): DefineEditText and DefineFont3 with
// its layout.
//
//   EditText field;
//   field.bounds = {{0}, {2000}, {0}, {400}};
//   field.text = "Hello";
//   swf.Tag(tag::kDefineEditText, DefineEditTextBody(2, field));
#pragma once

#include <string>
#include <vector>

#include "movie/swf/writer.h"

namespace kestrova::swf {

std::vector<uint8_t> DefineEditTextBody(uint16_t id, const EditText& text);

struct FontGlyph {
  uint16_t code = 0;
  ShapeBuilder outline;  // EM square of 20480 units, baseline at y = 0
  int16_t advance = 0;
};

// Wide codes and offsets, with the layout: ascent, descent, advances. No
// glyphs: a device font by name (fields of it draw with the player's own).
std::vector<uint8_t> DefineFont3Body(uint16_t id, const std::string& name,
                                     const std::vector<FontGlyph>& glyphs, int16_t ascent,
                                     int16_t descent);

}  // namespace kestrova::swf
