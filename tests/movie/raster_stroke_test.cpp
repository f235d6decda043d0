// Strokes: widths, caps, joins, closed contours and dots.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "movie/raster/reference.h"
#include "tests/movie/raster_test_util.h"

namespace kestrova::raster {
namespace {

using testing::Alpha;
using testing::MaxDifference;
using testing::Rect;

PixelBuffer RenderStroke(const Path& path, const StrokeStyle& style, int w = 32, int h = 32) {
  PixelBuffer buffer(w, h);
  Canvas(buffer.View()).Stroke(path, style, Paint::Solid(0xFFFFFFFF));
  return buffer;
}

double Covered(const PixelBuffer& b, int x0 = 0, int x1 = 1 << 20) {
  double sum = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = std::max(x0, 0); x < std::min(x1, b.Width()); ++x) sum += Alpha(b, x, y) / 255.0;
  return sum;
}

Path Line(Point a, Point b) {
  Path path;
  path.MoveTo(a);
  path.LineTo(b);
  return path;
}

StrokeStyle Style(float width, Cap cap, Join join = Join::Round, float miterLimit = 3) {
  return {.width = width, .startCap = cap, .endCap = cap, .join = join, .miterLimit = miterLimit};
}

TEST(RasterStroke, ButtCapsCoverExactlyTheSegmentTimesTheWidth) {
  PixelBuffer b = RenderStroke(Line({2, 8}, {14, 8}), Style(4, Cap::None));
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 20; ++x)
      ASSERT_EQ(Alpha(b, x, y), (x >= 2 && x < 14 && y >= 6 && y < 10) ? 255 : 0) << x << "," << y;
}

TEST(RasterStroke, SquareAndRoundCapsExtendByHalfTheWidth) {
  PixelBuffer square = RenderStroke(Line({4, 8}, {14, 8}), Style(4, Cap::Square));
  EXPECT_EQ(Alpha(square, 2, 7), 255);
  EXPECT_EQ(Alpha(square, 15, 7), 255);
  EXPECT_EQ(Alpha(square, 16, 7), 0);
  EXPECT_NEAR(Covered(square), 14 * 4, 0.05);
  // Two half discs of radius 2.
  PixelBuffer round = RenderStroke(Line({4, 8}, {14, 8}), Style(4, Cap::Round));
  EXPECT_NEAR(Covered(round, 14), std::numbers::pi * 2, 0.08);
  EXPECT_NEAR(Covered(round, 0, 4), std::numbers::pi * 2, 0.08);
  EXPECT_EQ(Alpha(round, 14, 7), 255);
}

TEST(RasterStroke, ThinStrokesDrawOnePixelWide) {
  for (float width : {0.0f, 0.1f, 0.5f, -3.0f, NAN}) {
    PixelBuffer b = RenderStroke(Line({2, 8.5f}, {14, 8.5f}), Style(width, Cap::None));
    EXPECT_EQ(Alpha(b, 5, 8), 255) << width;
    EXPECT_EQ(Alpha(b, 5, 7), 0) << width;
    EXPECT_NEAR(Covered(b), 12, 0.02) << width;
  }
}

TEST(RasterStroke, DiagonalStrokeCoversLengthTimesWidth) {
  PixelBuffer b = RenderStroke(Line({3, 5}, {27, 23}), Style(3, Cap::None));
  EXPECT_NEAR(Covered(b), 30 * 3, 0.1);
}

// An L turning at (20, 20), 6 wide: the outer corner square (20..23, 20..23)
// is full with a miter, cut along x + y = 43 with a bevel, a quarter disc round.
TEST(RasterStroke, JoinsShapeTheOuterCorner) {
  Path l;
  l.MoveTo({4, 20});
  l.LineTo({20, 20});
  l.LineTo({20, 4});
  PixelBuffer miter = RenderStroke(l, Style(6, Cap::None, Join::Miter));
  PixelBuffer bevel = RenderStroke(l, Style(6, Cap::None, Join::Bevel));
  PixelBuffer round = RenderStroke(l, Style(6, Cap::None, Join::Round));
  EXPECT_EQ(Alpha(miter, 22, 22), 255);
  EXPECT_EQ(Alpha(bevel, 22, 22), 0);
  EXPECT_EQ(Alpha(bevel, 20, 20), 255);
  EXPECT_GT(Alpha(round, 22, 22), 0);
  EXPECT_LT(Alpha(round, 22, 22), 64);
  // Corner areas beyond the two arms: 9, 4.5 and 9 pi / 4.
  auto corner = [](const PixelBuffer& b) {
    double sum = 0;
    for (int y = 20; y < 24; ++y)
      for (int x = 20; x < 24; ++x) sum += Alpha(b, x, y) / 255.0;
    return sum;
  };
  EXPECT_NEAR(corner(miter), 9, 0.05);
  EXPECT_NEAR(corner(bevel), 4.5, 0.05);
  EXPECT_NEAR(corner(round), 9 * std::numbers::pi / 4, 0.06);
  // The inner corner is filled the same by all three.
  EXPECT_EQ(Alpha(miter, 18, 18), 255);
  EXPECT_EQ(Alpha(round, 18, 18), 255);
}

TEST(RasterStroke, MiterLimitCutsOffSharpTips) {
  // A 20 degree spike: its miter reaches 1 / sin(10 deg) = 5.8 half-widths out.
  Path spike;
  spike.MoveTo({2, 10});
  spike.LineTo({28, 10});
  spike.LineTo({2, 10 + 26 * std::tan(20 * float(std::numbers::pi) / 180)});
  PixelBuffer cut = RenderStroke(spike, Style(2, Cap::None, Join::Miter, 1.5f), 40, 32);
  PixelBuffer full = RenderStroke(spike, Style(2, Cap::None, Join::Miter, 4), 40, 32);
  // The tip lies near (28 + 5.8 cos(10 deg), 9) = (33.7, 9); the cut, at 1.5
  // widths, near x = 31.
  EXPECT_GT(Alpha(full, 32, 9), 64);
  EXPECT_EQ(Alpha(cut, 32, 9), 0);
  EXPECT_GT(Alpha(cut, 29, 9), 0);
}

TEST(RasterStroke, ClosedContoursJoinAtTheirStart) {
  PixelBuffer closed = RenderStroke(Rect(4, 4, 12, 12), Style(2, Cap::None, Join::Miter));
  EXPECT_EQ(Alpha(closed, 3, 3), 255);  // the start corner is mitred like the others
  EXPECT_EQ(Alpha(closed, 12, 12), 255);
  EXPECT_EQ(Alpha(closed, 8, 8), 0);  // the hole stays empty
  EXPECT_EQ(Alpha(closed, 8, 4), 255);
  EXPECT_NEAR(Covered(closed), 10 * 10 - 6 * 6, 0.05);
  // Coming back to the start without Close counts as closed too.
  Path back;
  back.MoveTo({4, 4});
  back.LineTo({12, 4});
  back.LineTo({12, 12});
  back.LineTo({4, 12});
  back.LineTo({4, 4});
  EXPECT_EQ(
      MaxDifference(RenderStroke(back, Style(2, Cap::None, Join::Miter)).View(), closed.View()), 0);
}

// A stroked circle against the ring between two circles: joins along the
// polyline must neither add nor lose coverage on either edge.
TEST(RasterStroke, StrokedCircleMatchesItsRing) {
  const int kSides = 360;
  Path circle, ring;
  for (int i = 0; i < kSides; ++i) {
    double a = 2 * std::numbers::pi * i / kSides;
    Point p{float(16 + 10 * std::cos(a)), float(16 + 10 * std::sin(a))};
    if (i == 0)
      circle.MoveTo(p);
    else
      circle.LineTo(p);
  }
  circle.Close();
  for (double r : {12.0, 8.0}) {
    for (int i = 0; i < kSides; ++i) {
      double a = 2 * std::numbers::pi * i / kSides;
      Point p{float(16 + r * std::cos(a)), float(16 + r * std::sin(a))};
      if (i == 0)
        ring.MoveTo(p);
      else
        ring.LineTo(p);
    }
    ring.Close();
  }
  PixelBuffer stroked = RenderStroke(circle, Style(4, Cap::None, Join::Round));
  PixelBuffer expected(32, 32);
  ReferenceFill(expected.View(), ring, FillRule::EvenOdd, Paint::Solid(0xFFFFFFFF));
  EXPECT_LE(MaxDifference(stroked.View(), expected.View()), 3);
}

TEST(RasterStroke, ZeroLengthStrokesAreDotsOfTheCap) {
  Path dot = Line({10, 10}, {10, 10});
  EXPECT_NEAR(Covered(RenderStroke(dot, Style(6, Cap::Round))), 9 * std::numbers::pi, 0.1);
  EXPECT_NEAR(Covered(RenderStroke(dot, Style(6, Cap::Square))), 36, 0.05);
  EXPECT_EQ(Covered(RenderStroke(dot, Style(6, Cap::None))), 0);
  Path move;
  move.MoveTo({10, 10});
  EXPECT_EQ(Covered(RenderStroke(move, Style(6, Cap::Round))), 0);
}

TEST(RasterStroke, UTurnsAndHugeWidthsStayBounded) {
  Path back;
  back.MoveTo({5, 10});
  back.LineTo({25, 10});
  back.LineTo({5, 10});
  PixelBuffer b = RenderStroke(back, Style(4, Cap::None, Join::Round));
  EXPECT_EQ(Alpha(b, 26, 9), 255);  // the turn is rounded past the far end
  EXPECT_EQ(Alpha(b, 15, 12), 0);
  // A mitred U-turn is cut square, miterLimit widths past the corner.
  PixelBuffer m = RenderStroke(back, Style(4, Cap::None, Join::Miter, 1));
  EXPECT_EQ(Alpha(m, 28, 9), 255);
  EXPECT_EQ(Alpha(m, 29, 9), 0);
  EXPECT_EQ(Alpha(m, 15, 9), 255);
  PixelBuffer nan = RenderStroke(back, Style(4, Cap::None, Join::Miter, NAN));
  EXPECT_EQ(MaxDifference(nan.View(), m.View()), 0);
  Path huge = StrokeToPath(Line({1, 1}, {2, 2}), Style(1e30f, Cap::Round));
  EXPECT_LT(huge.Points().size(), 1000u);
  PixelBuffer all = RenderStroke(Line({1, 1}, {2, 2}), Style(1e30f, Cap::Round));
  EXPECT_EQ(Alpha(all, 31, 31), 255);
}

// Found by fuzzing: the difference of two far-apart floats overflowed to
// infinity and made the segment direction NaN.
TEST(RasterStroke, SegmentBetweenOppositeFloatLimitsHasADirection) {
  Path path;
  path.MoveTo({-3e38f, 5});
  path.LineTo({3e38f, 5});
  path.LineTo({3e38f, 3e38f});
  Path outline = StrokeToPath(path, Style(4, Cap::Round, Join::Round));
  for (Point p : outline.Points()) ASSERT_FALSE(std::isnan(p.x) || std::isnan(p.y));
  PixelBuffer b = RenderStroke(path, Style(4, Cap::Round, Join::Round));
  EXPECT_EQ(Alpha(b, 10, 4), 255);
  EXPECT_EQ(Alpha(b, 10, 8), 0);
}

}  // namespace
}  // namespace kestrova::raster
