// Shapes kept in target pixels between frames: a moved shape drawn from
// the cache looks as it does drawn afresh.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "movie/player/device_shapes.h"
#include "movie/player/renderer.h"
#include "movie/swf/decoder.h"
#include "tests/movie/swf_test_movies.h"
#include "tools/mkswf/sample_movies.h"

namespace kestrova::movie {
namespace {

using namespace swf;
using namespace swf::testing;

Bytes MoveBody(uint16_t depth, int32_t x, int32_t y) {
  PlaceObject place;
  place.depth = depth;
  place.move = true;
  Matrix m;
  m.tx = {x};
  m.ty = {y};
  place.matrix = m;
  return PlaceObject2Body(place);
}

// Two copies of a gradient square with a border, moving by fractions of
// a pixel each frame; frame 3 puts the second one where the first was.
std::shared_ptr<const Movie> MovingSquares() {
  SwfWriter swf(8, Stage(40, 20), 12);
  ShapeBuilder s;
  FillStyle ramp;
  ramp.kind = FillKind::LinearGradient;
  ramp.matrix.a = ramp.matrix.d = 200.0f / 32768;
  ramp.matrix.tx = {100};
  ramp.matrix.ty = {100};
  ramp.stops = {{0, 0xFFFF0000}, {255, 0xFF0000FF}};
  LineStyle line;
  line.width = {30};
  line.color = 0xFF00AA00;
  s.Rect(0, 0, 200, 200, s.AddFill(ramp), s.AddLine(line));
  swf.Tag(tag::kDefineShape3, DefineShapeBody(1, s, 3));
  swf.Tag(tag::kPlaceObject2, PlaceBody(1, 1, 20, 20));
  swf.Tag(tag::kPlaceObject2, PlaceBody(2, 1, 300, 90));
  swf.ShowFrame();
  swf.Tag(tag::kPlaceObject2, MoveBody(1, 57, 33));
  swf.ShowFrame();
  swf.Tag(tag::kPlaceObject2, MoveBody(1, 131, 68));
  swf.Tag(tag::kPlaceObject2, MoveBody(2, 57, 33));
  swf.ShowFrame();
  return std::make_shared<const Movie>(DecodeMovie(swf.Finish(false)));
}

int MaxDifference(const PixelBuffer& a, const PixelBuffer& b) {
  int most = 0;
  for (size_t i = 0; i < a.Data().size(); ++i)
    for (int shift : {0, 8, 16, 24})
      most = std::max(
          most, std::abs(int((a.Data()[i] >> shift) & 0xFF) - int((b.Data()[i] >> shift) & 0xFF)));
  return most;
}

TEST(DeviceShapes, MovedShapesDrawAsIfBuiltAfresh) {
  auto movie = MovingSquares();
  Player player(movie);
  Renderer kept(movie);
  PixelBuffer out(80, 40);
  for (int frame = 0; frame < 3; ++frame) {
    if (frame) player.Advance();
    kept.Render(player, out.View());
    PixelBuffer fresh(80, 40);
    Renderer(movie).Render(player, fresh.View());
    EXPECT_LE(MaxDifference(out, fresh), 1) << "frame " << frame + 1;
  }
}

// The sample screensaver's movie (spinning, tweened, morphing shapes,
// gradients, bitmaps), every frame drawn by a renderer that keeps its
// shapes against one that draws it afresh.
TEST(DeviceShapes, KeptShapesDrawTheSampleMovieAsFreshOnes) {
  auto movie =
      std::make_shared<const Movie>(DecodeMovie(mkswf::FindMovieKind("sample")->build(false)));
  Player player(movie);
  Renderer kept(movie);
  PixelBuffer out(393, 169);
  for (int frame = 0; frame < 48; ++frame) {
    if (frame) player.Advance();
    kept.Render(player, out.View());
    PixelBuffer fresh(393, 169);
    Renderer(movie).Render(player, fresh.View());
    ASSERT_LE(MaxDifference(out, fresh), 2) << "frame " << frame + 1;
  }
}

// A bordered square that stays put while its colour transform changes,
// one scaled on frame 4, and a morph whose ratio changes on frames 2 and 4
// (frame 3 keeps it): shapes that stay draw from their kept coverage.
std::shared_ptr<const Movie> StayingShapes() {
  SwfWriter swf(8, Stage(40, 20), 12);
  ShapeBuilder s;
  LineStyle line;
  line.width = {30};
  line.color = 0xFF00AA00;
  s.Rect(0, 0, 210, 190, s.AddFill(Solid(0xFFCC3366)), s.AddLine(line));
  swf.Tag(tag::kDefineShape3, DefineShapeBody(1, s, 3));
  ShapeBuilder start, end;
  start.AddFill(Solid(0xFF3366CC));
  end.AddFill(Solid(0xFFEEAA00));
  start.Rect(0, 0, 100, 100, 1);
  end.Rect(30, 10, 190, 170, 1);
  swf.Tag(tag::kDefineMorphShape, DefineMorphShapeBody(2, start, end));
  swf.Tag(tag::kPlaceObject2, PlaceBody(1, 1, 21, 33));
  swf.Tag(tag::kPlaceObject2, PlaceBody(2, 1, 417, 101));
  PlaceObject morph;
  morph.depth = 3;
  morph.character = 2;
  morph.ratio = 0;
  Matrix at;
  at.tx = {233}, at.ty = {187};
  morph.matrix = at;
  swf.Tag(tag::kPlaceObject2, PlaceObject2Body(morph));
  swf.ShowFrame();
  morph = {};
  morph.depth = 3;
  morph.move = true;
  morph.ratio = 30000;
  swf.Tag(tag::kPlaceObject2, PlaceObject2Body(morph));
  swf.ShowFrame();
  PlaceObject tint;
  tint.depth = 1;
  tint.move = true;
  ColorTransform cx;
  cx.mr = 0.25f, cx.ab = 120, cx.ma = 0.5f;
  tint.colorTransform = cx;
  swf.Tag(tag::kPlaceObject2, PlaceObject2Body(tint));
  swf.ShowFrame();
  PlaceObject scale;
  scale.depth = 2;
  scale.move = true;
  Matrix bigger;
  bigger.a = 1.375f, bigger.d = 0.8125f;
  bigger.tx = {417}, bigger.ty = {101};
  scale.matrix = bigger;
  swf.Tag(tag::kPlaceObject2, PlaceObject2Body(scale));
  morph.ratio = 65535;
  swf.Tag(tag::kPlaceObject2, PlaceObject2Body(morph));
  swf.ShowFrame();
  swf.ShowFrame();
  return std::make_shared<const Movie>(DecodeMovie(swf.Finish(false)));
}

TEST(DeviceShapes, ShapesThatStayChangeWithTheirColourScaleAndRatio) {
  auto movie = StayingShapes();
  Player player(movie);
  Renderer kept(movie);
  PixelBuffer out(80, 40);
  for (int frame = 0; frame < 6; ++frame) {
    if (frame) player.Advance();
    kept.Render(player, out.View());
    PixelBuffer fresh(80, 40);
    Renderer(movie).Render(player, fresh.View());
    EXPECT_EQ(MaxDifference(out, fresh), 0) << "frame " << frame + 1;
  }
}

TEST(DeviceShapes, CacheHoldsWhatOneFrameDraws) {
  DeviceShapeCache cache;
  int builds = 0;
  auto build = [&] {
    ++builds;
    DeviceShape shape;
    raster::ShapeFill fill;
    fill.path.MoveTo({0, 0});
    fill.path.LineTo({4, 0});
    fill.path.LineTo({0, 4});
    fill.path.Close();
    shape.groups.push_back({{fill}, {}});
    return shape;
  };
  const raster::Matrix at{2, 0, 0, 2, 10, 10}, moved{2, 0, 0, 2, 13, 10};
  cache.Get(1, at, build);
  cache.Get(1, at, build);  // a second instance in the same place shares it
  EXPECT_EQ(builds, 1);
  const DeviceShape& other = cache.Get(1, moved, build);
  EXPECT_EQ(builds, 1) << "another instance elsewhere in one frame: a shifted copy";
  EXPECT_FLOAT_EQ(other.groups[0].fills[0].path.Points()[1].x, 7);
  cache.EndFrame();
  const DeviceShape& shifted = cache.Get(1, {2, 0, 0, 2, 20, 10}, build);
  EXPECT_EQ(builds, 1) << "moved: the kept shape, shifted";
  EXPECT_FLOAT_EQ(shifted.groups[0].fills[0].path.Points()[1].x, 14);
  cache.Get(1, {2, 0, 0, 3, 20, 10}, build);
  EXPECT_EQ(builds, 2) << "scaled: built again";
  cache.EndFrame();
  EXPECT_EQ(cache.Size(), 2u) << "the frame used two";
  cache.EndFrame();
  EXPECT_EQ(cache.Size(), 0u);
}

}  // namespace
}  // namespace kestrova::movie
