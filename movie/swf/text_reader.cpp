#include "movie/swf/text_reader.h"

#include "movie/swf/shape_reader.h"
#include "movie/swf/swf_error.h"

namespace kestrova::swf {

namespace {

// Glyph i spans offsets[i]..offsets[i+1] of `table` (the last one up to
// `end`). A glyph that does not read stays empty; the font is still usable.
std::vector<Shape> ReadGlyphs(std::span<const uint8_t> table, const std::vector<uint32_t>& offsets,
                              uint32_t end) {
  std::vector<Shape> glyphs;
  for (size_t i = 0; i < offsets.size(); ++i) {
    uint32_t from = offsets[i];
    uint32_t to = i + 1 < offsets.size() ? offsets[i + 1] : end;
    Shape glyph;
    if (from <= to && to <= table.size()) {
      Reader in(table.subspan(from, to - from));
      try {
        glyph = ReadGlyphShape(in);
      } catch (const SwfError&) {
        glyph = Shape{};
      }
    }
    glyphs.push_back(std::move(glyph));
  }
  return glyphs;
}

void ReadFontCodesAndLayout(Reader& in, Font& font, uint32_t count, bool wideCodes, bool layout) {
  for (uint32_t i = 0; i < count; ++i) font.codes.push_back(wideCodes ? in.U16() : in.U8());
  if (!layout) return;
  font.ascent = in.S16();
  font.descent = in.S16();
  font.leading = in.S16();
  for (uint32_t i = 0; i < count; ++i) font.advances.push_back(in.S16());
  font.hasLayout = true;
}

}  // namespace

// DefineFont: U16 offsets (the first one also gives the glyph count, as
// it points just past the table), then a SHAPE per glyph.
Font ReadDefineFont(Reader& in) {
  auto table = in.Rest();
  Reader offsetsIn(table);
  std::vector<uint32_t> offsets;
  if (!table.empty()) {
    uint32_t first = offsetsIn.U16();
    uint32_t count = first / 2;
    if (first > table.size()) throw SwfError("font offset table beyond the tag");
    offsets.push_back(first);
    for (uint32_t i = 1; i < count; ++i) offsets.push_back(offsetsIn.U16());
  }
  Font font;
  font.glyphs = ReadGlyphs(table, offsets, static_cast<uint32_t>(table.size()));
  return font;
}

// DefineFont2/3: U8 flags (layout, ShiftJIS, small, ANSI, wide offsets,
// wide codes, italic, bold), U8 language, U8 name length, name, U16 glyph
// count, offsets (U32 if wide, else U16) from the table start, the code
// table offset, glyph SHAPEs, then the code table (U16 if wide codes, else
// U8 per glyph) and, with the layout flag, S16 ascent, descent, leading
// and an S16 advance per glyph (bounds and kerning follow; not needed).
Font ReadDefineFont2(Reader& in, int version) {
  uint8_t flags = in.U8();
  bool wide = flags & 0x08;
  in.U8();
  auto name = in.Bytes(in.U8());
  uint32_t count = in.U16();
  auto table = in.Rest();
  if (static_cast<uint64_t>(count) * (wide ? 4 : 2) > table.size())
    throw SwfError("font glyph count beyond the tag");
  Reader offsetsIn(table);
  std::vector<uint32_t> offsets;
  for (uint32_t i = 0; i < count; ++i) offsets.push_back(wide ? offsetsIn.U32() : offsetsIn.U16());
  uint32_t codeOffset = static_cast<uint32_t>(table.size());
  if (count > 0)
    codeOffset = std::min<uint32_t>(wide ? offsetsIn.U32() : offsetsIn.U16(), codeOffset);
  Font font;
  font.glyphs = ReadGlyphs(table, offsets, codeOffset);
  font.unitsPerEm = version >= 3 ? 1024.0f * 20 : 1024.0f;
  font.name.assign(name.begin(), name.end());
  while (!font.name.empty() && font.name.back() == '\0') font.name.pop_back();
  font.bold = flags & 0x01;
  font.italic = flags & 0x02;
  // The code table and metrics are optional for drawing: a font cut short
  // there keeps its glyphs.
  try {
    Reader after(table.subspan(codeOffset));
    ReadFontCodesAndLayout(after, font, count, flags & 0x04, flags & 0x80);
  } catch (const SwfError&) {
    font.hasLayout = false;
    font.advances.clear();
  }
  return font;
}

// DefineText: RECT, MATRIX, U8 glyph bits, U8 advance bits, TEXTRECORDs to
// a zero byte: UB1 1, UB3 reserved, UB1 has font, UB1 has colour, UB1 has
// y, UB1 has x; [U16 font], [RGB (RGBA in DefineText2)], [S16 x], [S16 y],
// [U16 height if font], U8 glyph count, glyph entries (UB index, SB
// advance), byte-aligned.
Text ReadDefineText(Reader& in, int version) {
  Text text;
  text.bounds = in.Rect();
  text.matrix = in.ReadMatrix();
  int glyphBits = in.U8();
  int advanceBits = in.U8();
  if (glyphBits > 32 || advanceBits > 32) throw SwfError("bad glyph field sizes");
  TextGlyph pen;
  while (true) {
    uint8_t flags = in.U8();
    if (flags == 0) break;
    if (flags & 0x08) pen.fontId = in.U16();
    if (flags & 0x04) pen.color = version >= 2 ? in.Rgba() : in.Rgb();
    if (flags & 0x01) pen.x = {in.S16()};
    if (flags & 0x02) pen.y = {in.S16()};
    if (flags & 0x08) pen.height = {in.U16()};
    uint32_t count = in.U8();
    for (uint32_t i = 0; i < count; ++i) {
      TextGlyph glyph = pen;
      glyph.index = static_cast<uint16_t>(in.UB(glyphBits));
      pen.x = pen.x + Twips{in.SB(advanceBits)};
      text.glyphs.push_back(glyph);
    }
    in.Align();
  }
  return text;
}

}  // namespace kestrova::swf
