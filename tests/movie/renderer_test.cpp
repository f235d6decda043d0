// The renderer: "show all" placement, fill sides of edges, clip layers and
// colour transforms, checked on pixels.
#include <gtest/gtest.h>

#include "movie/player/renderer.h"
#include "movie/swf/decoder.h"
#include "tests/movie/swf_test_movies.h"

namespace kestrova::movie {
namespace {

using namespace swf;
using namespace swf::testing;

PixelBuffer Render(const SwfWriter& swf, int width, int height, int advances = 0) {
  auto movie = std::make_shared<const Movie>(DecodeMovie(swf.Finish(false)));
  Player player(movie);
  for (int i = 0; i < advances; ++i) player.Advance();
  PixelBuffer out(width, height);
  Renderer(movie).Render(player, out.View());
  return out;
}

constexpr Pixel kBackground = MakePixel(0x11, 0x22, 0x33);

TEST(Renderer, ShowAllKeepsTheAspectAndCentres) {
  auto swf = RectangleMovie();  // 200x100 stage, red 10..60 x 10..40
  swf.ShowFrame();
  PixelBuffer out = Render(swf, 100, 100);  // scale 0.5, 25 px bands above and below
  EXPECT_EQ(out.At(50, 5), kBackground);
  EXPECT_EQ(out.At(15, 37), 0xFFFF0000u) << "(30, 24) on the stage";
  EXPECT_EQ(out.At(40, 37), kBackground);
  raster::Matrix m = ShowAllMatrix({{-2000}, {2000}, {-2000}, {2000}}, 200, 200);
  EXPECT_NEAR(m.Apply({-2000, -2000}).x, 0, 1e-3) << "the stage origin may be negative";
  EXPECT_NEAR(m.Apply({2000, 2000}).y, 200, 1e-3);
}

TEST(Renderer, EdgesFillTheSideTheyName) {
  SwfWriter swf(8, Stage(40, 20), 12);
  ShapeBuilder s;
  uint16_t red = s.AddFill(Solid(0xFFFF0000));
  uint16_t blue = s.AddFill(Solid(0xFF0000FF));
  // Two squares sharing the middle edge, which names both fills (fill1 lies
  // on the right of the direction of travel on screen).
  s.Styles(0, red, 0).MoveTo(0, 0).LineTo(400, 0);
  s.Styles(blue, red, 0).LineTo(400, 400);  // going down: red on the right
  s.Styles(0, red, 0).LineTo(0, 400).LineTo(0, 0);
  s.Styles(0, blue, 0).MoveTo(400, 0).LineTo(800, 0).LineTo(800, 400).LineTo(400, 400);
  swf.Tag(tag::kDefineShape3, DefineShapeBody(1, s, 3));
  swf.Tag(tag::kPlaceObject2, PlaceBody(1, 1));
  swf.ShowFrame();
  PixelBuffer out = Render(swf, 40, 20);
  EXPECT_EQ(out.At(10, 10), 0xFFFF0000u);
  EXPECT_EQ(out.At(30, 10), 0xFF0000FFu);
}

// A curve with red on both sides, drawn across a red square: it bounds
// nothing, and must not cut a lens out of the square under even-odd.
TEST(Renderer, EdgesWithTheSameFillOnBothSidesLeaveTheFillWhole) {
  SwfWriter swf(8, Stage(40, 40), 12);
  ShapeBuilder s;
  uint16_t red = s.AddFill(Solid(0xFFFF0000));
  s.Rect(0, 0, 800, 800, red);
  s.Styles(red, red, 0).MoveTo(100, 400).CurveTo(400, 0, 700, 400);
  swf.Tag(tag::kDefineShape3, DefineShapeBody(1, s, 3));
  swf.Tag(tag::kPlaceObject2, PlaceBody(1, 1));
  swf.ShowFrame();
  PixelBuffer out = Render(swf, 40, 40);
  EXPECT_EQ(out.At(20, 15), 0xFFFF0000u) << "inside the curve's lens";
  EXPECT_EQ(out.At(20, 30), 0xFFFF0000u);
}

// White and white meeting half-way across a pixel column over black: drawn
// one by one, the black would show through the seam (about 191 levels).
TEST(Renderer, FillsSharingAnEdgeShowNoSeam) {
  SwfWriter swf(8, Stage(20, 10), 12);
  swf.Tag(tag::kSetBackgroundColor, {0, 0, 0});
  ShapeBuilder s;
  uint16_t left = s.AddFill(Solid(0xFFFFFFFF));
  uint16_t right = s.AddFill(Solid(0xFFFFFFFF));
  s.Styles(0, left, 0).MoveTo(0, 0).LineTo(210, 0);
  s.Styles(right, left, 0).LineTo(210, 200);
  s.Styles(0, left, 0).LineTo(0, 200).LineTo(0, 0);
  s.Styles(0, right, 0).MoveTo(210, 0).LineTo(400, 0).LineTo(400, 200).LineTo(210, 200);
  swf.Tag(tag::kDefineShape3, DefineShapeBody(1, s, 3));
  swf.Tag(tag::kPlaceObject2, PlaceBody(1, 1));
  swf.ShowFrame();
  PixelBuffer out = Render(swf, 20, 10);
  EXPECT_GE(PixelR(out.At(10, 5)), 254) << "the column the edge halves";
}

// A card flip: squeezed to a tenth across, a horizontal line 4 px thick
// keeps its 4 px down instead of shrinking to a hairline.
TEST(Renderer, LinesOfASqueezedShapeKeepTheirWidthAcross) {
  SwfWriter swf(8, Stage(20, 20), 12);
  ShapeBuilder s;
  LineStyle line;
  line.width = {80};
  line.color = 0xFF000000;
  line.startCap = line.endCap = CapStyle::None;
  s.Styles(0, 0, s.AddLine(line)).MoveTo(0, 200).LineTo(4000, 200);
  swf.Tag(tag::kDefineShape3, DefineShapeBody(1, s, 3));
  PlaceObject p;
  p.depth = 1;
  p.character = 1;
  Matrix squeeze;
  squeeze.a = 0.1f;
  p.matrix = squeeze;
  swf.Tag(tag::kPlaceObject2, PlaceObject2Body(p));
  swf.ShowFrame();
  PixelBuffer out = Render(swf, 20, 20);
  EXPECT_EQ(out.At(10, 8), 0xFF000000u) << "rows 8..11 lie under the line";
  EXPECT_EQ(out.At(10, 11), 0xFF000000u);
  EXPECT_EQ(out.At(10, 13), 0xFFFFFFFFu);
}

// Blend modes as PlaceObject3 sets them (set here on the decoded tags).
void SetBlend(Timeline& timeline, uint16_t depth, uint8_t mode) {
  for (DisplayTag& tag : timeline.frames[0].tags)
    if (auto* place = std::get_if<PlaceObject>(&tag); place && place->depth == depth)
      place->blendMode = mode;
}

PixelBuffer RenderMovie(std::shared_ptr<const Movie> movie, int width, int height) {
  Player player(movie);
  PixelBuffer out(width, height);
  Renderer(movie).Render(player, out.View());
  return out;
}

// Over grey, depth 1 holds a red square (shape 1) or a sprite (3) of the
// red square under a half-transparent white rectangle on its left half.
std::shared_ptr<Movie> BlendMovie(uint16_t placed) {
  SwfWriter swf(8, Stage(20, 20), 12);
  swf.Tag(tag::kSetBackgroundColor, {0x80, 0x80, 0x80});
  ShapeBuilder red, half;
  red.Rect(0, 0, 400, 400, red.AddFill(Solid(0xFFFF0000)));
  half.Rect(0, 0, 200, 400, half.AddFill(Solid(0x80FFFFFF)));
  swf.Tag(tag::kDefineShape3, DefineShapeBody(1, red, 3));
  swf.Tag(tag::kDefineShape3, DefineShapeBody(2, half, 3));
  TagStream inner;
  inner.Tag(tag::kPlaceObject2, PlaceBody(1, 1));
  inner.Tag(tag::kPlaceObject2, PlaceBody(2, 2));
  inner.ShowFrame();
  swf.Tag(tag::kDefineSprite, DefineSpriteBody(3, inner));
  swf.Tag(tag::kPlaceObject2, PlaceBody(1, placed));
  swf.ShowFrame();
  return std::make_shared<Movie>(DecodeMovie(swf.Finish(false)));
}

// Red multiplied over grey keeps grey's red; in a layer, an alpha object
// lets its parent show only where it is, as much as it is opaque.
TEST(Renderer, BlendModesCompositeTheObjectsLayer) {
  auto multiplied = BlendMovie(1);
  SetBlend(multiplied->root, 1, 3);
  EXPECT_EQ(RenderMovie(multiplied, 20, 20).At(10, 10), MakePixel(0x80, 0, 0));

  auto masked = BlendMovie(3);
  SetBlend(masked->root, 1, 2);                                   // layer
  SetBlend(std::get<Timeline>(masked->dictionary.at(3)), 2, 11);  // alpha
  PixelBuffer out = RenderMovie(masked, 20, 20);
  EXPECT_NEAR(PixelR(out.At(5, 10)), 192, 1) << "half of the red over grey";
  EXPECT_NEAR(PixelG(out.At(5, 10)), 64, 1);
  EXPECT_EQ(out.At(15, 10), MakePixel(0x80, 0x80, 0x80)) << "no alpha there: no layer either";
}

// A DefineButton shows its up state (with DefineButtonCxform's colours):
// a record of the over state only is not drawn.
TEST(Renderer, ButtonsDrawTheirUpState) {
  SwfWriter swf(6, Stage(40, 20), 12);
  ShapeBuilder left, right;
  left.Rect(0, 0, 400, 400, left.AddFill(Solid(0xFFFF0000)));
  right.Rect(400, 0, 800, 400, right.AddFill(Solid(0xFF00FF00)));
  swf.Tag(tag::kDefineShape3, DefineShapeBody(1, left, 3));
  swf.Tag(tag::kDefineShape3, DefineShapeBody(2, right, 3));
  // id 5; up: shape 1 at depth 1; over: shape 2 at depth 2; no actions.
  swf.Tag(tag::kDefineButton, {5, 0, 0x01, 1, 0, 1, 0, 0x00, 0x02, 2, 0, 2, 0, 0x00, 0, 0});
  BitWriter cxform;
  cxform.U16(5);
  ColorTransform toBlue;
  toBlue.mr = 0;
  toBlue.ab = 255;
  cxform.CxForm(toBlue, false);
  swf.Tag(tag::kDefineButtonCxform, cxform.Data());
  swf.Tag(tag::kPlaceObject2, PlaceBody(1, 5));
  swf.ShowFrame();
  PixelBuffer out = Render(swf, 40, 20);
  EXPECT_EQ(out.At(10, 10), 0xFF0000FFu) << "the up state, transformed";
  EXPECT_EQ(out.At(30, 10), 0xFFFFFFFFu) << "the over state is not shown";
}

SwfWriter ClippedMovie(int layers) {
  SwfWriter swf(8, Stage(40, 40), 12);
  ShapeBuilder mask, big;
  mask.Rect(0, 0, 400, 400, mask.AddFill(Solid(0xFF000000)));  // 0..20 px
  big.Rect(0, 0, 800, 800, big.AddFill(Solid(0xFFFF0000)));    // the stage
  swf.Tag(tag::kDefineShape3, DefineShapeBody(1, mask, 3));
  swf.Tag(tag::kDefineShape3, DefineShapeBody(2, big, 3));
  for (int i = 0; i < layers; ++i) {
    PlaceObject p;
    p.depth = static_cast<uint16_t>(1 + i);
    p.character = 1;
    p.clipDepth = 1000;
    swf.Tag(tag::kPlaceObject2, PlaceObject2Body(p));
  }
  swf.Tag(tag::kPlaceObject2, PlaceBody(999, 2));
  swf.Tag(tag::kPlaceObject2, PlaceBody(1001, 2, 0, 600));  // above the clip: unclipped
  swf.ShowFrame();
  return swf;
}

TEST(Renderer, ClipLayersMaskTheDepthsTheyCover) {
  PixelBuffer out = Render(ClippedMovie(1), 40, 40);
  EXPECT_EQ(out.At(5, 5), 0xFFFF0000u);
  EXPECT_EQ(out.At(30, 5), 0xFFFFFFFFu) << "outside the mask: the white default background";
  EXPECT_EQ(out.At(30, 35), 0xFFFF0000u) << "depth 1001 lies above the clip";
}

// Hundreds of stacked clip layers must not each take a target-sized mask.
TEST(Renderer, StackedClipLayersStayWithinTheMaskBudget) {
  PixelBuffer out = Render(ClippedMovie(500), 40, 40);
  EXPECT_EQ(out.At(5, 5), 0xFFFF0000u);
  EXPECT_EQ(out.At(30, 5), 0xFFFFFFFFu);
}

TEST(Renderer, ColourTransformsCompose) {
  SwfWriter swf(8, Stage(20, 20), 12);
  ShapeBuilder s;
  s.Rect(0, 0, 400, 400, s.AddFill(Solid(0xFFFF0000)));
  swf.Tag(tag::kDefineShape3, DefineShapeBody(1, s, 3));
  TagStream inner;
  PlaceObject p;
  p.depth = 1;
  p.character = 1;
  ColorTransform toBlue;  // red 200, blue 255
  toBlue.mr = 0;
  toBlue.ar = 200;
  toBlue.ab = 255;
  p.colorTransform = toBlue;
  inner.Tag(tag::kPlaceObject2, PlaceObject2Body(p));
  inner.ShowFrame();
  swf.Tag(tag::kDefineSprite, DefineSpriteBody(2, inner));
  PlaceObject outer;
  outer.depth = 1;
  outer.character = 2;
  ColorTransform half;  // the sprite's: half red, half alpha, applied after the child's
  half.mr = 0.5f;
  half.ma = 0.5f;
  outer.colorTransform = half;
  swf.Tag(tag::kPlaceObject2, PlaceObject2Body(outer));
  swf.ShowFrame();
  Pixel p0 = Render(swf, 20, 20).At(10, 10);
  // (100, 0, 255) at alpha 127 over white; the other order would give red 200.
  EXPECT_NEAR(PixelB(p0), 255, 1);
  EXPECT_NEAR(PixelR(p0), 178, 2);
  EXPECT_NEAR(PixelG(p0), 128, 2);
}

}  // namespace
}  // namespace kestrova::movie
