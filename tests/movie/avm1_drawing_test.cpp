// The MovieClip drawing API on small movies written in code: what the
// scripts draw shows through the renderer, in the clip's space and beneath
// its children, and counts for the clip's size.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "movie/avm1/runtime.h"
#include "movie/player/renderer.h"
#include "movie/swf/decoder.h"
#include "tests/movie/action_code.h"
#include "tests/movie/swf_test_movies.h"

namespace kestrova::avm1 {
namespace {

using swf::testing::Stage;
using testing::Code;

// One argument: a number, a string or code that pushes one value.
struct A {
  A(double number) : n(number) {}
  A(const char* string) : s(string) {}
  A(const Code& pushes) : code(pushes), raw(true) {}
  double n = 0;
  const char* s = nullptr;
  Code code;
  bool raw = false;
};

Code& Push(Code& c, const A& a) {
  if (a.raw) return c.Append(a.code);
  return a.s ? c.Str(a.s) : c.Num(a.n);
}

// `path` is a clip variable, "c" or "c.d".
Code& Clip(Code& c, const std::string& path) {
  size_t dot = path.find('.');
  c.Str(path.substr(0, dot)).Op(0x1C);
  if (dot != std::string::npos) c.Str(path.substr(dot + 1)).Op(0x4E);
  return c;
}

Code& Call(Code& c, const std::string& path, const char* method, const std::vector<A>& args) {
  for (auto it = args.rbegin(); it != args.rend(); ++it) Push(c, *it);
  c.Num(double(args.size()));
  Clip(c, path).Str(method).Op(0x52).Op(0x17);
  return c;
}

Code& Rect(Code& c, const std::string& path, double x0, double y0, double x1, double y1) {
  Call(c, path, "moveTo", {x0, y0});
  Call(c, path, "lineTo", {x1, y0});
  Call(c, path, "lineTo", {x1, y1});
  return Call(c, path, "lineTo", {x0, y1});  // endFill closes it
}

Code& TraceMember(Code& c, const std::string& path, const char* name) {
  return Clip(c, path).Str(name).Op(0x4E).Trace();
}

Code ArrayOf(const std::vector<double>& items) {
  Code c;
  for (auto it = items.rbegin(); it != items.rend(); ++it) c.Num(*it);
  return c.Num(double(items.size())).Op(0x42);
}

struct Played {
  std::vector<std::string> lines;
  PixelBuffer pixels{100, 100};
  uint64_t changes = 0;
};

// A 100 x 100 pixel stage drawn one to one after `frames` frames, each of
// one DoAction.
Played Play(const std::vector<Code>& frames) {
  swf::SwfWriter swf(8, Stage(100, 100), 10);
  for (const Code& code : frames) {
    swf.Tag(swf::tag::kDoAction, swf::DoActionBody(code.Bytes()));
    swf.ShowFrame();
  }
  auto movie = std::make_shared<const swf::Movie>(swf::DecodeMovie(swf.Finish(false)));
  Played out;
  RuntimeOutput output{[&](const std::string& l) { out.lines.push_back(l); },
                       [&](const std::string& w) { out.lines.push_back("warning: " + w); }};
  Runtime runtime(movie, output);
  for (size_t f = 1; f < frames.size(); ++f) {
    out.changes = runtime.Player().Changes();
    runtime.Advance();
  }
  movie::Renderer(movie).Render(runtime.Player(), out.pixels.View());
  return out;
}

Pixel At(const Played& p, int x, int y) { return p.pixels.View().At(x, y); }

constexpr Pixel kWhite = 0xFFFFFFFF;
constexpr Pixel kRed = 0xFFFF0000;
constexpr Pixel kBlue = 0xFF0000FF;
constexpr Pixel kBlack = 0xFF000000;

Code NewClip(const char* name, int depth, double x) {
  Code c;
  Call(c, "_root", "createEmptyMovieClip", {name, double(depth)});
  return Clip(c, name).Str("_x").Num(x).Op(0x4F);
}

TEST(Avm1Drawing, FillsAndLinesDrawInTheClipsSpaceBeneathItsChildren) {
  Code c = NewClip("c", 1, 10);
  Call(c, "c", "createEmptyMovieClip", {"d", 1.0});
  Call(c, "c.d", "beginFill", {0.0});
  Rect(c, "c.d", 0, 0, 10, 10);
  Call(c, "c.d", "endFill", {});
  Call(c, "c", "beginFill", {double(0xFF0000), 100.0});
  Rect(c, "c", 0, 0, 40, 40);
  Call(c, "c", "endFill", {});
  Call(c, "c", "beginFill", {double(0x0000FF), 50.0});
  Rect(c, "c", 50, 50, 60, 60);
  Call(c, "c", "lineStyle", {4.0, double(0x0000FF), 100.0});
  Call(c, "c", "moveTo", {50.0, 10.0});
  Call(c, "c", "lineTo", {80.0, 10.0});
  Call(c, "c", "lineStyle", {0.0, 0.0});  // a hairline
  Call(c, "c", "moveTo", {50.0, 30.5});
  Call(c, "c", "lineTo", {80.0, 30.5});
  Call(c, "c", "lineStyle", {});  // lines off: the pen only moves
  Call(c, "c", "moveTo", {50.0, 40.0});
  Call(c, "c", "lineTo", {80.0, 40.0});
  Played p = Play({c});
  EXPECT_EQ(At(p, 30, 20), kRed);
  EXPECT_EQ(At(p, 15, 5), kBlack) << "the child lies over its parent's drawing";
  EXPECT_EQ(At(p, 5, 20), kWhite) << "drawn at the clip's _x";
  EXPECT_EQ(At(p, 75, 10), kBlue);
  EXPECT_EQ(At(p, 75, 13), kWhite) << "4 pixels wide";
  EXPECT_EQ(At(p, 75, 30), kBlack) << "a hairline covers one pixel";
  EXPECT_EQ(At(p, 75, 40), kWhite);
  const Pixel half = At(p, 65, 55);
  EXPECT_NEAR(PixelR(half), 127, 2) << "alpha 50";
  EXPECT_EQ(PixelB(half), 255);
}

TEST(Avm1Drawing, FillsCloseAtEndFillTheNextFillOrAJumpAndCurvesBend) {
  Code c = NewClip("c", 1, 0);
  Call(c, "c", "beginFill", {double(0xFF0000)});
  Call(c, "c", "moveTo", {0.0, 0.0});
  Call(c, "c", "lineTo", {40.0, 0.0});
  Call(c, "c", "lineTo", {40.0, 40.0});  // a triangle left open
  Call(c, "c", "moveTo", {60.0, 0.0});   // another contour of the same fill
  Call(c, "c", "lineTo", {100.0, 0.0});
  Call(c, "c", "lineTo", {100.0, 40.0});
  Call(c, "c", "beginFill", {double(0x0000FF)});  // closes the red one
  Call(c, "c", "moveTo", {0.0, 100.0});
  Call(c, "c", "curveTo", {50.0, 0.0, 100.0, 100.0});
  Call(c, "c", "endFill", {});
  Played p = Play({c});
  EXPECT_EQ(At(p, 35, 10), kRed);
  EXPECT_EQ(At(p, 10, 35), kWhite) << "beyond the closing diagonal";
  EXPECT_EQ(At(p, 95, 10), kRed);
  EXPECT_EQ(At(p, 65, 35), kWhite);
  EXPECT_EQ(At(p, 50, 90), kBlue);
  EXPECT_EQ(At(p, 50, 45), kWhite) << "the curve's top is at y 50";
  EXPECT_EQ(At(p, 50, 55), kBlue);
}

TEST(Avm1Drawing, GradientFillsRampAcrossTheirBox) {
  Code c = NewClip("c", 1, 0);
  Code box;
  box.Str("matrixType").Str("box").Str("x").Num(0).Str("y").Num(0);
  box.Str("w").Num(100).Str("h").Num(100).Str("r").Num(0).Num(6).Op(0x43);
  Call(c, "c", "beginGradientFill",
       {"linear", ArrayOf({double(0xFF0000), double(0x0000FF)}), ArrayOf({100, 100}),
        ArrayOf({0, 255}), box});
  Rect(c, "c", 0, 0, 100, 50);
  Code matrix;  // the gradient square scaled to 100 pixels around (50, 75)
  matrix.Str("a").Num(100 / 1638.4).Str("b").Num(0).Str("c").Num(0).Str("d").Num(100 / 1638.4);
  matrix.Str("tx").Num(50).Str("ty").Num(75).Num(6).Op(0x43);
  Call(c, "c", "beginGradientFill",
       {"radial", ArrayOf({0, double(0xFFFFFF)}), ArrayOf({100, 100}), ArrayOf({0, 255}), matrix});
  Rect(c, "c", 0, 50, 100, 100);
  Call(c, "c", "beginGradientFill",
       {"conic", ArrayOf({0}), ArrayOf({100}), ArrayOf({0}), matrix});  // no such type
  Rect(c, "c", 0, 0, 5, 5);
  Call(c, "c", "endFill", {});
  Played p = Play({c});
  EXPECT_GT(PixelR(At(p, 2, 20)), 240);
  EXPECT_GT(PixelB(At(p, 97, 20)), 240);
  EXPECT_NEAR(PixelR(At(p, 50, 20)), 128, 8);
  EXPECT_NEAR(PixelB(At(p, 50, 20)), 128, 8);
  EXPECT_LT(PixelR(At(p, 50, 75)), 10) << "black at the centre";
  EXPECT_GT(PixelR(At(p, 50, 98)), 100) << "lighter outwards";
}

// A red-to-blue linear fill over the whole stage with the matrix `matrix`
// (code that pushes it) pushes.
Played RedToBlue(const Code& setup, const Code& matrix) {
  Code c = NewClip("c", 1, 0);
  c.Append(setup);
  Call(c, "c", "beginGradientFill",
       {"linear", ArrayOf({double(0xFF0000), double(0x0000FF)}), ArrayOf({100, 100}),
        ArrayOf({0, 255}), matrix});
  Rect(c, "c", 0, 0, 100, 100);
  Call(c, "c", "endFill", {});
  return Play({c});
}

void ExpectRampAcrossX(const Played& p) {
  EXPECT_GT(PixelR(At(p, 2, 50)), 240);
  EXPECT_GT(PixelB(At(p, 97, 50)), 240);
  EXPECT_NEAR(PixelR(At(p, 50, 50)), 128, 8);
  EXPECT_NEAR(PixelR(At(p, 50, 10)), PixelR(At(p, 50, 90)), 1) << "the same down a column";
}

TEST(Avm1Drawing, GradientMatricesOfFlashMxAndOfFlashGeom) {
  Code mx;  // the 3 x 3 form maps the unit square: 100 pixels around (50, 50)
  mx.Str("a").Num(100).Str("b").Num(0).Str("d").Num(0).Str("e").Num(100);
  mx.Str("g").Num(50).Str("h").Num(50).Num(6).Op(0x43);
  SCOPED_TRACE("3 x 3");
  ExpectRampAcrossX(RedToBlue({}, mx));

  Code box;  // m = new flash.geom.Matrix(); m.createGradientBox(100, 100)
  box.Str("m").Num(0).Str("flash").Op(0x1C).Str("geom").Op(0x4E).Str("Matrix").Op(0x53).Op(0x1D);
  box.Num(100).Num(100).Num(2).Str("m").Op(0x1C).Str("createGradientBox").Op(0x52).Op(0x17);
  SCOPED_TRACE("createGradientBox");
  ExpectRampAcrossX(RedToBlue(box, Code().Str("m").Op(0x1C)));

  Code turned;  // a quarter turn about the box's centre: the ramp runs down
  turned.Append(box);
  turned.Num(0).Num(0).Num(3.14159265358979 / 2).Num(100).Num(100).Num(5);
  turned.Str("m").Op(0x1C).Str("createGradientBox").Op(0x52).Op(0x17);
  Played down = RedToBlue(turned, Code().Str("m").Op(0x1C));
  EXPECT_GT(PixelR(At(down, 50, 2)), 240);
  EXPECT_GT(PixelB(At(down, 50, 97)), 240);
}

// A linear fill from left to right over the stage, of the arrays given.
Played ArraysFill(const Code& colours, const Code& alphas, const Code& ratios) {
  Code c = NewClip("c", 1, 0);
  Code box;
  box.Str("matrixType").Str("box").Str("x").Num(0).Str("y").Num(0);
  box.Str("w").Num(100).Str("h").Num(100).Str("r").Num(0).Num(6).Op(0x43);
  Call(c, "c", "beginGradientFill", {"linear", colours, alphas, ratios, box});
  Rect(c, "c", 0, 0, 100, 100);
  Call(c, "c", "endFill", {});
  return Play({c});
}

TEST(Avm1Drawing, GradientStopsTakeOnlyNumbersAndRefuseRatiosOutOfRange) {
  const Code blues = ArrayOf({double(0x0000FF), double(0x0000FF)});
  const Code opaque = ArrayOf({100, 100}), ramp = ArrayOf({0, 255});
  Played text = ArraysFill(Code().Num(0x0000FF).Str("255").Num(2).Op(0x42), opaque, ramp);
  EXPECT_LT(PixelB(At(text, 1, 50)), 10) << "a colour given as text is 0";
  EXPECT_GT(PixelB(At(text, 98, 50)), 245);
  Played hole = ArraysFill(blues, Code().Num(100).Undefined().Num(2).Op(0x42), ramp);
  EXPECT_GT(PixelR(At(hole, 1, 50)), 240) << "an undefined alpha is transparent";
  EXPECT_LT(PixelR(At(hole, 98, 50)), 10);
  EXPECT_EQ(At(ArraysFill(blues, opaque, ArrayOf({0, 256})), 50, 50), kWhite)
      << "a ratio past 255 refuses the fill";
  EXPECT_EQ(At(ArraysFill(blues, opaque, ArrayOf({-1, 255})), 50, 50), kWhite);
  EXPECT_EQ(At(ArraysFill(blues, opaque, ArrayOf({0, 255.8})), 50, 50), kBlue) << "255.8 is 255";
  EXPECT_EQ(At(ArraysFill(ArrayOf({}), ArrayOf({}), ArrayOf({})), 50, 50), kBlack)
      << "no stops paint black";
}

TEST(Avm1Drawing, GradientArraysAreReadAsFlashPlayerReadsThem) {
  // A colours object whose length counts down from 7 each time it is read.
  Code setup;
  setup.Str("n").Num(8).Op(0x1D);
  Code countDown;
  countDown.Str("n").Str("n").Op(0x1C).Num(1).Op(0x0B).Op(0x1D).Str("n").Op(0x1C).Op(0x3E);
  setup.Str("len").Num(0).Op(0x43).Op(0x1D);
  setup.Str("len").Op(0x1C).Str("valueOf").Function("", countDown).Op(0x4F);
  setup.Str("cs").Num(0).Op(0x43).Op(0x1D);
  setup.Str("cs").Op(0x1C).Str("length").Str("len").Op(0x1C).Op(0x4F);
  for (int i = 0; i < 7; ++i) setup.Str("cs").Op(0x1C).Num(i).Num(double(0x0000FF)).Op(0x4F);
  Code c = NewClip("c", 1, 0);
  c.Append(setup);
  Code box;
  box.Str("matrixType").Str("box").Str("x").Num(0).Str("y").Num(0);
  box.Str("w").Num(100).Str("h").Num(100).Str("r").Num(0).Num(6).Op(0x43);
  Call(c, "c", "beginGradientFill",
       {"linear", Code().Str("cs").Op(0x1C), ArrayOf({100, 100, 100, 100, 100, 100, 100}),
        ArrayOf({0, 10, 20, 30, 40, 50, 60}), box});
  Rect(c, "c", 0, 0, 100, 100);
  Call(c, "c", "endFill", {});
  Played counted = Play({c});
  EXPECT_EQ(At(counted, 2, 50), kBlue);
  EXPECT_EQ(At(counted, 50, 50), kWhite) << "the stops not reached are transparent";

  // An alpha the array does not hold is the colour's number: 50 here.
  Played noAlphas =
      ArraysFill(ArrayOf({50, 50}), Code().Str("length").Num(2).Num(1).Op(0x43), ArrayOf({0, 255}));
  EXPECT_NEAR(PixelR(At(noAlphas, 50, 50)), 128, 2);
  EXPECT_NEAR(PixelB(At(noAlphas, 50, 50)), 128 + 25, 2);

  // Ratios the array does not hold are the alpha's number: 100.
  Played holes = ArraysFill(ArrayOf({double(0xFF0000), double(0x0000FF)}), ArrayOf({100, 100}),
                            Code().Str("length").Num(2).Num(1).Op(0x43));
  EXPECT_EQ(At(holes, 20, 50), kRed);
  EXPECT_EQ(At(holes, 80, 50), kBlue);
}

// c: red over the stage; m: blue over the left half, the mask of c.
Code MaskedScene() {
  Code c = NewClip("c", 1, 0);
  Call(c, "c", "beginFill", {double(0xFF0000)});
  Rect(c, "c", 0, 0, 100, 100);
  Call(c, "c", "endFill", {});
  c.Append(NewClip("m", 2, 0));
  Call(c, "m", "beginFill", {double(0x0000FF)});
  Rect(c, "m", 0, 0, 50, 100);
  Call(c, "m", "endFill", {});
  Call(c, "c", "setMask", {Code().Str("m").Op(0x1C)});
  return c;
}

TEST(Avm1Drawing, AScriptsMaskShowsTheClipOnlyInsideItAndIsNotDrawn) {
  Played masked = Play({MaskedScene()});
  EXPECT_EQ(At(masked, 25, 50), kRed) << "inside the mask, the mask itself not drawn";
  EXPECT_EQ(At(masked, 75, 50), kWhite);

  Code moved;
  Clip(moved, "m").Str("_x").Num(50).Op(0x4F);
  Played followed = Play({MaskedScene(), moved});
  EXPECT_EQ(At(followed, 25, 50), kWhite) << "the mask is where its clip is now";
  EXPECT_EQ(At(followed, 75, 50), kRed);

  Code unmasked;
  Call(unmasked, "c", "setMask", {Code().Record(0x96, {2})});  // null
  Played whole = Play({MaskedScene(), unmasked});
  EXPECT_EQ(At(whole, 75, 50), kRed);
  EXPECT_EQ(At(whole, 25, 50), kBlue) << "no longer a mask: drawn again";

  Code removed;
  Call(removed, "m", "removeMovieClip", {});
  EXPECT_EQ(At(Play({MaskedScene(), removed}), 75, 50), kRed) << "its mask gone, the clip is whole";
}

// a (red, the left half) is a clip layer over b (blue, the lower half); c
// takes a as its mask and gives it back.
TEST(Avm1Drawing, AClipLayerMadeAScriptsMaskStaysAnOrdinaryClipAfterwards) {
  swf::SwfWriter swf(6, Stage(100, 100), 10);
  auto shapeSprite = [&](uint16_t id, int32_t x0, int32_t y0, int32_t x1, int32_t y1, Pixel c) {
    swf::ShapeBuilder shape;
    shape.Rect(x0, y0, x1, y1, shape.AddFill(swf::testing::Solid(c)));
    swf.Tag(swf::tag::kDefineShape3, swf::DefineShapeBody(id, shape, 3));
    swf::TagStream inner;
    inner.Tag(swf::tag::kPlaceObject2, swf::testing::PlaceBody(1, id));
    inner.ShowFrame();
    swf.Tag(swf::tag::kDefineSprite, swf::DefineSpriteBody(uint16_t(id + 10), inner));
  };
  shapeSprite(1, 0, 0, 1000, 2000, kRed);
  shapeSprite(2, 0, 1000, 2000, 2000, kBlue);
  shapeSprite(3, 1400, 0, 1800, 400, kBlack);
  const char* names[] = {"a", "b", "c"};
  for (uint16_t depth = 1; depth <= 3; ++depth) {
    swf::PlaceObject place;
    place.depth = depth;
    place.character = uint16_t(depth + 10);
    place.name = names[depth - 1];
    if (depth == 1) place.clipDepth = 2;
    swf.Tag(swf::tag::kPlaceObject2, swf::PlaceObject2Body(place));
  }
  Code code;
  Call(code, "c", "setMask", {Code().Str("a").Op(0x1C)});
  Call(code, "c", "setMask", {Code().Record(0x96, {2})});
  swf.Tag(swf::tag::kDoAction, swf::DoActionBody(code.Bytes()));
  swf.ShowFrame();
  auto movie = std::make_shared<const swf::Movie>(swf::DecodeMovie(swf.Finish(false)));
  Runtime runtime(movie, RuntimeOutput{});
  PixelBuffer pixels(100, 100);
  movie::Renderer(movie).Render(runtime.Player(), pixels.View());
  EXPECT_EQ(pixels.View().At(25, 25), kRed) << "a is drawn";
  EXPECT_EQ(pixels.View().At(75, 75), kBlue) << "b is no longer cut by a";
  EXPECT_EQ(pixels.View().At(80, 10), kBlack) << "c is whole again";
}

TEST(Avm1Drawing, TheDrawingCountsForTheClipsSizeAndClearEmptiesIt) {
  Code c = NewClip("c", 1, 10);
  Call(c, "c", "beginFill", {double(0xFF0000)});
  Rect(c, "c", 0, 0, 40, 30);
  Call(c, "c", "endFill", {});
  Call(c, "c", "lineStyle", {4.0});
  Call(c, "c", "moveTo", {0.0, 50.0});
  Call(c, "c", "curveTo", {30.0, 70.0, 60.0, 50.0});  // its lowest point is y 60
  TraceMember(c, "c", "_width");
  TraceMember(c, "c", "_height");
  c.Num(0);
  Clip(c, "c").Str("getBounds").Op(0x52);
  c.Str("xMax").Op(0x4E).Trace();
  auto hitTest = [](Code& code) {  // the stage point (30, 20)
    code.Num(20).Num(30).Num(2);
    Clip(code, "c").Str("hitTest").Op(0x52).Trace();
  };
  hitTest(c);
  Code later;
  Call(later, "c", "clear", {});
  TraceMember(later, "c", "_width");
  hitTest(later);
  Played p = Play({c, later});
  EXPECT_EQ(p.lines, (std::vector<std::string>{"64", "62", "62", "true", "0", "false"}));
  EXPECT_EQ(At(p, 30, 20), kWhite) << "cleared";
  EXPECT_GT(p.changes, 0u);
}

TEST(Avm1Drawing, TheRootDrawsAndCoercionsThatRemoveTheClipAreSafe) {
  Code c;
  Call(c, "_root", "beginFill", {double(0x0000FF)});
  Rect(c, "_root", 0, 0, 20, 20);
  Call(c, "_root", "endFill", {});
  // A colour whose valueOf removes the clip being drawn into.
  Code d = NewClip("d", 1, 0);
  Code remover;
  remover.Num(0).Str("d").Op(0x1C).Str("removeMovieClip").Op(0x52).Op(0x17).Num(255).Op(0x3E);
  Code valueOf;
  valueOf.Str("o").Num(0).Op(0x43).Op(0x3C);  // var o = {}
  valueOf.Str("o").Op(0x1C).Str("valueOf").Function("", remover).Op(0x4F);
  c.Append(d).Append(valueOf);
  Call(c, "d", "beginFill", {Code().Str("o").Op(0x1C)});
  Rect(c, "d", 50, 50, 60, 60);
  Played p = Play({c});
  EXPECT_EQ(At(p, 10, 10), kBlue);
  EXPECT_EQ(At(p, 55, 55), kWhite);
}

TEST(Avm1Drawing, OneRendererFollowsDrawingsThatMoveAndChange) {
  Code first = NewClip("c", 1, 0);
  Call(first, "c", "beginFill", {double(0xFF0000)});
  Rect(first, "c", 0, 0, 20, 20);
  Code moved;
  Clip(moved, "c").Str("_x").Num(50).Op(0x4F);
  Code redrawn;
  Call(redrawn, "c", "clear", {});
  Call(redrawn, "c", "beginFill", {double(0x0000FF)});
  Rect(redrawn, "c", 0, 0, 20, 20);
  swf::SwfWriter swf(8, Stage(100, 100), 10);
  for (const Code* code : {&first, &moved, &redrawn}) {
    swf.Tag(swf::tag::kDoAction, swf::DoActionBody(code->Bytes()));
    swf.ShowFrame();
  }
  auto movie = std::make_shared<const swf::Movie>(swf::DecodeMovie(swf.Finish(false)));
  Runtime runtime(movie, RuntimeOutput{});
  movie::Renderer kept(movie);
  PixelBuffer pixels(100, 100);
  auto at = [&](int x, int y) { return pixels.View().At(x, y); };
  kept.Render(runtime.Player(), pixels.View());
  EXPECT_EQ(at(10, 10), kRed);
  runtime.Advance();
  kept.Render(runtime.Player(), pixels.View());
  EXPECT_EQ(at(10, 10), kWhite);
  EXPECT_EQ(at(60, 10), kRed);
  runtime.Advance();
  kept.Render(runtime.Player(), pixels.View());
  EXPECT_EQ(at(60, 10), kBlue);
}

TEST(Avm1Drawing, DuplicatesCopyTheDrawingAndDrawOnByThemselves) {
  Code c = NewClip("c", 1, 10);
  Call(c, "c", "beginFill", {double(0xFF0000)});
  Rect(c, "c", 0, 0, 30, 30);
  Call(c, "c", "endFill", {});
  Call(c, "c", "lineStyle", {2.0, double(0x0000FF)});
  Call(c, "c", "moveTo", {0.0, 40.0});
  Call(c, "c", "duplicateMovieClip", {"d", 2.0});
  Clip(c, "d").Str("_x").Num(60).Op(0x4F);
  TraceMember(c, "d", "_width");
  Call(c, "d", "lineTo", {30.0, 40.0});  // the copy keeps the pen and the line style
  Call(c, "c", "clear", {});             // and is not cleared with its source
  Played p = Play({c});
  EXPECT_EQ(p.lines, (std::vector<std::string>{"30"}));
  EXPECT_EQ(At(p, 75, 15), kRed);
  EXPECT_EQ(At(p, 75, 40), kBlue);
  EXPECT_EQ(At(p, 20, 15), kWhite) << "the source was cleared";
}

TEST(Avm1Drawing, AllDrawingsShareOneBudgetOfEdges) {
  size_t edges = movie::kMaxDrawnEdges - 1;
  {
    movie::Drawing d(edges);
    d.SetLine(swf::LineStyle{});
    d.LineTo({{20}, {0}});
    d.LineTo({{20}, {20}});  // over the budget: not kept
    EXPECT_EQ(d.Shape().edges.size(), 1u);
    EXPECT_EQ(edges, movie::kMaxDrawnEdges);
    d.Clear();
    EXPECT_EQ(edges, movie::kMaxDrawnEdges - 1);
    EXPECT_FALSE(d.Bounds());
    d.SetLine(swf::LineStyle{});
    d.LineTo({{40}, {0}});
    EXPECT_EQ(edges, movie::kMaxDrawnEdges);
  }
  EXPECT_EQ(edges, movie::kMaxDrawnEdges - 1) << "a drawing gone gives its edges back";
  {
    movie::Drawing source(edges), copy(edges);
    source.SetLine(swf::LineStyle{});
    source.LineTo({{20}, {0}});
    copy.CopyFrom(source);  // would pass the budget: nothing copied
    EXPECT_TRUE(copy.Empty());
    edges -= 10;
    copy.CopyFrom(source);
    EXPECT_EQ(copy.Shape().edges.size(), 1u);
    EXPECT_EQ(edges, movie::kMaxDrawnEdges - 9);
    edges += 10;
  }
  EXPECT_EQ(edges, movie::kMaxDrawnEdges - 1) << "a copy gives its edges back too";
}

}  // namespace
}  // namespace kestrova::avm1
