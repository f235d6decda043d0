#include "movie/swf/text_writer.h"

namespace kestrova::swf {

std::vector<uint8_t> DefineEditTextBody(uint16_t id, const EditText& text) {
  BitWriter out;
  out.U16(id);
  out.Rect(text.bounds);
  bool layout = text.align != TextAlign::Left || text.leftMargin.value || text.rightMargin.value ||
                text.indent.value || text.leading.value;
  out.U8(static_cast<uint8_t>((text.text.empty() ? 0 : 0x80) | (text.wordWrap ? 0x40 : 0) |
                              (text.multiline ? 0x20 : 0) | (text.password ? 0x10 : 0) |
                              (text.readOnly ? 0x08 : 0) | (text.color ? 0x04 : 0) |
                              (text.maxLength ? 0x02 : 0) | (text.fontId ? 0x01 : 0)));
  out.U8(static_cast<uint8_t>((text.autoSize ? 0x40 : 0) | (layout ? 0x20 : 0) |
                              (text.noSelect ? 0x10 : 0) | (text.border ? 0x08 : 0) |
                              (text.html ? 0x02 : 0) | (text.useOutlines ? 0x01 : 0)));
  if (text.fontId) {
    out.U16(*text.fontId);
    out.U16(static_cast<uint16_t>(text.height.value));
  }
  if (text.color) out.Rgba(*text.color);
  if (text.maxLength) out.U16(*text.maxLength);
  if (layout) {
    out.U8(static_cast<uint8_t>(text.align));
    out.U16(static_cast<uint16_t>(text.leftMargin.value));
    out.U16(static_cast<uint16_t>(text.rightMargin.value));
    out.U16(static_cast<uint16_t>(text.indent.value));
    out.U16(static_cast<uint16_t>(text.leading.value));
  }
  out.String(text.variable);
  if (!text.text.empty()) out.String(text.text);
  return out.Data();
}

// Flags 0x80 layout | 0x08 wide offsets | 0x04 wide codes; no kerning, and
// every glyph's bounds an empty RECT. Without glyphs it names a device
// font.
std::vector<uint8_t> DefineFont3Body(uint16_t id, const std::string& name,
                                     const std::vector<FontGlyph>& glyphs, int16_t ascent,
                                     int16_t descent) {
  std::vector<std::vector<uint8_t>> shapes;
  for (const FontGlyph& g : glyphs) shapes.push_back(g.outline.RecordsOnly());
  BitWriter out;
  out.U16(id);
  out.U8(0x80 | 0x08 | 0x04);
  out.U8(0);
  out.U8(static_cast<uint8_t>(name.size()));
  for (char c : name) out.U8(static_cast<uint8_t>(c));
  out.U16(static_cast<uint16_t>(glyphs.size()));
  uint32_t offset = static_cast<uint32_t>(4 * (glyphs.size() + 1));
  for (const auto& shape : shapes) {
    out.U32(offset);
    offset += static_cast<uint32_t>(shape.size());
  }
  if (!glyphs.empty()) out.U32(offset);  // the code table; a font of no glyphs names one
  for (const auto& shape : shapes) out.Bytes(shape);
  for (const FontGlyph& g : glyphs) out.U16(g.code);
  out.U16(static_cast<uint16_t>(ascent));
  out.U16(static_cast<uint16_t>(descent));
  out.U16(0);  // leading
  for (const FontGlyph& g : glyphs) out.U16(static_cast<uint16_t>(g.advance));
  for (size_t i = 0; i < glyphs.size(); ++i) out.Rect({});
  out.U16(0);  // kerning pairs
  return out.Data();
}

}  // namespace kestrova::swf
