// Coverage kept between draws: a group drawn again from what it kept looks
// exactly as it does swept afresh, under whatever paint, colour transform
// and mask the draw brings, and nothing kept outlives its target's size.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "movie/raster/kept_coverage.h"
#include "tests/movie/raster_test_util.h"

namespace kestrova::raster {
namespace {

using testing::Circle;
using testing::Polygon;
using testing::Rect;

const Pixel kWhite = MakePixel(255, 255, 255);

ShapeFill Solid(Path path, Pixel colour, FillRule rule = FillRule::NonZero) {
  return {std::move(path), rule, Paint::Solid(colour)};
}

// A gradient square and a circle sharing its right edge (drawn in one
// layer), and, apart from them, an even-odd star.
std::vector<ShapeFill> Touching() {
  ShapeFill ramp = Solid(Rect(1.3f, 1.6f, 9.5f, 9.2f), 0);
  ramp.paint.kind = Paint::Kind::Gradient;
  ramp.paint.gradient.stops = {{0, 0xFFFF0000}, {255, 0x800000FF}};
  ramp.paint.gradient.pixelToGradient = {4096, 0, 0, 4096, -20480, 0};
  return {ramp, Solid(Circle(13.5f, 5.4f, 4.0f), 0xFF22AA44)};
}

std::vector<ShapeFill> Apart() {
  return {Solid(Rect(0.5f, 0.5f, 4.5f, 4.5f), 0xFF3366CC),
          Solid(testing::Star(14, 7, 5.5f, 2.2f, 5), 0xC0CC6633, FillRule::EvenOdd)};
}

PixelBuffer Draw(int width, int height, const std::vector<ShapeFill>& fills,
                 const ColorTransform& cx, const Mask* mask, KeptCoverage* kept) {
  PixelBuffer b(width, height, kWhite);
  Canvas canvas(b.View());
  canvas.SetMask(mask);
  canvas.FillShape(fills, cx, kept);
  return b;
}

void ExpectSame(const PixelBuffer& a, const PixelBuffer& b, const std::string& what) {
  ASSERT_EQ(a.Width(), b.Width());
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      ASSERT_EQ(a.At(x, y), b.At(x, y)) << what << " at " << x << "," << y;
}

TEST(RasterKept, DrawsFromKeptCoverageAsSweptAfresh) {
  Mask mask(20, 12);
  Canvas(PixelBuffer(20, 12).View()).FillMask(mask, Rect(2.5f, 0, 15.5f, 7.5f), FillRule::NonZero);
  ColorTransform tinted;
  tinted.mr = 0.5f, tinted.ag = 60, tinted.ma = 0.75f;
  ColorTransform hidden;
  hidden.ma = 0;
  struct Step {
    ColorTransform cx;
    const Mask* mask;
  };
  // Swept into what is kept, then drawn from it: the colour transform
  // and the mask change on the way, the coverage does not.
  const std::vector<Step> draws = {{{}, nullptr},     {tinted, &mask},   {{}, nullptr},
                                   {hidden, nullptr}, {tinted, nullptr}, {{}, &mask}};
  for (const auto& [name, fills] : {std::pair{"touching", Touching()}, std::pair{"apart", Apart()},
                                    std::pair{"one fill", std::vector<ShapeFill>{Touching()[1]}}}) {
    KeptCoverage kept;
    for (size_t i = 0; i < draws.size(); ++i)
      ExpectSame(Draw(20, 12, fills, draws[i].cx, draws[i].mask, &kept),
                 Draw(20, 12, fills, draws[i].cx, draws[i].mask, nullptr),
                 std::string(name) + ", draw " + std::to_string(i + 1));
    EXPECT_EQ(kept.state, KeptCoverage::State::Held) << name;
  }
}

// A group whose paths change forgets what it kept; what it keeps next is
// the new paths' coverage.
TEST(RasterKept, ForgottenCoverageIsSweptAgain) {
  KeptCoverage kept;
  Draw(20, 12, Touching(), {}, nullptr, &kept);
  EXPECT_EQ(kept.state, KeptCoverage::State::Held);
  EXPECT_EQ(kept.fills.size(), 2u);
  std::vector<ShapeFill> moved = Touching();
  for (ShapeFill& fill : moved) fill.path.Transform({1, 0, 0, 1, 2.25f, -1.5f});
  kept.Forget();
  for (int i = 0; i < 2; ++i)
    ExpectSame(Draw(20, 12, moved, {}, nullptr, &kept), Draw(20, 12, moved, {}, nullptr, nullptr),
               "moved, draw " + std::to_string(i + 1));
}

// Kept spans lie inside the target they were swept for: in a smaller one
// they would be drawn past its rows.
TEST(RasterKept, AnotherTargetSizeSweepsAgain) {
  KeptCoverage kept;
  for (int i = 0; i < 3; ++i) Draw(20, 12, Touching(), {}, nullptr, &kept);
  for (int i = 0; i < 3; ++i)
    ExpectSame(Draw(12, 6, Touching(), {}, nullptr, &kept),
               Draw(12, 6, Touching(), {}, nullptr, nullptr), "12x6, draw " + std::to_string(i));
  EXPECT_EQ(kept.width, 12);
  EXPECT_EQ(kept.height, 6);
}

// A fill whose coverage varies over a whole large target would hold
// megabytes: it is swept every time instead, and keeps nothing.
TEST(RasterKept, CoverageTooLargeToKeepIsSweptEveryTime) {
  Path teeth;
  teeth.MoveTo({0, 0});
  for (int i = 0; i < 600; ++i) {
    teeth.LineTo({2.0f * i + 1, 1000});
    teeth.LineTo({2.0f * i + 2, 0});
  }
  teeth.Close();
  const std::vector<ShapeFill> fills = {Solid(teeth, 0xFF000000)};
  KeptCoverage kept;
  const PixelBuffer fresh = Draw(1200, 1000, fills, {}, nullptr, nullptr);
  for (int i = 0; i < 3; ++i)
    ExpectSame(Draw(1200, 1000, fills, {}, nullptr, &kept), fresh, "draw " + std::to_string(i + 1));
  EXPECT_EQ(kept.state, KeptCoverage::State::TooLarge);
  EXPECT_TRUE(kept.fills.empty());
}

// Coverage kept through one canvas counts against one budget: a group
// past it is swept on every draw, a copy keeps nothing of its own, and
// what a group kept is given back when it forgets it or goes.
TEST(RasterKept, KeptCoverageStaysWithinTheCanvasBudget) {
  PixelBuffer fresh = Draw(20, 12, Touching(), {}, nullptr, nullptr);
  PixelBuffer b(20, 12, kWhite);
  Canvas canvas(b.View());
  KeptCoverage first;
  canvas.FillShape(Touching(), {}, &first);
  const size_t one = canvas.KeptCoverageBytes();
  ASSERT_GT(one, 0u);
  canvas.LimitKeptCoverage(one + one / 2);
  {
    KeptCoverage second, copy = first;
    EXPECT_EQ(copy.state, KeptCoverage::State::Unseen);
    for (int i = 0; i < 2; ++i) {
      PixelBuffer again(20, 12, kWhite);
      canvas.Retargeted(again.View()).FillShape(Touching(), {}, &second);
      ExpectSame(again, fresh, "past the budget, draw " + std::to_string(i + 1));
    }
    EXPECT_EQ(second.state, KeptCoverage::State::TooLarge);
    EXPECT_EQ(canvas.KeptCoverageBytes(), one);
  }
  first.Forget();
  EXPECT_EQ(canvas.KeptCoverageBytes(), 0u);
  auto third = std::make_unique<KeptCoverage>();
  canvas.FillShape(Touching(), {}, third.get());
  EXPECT_EQ(third->state, KeptCoverage::State::Held);
  KeptCoverage moved = std::move(*third);
  third.reset();
  EXPECT_EQ(canvas.KeptCoverageBytes(), one) << "moved, still counted once";
  moved = KeptCoverage{};
  EXPECT_EQ(canvas.KeptCoverageBytes(), 0u) << "given back when the group goes";
}

}  // namespace
}  // namespace kestrova::raster
