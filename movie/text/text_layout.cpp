#include "movie/text/text_layout.h"

#include <algorithm>
#include <cmath>

#include "movie/text/device_font.h"

namespace kestrova::text {

namespace {

struct Measured {
  PlacedGlyph glyph;
  float advance = 0, ascent = 0, descent = 0, leading = 0;
};

struct Line {
  size_t begin = 0, end = 0;  // characters, the break included
  float width = 0, ascent = 0, descent = 0, leading = 0;
};

// The embedded font a format names: the field's own when the names agree,
// else any font of the movie by that name; none for device text.
class FontFinder {
 public:
  explicit FontFinder(const TextField& field) : field_(field) {}
  std::pair<uint16_t, const swf::Font*> Find(const std::string& name) {
    if (name == lastName_) return last_;
    lastName_ = name;
    last_ = {0, nullptr};
    if (!field_.embedFonts) return last_;
    auto own = field_.Definition().fontId;
    for (const auto& [id, character] : field_.Movie().dictionary) {
      const auto* font = std::get_if<swf::Font>(&character);
      if (!font || font->name != name) continue;
      if (!last_.second || (own && id == *own)) last_ = {id, font};
    }
    return last_;
  }

 private:
  const TextField& field_;
  std::string lastName_ = "\x01";
  std::pair<uint16_t, const swf::Font*> last_{0, nullptr};
};

Measured MeasureEmbedded(uint16_t id, const swf::Font& font, char32_t c, float size) {
  Measured m;
  float scale = size / font.unitsPerEm;
  m.ascent = std::trunc(font.ascent * scale);
  m.descent = std::trunc(font.descent * scale);
  auto at = std::find(font.codes.begin(), font.codes.end(), static_cast<uint16_t>(c));
  if (at == font.codes.end()) return m;
  auto index = static_cast<size_t>(at - font.codes.begin());
  // Advances are whole twips, the fraction cut, as the original player
  // measures them.
  if (index < font.advances.size()) m.advance = std::trunc(font.advances[index] * scale);
  m.glyph.fontId = id;
  m.glyph.index = static_cast<uint16_t>(index);
  return m;
}

Measured Measure(char32_t c, const TextFormat& format, FontFinder& fonts) {
  float size = static_cast<float>(format.size.value_or(12)) * 20;
  auto [id, font] = fonts.Find(format.font.value_or(""));
  Measured m;
  if (font) {
    m = MeasureEmbedded(id, *font, c, size);
  } else {
    m.ascent = kDeviceAscent * size;
    m.descent = kDeviceDescent * size;
    m.advance = DeviceAdvance(c) * size;
    m.glyph.code = c;
  }
  if (c == U'\r') m.advance = 0;
  m.advance += static_cast<float>(format.letterSpacing.value_or(0)) * 20;
  m.leading = static_cast<float>(format.leading.value_or(0)) * 20;
  m.glyph.size = size;
  m.glyph.color = 0xFF000000 | format.color.value_or(0);
  return m;
}

float LineSpace(const TextField& field, const TextFormat& format) {
  float margins =
      static_cast<float>(format.leftMargin.value_or(0) + format.rightMargin.value_or(0) +
                         format.blockIndent.value_or(0) + format.indent.value_or(0));
  return field.bounds.Width().value - 2.0f * kGutter - margins * 20;
}

void Grow(Line& line, const Measured& m) {
  line.width += m.advance;
  line.ascent = std::max(line.ascent, m.ascent);
  line.descent = std::max(line.descent, m.descent);
  line.leading = std::max(line.leading, m.leading);
}

// Lines end at breaks and, with word wrap, before the word that would pass
// the box's width (a word longer than a line is cut where it passes). The
// spaces a line ends with stay in its width, as the original player
// measures it.
std::vector<Line> BreakLines(const TextField& field, const std::vector<Measured>& chars) {
  std::vector<Line> lines;
  const std::u32string& text = field.Text();
  Line line;
  size_t i = 0;
  while (i < chars.size()) {
    float space = LineSpace(field, field.FormatAt(line.begin));
    bool passes = field.wordWrap && line.end > line.begin && text[i] != U' ' &&
                  line.width + chars[i].advance > space;
    if (passes) {
      size_t cut = i;
      for (size_t k = i; k > line.begin; --k)
        if (text[k - 1] == U' ') {
          cut = k;
          break;
        }
      Line kept{line.begin, cut};
      for (size_t k = line.begin; k < cut; ++k) Grow(kept, chars[k]);
      lines.push_back(kept);
      line = Line{cut, cut};
      i = cut;
      continue;
    }
    Grow(line, chars[i]);
    line.end = ++i;
    if (text[i - 1] == U'\r') {
      lines.push_back(line);
      line = Line{i, i};
    }
  }
  if (line.end > line.begin || !lines.empty()) lines.push_back(line);
  return lines;
}

}  // namespace

TextLayout LayOut(const TextField& field) {
  TextLayout out;
  const std::u32string& text = field.Text();
  if (text.empty()) return out;
  FontFinder fonts(field);
  std::vector<Measured> chars;
  chars.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i)
    chars.push_back(Measure(text[i], field.FormatAt(i), fonts));
  std::vector<Line> lines = BreakLines(field, chars);
  float top = kGutter, width = 0;
  for (size_t n = 0; n < lines.size(); ++n) {
    Line& line = lines[n];
    if (line.begin == line.end) {  // an empty last line takes the metrics of the new text
      Measured m = Measure(U' ', field.newFormat, fonts);
      line.ascent = m.ascent, line.descent = m.descent, line.leading = m.leading;
    }
    const TextFormat& format = field.FormatAt(std::min(line.begin, text.size() - 1));
    float left = kGutter + 20.0f * (format.leftMargin.value_or(0) + format.blockIndent.value_or(0));
    float room = LineSpace(field, format) - line.width;
    bool first = line.begin == 0 || text[line.begin - 1] == U'\r';
    if (first) left += 20.0f * format.indent.value_or(0);
    swf::TextAlign align = format.align.value_or(swf::TextAlign::Left);
    if (align == swf::TextAlign::Right) left += room;
    if (align == swf::TextAlign::Center) left += room / 2;
    out.lineTops.push_back(static_cast<int32_t>(top - kGutter));
    float x = left, baseline = top + line.ascent;
    for (size_t k = line.begin; k < line.end; ++k) {
      PlacedGlyph g = chars[k].glyph;
      g.x = x, g.y = baseline, g.lineTop = top;
      x += chars[k].advance;
      if (text[k] != U' ' && text[k] != U'\r' && (g.fontId || g.code)) out.glyphs.push_back(g);
    }
    width = std::max(width, line.width);
    // Leading parts lines; a text of one line keeps its own.
    bool last = n + 1 == lines.size();
    top += line.ascent + line.descent + (!last || lines.size() == 1 ? line.leading : 0);
  }
  out.width = static_cast<int32_t>(width);
  out.height = static_cast<int32_t>(top - kGutter);
  out.lines = static_cast<int>(lines.size());
  return out;
}

int MaxScroll(const TextField& field) {
  const TextLayout& layout = field.Layout();
  int32_t room = field.bounds.Height().value - 2 * kGutter;
  for (size_t k = 0; k < layout.lineTops.size(); ++k)
    if (layout.height - layout.lineTops[k] <= room) return static_cast<int>(k) + 1;
  return std::max(1, layout.lines);
}

}  // namespace kestrova::text
