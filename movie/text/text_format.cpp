#include "movie/text/text_format.h"

namespace kestrova::text {

namespace {

template <typename T>
void Keep(std::optional<T>& field, const std::optional<T>& other) {
  if (field != other) field.reset();
}

template <typename T>
void Take(std::optional<T>& field, const std::optional<T>& other) {
  if (other) field = other;
}

// Calls `f(a.x, b.x)` for every optional field of two formats.
template <typename F>
void EachField(TextFormat& a, const TextFormat& b, F&& f) {
  f(a.font, b.font), f(a.url, b.url), f(a.target, b.target);
  f(a.size, b.size), f(a.leftMargin, b.leftMargin), f(a.rightMargin, b.rightMargin);
  f(a.indent, b.indent), f(a.leading, b.leading), f(a.blockIndent, b.blockIndent);
  f(a.color, b.color), f(a.letterSpacing, b.letterSpacing);
  f(a.bold, b.bold), f(a.italic, b.italic), f(a.underline, b.underline);
  f(a.bullet, b.bullet), f(a.kerning, b.kerning), f(a.align, b.align);
  f(a.tabStops, b.tabStops);
}

}  // namespace

TextFormat Common(const TextFormat& a, const TextFormat& b) {
  TextFormat out = a;
  EachField(out, b, [](auto& x, const auto& y) { Keep(x, y); });
  return out;
}

void Apply(TextFormat& to, const TextFormat& from) {
  EachField(to, from, [](auto& x, const auto& y) { Take(x, y); });
}

// A field without a font of its own shows the player's serif device font.
TextFormat DefaultFormat(const swf::EditText& definition, const swf::Movie& movie) {
  TextFormat f;
  f.font = "Times New Roman";
  if (definition.fontId) {
    const swf::Character* c = movie.Find(*definition.fontId);
    const auto* font = c ? std::get_if<swf::Font>(c) : nullptr;
    if (font && !font->name.empty()) f.font = font->name;
    if (font) f.bold = font->bold, f.italic = font->italic;
  }
  f.size = definition.height.value / 20;
  f.color = definition.color.value_or(0xFF000000) & 0xFFFFFF;
  f.align = definition.align;
  f.leftMargin = definition.leftMargin.value / 20;
  f.rightMargin = definition.rightMargin.value / 20;
  f.indent = definition.indent.value / 20;
  f.leading = definition.leading.value / 20;
  f.blockIndent = 0;
  f.letterSpacing = 0;
  if (!f.bold) f.bold = false;
  if (!f.italic) f.italic = false;
  f.underline = false, f.bullet = false, f.kerning = false;
  f.url = "", f.target = "";
  f.tabStops = std::vector<int32_t>{};
  return f;
}

}  // namespace kestrova::text
