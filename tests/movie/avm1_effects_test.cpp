// SWF 8 effects set by scripts draw as the same effects placed by the
// timeline (PlaceObject3): filters, blend modes and colour transforms,
// rendered both ways through the Runtime and compared pixel for pixel.
#include <gtest/gtest.h>

#include "movie/avm1/runtime.h"
#include "movie/player/renderer.h"
#include "movie/swf/decoder.h"
#include "tests/movie/action_expressions.h"
#include "tests/movie/swf_test_movies.h"
#include "tools/mkswf/sample_movies.h"

namespace kestrova::avm1 {
namespace {

using namespace testing::expr;
using swf::testing::Stage;
using testing::Code;

constexpr int kSize = 20;
constexpr Pixel kGrey = MakePixel(0x80, 0x80, 0x80);
constexpr Pixel kRed = MakePixel(0xFF, 0, 0);

Code Flash(const char* package, const char* name, const std::vector<Code>& args) {
  return Arguments(args).Append(Member(Var("flash"), package)).Str(name).Op(0x53);
}
Code ArrayOf(const std::vector<Code>& items) { return Arguments(items).Op(0x42); }
Code WhiteGlow() {
  return Flash("filters", "GlowFilter", {Num(0xFFFFFF), Num(1), Num(4), Num(4), Num(2), Num(1)});
}

// A SWF 8 movie over grey whose shape 1 is a red square from 5 to 15 pixels.
swf::SwfWriter GreyWithRedSquare() {
  using namespace swf;
  SwfWriter swf(8, Stage(kSize, kSize), 12);
  swf.Tag(tag::kSetBackgroundColor, {0x80, 0x80, 0x80});
  ShapeBuilder red;
  red.Rect(100, 100, 300, 300, red.AddFill(swf::testing::Solid(0xFFFF0000)));
  swf.Tag(tag::kDefineShape3, DefineShapeBody(1, red, 3));
  return swf;
}

// Over grey, the sprite "s" (depth 1) holds a red square from 5 to 15
// pixels; `script` runs in the root's first frame.
std::shared_ptr<swf::Movie> EffectsMovie(const Code& script) {
  using namespace swf;
  SwfWriter swf = GreyWithRedSquare();
  TagStream inner;
  inner.Tag(tag::kPlaceObject2, swf::testing::PlaceBody(1, 1));
  inner.ShowFrame();
  swf.Tag(tag::kDefineSprite, DefineSpriteBody(2, inner));
  PlaceObject place;
  place.depth = 1;
  place.character = 2;
  place.name = "s";
  swf.Tag(tag::kPlaceObject2, PlaceObject2Body(place));
  if (script.Size()) swf.Tag(tag::kDoAction, DoActionBody(script.Bytes()));
  swf.ShowFrame();
  return std::make_shared<Movie>(DecodeMovie(swf.Finish(false)));
}

// The sprite's placement in the timeline, for effects set there instead.
swf::PlaceObject& Placement(swf::Movie& movie) {
  for (swf::DisplayTag& tag : movie.root.frames[0].tags)
    if (auto* place = std::get_if<swf::PlaceObject>(&tag); place && place->depth == 1)
      return *place;
  throw std::runtime_error("no placement");
}

PixelBuffer Render(std::shared_ptr<const swf::Movie> movie) {
  Runtime runtime(movie, {});
  PixelBuffer out(kSize, kSize);
  movie::Renderer(movie).Render(runtime.Player(), out.View());
  return out;
}

void ExpectSamePixels(const PixelBuffer& scripted, const PixelBuffer& placed) {
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x)
      ASSERT_EQ(scripted.At(x, y), placed.At(x, y)) << "at " << x << ", " << y;
}

swf::Filter TimelineGlow() {
  swf::Filter glow;
  glow.kind = swf::Filter::Kind::Glow;
  glow.color = 0xFFFFFFFF;
  glow.blurX = glow.blurY = 4;
  glow.strength = 2;
  glow.passes = 1;
  return glow;
}

TEST(Avm1Effects, AGlowSetByScriptDrawsItsRing) {
  Code script = SetMember(Var("s"), "filters", ArrayOf({WhiteGlow()}));
  PixelBuffer plain = Render(EffectsMovie(Code()));
  PixelBuffer glowing = Render(EffectsMovie(script));
  EXPECT_EQ(plain.At(4, 10), kGrey);
  EXPECT_GT(PixelG(glowing.At(4, 10)), 0xA0) << "white glow just outside the square";
  EXPECT_EQ(glowing.At(10, 10), kRed);
  EXPECT_EQ(glowing.At(0, 0), kGrey) << "beyond the glow's reach";

  auto placed = EffectsMovie(Code());
  Placement(*placed).filters = std::vector<swf::Filter>{TimelineGlow()};
  ExpectSamePixels(glowing, Render(placed));
}

// The clip takes copies: the array and the filter changed after the
// assignment leave the drawing as it was.
TEST(Avm1Effects, FiltersAreCopiedWhenAssigned) {
  Code script;
  script.Append(SetVar("g", WhiteGlow()));
  script.Append(SetVar("a", ArrayOf({Var("g"), Num(5), Var("s")})));  // non-filters skipped
  script.Append(SetMember(Var("s"), "filters", Var("a")));
  script.Append(SetMember(Var("g"), "color", Num(0x0000FF)));
  script.Append(Statement(Method(Var("a"), "push", {Flash("filters", "BlurFilter", {Num(9)})})));
  script.Append(SetMember(Member(Member(Var("s"), "filters"), "0"), "blurX", Num(0)));
  auto placed = EffectsMovie(Code());
  Placement(*placed).filters = std::vector<swf::Filter>{TimelineGlow()};
  ExpectSamePixels(Render(EffectsMovie(script)), Render(placed));
}

// Flash 8's idiom: read the filters the timeline placed, change one, set
// them again. Read back, they are the timeline's; set again unchanged,
// they draw as before.
TEST(Avm1Effects, TheTimelinesFiltersReadBackAndDrawWhenSetAgain) {
  Code script;
  script.Append(SetVar("f", Member(Var("s"), "filters")));
  for (const char* name : {"color", "blurX", "strength", "quality", "inner"})
    script.Append(Trace(Member(Member(Var("f"), "0"), name)));
  script.Append(SetMember(Var("s"), "filters", Var("f")));
  auto again = EffectsMovie(script);
  Placement(*again).filters = std::vector<swf::Filter>{TimelineGlow()};
  std::vector<std::string> lines;
  Runtime runtime(again, {[&](const std::string& l) { lines.push_back(l); }, {}});
  PixelBuffer out(kSize, kSize);
  movie::Renderer(again).Render(runtime.Player(), out.View());
  EXPECT_EQ(lines, (std::vector<std::string>{"16777215", "4", "2", "1", "false"}));

  auto placed = EffectsMovie(Code());
  Placement(*placed).filters = std::vector<swf::Filter>{TimelineGlow()};
  ExpectSamePixels(out, Render(placed));
}

TEST(Avm1Effects, BlendModesSetByScriptMatchTheTimelines) {
  struct Case {
    Code value;
    uint8_t mode;
  } cases[] = {{Str("multiply"), 3}, {Str("add"), 8}, {Num(9), 9}, {Str("difference"), 7}};
  for (const Case& c : cases) {
    auto placed = EffectsMovie(Code());
    Placement(*placed).blendMode = c.mode;
    PixelBuffer expected = Render(placed);
    EXPECT_NE(expected.At(10, 10), kRed) << "mode " << int(c.mode) << " changes the square";
    ExpectSamePixels(Render(EffectsMovie(SetMember(Var("s"), "blendMode", c.value))), expected);
  }
}

// Through clip.transform and through a Transform made for the clip.
TEST(Avm1Effects, ColorTransformsThroughTransformMatchTheTimelines) {
  auto cx = Flash("geom", "ColorTransform",
                  {Num(0.5), Num(1), Num(1), Num(1), Num(0), Num(64), Num(0), Num(0)});
  Code viaClip;
  viaClip.Append(SetVar("t", Member(Var("s"), "transform")));
  viaClip.Append(SetMember(Var("t"), "colorTransform", cx));
  Code viaNew;
  viaNew.Append(SetVar("t", Flash("geom", "Transform", {Var("s")})));
  viaNew.Append(SetMember(Var("t"), "colorTransform", cx));
  auto placed = EffectsMovie(Code());
  swf::ColorTransform timeline;
  timeline.mr = 0.5f;
  timeline.ag = 64;
  Placement(*placed).colorTransform = timeline;
  PixelBuffer expected = Render(placed);
  EXPECT_EQ(expected.At(10, 10), MakePixel(0x7F, 64, 0));
  ExpectSamePixels(Render(EffectsMovie(viaClip)), expected);
  ExpectSamePixels(Render(EffectsMovie(viaNew)), expected);
}

// Every effect set by a script is a display change: the preview draws
// the frame again.
TEST(Avm1Effects, SettingAnEffectCountsAsADisplayChange) {
  auto movie = EffectsMovie(Code());
  Runtime runtime(movie, {});
  Object* s = runtime.Machine().Get(Value(runtime.Root()), "s").object();
  ASSERT_NE(s, nullptr);
  for (const char* name : {"blendMode", "cacheAsBitmap", "filters", "transform"}) {
    uint64_t before = runtime.Player().Changes();
    Value value = std::string(name) == "blendMode" ? Value("add") : Value(true);
    if (std::string(name) == "filters") value = runtime.Machine().NewArray();
    if (std::string(name) == "transform") value = runtime.Machine().Get(Value(s), "transform");
    runtime.Machine().Set(Value(s), name, value);
    EXPECT_GT(runtime.Player().Changes(), before) << name;
  }
}

// Buttons (SWF 6 on) take the same effects as clips.
TEST(Avm1Effects, ButtonsTakeBlendModesAndFilters) {
  using namespace swf;
  SwfWriter swf = GreyWithRedSquare();
  swf.Tag(tag::kDefineButton2, DefineButton2Body(10, {{15, 1, 1, {}, {}, {}}}, {}));
  PlaceObject place;
  place.depth = 1;
  place.character = 10;
  place.name = "b";
  swf.Tag(tag::kPlaceObject2, PlaceObject2Body(place));
  Code script = SetMember(Var("b"), "blendMode", Str("add"));
  script.Append(SetMember(Var("b"), "filters", ArrayOf({WhiteGlow()})));
  script.Append(Trace(Member(Var("b"), "blendMode")));
  script.Append(Trace(Member(Member(Member(Var("b"), "filters"), "0"), "blurX")));
  swf.Tag(tag::kDoAction, DoActionBody(script.Bytes()));
  swf.ShowFrame();
  auto movie = std::make_shared<const Movie>(DecodeMovie(swf.Finish(false)));
  std::vector<std::string> lines;
  Runtime runtime(movie, {[&](const std::string& l) { lines.push_back(l); }, {}});
  PixelBuffer out(kSize, kSize);
  movie::Renderer(movie).Render(runtime.Player(), out.View());
  EXPECT_EQ(lines, (std::vector<std::string>{"add", "4"}));
  EXPECT_EQ(out.At(10, 10), MakePixel(0xFF, 0x80, 0x80)) << "red added to grey";
  EXPECT_GT(PixelG(out.At(4, 10)), 0xA0) << "the white glow added to grey";
}

// A text field's filters draw as a clip's do; reading them gives copies.
TEST(Avm1Effects, TextFieldsDrawTheirFilters) {
  Code field;
  field.Append(SetMember(Var("s"), "_visible", Num(0)));
  field.Append(Statement(
      Method(This(), "createTextField", {Str("t"), Num(5), Num(5), Num(5), Num(10), Num(10)})));
  field.Append(SetMember(Var("t"), "background", Num(1)));
  Code glowing = field;
  glowing.Append(SetMember(Var("t"), "filters", ArrayOf({WhiteGlow(), Num(1)})));
  glowing.Append(SetMember(Member(Member(Var("t"), "filters"), "0"), "color", Num(0)));
  auto plainMovie = EffectsMovie(field);
  PixelBuffer plain = Render(plainMovie);
  PixelBuffer lit = Render(EffectsMovie(glowing));
  EXPECT_EQ(plain.At(4, 10), kGrey);
  EXPECT_GT(PixelG(lit.At(4, 10)), 0xA0) << "the white glow beside the field's box";
  EXPECT_EQ(lit.At(10, 10), plain.At(10, 10)) << "inside the box";
}

// The "effects" sample: its script's glow lights the stage round the
// first disc, and the tinted disc turns blue.
TEST(Avm1Effects, TheEffectsSampleShowsWhatItsScriptSets) {
  auto movie = std::make_shared<const swf::Movie>(
      swf::DecodeMovie(mkswf::FindMovieKind("effects")->build(false)));
  Runtime runtime(movie, {});
  PixelBuffer out(mkswf::kStageWidth, mkswf::kStageHeight);
  movie::Renderer(movie).Render(runtime.Player(), out.View());
  const Pixel background = MakePixel(0x10, 0x20, 0x48);
  EXPECT_EQ(out.At(5, 5), background);
  EXPECT_GT(PixelR(out.At(35, 85)), 0x60) << "the white glow beside the glowing disc";
  const Pixel tinted = out.At(265, 85);
  EXPECT_GT(PixelB(tinted), PixelR(tinted)) << "the orange disc tinted blue";
}

}  // namespace
}  // namespace kestrova::avm1
