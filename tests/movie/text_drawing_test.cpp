// Text fields drawn: embedded glyphs where the layout puts them, alignment
// and wrap on pixels, the device font, the border box, text as a mask.
#include <gtest/gtest.h>

#include "movie/player/renderer.h"
#include "movie/swf/decoder.h"
#include "tests/movie/swf_test_movies.h"
#include "tests/movie/text_test_fonts.h"

namespace kestrova::movie {
namespace {

using namespace swf::testing;
using text::testing::BoxField;
using text::testing::BoxGlyphs;

constexpr Pixel kWhite = 0xFFFFFFFF;
constexpr Pixel kBlack = 0xFF000000;

// A movie of `width` x `height` px, white, with the box font (id 1) and
// `field` (id 2) placed at depth 1.
PixelBuffer DrawField(const swf::EditText& field, int width, int height,
                      const std::vector<uint8_t>& before = {}) {
  swf::SwfWriter swf(8, Stage(width, height), 12);
  swf.Tag(swf::tag::kSetBackgroundColor, {0xFF, 0xFF, 0xFF});
  swf.Tag(swf::tag::kDefineFont3,
          swf::DefineFont3Body(1, "Box", BoxGlyphs(u" abcdefghij"), 15360, 5120));
  swf.Tag(swf::tag::kDefineEditText, swf::DefineEditTextBody(2, field));
  if (!before.empty()) swf.Tag(swf::tag::kPlaceObject2, before);
  swf.Tag(swf::tag::kPlaceObject2, PlaceBody(2, 2));
  swf.ShowFrame();
  auto movie = std::make_shared<const swf::Movie>(swf::DecodeMovie(swf.Finish(false)));
  Player player(movie);
  PixelBuffer out(width, height);
  Renderer(movie).Render(player, out.View());
  return out;
}

// "ab" at 20 px: one black block 20 px wide from x = 2, rows 7..17 (the
// glyphs stand on the baseline at 2 + 15).
TEST(TextDrawing, EmbeddedGlyphsStandOnTheBaselineAndFollowTheAlignment) {
  PixelBuffer left = DrawField(BoxField(100, 30, "ab"), 100, 30);
  EXPECT_EQ(left.At(3, 8), kBlack);
  EXPECT_EQ(left.At(21, 16), kBlack);
  EXPECT_EQ(left.At(1, 12), kWhite) << "the gutter";
  EXPECT_EQ(left.At(23, 12), kWhite);
  EXPECT_EQ(left.At(12, 5), kWhite) << "above the glyphs";
  EXPECT_EQ(left.At(12, 18), kWhite) << "below the baseline";

  swf::EditText right = BoxField(100, 30, "ab");
  right.align = swf::TextAlign::Right;
  right.color = 0xFF0000FF;
  PixelBuffer r = DrawField(right, 100, 30);
  EXPECT_EQ(r.At(96, 12), 0xFF0000FFu);
  EXPECT_EQ(r.At(79, 12), 0xFF0000FFu);
  EXPECT_EQ(r.At(77, 12), kWhite);
  EXPECT_EQ(r.At(12, 12), kWhite);
}

TEST(TextDrawing, WrappedWordsGoToTheNextLineAndLinesBelowTheBoxAreHidden) {
  swf::EditText e = BoxField(40, 60, "ab ab");  // room for 36 px: the second word wraps
  e.wordWrap = e.multiline = true;
  PixelBuffer out = DrawField(e, 40, 60);
  EXPECT_EQ(out.At(12, 12), kBlack);
  EXPECT_EQ(out.At(12, 32), kBlack) << "second line, 20 px down";
  EXPECT_EQ(out.At(32, 12), kWhite) << "nothing was left on the first line";

  swf::EditText cut = BoxField(100, 20, "a\rb");  // the second line starts below the box
  PixelBuffer one = DrawField(cut, 100, 60);
  EXPECT_EQ(one.At(5, 12), kBlack);
  EXPECT_EQ(one.At(5, 32), kWhite);
}

TEST(TextDrawing, DeviceTextBorderAndBackground) {
  swf::EditText e;
  e.bounds = {{200}, {2000}, {200}, {800}};  // 10..100 x 10..40 px
  e.text = "HI";
  e.border = true;
  PixelBuffer out = DrawField(e, 120, 60);
  EXPECT_EQ(out.At(10, 20), kBlack) << "the frame";
  EXPECT_EQ(out.At(99, 39), kBlack);
  EXPECT_EQ(out.At(60, 35), kWhite) << "the box inside";
  int ink = 0;
  auto dark = [](Pixel p) { return (p & 0xFF) < 0x80; };
  for (int y = 11; y < 39; ++y)
    for (int x = 11; x < 99; ++x) ink += dark(out.At(x, y));
  EXPECT_GT(ink, 30) << "the device font drew the letters";
  for (int y = 11; y < 39; ++y)
    for (int x = 40; x < 99; ++x) ASSERT_EQ(out.At(x, y), kWhite) << x << "," << y;
}

// A red square under a field used as a clip layer: red shows only where
// the glyphs are.
TEST(TextDrawing, AFieldMasksWithItsGlyphs) {
  swf::ShapeBuilder square;
  square.Rect(0, 0, 2000, 600, square.AddFill(Solid(0xFFFF0000)));
  swf::SwfWriter swf(8, Stage(100, 30), 12);
  swf.Tag(swf::tag::kSetBackgroundColor, {0xFF, 0xFF, 0xFF});
  swf.Tag(swf::tag::kDefineFont3, swf::DefineFont3Body(1, "Box", BoxGlyphs(u"a"), 15360, 5120));
  swf.Tag(swf::tag::kDefineEditText, swf::DefineEditTextBody(2, BoxField(100, 30, "a")));
  swf.Tag(swf::tag::kDefineShape3, swf::DefineShapeBody(3, square, 3));
  swf::PlaceObject mask;
  mask.depth = 1;
  mask.character = 2;
  mask.clipDepth = 2;
  swf.Tag(swf::tag::kPlaceObject2, PlaceObject2Body(mask));
  swf.Tag(swf::tag::kPlaceObject2, PlaceBody(2, 3));
  swf.ShowFrame();
  auto movie = std::make_shared<const swf::Movie>(swf::DecodeMovie(swf.Finish(false)));
  Player player(movie);
  PixelBuffer out(100, 30);
  Renderer(movie).Render(player, out.View());
  EXPECT_EQ(out.At(6, 12), 0xFFFF0000u) << "inside the glyph";
  EXPECT_EQ(out.At(30, 12), kWhite) << "the square outside the glyph";
  EXPECT_EQ(out.At(6, 25), kWhite);
}

}  // namespace
}  // namespace kestrova::movie
