#include "movie/swf/edit_text_reader.h"

namespace kestrova::swf {

namespace {

// Flags, first byte: has text, word wrap, multiline, password, read-only,
// has colour, has max length, has font. Second byte: has font class, auto
// size, has layout, no select, border, was static, HTML, use outlines.
void ReadEditTextFlags(uint8_t first, uint8_t second, EditText& text) {
  text.wordWrap = first & 0x40;
  text.multiline = first & 0x20;
  text.password = first & 0x10;
  text.readOnly = first & 0x08;
  text.autoSize = second & 0x40;
  text.noSelect = second & 0x10;
  text.border = second & 0x08;
  text.html = second & 0x02;
  text.useOutlines = second & 0x01;
}

TextAlign AlignOf(uint8_t value) {
  switch (value) {
    case 1:
      return TextAlign::Right;
    case 2:
      return TextAlign::Center;
    case 3:
      return TextAlign::Justify;
    default:
      return TextAlign::Left;
  }
}

}  // namespace

// DefineEditText: RECT, two flag bytes, [U16 font], [font class string],
// [U16 height, with a font or font class], [RGBA], [U16 max length],
// [layout: U8 align, U16 left margin, U16 right margin, U16 indent, S16
// leading], the variable name, [the initial text].
EditText ReadDefineEditText(Reader& in) {
  EditText text;
  text.bounds = in.Rect();
  uint8_t first = in.U8();
  uint8_t second = in.U8();
  ReadEditTextFlags(first, second, text);
  if (first & 0x01) text.fontId = in.U16();
  if (second & 0x80) text.fontClass = in.String();
  if ((first & 0x01) || (second & 0x80)) text.height = {in.U16()};
  if (first & 0x04) text.color = in.Rgba();
  if (first & 0x02) text.maxLength = in.U16();
  if (second & 0x20) {
    text.align = AlignOf(in.U8());
    text.leftMargin = {in.U16()};
    text.rightMargin = {in.U16()};
    text.indent = {in.U16()};
    text.leading = {in.S16()};
  }
  text.variable = in.String();
  if (first & 0x80) text.text = in.String();
  return text;
}

}  // namespace kestrova::swf
