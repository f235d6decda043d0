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
