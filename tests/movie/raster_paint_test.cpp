// Paints, colour transforms, masks and compositing.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "movie/raster/blend.h"
#include "movie/raster/gradient.h"
#include "movie/raster/pixel_math.h"
#include "movie/raster/reference.h"
#include "tests/movie/raster_test_util.h"

namespace kestrova::raster {
namespace {

using testing::MaxDifference;
using testing::Rect;

// Maps pixel x in [x0, x1] onto the gradient square's -16384..16384.
Matrix AcrossX(float x0, float x1) {
  float scale = 32768 / (x1 - x0);
  return {scale, 0, 0, scale, -16384 - x0 * scale, 0};
}

Paint TwoStopGradient(Gradient::Kind kind, Pixel from, Pixel to, Matrix toGradient,
                      Spread spread = Spread::Pad) {
  Paint paint;
  paint.kind = Paint::Kind::Gradient;
  paint.gradient.kind = kind;
  paint.gradient.stops = {{0, from}, {255, to}};
  paint.gradient.pixelToGradient = toGradient;
  paint.gradient.spread = spread;
  return paint;
}

PixelBuffer FillAll(const Paint& paint, int w, int h, const ColorTransform& cx = {}) {
  PixelBuffer b(w, h);
  Canvas(b.View()).Fill(Rect(0, 0, float(w), float(h)), FillRule::NonZero, paint, cx);
  return b;
}

TEST(RasterColorTransform, ClampsEveryChannel) {
  ColorTransform cx{.mr = 2, .mg = 1, .mb = 0.5f, .ma = 1, .ar = 100, .ag = -300, .ab = 10};
  EXPECT_EQ(cx.Apply(MakePixel(200, 200, 100, 255)), MakePixel(255, 0, 60, 255));
  ColorTransform fade{.ma = 0.5f};
  EXPECT_EQ(fade.Apply(MakePixel(1, 2, 3, 255)), MakePixel(1, 2, 3, 127))
      << "255 x 128 / 256 truncates to 127";
  ColorTransform twoThirds{.mr = 170 / 256.0f, .ar = 10};
  EXPECT_EQ(PixelR(twoThirds.Apply(MakePixel(3, 0, 0))), 11) << "3 x 170 >> 8 is 1, then + 10";
  ColorTransform nan{.mr = NAN};
  EXPECT_EQ(PixelR(nan.Apply(0xFFFFFFFF)), 0);
  EXPECT_TRUE(ColorTransform{}.IsIdentity());
  EXPECT_FALSE(fade.IsIdentity());
}

TEST(RasterColorTransform, ComposesInnerFirst) {
  ColorTransform inner{.mr = 0.5f, .ar = 20};
  ColorTransform outer{.mr = 2, .ma = 0.5f, .ar = -10};
  Pixel p = MakePixel(100, 50, 25, 200);
  EXPECT_EQ((outer * inner).Apply(p), outer.Apply(inner.Apply(p)));
}

TEST(RasterCompositing, TranslucentPaintIsPremultipliedAndBlended) {
  PixelBuffer b(4, 1);
  Canvas canvas(b.View());
  canvas.Clear(MakePixel(0, 0, 255, 255));
  canvas.Fill(Rect(0, 0, 2, 1), FillRule::NonZero, Paint::Solid(MakePixel(255, 0, 0, 128)));
  EXPECT_EQ(b.At(0, 0), MakePixel(128, 0, 127, 255));
  // Half a pixel of it: a quarter of red's weight.
  canvas.Fill(Rect(2.5f, 0, 3, 1), FillRule::NonZero, Paint::Solid(MakePixel(255, 0, 0, 128)));
  EXPECT_EQ(b.At(2, 0), MakePixel(64, 0, 191, 255));
  // Over transparent the target keeps premultiplied colour.
  PixelBuffer clear(1, 1);
  Canvas(clear.View())
      .Fill(Rect(0, 0, 1, 1), FillRule::NonZero, Paint::Solid(MakePixel(255, 128, 0, 128)));
  EXPECT_EQ(clear.At(0, 0), MakePixel(128, 64, 0, 128));
  Canvas(clear.View()).Clear(MakePixel(255, 255, 255, 0));
  EXPECT_EQ(clear.At(0, 0), 0u);
}

TEST(RasterCompositing, ColorTransformAppliesToTheFill) {
  PixelBuffer b = FillAll(Paint::Solid(MakePixel(100, 100, 100)), 2, 2,
                          ColorTransform{.mr = 2, .ma = 0.5f, .ab = 300});
  EXPECT_EQ(b.At(1, 1), Premultiply(MakePixel(200, 100, 255, 127)));
  // Transformed to nothing: nothing drawn.
  PixelBuffer none(2, 2, 0xFF123456);
  Canvas(none.View())
      .Fill(Rect(0, 0, 2, 2), FillRule::NonZero, Paint::Solid(0xFFFFFFFF), ColorTransform{.ma = 0});
  EXPECT_EQ(none.At(0, 0), 0xFF123456u);
}

TEST(RasterGradient, LinearRampEndsAtItsStopsAndPads) {
  const Pixel red = MakePixel(255, 0, 0), blue = MakePixel(0, 0, 255);
  PixelBuffer b =
      FillAll(TwoStopGradient(Gradient::Kind::Linear, red, blue, AcrossX(16, 80)), 96, 1);
  EXPECT_EQ(b.At(0, 0), red);
  EXPECT_EQ(b.At(15, 0), red);
  EXPECT_EQ(b.At(80, 0), blue);
  EXPECT_EQ(b.At(95, 0), blue);
  Pixel middle = b.At(48, 0);
  EXPECT_NEAR(PixelR(middle), 126, 3);
  EXPECT_NEAR(PixelB(middle), 129, 3);
  for (int x = 17; x < 80; ++x) EXPECT_LE(PixelR(b.At(x, 0)), PixelR(b.At(x - 1, 0)));
}

TEST(RasterGradient, RepeatAndReflectSpreads) {
  const Pixel black = MakePixel(0, 0, 0), white = MakePixel(255, 255, 255);
  PixelBuffer repeat = FillAll(
      TwoStopGradient(Gradient::Kind::Linear, black, white, AcrossX(0, 32), Spread::Repeat), 96, 1);
  PixelBuffer reflect = FillAll(
      TwoStopGradient(Gradient::Kind::Linear, black, white, AcrossX(0, 32), Spread::Reflect), 96,
      1);
  for (int x = 0; x < 32; ++x) {
    EXPECT_EQ(repeat.At(x + 32, 0), repeat.At(x, 0)) << x;
    EXPECT_EQ(repeat.At(x + 64, 0), repeat.At(x, 0)) << x;
    EXPECT_NEAR(PixelR(reflect.At(63 - x, 0)), PixelR(reflect.At(x, 0)), 1) << x;
  }
  EXPECT_LT(PixelR(repeat.At(0, 0)), 8);
  EXPECT_GT(PixelR(repeat.At(31, 0)), 247);
  EXPECT_LT(PixelR(repeat.At(32, 0)), 8);     // jumps back
  EXPECT_GT(PixelR(reflect.At(32, 0)), 247);  // turns back
}

TEST(RasterGradient, RadialAndFocal) {
  // Radius 16 around (16, 16).
  Matrix toGradient{1024, 0, 0, 1024, -16 * 1024, -16 * 1024};
  const Pixel white = MakePixel(255, 255, 255), black = MakePixel(0, 0, 0);
  Paint radial = TwoStopGradient(Gradient::Kind::Radial, white, black, toGradient);
  PixelBuffer r = FillAll(radial, 32, 32);
  EXPECT_GE(PixelR(r.At(16, 16)), 240);  // the pixel centre is 0.7 from the middle
  EXPECT_EQ(r.At(0, 0), black);          // beyond the radius: padded
  EXPECT_NEAR(PixelR(r.At(16, 24)), PixelR(r.At(24, 16)), 1);
  // Focal 0 is the radial gradient; a focal point moves the brightest spot.
  Paint focal = radial;
  focal.gradient.kind = Gradient::Kind::Focal;
  EXPECT_LE(MaxDifference(FillAll(focal, 32, 32).View(), r.View()), 1);
  focal.gradient.focal = 0.5f;  // at (24, 16)
  PixelBuffer f = FillAll(focal, 32, 32);
  EXPECT_GE(PixelR(f.At(24, 16)), 230);
  EXPECT_LT(PixelR(f.At(16, 16)), 200);
  EXPECT_EQ(f.At(0, 0), black);
  // Along the axis the ramp runs from the focal point to the circle on each
  // side: 8 pixels to the right, 24 to the left (centres 27.5 and 13.5).
  EXPECT_NEAR(PixelR(f.At(27, 16)), PixelR(f.At(13, 16)), 3);
}

TEST(RasterGradient, RampInterpolationAndEnds) {
  Gradient g;
  g.stops = {{0, MakePixel(0, 0, 0)}, {255, MakePixel(255, 255, 255)}};
  Ramp normal = BuildRamp(g, {});
  EXPECT_EQ(normal[0], MakePixel(0, 0, 0));
  EXPECT_EQ(normal[255], MakePixel(255, 255, 255));
  EXPECT_NEAR(PixelG(normal[128]), 128, 1);
  g.interpolation = Interpolation::Linear;
  Ramp linear = BuildRamp(g, {});
  EXPECT_NEAR(PixelG(linear[128]), 188, 2);  // half the light is sRGB 188
  EXPECT_EQ(linear[255], MakePixel(255, 255, 255));
  // Outside the stops the end colours hold; translucent stops come premultiplied.
  g.stops = {{64, MakePixel(255, 0, 0, 128)}, {192, MakePixel(0, 255, 0)}};
  Ramp ends = BuildRamp(g, {});
  EXPECT_EQ(ends[0], Premultiply(MakePixel(255, 0, 0, 128)));
  EXPECT_EQ(ends[255], MakePixel(0, 255, 0));
  EXPECT_EQ(BuildRamp(Gradient{}, {})[100], 0u);
}

// Stops in file order: ratios that repeat or fall are hard steps one entry
// on, and the last stop of a repeat starts the next rise from its ratio.
TEST(RasterGradient, RampTakesStopsInFileOrder) {
  const Pixel red = MakePixel(255, 0, 0), blue = MakePixel(0, 0, 255), green = MakePixel(0, 255, 0),
              white = MakePixel(255, 255, 255);
  Gradient g;
  g.stops = {{254, red}, {0, blue}, {0, green}};
  Ramp falling = BuildRamp(g, {});
  EXPECT_EQ(falling[0], red);
  EXPECT_EQ(falling[254], red);
  EXPECT_EQ(falling[255], blue) << "the first stop that falls takes the entry after";

  g.stops = {{0, MakePixel(0, 0, 0)}, {100, white}, {100, red}, {100, blue}, {200, green}};
  Ramp repeated = BuildRamp(g, {});
  EXPECT_EQ(repeated[100], white);
  EXPECT_EQ(repeated[101], red);
  EXPECT_NEAR(PixelB(repeated[102]), 250, 1) << "blue to green from ratio 100";
  EXPECT_NEAR(PixelG(repeated[150]), 128, 1);
  EXPECT_EQ(repeated[200], green);
  EXPECT_EQ(repeated[255], green);
}

// Every separable blend of one opaque pixel over another, and the two
// that act on the layer below (alpha, erase).
TEST(RasterBlend, ModesMixSourceAndDestination) {
  struct Case {
    BlendMode mode;
    Pixel expected;
  };
  const Case cases[] = {
      {BlendMode::Normal, MakePixel(200, 100, 50)},
      {BlendMode::Multiply, MakePixel(78, 78, 10)},
      {BlendMode::Screen, MakePixel(222, 222, 90)},
      {BlendMode::Lighten, MakePixel(200, 200, 50)},
      {BlendMode::Darken, MakePixel(100, 100, 50)},
      {BlendMode::Difference, MakePixel(100, 100, 0)},
      {BlendMode::Add, MakePixel(255, 255, 100)},
      {BlendMode::Subtract, MakePixel(0, 100, 0)},
      {BlendMode::Invert, MakePixel(155, 55, 205)},
      {BlendMode::Overlay, MakePixel(157, 188, 20)},
      {BlendMode::HardLight, MakePixel(188, 157, 20)},
      {BlendMode::Erase, 0},
  };
  for (const Case& c : cases) {
    PixelBuffer target(1, 1, MakePixel(100, 200, 50)), layer(1, 1, MakePixel(200, 100, 50));
    Blend(target.View(), layer.View(), c.mode, nullptr);
    EXPECT_EQ(target.At(0, 0), c.expected) << "mode " << int(c.mode);
  }
  PixelBuffer target(2, 1, MakePixel(100, 200, 50)), layer(2, 1, 0);
  layer.At(0, 0) = MakePixel(0, 0, 0, 128);
  Blend(target.View(), layer.View(), BlendMode::Alpha, nullptr);
  EXPECT_EQ(target.At(0, 0), ScalePixel(MakePixel(100, 200, 50), 128));
  EXPECT_EQ(target.At(1, 0), 0u) << "where the alpha object is not, nothing stays";
  EXPECT_EQ(ToBlendMode(0), BlendMode::Normal);
  EXPECT_EQ(ToBlendMode(200), BlendMode::Normal);
}

std::shared_ptr<const Image> Checker2x2() {
  auto image = std::make_shared<Image>();
  image->pixels = PixelBuffer(2, 2);
  image->pixels.At(0, 0) = MakePixel(255, 0, 0);
  image->pixels.At(1, 0) = MakePixel(0, 255, 0);
  image->pixels.At(0, 1) = MakePixel(0, 0, 255);
  image->pixels.At(1, 1) = MakePixel(255, 255, 255);
  return image;
}

Paint BitmapPaint(bool repeat, bool smooth) {
  Paint paint;
  paint.kind = Paint::Kind::Bitmap;
  paint.bitmap.image = Checker2x2();
  paint.bitmap.pixelToImage = {0.25f, 0, 0, 0.25f, 0, 0};  // four pixels per texel
  paint.bitmap.repeat = repeat;
  paint.bitmap.smooth = smooth;
  return paint;
}

TEST(RasterBitmap, NearestSamplesRepeatOrClampToTheEdge) {
  PixelBuffer tiled = FillAll(BitmapPaint(true, false), 24, 24);
  PixelBuffer clipped = FillAll(BitmapPaint(false, false), 24, 24);
  EXPECT_EQ(tiled.At(0, 0), MakePixel(255, 0, 0));
  EXPECT_EQ(tiled.At(3, 3), MakePixel(255, 0, 0));
  EXPECT_EQ(tiled.At(4, 0), MakePixel(0, 255, 0));
  EXPECT_EQ(tiled.At(7, 7), MakePixel(255, 255, 255));
  EXPECT_EQ(tiled.At(8, 0), MakePixel(255, 0, 0));  // the next tile
  EXPECT_EQ(tiled.At(12, 20), MakePixel(255, 255, 255));
  EXPECT_EQ(clipped.At(20, 0), MakePixel(0, 255, 0));  // the right column, extended
  EXPECT_EQ(clipped.At(20, 20), MakePixel(255, 255, 255));
  EXPECT_EQ(clipped.At(0, 20), MakePixel(0, 0, 255));
}

TEST(RasterBitmap, SmoothSamplesBlendBetweenTexelCentres) {
  PixelBuffer b = FillAll(BitmapPaint(false, true), 8, 8);
  // Texel centres fall at pixels 2 and 6 (borders): the corners keep the texel.
  EXPECT_EQ(b.At(0, 0), MakePixel(255, 0, 0));
  EXPECT_EQ(b.At(7, 0), MakePixel(0, 255, 0));
  // Halfway between red and green at x = 4.
  Pixel mid = b.At(3, 0), mid2 = b.At(4, 0);
  EXPECT_NEAR(PixelR(mid) + PixelR(mid2), 255, 4);
  EXPECT_NEAR(PixelR(mid), 159, 2);  // x = 3.5: 5/8 of the way from green
  // Far away and transformed points stay defined.
  Paint far = BitmapPaint(true, true);
  far.bitmap.pixelToImage = {1e30f, 0, 0, 1e30f, 1e30f, -1e30f};
  FillAll(far, 8, 8);
  far.bitmap.pixelToImage.a = NAN;
  FillAll(far, 8, 8);
  Paint empty = BitmapPaint(true, true);
  empty.bitmap.image = nullptr;
  EXPECT_EQ(FillAll(empty, 4, 4).At(1, 1), 0u);
}

TEST(RasterBitmap, ColorTransformActsOnStraightColour) {
  auto image = std::make_shared<Image>();
  image->pixels = PixelBuffer(1, 1, Premultiply(MakePixel(200, 100, 0, 128)));
  Paint paint;
  paint.kind = Paint::Kind::Bitmap;
  paint.bitmap.image = image;
  PixelBuffer b = FillAll(paint, 2, 2, ColorTransform{.mr = 0.5f, .ag = 100});
  EXPECT_NEAR(PixelR(b.At(0, 0)), PixelR(Premultiply(MakePixel(100, 200, 0, 128))), 1);
  EXPECT_NEAR(PixelG(b.At(0, 0)), PixelG(Premultiply(MakePixel(100, 200, 0, 128))), 1);
  EXPECT_EQ(PixelA(b.At(0, 0)), 128);
}

TEST(RasterMask, ClipLayersIntersectAndScaleCoverage) {
  PixelBuffer b(16, 16);
  Canvas canvas(b.View());
  Mask left(16, 16), top(16, 16);
  canvas.FillMask(left, Rect(0, 0, 8, 16), FillRule::NonZero);
  canvas.FillMask(left, Rect(0, 0, 4, 16), FillRule::NonZero);  // union: no change
  canvas.FillMask(top, Rect(0, 0, 16, 8.5f), FillRule::NonZero);
  EXPECT_EQ(left.Row(3)[3], 255);
  EXPECT_EQ(top.Row(8)[3], 128);
  left.Intersect(top);
  canvas.SetMask(&left);
  canvas.Fill(Rect(0, 0, 16, 16), FillRule::NonZero, Paint::Solid(0xFFFFFFFF));
  EXPECT_EQ(b.At(2, 2), 0xFFFFFFFFu);
  EXPECT_EQ(b.At(10, 2), 0u);
  EXPECT_EQ(b.At(2, 10), 0u);
  EXPECT_EQ(PixelA(b.At(2, 8)), 128);
  canvas.SetMask(nullptr);
  canvas.Fill(Rect(0, 12, 16, 16), FillRule::NonZero, Paint::Solid(0xFFFFFFFF));
  EXPECT_EQ(b.At(10, 14), 0xFFFFFFFFu);
}

TEST(RasterMask, StrokesMaskAndSmallMasksHideTheRest) {
  PixelBuffer b(16, 16);
  Canvas canvas(b.View());
  Mask line(8, 8);
  Path path;
  path.MoveTo({0, 4});
  path.LineTo({16, 4});
  canvas.StrokeMask(line, path, {.width = 2, .startCap = Cap::None, .endCap = Cap::None});
  EXPECT_EQ(line.Row(3)[5], 255);
  EXPECT_EQ(line.Row(5)[5], 0);
  canvas.SetMask(&line);
  canvas.Fill(Rect(0, 0, 16, 16), FillRule::NonZero, Paint::Solid(0xFFFFFFFF));
  EXPECT_EQ(b.At(5, 3), 0xFFFFFFFFu);
  EXPECT_EQ(b.At(12, 3), 0u);  // beyond the mask's width
}

// The span path against the plain one on random paints, masks and shapes.
TEST(RasterCompositing, FastPathMatchesTheReference) {
  std::mt19937 random(11);
  std::uniform_real_distribution<float> coordinate(-8, 40);
  std::uniform_int_distribution<uint32_t> colour(0, 0xFFFFFFFF);
  Mask mask(32, 32);
  Canvas(PixelBuffer(32, 32).View()).FillMask(mask, Rect(3.3f, 5.5f, 27.2f, 30), FillRule::NonZero);
  for (int round = 0; round < 30; ++round) {
    Path path;
    path.MoveTo({coordinate(random), coordinate(random)});
    path.QuadTo({coordinate(random), coordinate(random)}, {coordinate(random), coordinate(random)});
    for (int i = 0; i < 4; ++i) path.LineTo({coordinate(random), coordinate(random)});
    path.Close();
    Paint paint = Paint::Solid(colour(random));
    if (round % 3 == 1)
      paint = TwoStopGradient(Gradient::Kind(round % 9 / 3), colour(random), colour(random),
                              {700, 300, -200, 900, -9000, -4000}, Spread(round % 3));
    if (round % 3 == 2) paint = BitmapPaint(round % 2 == 0, round % 4 < 2);
    ColorTransform cx;
    if (round % 5 == 0) cx = {.mr = 0.7f, .ma = 0.8f, .ag = 40};
    const Mask* clip = round % 4 == 3 ? &mask : nullptr;
    PixelBuffer fast(32, 32, MakePixel(30, 60, 90, 200));
    PixelBuffer plain = fast;
    Canvas canvas(fast.View());
    canvas.SetMask(clip);
    canvas.Fill(path, FillRule(round % 2), paint, cx);
    ReferenceFill(plain.View(), path, FillRule(round % 2), paint, cx, clip);
    ASSERT_LE(MaxDifference(fast.View(), plain.View()), 2) << "round " << round;
  }
}

// Rows longer than the sink's chunk and shapes taller than one band.
TEST(RasterCompositing, WideAndTallShapesMatchTheReference) {
  Path path;
  path.MoveTo({-20, 3.3f});
  path.LineTo({390, 20.7f});
  path.QuadTo({200, 50}, {10.2f, 38.9f});
  path.Close();
  path.MoveTo({60, 6});
  path.LineTo({270, 33});
  path.LineTo({290, 3});
  path.Close();
  for (int round = 0; round < 3; ++round) {
    Paint paint = round == 0   ? Paint::Solid(MakePixel(200, 100, 50, 180))
                  : round == 1 ? TwoStopGradient(Gradient::Kind::Radial, 0xFF0000FF, 0x80FF0000,
                                                 {60, 10, -10, 60, -16000, -2000}, Spread::Reflect)
                               : BitmapPaint(true, true);
    for (FillRule rule : {FillRule::NonZero, FillRule::EvenOdd}) {
      PixelBuffer fast(300, 40, MakePixel(0, 50, 0, 255));
      PixelBuffer plain = fast;
      Canvas(fast.View()).Fill(path, rule, paint);
      ReferenceFill(plain.View(), path, rule, paint);
      ASSERT_LE(MaxDifference(fast.View(), plain.View()), 2) << round;
    }
  }
}

}  // namespace
}  // namespace kestrova::raster
