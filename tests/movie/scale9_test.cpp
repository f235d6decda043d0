// Scale-9 grids: a sprite stretched along x keeps its corner columns at
// their own width; the middle takes the rest.
#include <gtest/gtest.h>

#include "movie/player/renderer.h"
#include "movie/player/scale9.h"
#include "movie/swf/decoder.h"
#include "tests/movie/swf_test_movies.h"

namespace kestrova::movie {
namespace {

using namespace swf;
using namespace swf::testing;

constexpr Pixel kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;

// Sprite 2: a 20 x 20 px shape of three columns (red 0..5 px, green 5..15,
// blue 15..20) with its grid on the column borders, placed at `scaleX`.
std::shared_ptr<const Movie> GridMovie(float scaleX, bool withGrid = true) {
  SwfWriter swf(8, Stage(100, 20), 12);
  ShapeBuilder s;
  s.Rect(0, 0, 100, 400, s.AddFill(Solid(kRed)));
  s.Rect(100, 0, 300, 400, s.AddFill(Solid(kGreen)));
  s.Rect(300, 0, 400, 400, s.AddFill(Solid(kBlue)));
  swf.Tag(tag::kDefineShape3, DefineShapeBody(1, s, 3));
  TagStream inner;
  inner.Tag(tag::kPlaceObject2, PlaceBody(1, 1));
  inner.ShowFrame();
  swf.Tag(tag::kDefineSprite, DefineSpriteBody(2, inner));
  if (withGrid) {
    BitWriter grid;
    grid.U16(2);
    grid.Rect({{100}, {300}, {100}, {300}});
    swf.Tag(tag::kDefineScalingGrid, grid.Data());
  }
  PlaceObject place;
  place.depth = 1;
  place.character = 2;
  Matrix m;
  m.a = scaleX;
  place.matrix = m;
  swf.Tag(tag::kPlaceObject2, PlaceObject2Body(place));
  swf.ShowFrame();
  return std::make_shared<const Movie>(DecodeMovie(swf.Finish(false)));
}

PixelBuffer Render(std::shared_ptr<const Movie> movie) {
  Player player(movie);
  PixelBuffer out(100, 20);
  Renderer(movie).Render(player, out.View());
  return out;
}

TEST(Scale9, CornersKeepTheirSizeWhileTheMiddleStretches) {
  auto movie = GridMovie(3);
  ASSERT_EQ(movie->scalingGrids.count(2), 1u);
  EXPECT_EQ(movie->scalingGrids.at(2).xMax.value, 300);
  PixelBuffer out = Render(movie);  // 60 px wide: 5 + 50 + 5
  EXPECT_EQ(out.At(4, 10), kRed);
  EXPECT_EQ(out.At(5, 10), kGreen);
  EXPECT_EQ(out.At(30, 10), kGreen);
  EXPECT_EQ(out.At(54, 10), kGreen);
  EXPECT_EQ(out.At(55, 10), kBlue);
  EXPECT_EQ(out.At(59, 10), kBlue);
  EXPECT_EQ(out.At(61, 10), 0xFFFFFFFFu);

  PixelBuffer plain = Render(GridMovie(3, false));
  EXPECT_EQ(plain.At(10, 10), kRed) << "without the grid the corner column stretches";

  PixelBuffer small = Render(GridMovie(0.3f));  // 6 px: less than both corners
  EXPECT_EQ(small.At(1, 10), kRed) << "corners shrink alike";
  EXPECT_EQ(small.At(4, 10), kBlue) << "and the middle vanishes";
}

TEST(Scale9, MapIsPiecewiseAndRefusesRotation) {
  const swf::TwipsRect bounds{{0}, {400}, {0}, {400}}, grid{{100}, {300}, {100}, {300}};
  const raster::Matrix parent{0.05f, 0, 0, 0.05f, 0, 0};
  auto map = MakeScale9(bounds, grid, parent, parent * raster::Matrix{3, 0, 0, 2, 0, 0});
  ASSERT_TRUE(map);
  EXPECT_FLOAT_EQ(map->Apply({50, 50}).x, 2.5f) << "a corner at the parent's scale";
  EXPECT_FLOAT_EQ(map->Apply({200, 200}).x, 30) << "the centre stays centred";
  EXPECT_FLOAT_EQ(map->Apply({200, 200}).y, 20);
  EXPECT_FLOAT_EQ(map->Apply({350, 350}).y, 37.5f);
  EXPECT_FALSE(MakeScale9(bounds, grid, parent, {0, 1, -1, 0, 0, 0})) << "rotated";
  EXPECT_FALSE(MakeScale9(bounds, {{100}, {100}, {100}, {300}}, parent, parent)) << "empty grid";
}

}  // namespace
}  // namespace kestrova::movie
