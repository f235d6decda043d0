// Coverage: exact areas, fill rules, clipping and hostile coordinates.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>

#include "movie/raster/compositor.h"
#include "movie/raster/coverage.h"
#include "movie/raster/flatten.h"
#include "movie/raster/reference.h"
#include "tests/movie/raster_test_util.h"

namespace kestrova::raster {
namespace {

using testing::Alpha;
using testing::MaxDifference;
using testing::Polygon;
using testing::Rect;

constexpr Pixel kWhite = 0xFFFFFFFF;

PixelBuffer Render(const Path& path, FillRule rule, int w = 16, int h = 16) {
  PixelBuffer buffer(w, h);
  Canvas(buffer.View()).Fill(path, rule, Paint::Solid(kWhite));
  return buffer;
}

PixelBuffer RenderReference(const Path& path, FillRule rule, int w = 16, int h = 16) {
  PixelBuffer buffer(w, h);
  ReferenceFill(buffer.View(), path, rule, Paint::Solid(kWhite));
  return buffer;
}

int TotalAlpha(const PixelBuffer& b) {
  int sum = 0;
  for (Pixel p : b.Data()) sum += PixelA(p);
  return sum;
}

TEST(RasterCoverage, IntegerRectangleIsExact) {
  PixelBuffer b = Render(Rect(2, 3, 7, 9), FillRule::NonZero);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      bool inside = x >= 2 && x < 7 && y >= 3 && y < 9;
      ASSERT_EQ(b.At(x, y), inside ? kWhite : 0u) << x << "," << y;
    }
}

TEST(RasterCoverage, HalfPixelRectangleHasHalfEdgesAndQuarterCorners) {
  PixelBuffer b = Render(Rect(1.5f, 1.5f, 5.5f, 4.5f), FillRule::NonZero);
  EXPECT_EQ(Alpha(b, 1, 1), 64);   // corner: a quarter
  EXPECT_EQ(Alpha(b, 3, 1), 128);  // top edge: a half
  EXPECT_EQ(Alpha(b, 1, 3), 128);  // left edge
  EXPECT_EQ(Alpha(b, 5, 4), 64);   // bottom right corner
  EXPECT_EQ(Alpha(b, 3, 3), 255);
  EXPECT_EQ(Alpha(b, 6, 3), 0);
  EXPECT_EQ(Alpha(b, 3, 5), 0);
}

TEST(RasterCoverage, WindingDirectionDoesNotMatter) {
  Path reversed = Polygon({{1.5f, 1.5f}, {1.5f, 4.5f}, {5.5f, 4.5f}, {5.5f, 1.5f}});
  EXPECT_EQ(MaxDifference(Render(reversed, FillRule::NonZero).View(),
                          Render(Rect(1.5f, 1.5f, 5.5f, 4.5f), FillRule::NonZero).View()),
            0);
}

TEST(RasterCoverage, TriangleCoverageSumsToItsArea) {
  // Area 0.5 * 11.3 * 9.1.
  Path triangle = Polygon({{1.2f, 2.1f}, {12.5f, 2.1f}, {3.7f, 11.2f}});
  PixelBuffer b = Render(triangle, FillRule::NonZero);
  EXPECT_NEAR(TotalAlpha(b) / 255.0, 0.5 * 11.3 * 9.1, 0.25);
  EXPECT_LE(MaxDifference(b.View(), RenderReference(triangle, FillRule::NonZero).View()), 1);
}

Path Pentagram(float cx, float cy, float r) {
  Path path;
  for (int i = 0; i < 5; ++i) {
    double angle = -std::numbers::pi / 2 + i * 4 * std::numbers::pi / 5;
    Point p{cx + r * float(std::cos(angle)), cy + r * float(std::sin(angle))};
    if (i == 0)
      path.MoveTo(p);
    else
      path.LineTo(p);
  }
  path.Close();
  return path;
}

TEST(RasterCoverage, StarCentreIsFilledNonZeroAndEmptyEvenOdd) {
  Path star = Pentagram(16, 16, 15);
  PixelBuffer nonzero = Render(star, FillRule::NonZero, 32, 32);
  PixelBuffer evenodd = Render(star, FillRule::EvenOdd, 32, 32);
  EXPECT_EQ(Alpha(nonzero, 16, 16), 255);
  EXPECT_EQ(Alpha(evenodd, 16, 16), 0);
  // A point of the star is covered once: the same under both rules.
  EXPECT_EQ(Alpha(nonzero, 16, 7), 255);
  EXPECT_EQ(Alpha(evenodd, 16, 7), 255);
  EXPECT_LE(MaxDifference(nonzero.View(), RenderReference(star, FillRule::NonZero, 32, 32).View()),
            1);
  EXPECT_LE(MaxDifference(evenodd.View(), RenderReference(star, FillRule::EvenOdd, 32, 32).View()),
            1);
}

TEST(RasterCoverage, InnerContourIsAHoleByRuleAndDirection) {
  Path same = Rect(1, 1, 15, 15);
  Path inner = Rect(5, 5, 11, 11);
  for (size_t i = 0; i < inner.Verbs().size(); ++i) {
    Point p = inner.Points()[std::min(i, inner.Points().size() - 1)];
    if (inner.Verbs()[i] == Path::Verb::Move)
      same.MoveTo(p);
    else if (inner.Verbs()[i] == Path::Verb::Line)
      same.LineTo(p);
    else
      same.Close();
  }
  Path opposite = Rect(1, 1, 15, 15);
  opposite.MoveTo({5, 5});
  opposite.LineTo({5, 11});
  opposite.LineTo({11, 11});
  opposite.LineTo({11, 5});
  opposite.Close();
  EXPECT_EQ(Alpha(Render(same, FillRule::NonZero), 8, 8), 255);
  EXPECT_EQ(Alpha(Render(same, FillRule::EvenOdd), 8, 8), 0);
  EXPECT_EQ(Alpha(Render(opposite, FillRule::NonZero), 8, 8), 0);
  EXPECT_EQ(Alpha(Render(opposite, FillRule::EvenOdd), 8, 8), 0);
  EXPECT_EQ(Alpha(Render(opposite, FillRule::NonZero), 3, 8), 255);
}

TEST(RasterCoverage, RandomPolygonsMatchTheReference) {
  std::mt19937 random(7);
  std::uniform_real_distribution<float> coordinate(-6, 38);
  for (int round = 0; round < 40; ++round) {
    Path path;
    int contours = 1 + round % 3;
    for (int c = 0; c < contours; ++c) {
      path.MoveTo({coordinate(random), coordinate(random)});
      for (int i = 0; i < 2 + round % 7; ++i) path.LineTo({coordinate(random), coordinate(random)});
      path.Close();
    }
    for (FillRule rule : {FillRule::NonZero, FillRule::EvenOdd}) {
      PixelBuffer fast = Render(path, rule, 32, 32);
      PixelBuffer plain = RenderReference(path, rule, 32, 32);
      ASSERT_LE(MaxDifference(fast.View(), plain.View()), 1) << "round " << round;
    }
  }
}

// A circle of four quadratics against a fine polygon through the same curves.
TEST(RasterCoverage, CurveMatchesItsFinePolygon) {
  Path curve;
  Path polygon;
  const Point corners[] = {{28, 16}, {28, 28}, {16, 28}, {4, 28}, {4, 16},
                           {4, 4},   {16, 4},  {28, 4},  {28, 16}};
  curve.MoveTo(corners[0]);
  polygon.MoveTo(corners[0]);
  for (int q = 0; q < 4; ++q) {
    Point p0 = corners[2 * q], p1 = corners[2 * q + 1], p2 = corners[2 * q + 2];
    curve.QuadTo(p1, p2);
    for (int i = 1; i <= 400; ++i) {
      float t = i / 400.0f, u = 1 - t;
      polygon.LineTo({u * u * p0.x + 2 * u * t * p1.x + t * t * p2.x,
                      u * u * p0.y + 2 * u * t * p1.y + t * t * p2.y});
    }
  }
  curve.Close();
  polygon.Close();
  EXPECT_LE(MaxDifference(Render(curve, FillRule::NonZero, 32, 32).View(),
                          Render(polygon, FillRule::NonZero, 32, 32).View()),
            6);
  EXPECT_LE(std::abs(TotalAlpha(Render(curve, FillRule::NonZero, 32, 32)) -
                     TotalAlpha(Render(polygon, FillRule::NonZero, 32, 32))),
            255);
}

TEST(RasterCoverage, FlatteningStaysWithinTolerance) {
  Path curve;
  curve.MoveTo({0, 0});
  curve.QuadTo({50, 100}, {100, 0});
  std::vector<std::vector<Point>> lines = Flatten(curve, 0.25f);
  ASSERT_EQ(lines.size(), 1u);
  ASSERT_GT(lines[0].size(), 4u);
  // The curve is y = 200 t (1 - t) at x = 100 t; every chord midpoint stays near it.
  for (size_t i = 0; i + 1 < lines[0].size(); ++i) {
    Point a = lines[0][i], b = lines[0][i + 1];
    float t = (a.x + b.x) / 200;
    EXPECT_NEAR((a.y + b.y) / 2, 200 * t * (1 - t), 0.3f);
  }
  EXPECT_EQ(lines[0].back().x, 100);
}

TEST(RasterCoverage, ShapesCutByEveryEdgeOfTheTarget) {
  // Larger than the target on every side: every pixel covered.
  PixelBuffer all = Render(Rect(-20, -30, 40, 50), FillRule::NonZero);
  for (Pixel p : all.Data()) ASSERT_EQ(p, kWhite);
  // A triangle poking out on the left and the right matches the reference.
  Path wide = Polygon({{-10, 2}, {30, 8}, {-5, 14.5f}});
  EXPECT_LE(MaxDifference(Render(wide, FillRule::NonZero).View(),
                          RenderReference(wide, FillRule::NonZero).View()),
            1);
  // Wholly outside: nothing.
  EXPECT_EQ(TotalAlpha(Render(Rect(-20, 2, -10, 8), FillRule::NonZero)), 0);
  EXPECT_EQ(TotalAlpha(Render(Rect(20, 2, 30, 8), FillRule::NonZero)), 0);
}

TEST(RasterCoverage, HugeAndNonFiniteCoordinatesAreHarmless) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  Path hostile = Rect(4, 4, 8, 8);
  hostile.MoveTo({nan, 2});
  hostile.LineTo({10, 10});
  hostile.LineTo({12, 3});
  hostile.Close();
  hostile.MoveTo({1, 1});
  hostile.QuadTo({inf, 5}, {3, 9});
  hostile.Close();
  PixelBuffer b = Render(hostile, FillRule::NonZero);
  EXPECT_EQ(MaxDifference(b.View(), Render(Rect(4, 4, 8, 8), FillRule::NonZero).View()), 0);

  // Enormous but finite: a half-plane x < y through the target.
  Path huge = Polygon({{-1e30f, -1e30f}, {1e30f, 1e30f}, {-1e30f, 1e30f}});
  PixelBuffer h = Render(huge, FillRule::NonZero);
  EXPECT_EQ(Alpha(h, 2, 10), 255);
  EXPECT_EQ(Alpha(h, 10, 2), 0);
  EXPECT_EQ(Alpha(h, 5, 5), 128);

  // An enormous curve flattens to a bounded number of points.
  Path curve;
  curve.MoveTo({0, 0});
  curve.QuadTo({3e38f, -3e38f}, {5, 5});
  curve.Close();
  EXPECT_LE(Flatten(curve)[0].size(), size_t(kMaxCurveSegments + 2));
  Render(curve, FillRule::EvenOdd);
}

TEST(RasterCoverage, DegeneratePathsDrawNothing) {
  Path empty;
  Path point = Polygon({{5, 5}});
  Path line = Polygon({{1, 1}, {10, 10}});
  Path move;
  move.MoveTo({3, 3});
  for (const Path* p : {&empty, &point, &line, &move})
    EXPECT_EQ(TotalAlpha(Render(*p, FillRule::NonZero)), 0);
  PixelBuffer nothing;
  Canvas(nothing.View()).Fill(Rect(0, 0, 4, 4), FillRule::NonZero, Paint::Solid(kWhite));
}

TEST(RasterCoverage, DrawsOnlyInsideAViewWithALongerStride) {
  PixelBuffer big(20, 10, 0xFF000000);
  PixelView inner{&big.At(5, 2), 8, 5, big.Width()};
  Canvas(inner).Fill(Rect(-10, -10, 30, 30), FillRule::NonZero, Paint::Solid(kWhite));
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 20; ++x) {
      bool inside = x >= 5 && x < 13 && y >= 2 && y < 7;
      ASSERT_EQ(big.At(x, y), inside ? kWhite : 0xFF000000u) << x << "," << y;
    }
}

// A path fed to the rasterizer as it is flattened covers what its
// flattened contours cover: curves, open and closed contours, a contour
// with a non-finite point (dropped whole), edges past every side.
TEST(RasterCoverage, PathFlattenedOnTheWayCoversWhatItsContoursDo) {
  Path path = testing::Circle(7.3f, 6.1f, 9.5f);
  path.MoveTo({-3, 2});  // open: filled as if closed
  path.QuadTo({9, -6}, {21, 13});
  path.LineTo({4, 19});
  path.MoveTo({2, 2});
  path.LineTo({std::numeric_limits<float>::quiet_NaN(), 5});
  path.LineTo({6, 9});
  path.Close();
  path.MoveTo({3.5f, 3.25f});
  path.QuadTo({12, 1}, {10.5f, 11.75f});
  path.Close();
  for (FillRule rule : {FillRule::NonZero, FillRule::EvenOdd}) {
    CoverageRasterizer streamed, listed;
    Mask fromPath(16, 14), fromContours(16, 14);
    streamed.Reset(16, 14);
    streamed.AddPath(path, kFillTolerance);
    MaskSink pathSink(fromPath);
    streamed.Sweep(rule, pathSink);
    listed.Reset(16, 14);
    const ClipBox clip = listed.Clip();
    listed.AddContours(FlattenContours(path, kFillTolerance, &clip));
    MaskSink contourSink(fromContours);
    listed.Sweep(rule, contourSink);
    int covered = 0;
    for (int y = 0; y < 14; ++y)
      for (int x = 0; x < 16; ++x) {
        ASSERT_EQ(fromPath.Row(y)[x], fromContours.Row(y)[x]) << x << "," << y;
        covered += fromPath.Row(y)[x] > 0;
      }
    EXPECT_GT(covered, 60);
  }
}

TEST(RasterGeometry, MatrixInverseAndTransform) {
  Matrix m{2, 0.5f, -1, 3, 10, -4};
  Matrix identity = m * m.Inverse();
  EXPECT_NEAR(identity.a, 1, 1e-6);
  EXPECT_NEAR(identity.c, 0, 1e-6);
  EXPECT_NEAR(identity.ty, 0, 1e-5);
  Point p = (Matrix{1, 0, 0, 1, 5, 0} * Matrix{2, 0, 0, 2, 0, 0}).Apply({1, 1});
  EXPECT_EQ(p.x, 7);  // scaled first, then moved
  EXPECT_EQ(p.y, 2);
  Matrix flat{1, 2, 2, 4, 3, 3};  // singular: no inverse, but a usable matrix
  Matrix fallback = flat.Inverse();
  EXPECT_TRUE(std::isfinite(fallback.a) && std::isfinite(fallback.tx));
  Path path = Rect(0, 0, 1, 1);
  path.Transform({1, 0, 0, 1, 3, 4});
  EXPECT_EQ(path.Points()[2].x, 4);
  EXPECT_EQ(path.Points()[2].y, 5);
}

}  // namespace
}  // namespace kestrova::raster
