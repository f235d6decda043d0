// Text fields without drawing: DefineEditText and DefineFont3 decoded,
// formats over character ranges, line breaking, alignment, text height
// and auto size.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "movie/swf/decoder.h"
#include "movie/text/device_font.h"
#include "movie/text/html_text.h"
#include "tests/movie/swf_test_movies.h"
#include "tests/movie/text_test_fonts.h"

namespace kestrova::text {
namespace {

using namespace testing;

std::vector<float> LineStarts(const TextLayout& layout) {
  std::vector<float> xs;
  float lastY = -1;
  for (const PlacedGlyph& g : layout.glyphs)
    if (g.y != lastY) xs.push_back(g.x), lastY = g.y;
  return xs;
}

TEST(EditTextDecoder, ReadsEveryPartAndRefusesATruncatedTag) {
  swf::EditText e;
  e.bounds = {{-40}, {2000}, {20}, {400}};
  e.wordWrap = e.multiline = e.border = e.html = e.useOutlines = true;
  e.fontId = 1;
  e.height = {360};
  e.color = 0xFF336699;
  e.maxLength = 12;
  e.align = swf::TextAlign::Center;
  e.leftMargin = {40};
  e.leading = {-20};
  e.variable = "_root.v";
  e.text = "Hi";
  swf::SwfWriter swf(8, swf::testing::Stage(100, 20), 12);
  swf.Tag(swf::tag::kDefineFont3, swf::DefineFont3Body(1, "Box", BoxGlyphs(u"ab"), 15360, 5120));
  swf.Tag(swf::tag::kDefineEditText, swf::DefineEditTextBody(2, e));
  auto body = swf::DefineEditTextBody(3, e);
  body.resize(body.size() - 6);  // into the variable name
  swf.Tag(swf::tag::kDefineEditText, body);
  swf.ShowFrame();
  swf::Movie movie = swf::DecodeMovie(swf.Finish(false));

  const auto& read = std::get<swf::EditText>(*movie.Find(2));
  EXPECT_EQ(read.bounds.xMin.value, -40);
  EXPECT_TRUE(read.wordWrap && read.multiline && read.border && read.html && read.useOutlines);
  EXPECT_FALSE(read.password || read.readOnly || read.autoSize);
  EXPECT_EQ(read.fontId, 1);
  EXPECT_EQ(read.height.value, 360);
  EXPECT_EQ(read.color, 0xFF336699u);
  EXPECT_EQ(read.maxLength, 12);
  EXPECT_EQ(read.align, swf::TextAlign::Center);
  EXPECT_EQ(read.leftMargin.value, 40);
  EXPECT_EQ(read.leading.value, -20);
  EXPECT_EQ(read.variable, "_root.v");
  EXPECT_EQ(read.text, "Hi");
  EXPECT_EQ(movie.Find(3), nullptr);
  ASSERT_EQ(movie.warnings.size(), 1u);
  EXPECT_EQ(movie.warnings[0], "tag 37: truncated data");

  const auto& font = std::get<swf::Font>(*movie.Find(1));
  EXPECT_EQ(font.name, "Box");
  EXPECT_TRUE(font.hasLayout);
  EXPECT_EQ(font.codes, (std::vector<uint16_t>{'a', 'b'}));
  EXPECT_EQ(font.ascent, 15360);
  EXPECT_EQ(font.descent, 5120);
  EXPECT_EQ(font.advances, (std::vector<float>{10240, 10240}));
  ASSERT_EQ(font.glyphs.size(), 2u);
  EXPECT_FALSE(font.glyphs[0].edges.empty());
}

TEST(TextField, FormatsFollowTheirCharacters) {
  auto movie = BoxMovie();
  TextField field(BoxField(100, 30, "abcd"), *movie);
  EXPECT_EQ(field.FormatOf(0, 4).font, "Box");
  EXPECT_EQ(field.FormatOf(0, 4).size, 20);
  TextFormat bold;
  bold.bold = true;
  field.SetFormat(1, 3, bold);
  EXPECT_EQ(field.FormatOf(1, 3).bold, true);
  EXPECT_FALSE(field.FormatOf(0, 4).bold) << "mixed over the range";
  EXPECT_EQ(field.FormatOf(0, 4).size, 20) << "the same over the range";
  EXPECT_FALSE(field.FormatOf(2, 2).size) << "an empty range has nothing in common";
  field.Replace(1, 2, U"xy");
  EXPECT_EQ(field.Text(), U"axycd");
  EXPECT_EQ(field.FormatOf(1, 4).bold, true) << "new text takes the format it replaced";
  for (uint32_t color = 1; color <= 100; ++color) {  // formats no character keeps are dropped
    TextFormat c;
    c.color = color;
    field.SetFormat(0, 1, c);
    field.SetFormat(4, 5, c);
  }
  EXPECT_EQ(field.FormatAt(0).color, 100u);
  EXPECT_EQ(field.FormatOf(0, 5).color, std::nullopt);
  EXPECT_EQ(field.FormatOf(1, 4).bold, true) << "untouched by the colours";
  EXPECT_EQ(field.FormatAt(4).color, 100u);
  EXPECT_EQ(field.FormatAt(4).size, 20);
  field.SetText(U"a\nb\r\nc");
  EXPECT_EQ(field.Text(), U"a\rb\r\rc");
  EXPECT_FALSE(field.FormatOf(0, 6).bold.value_or(true)) << "set text takes the new format";
}

TEST(TextLayout, LinesBreakAtSpacesAndLongWordsAreCut) {
  auto movie = BoxMovie();
  swf::EditText e = BoxField(100, 100, "abc defgh ij");  // room for 9.6 letters
  e.wordWrap = true;
  TextField wrapped(e, *movie);
  const TextLayout& a = wrapped.Layout();
  EXPECT_EQ(a.lines, 2);
  EXPECT_EQ(a.width, 2000) << "the first line's trailing space is measured";
  EXPECT_EQ(a.glyphs.back().y, 40 + 300 + 400);

  wrapped.SetText(U"abcdefghijklmn");
  EXPECT_EQ(wrapped.Layout().lines, 2);
  EXPECT_EQ(wrapped.Layout().width, 1800) << "cut after nine letters";

  e.wordWrap = false;
  TextField single(e, *movie);
  EXPECT_EQ(single.Layout().lines, 1);
  EXPECT_EQ(single.Layout().width, 12 * 200);
  single.SetText(U"a\nb\r\nc");
  EXPECT_EQ(single.Layout().lines, 4) << "\\r\\n is two breaks";
  EXPECT_EQ(single.Layout().height, 4 * 400);
}

TEST(TextLayout, AlignmentMarginsAndIndentPlaceLines) {
  auto movie = BoxMovie();
  swf::EditText e = BoxField(100, 100, "abc");
  e.align = swf::TextAlign::Right;
  EXPECT_EQ(LineStarts(TextField(e, *movie).Layout()), (std::vector<float>{40 + 1920 - 600}));
  e.align = swf::TextAlign::Center;
  EXPECT_EQ(LineStarts(TextField(e, *movie).Layout()), (std::vector<float>{40 + 660}));
  e.align = swf::TextAlign::Left;
  e.leftMargin = {100};
  e.indent = {60};
  e.wordWrap = true;
  e.text = "abcdefghij\rabcdefghij";  // each paragraph wraps once
  TextField indented(e, *movie);
  EXPECT_EQ(LineStarts(indented.Layout()), (std::vector<float>{200, 140, 200, 140}))
      << "the indent starts paragraphs, the margin every line";
}

TEST(TextLayout, TextHeightCountsLeadingBetweenLines) {
  auto movie = BoxMovie();
  swf::EditText e = BoxField(100, 100, "ab");
  e.leading = {80};
  EXPECT_EQ(TextField(e, *movie).Layout().height, 400 + 80) << "one line keeps its leading";
  e.text = "a\rb\rc";
  EXPECT_EQ(TextField(e, *movie).Layout().height, 3 * 400 + 2 * 80);
  e.text = "";
  EXPECT_EQ(TextField(e, *movie).Layout().height, 0);
}

TEST(TextField, AutoSizeFitsTheBoxToTheText) {
  auto movie = BoxMovie();
  swf::EditText e = BoxField(100, 100, "abc");
  e.bounds.xMin = {200};
  e.bounds.xMax = {2200};
  TextField field(e, *movie);
  field.autoSize = AutoSize::Left;
  field.FitBox();
  EXPECT_EQ(field.bounds.xMin.value, 200);
  EXPECT_EQ(field.bounds.Width().value, 600 + 80);
  EXPECT_EQ(field.bounds.Height().value, 400 + 80);
  field.autoSize = AutoSize::Right;
  field.SetText(U"a");
  EXPECT_EQ(field.bounds.xMax.value, 200 + 680) << "the right edge stays";
  EXPECT_EQ(field.bounds.Width().value, 200 + 80);
  field.autoSize = AutoSize::Center;
  field.SetText(U"abc");
  EXPECT_EQ(field.bounds.xMin.value + field.bounds.xMax.value, 2 * (200 + 680 - 140));
}

TEST(HtmlText, MarkupBecomesTheTextItShows) {
  const std::u32string html =
      U"<p align=\"left\"><font face=\"Box\">a &lt;b&gt; &amp; c</font></p><P>d<BR>e&nbsp;&x</P>";
  EXPECT_EQ(TextOfHtml(html, true), U"a <b> & c\rd\re &x");
  EXPECT_EQ(TextOfHtml(html, false), U"a <b> & cde &x") << "one line runs paragraphs together";
  EXPECT_EQ(TextOfHtml(U"cut <b", true), U"cut ") << "an unclosed tag ends the text";
}

TEST(DeviceFont, GlyphsStandInTheirCellOnTheBaseline) {
  auto bounds = [](const raster::Path& path) {
    float x0 = 1e9f, y0 = 1e9f, x1 = -1e9f, y1 = -1e9f;
    for (raster::Point p : path.Points())
      x0 = std::min(x0, p.x), y0 = std::min(y0, p.y), x1 = std::max(x1, p.x),
      y1 = std::max(y1, p.y);
    return std::array<float, 4>{x0, y0, x1, y1};
  };
  auto capital = bounds(DeviceGlyph(U'A'));
  EXPECT_GE(capital[0], 0.0f);
  EXPECT_LE(capital[2], kDeviceAdvance);
  EXPECT_GE(capital[1], -kDeviceAscent);
  EXPECT_FLOAT_EQ(capital[3], 0.0f) << "on the baseline";
  auto small = bounds(DeviceGlyph(U'a'));
  EXPECT_GT(small[1], capital[1]) << "lower case is shorter";
  EXPECT_TRUE(DeviceGlyph(U' ').Empty());
  EXPECT_TRUE(DeviceGlyph(U'\u00E9').Empty());
  EXPECT_LT(DeviceAdvance(U' '), DeviceAdvance(U'A'));
}

}  // namespace
}  // namespace kestrova::text
