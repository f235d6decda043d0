// Shapes drawn as one: shared edges without seams, overlaps in order.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/movie/raster_test_util.h"

namespace kestrova::raster {
namespace {

using testing::MaxDifference;
using testing::Rect;

const Pixel kRed = MakePixel(255, 0, 0), kBlue = MakePixel(0, 0, 255);
const Pixel kWhite = MakePixel(255, 255, 255);

ShapeFill Fill(Path path, Pixel colour, FillRule rule = FillRule::NonZero) {
  return {std::move(path), rule, Paint::Solid(colour)};
}

PixelBuffer Shape(const std::vector<ShapeFill>& fills, const Mask* mask = nullptr,
                  const ColorTransform& cx = {}) {
  PixelBuffer b(16, 8, kWhite);
  Canvas canvas(b.View());
  canvas.SetMask(mask);
  canvas.FillShape(fills, cx);
  return b;
}

PixelBuffer OneByOne(const std::vector<ShapeFill>& fills, const Mask* mask = nullptr,
                     const ColorTransform& cx = {}) {
  PixelBuffer b(16, 8, kWhite);
  Canvas canvas(b.View());
  canvas.SetMask(mask);
  for (const ShapeFill& f : fills) canvas.Fill(f.path, f.rule, f.paint, cx);
  return b;
}

TEST(RasterShape, SharedEdgeShowsNothingOfTheBackground) {
  std::vector<ShapeFill> fills = {Fill(Rect(0, 0, 8.5f, 8), kRed),
                                  Fill(Rect(8.5f, 0, 16, 8), kBlue)};
  PixelBuffer shape = Shape(fills);
  // Half and half, no white.
  EXPECT_NEAR(PixelR(shape.At(8, 3)), 128, 1);
  EXPECT_EQ(PixelR(shape.At(8, 3)) + PixelB(shape.At(8, 3)), 255);
  EXPECT_EQ(PixelG(shape.At(8, 3)), 0);
  EXPECT_EQ(shape.At(7, 3), kRed);
  EXPECT_EQ(shape.At(9, 3), kBlue);
  // Drawn one by one, a quarter of the white leaks through the seam.
  EXPECT_GT(PixelG(OneByOne(fills).At(8, 3)), 50);
  // A diagonal shared edge too.
  std::vector<ShapeFill> diagonal = {
      Fill(testing::Polygon({{0, 0}, {11, 0}, {5, 8}, {0, 8}}), kRed),
      Fill(testing::Polygon({{11, 0}, {16, 0}, {16, 8}, {5, 8}}), kBlue)};
  PixelBuffer joined = Shape(diagonal);
  for (Pixel p : joined.Data()) ASSERT_LE(PixelG(p), 1);
}

TEST(RasterShape, OverlapsGoOverAsSeparateFillsDo) {
  std::vector<ShapeFill> fills = {Fill(Rect(1, 1, 15, 7), kRed), Fill(Rect(4, 2, 10, 6), kBlue),
                                  Fill(Rect(6, 0, 12, 8), MakePixel(0, 255, 0, 128))};
  EXPECT_LE(MaxDifference(Shape(fills).View(), OneByOne(fills).View()), 1);
  // Partly covered edges over a fill: within rounding of drawing one by one.
  std::vector<ShapeFill> soft = {Fill(Rect(1, 1, 15, 7), kRed),
                                 Fill(Rect(4.5f, 2.25f, 10.3f, 5.5f), kBlue)};
  EXPECT_LE(MaxDifference(Shape(soft).View(), OneByOne(soft).View()), 2);
}

TEST(RasterShape, OuterEdgesMasksAndTransformsMatchPlainFills) {
  std::vector<ShapeFill> fills = {
      Fill(testing::Polygon({{-3, 2.5f}, {9.7f, 0.2f}, {7, 7.6f}}), kRed),
      Fill(Rect(10.25f, 1.5f, 19, 6.75f), MakePixel(20, 200, 90, 200), FillRule::EvenOdd)};
  Mask mask(16, 8);
  Canvas(PixelBuffer(16, 8).View()).FillMask(mask, Rect(2.5f, 0, 13.5f, 5.5f), FillRule::NonZero);
  ColorTransform cx{.mr = 0.5f, .ma = 0.7f, .ab = 40};
  EXPECT_LE(MaxDifference(Shape(fills).View(), OneByOne(fills).View()), 1);
  EXPECT_LE(MaxDifference(Shape(fills, &mask, cx).View(), OneByOne(fills, &mask, cx).View()), 1);
}

TEST(RasterShape, EmptyAndOutsideShapesDrawNothing) {
  PixelBuffer blank(16, 8, kWhite);
  EXPECT_EQ(Shape({}).Data(), blank.Data());
  EXPECT_EQ(Shape({Fill(Rect(20, 0, 30, 8), kRed), Fill(Path(), kBlue)}).Data(), blank.Data());
  Path hostile;
  hostile.MoveTo({NAN, 1});
  hostile.LineTo({1e30f, -1e30f});
  hostile.LineTo({3, 3});
  EXPECT_EQ(Shape({Fill(hostile, kRed)}).Data(), blank.Data());
}

}  // namespace
}  // namespace kestrova::raster
