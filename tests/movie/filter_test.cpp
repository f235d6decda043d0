// SWF 8 filters on an object's layer: small pictures with known pixels.
#include <gtest/gtest.h>

#include <cmath>

#include "movie/player/filters.h"
#include "movie/player/renderer.h"
#include "movie/raster/pixel_math.h"
#include "movie/swf/decoder.h"
#include "tests/movie/swf_test_movies.h"

namespace kestrova::movie {
namespace {

using swf::Filter;

constexpr Pixel kRed = 0xFFFF0000, kBlack = 0xFF000000, kWhite = 0xFFFFFFFF;

// An opaque red square x, y in 4..7 on a transparent 16 x 12 layer.
PixelBuffer Square() {
  PixelBuffer layer(16, 12);
  for (int y = 4; y < 8; ++y)
    for (int x = 4; x < 8; ++x) layer.At(x, y) = kRed;
  return layer;
}

PixelBuffer Filtered(PixelBuffer layer, const Filter& f, float scale = 1) {
  ApplyFilters(layer.View(), {f}, scale);
  return layer;
}

Filter Shadow(Filter::Kind kind, float distance) {
  Filter f;
  f.kind = kind;
  f.color = kBlack;
  f.distance = distance;  // angle 0: to the right
  return f;
}

// A lone pixel spreads over one box per pass; the layer's bounds grow to
// hold the spread; the stage scale widens the box.
TEST(Filters, BlurSpreadsOneBoxPerPass) {
  PixelBuffer dot(11, 11);
  dot.At(5, 5) = kWhite;
  Filter blur;
  blur.blurX = blur.blurY = 3;
  PixelBuffer once = Filtered(dot, blur);
  EXPECT_EQ(once.At(5, 5), 0x1C1C1C1Cu) << "255 / 9, every channel";
  EXPECT_EQ(once.At(4, 6), once.At(5, 5));
  EXPECT_EQ(once.At(3, 5), 0u);
  blur.passes = 3;
  PixelBuffer thrice = Filtered(dot, blur);
  EXPECT_NE(thrice.At(2, 5), 0u) << "three boxes reach three pixels";
  EXPECT_EQ(thrice.At(1, 5), 0u);
  EXPECT_GT(PixelA(thrice.At(5, 5)), PixelA(thrice.At(4, 5)));
  EXPECT_EQ(thrice.At(4, 5), thrice.At(6, 5)) << "symmetric";
  blur.passes = 1;
  PixelBuffer scaled = Filtered(dot, blur, 2);  // a box of 6
  EXPECT_NE(scaled.At(8, 5), 0u) << "a box of six reaches three pixels one way";
  EXPECT_EQ(scaled.At(9, 5), 0u);
  blur.passes = 0;
  EXPECT_EQ(Filtered(dot, blur).At(5, 5), kWhite) << "quality 0 leaves the picture";
}

// Offset, knocked out, hidden and inner shadows of the square.
TEST(Filters, DropShadowsCompositeAsTheirFlagsSay) {
  Filter f = Shadow(Filter::Kind::DropShadow, 2);
  PixelBuffer out = Filtered(Square(), f);
  EXPECT_EQ(out.At(9, 5), kBlack) << "beside the square, two pixels on";
  EXPECT_EQ(out.At(10, 5), 0u);
  EXPECT_EQ(out.At(7, 5), kRed) << "the object goes over its shadow";
  EXPECT_EQ(out.At(3, 5), 0u);

  f.knockout = true;
  out = Filtered(Square(), f);
  EXPECT_EQ(out.At(7, 5), 0u) << "knockout: the object cut out";
  EXPECT_EQ(out.At(9, 5), kBlack);

  f.knockout = false;
  f.compositeSource = false;
  out = Filtered(Square(), f);
  EXPECT_EQ(out.At(7, 5), kBlack) << "hidden object: the shadow alone";
  EXPECT_EQ(out.At(4, 5), 0u);

  f.compositeSource = true;
  f.inner = true;
  out = Filtered(Square(), f);
  EXPECT_EQ(out.At(4, 5), kBlack) << "the outside shades the left edge";
  EXPECT_EQ(out.At(6, 5), kRed);
  EXPECT_EQ(out.At(9, 5), 0u) << "nothing outside";

  f.inner = false;
  f.color = 0x80000000;  // half black
  out = Filtered(Square(), f);
  EXPECT_EQ(out.At(9, 5), 0x80000000u) << "premultiplied";
}

// A glow is a shadow without offset; its strength multiplies the blurred
// alpha; a gradient glow takes its colour from the ramp at that alpha.
TEST(Filters, GlowsFollowStrengthAndRamp) {
  Filter glow = Shadow(Filter::Kind::Glow, 0);
  glow.color = 0xFF00FF00;
  glow.blurX = glow.blurY = 3;
  glow.strength = 2;
  PixelBuffer out = Filtered(Square(), glow);
  // Left of the square: one column of the box covered, by two rows' of three.
  EXPECT_EQ(out.At(3, 5), raster::ScalePixel(0xFF00FF00, 170));
  EXPECT_EQ(out.At(5, 5), kRed);
  EXPECT_EQ(out.At(2, 5), 0u);

  Filter ramp = glow;
  ramp.kind = Filter::Kind::GradientGlow;
  ramp.gradient = {{0, 0x000000FF}, {255, 0xFF0000FF}};
  ramp.strength = 3;  // 85 x 3: the ramp's end
  out = Filtered(Square(), ramp);
  EXPECT_EQ(out.At(3, 5), 0xFF0000FFu);
  EXPECT_EQ(out.At(3, 3), 0u + raster::ScalePixel(0xFF0000FF, PixelA(out.At(3, 3))))
      << "the corner, part way along the ramp";
  EXPECT_LT(PixelA(out.At(3, 3)), 255);
}

// The edge facing the light (angle 0: the light from the left) lit, the
// other shaded; inner bevels stay inside, outer ones outside; a gradient
// bevel reads its ramp from the middle out.
TEST(Filters, BevelsLightOneEdgeAndShadeTheOther) {
  Filter bevel = Shadow(Filter::Kind::Bevel, 1);
  bevel.highlight = kWhite;
  bevel.inner = true;
  PixelBuffer out = Filtered(Square(), bevel);
  EXPECT_EQ(out.At(4, 5), kWhite);
  EXPECT_EQ(out.At(7, 5), kBlack);
  EXPECT_EQ(out.At(5, 5), kRed);
  EXPECT_EQ(out.At(3, 5), 0u);

  bevel.inner = false;
  out = Filtered(Square(), bevel);
  EXPECT_EQ(out.At(4, 5), kRed) << "outer: the object untouched";
  EXPECT_EQ(out.At(8, 5), kBlack) << "the shade falls outside on the far side";

  Filter gradient = bevel;
  gradient.kind = Filter::Kind::GradientBevel;
  gradient.inner = true;
  gradient.gradient = {{0, 0xFF00FFFF}, {128, 0x00000000}, {255, 0xFFFF00FF}};
  out = Filtered(Square(), gradient);
  EXPECT_EQ(out.At(4, 5), 0xFF00FFFFu) << "lit: the ramp's start";
  EXPECT_EQ(out.At(7, 5), 0xFFFF00FFu) << "shaded: its end";
  EXPECT_EQ(out.At(5, 5), kRed);
}

TEST(Filters, ColorMatrixAndConvolutionWorkOnStraightColours) {
  Filter matrix;
  matrix.kind = Filter::Kind::ColorMatrix;
  matrix.matrix = {0, 0, 1, 0, 0, 0, 1, 0, 0, 20, 1, 0, 0, 0, 0, 0, 0, 0, 0.5f, 0};
  PixelBuffer out = Filtered(Square(), matrix);
  EXPECT_EQ(out.At(5, 5), raster::Premultiply(MakePixel(0, 20, 255, 128)))
      << "red and blue swapped, green raised, alpha halved";

  Filter shift;
  shift.kind = Filter::Kind::Convolution;
  shift.columns = 3;
  shift.rows = 1;
  shift.kernel = {1, 0, 0};  // each pixel takes its left neighbour's colour
  shift.clamp = false;
  out = Filtered(Square(), shift);
  EXPECT_EQ(out.At(4, 5), 0u) << "the left edge read beyond the object: the default colour";
  EXPECT_EQ(out.At(5, 5), kRed);
  shift.clamp = true;
  EXPECT_EQ(Filtered(Square(), shift).At(4, 5), kRed) << "clamped: the edge pixel again";

  Filter halve = shift;
  halve.kernel = {0, 1, 0};
  halve.divisor = 2;
  halve.bias = 10;
  halve.preserveAlpha = true;
  EXPECT_EQ(Filtered(Square(), halve).At(5, 5), MakePixel(138, 10, 10));

  Filter hostile = matrix;
  hostile.matrix[0] = NAN;        // red from NaN x 255
  hostile.matrix[6] = INFINITY;   // green from infinity x 0, NaN too
  hostile.matrix[10] = INFINITY;  // blue from infinity x 255
  EXPECT_EQ(Filtered(Square(), hostile).At(5, 5), raster::Premultiply(MakePixel(0, 0, 255, 128)))
      << "NaN reads as nothing, infinity as full";

  Filter huge = shift;
  huge.columns = kMaxKernelSide + 1;
  huge.kernel.assign(size_t(huge.columns), 1.0f);
  EXPECT_EQ(Filtered(Square(), huge).At(5, 5), kRed) << "an oversized kernel draws nothing";
}

// Through the renderer: the shadow of a placed square lies beyond the
// square's own bounds, over the background.
TEST(Filters, RendererDrawsThePlacedObjectsFilters) {
  using namespace swf;
  using namespace swf::testing;
  SwfWriter swf(8, Stage(20, 20), 12);
  swf.Tag(tag::kSetBackgroundColor, {0xFF, 0xFF, 0xFF});
  ShapeBuilder red;
  red.Rect(0, 0, 200, 200, red.AddFill(Solid(0xFFFF0000)));
  swf.Tag(tag::kDefineShape3, DefineShapeBody(1, red, 3));
  swf.Tag(tag::kPlaceObject2, PlaceBody(1, 1));
  swf.ShowFrame();
  auto movie = std::make_shared<Movie>(DecodeMovie(swf.Finish(false)));
  auto& place = std::get<PlaceObject>(movie->root.frames[0].tags.back());
  Filter shadow = Shadow(Filter::Kind::DropShadow, 3);
  place.filters = std::vector<Filter>{shadow};
  auto render = [&] {
    Player player(movie);
    PixelBuffer out(40, 40);  // two target pixels per stage pixel
    Renderer(movie).Render(player, out.View());
    return out;
  };
  PixelBuffer out = render();
  EXPECT_EQ(out.At(5, 5), kRed);
  EXPECT_EQ(out.At(24, 5), kBlack) << "six pixels on, outside the square";
  EXPECT_EQ(out.At(27, 5), kWhite);

  place.colorTransform = swf::ColorTransform{};
  place.colorTransform->mr = 0;
  place.colorTransform->ag = 255;
  out = render();
  EXPECT_EQ(out.At(5, 5), 0xFF00FF00u);
  EXPECT_EQ(out.At(24, 5), 0xFF00FF00u) << "the colour transform colours the shadow too";
}

}  // namespace
}  // namespace kestrova::movie
