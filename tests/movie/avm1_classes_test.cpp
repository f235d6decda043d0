// The interpreter's player classes and orders as movies see them: the
// classes a screensaver does not use are present and harmless, addition
// of objects by version, the order Array.sort calls a comparator in,
// constructors seen from inside, and how sprites end and tick.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "movie/avm1/runtime.h"
#include "movie/swf/decoder.h"
#include "tests/movie/action_code.h"
#include "tests/movie/swf_test_movies.h"
#include "tests/movie/trace_lines.h"

namespace kestrova::avm1 {
namespace {

using swf::testing::Stage;
using testing::Code;

std::vector<std::string> RunMovie(swf::SwfWriter& swf, int frames) {
  return testing::TraceLines(swf, frames);
}

std::vector<std::string> Play(int version, const Code& code) {
  swf::SwfWriter swf(static_cast<uint8_t>(version), Stage(100, 100), 10);
  swf.Tag(swf::tag::kDoAction, swf::DoActionBody(code.Bytes()));
  swf.ShowFrame();
  return RunMovie(swf, 1);
}

std::vector<std::string> Lines(std::initializer_list<const char*> l) {
  return {l.begin(), l.end()};
}

Code& GetVar(Code& c, const std::string& name) { return c.Str(name).Op(0x1C); }
Code& TypeOfTrace(Code& c) { return c.Op(0x44).Trace(); }

TEST(Avm1PlayerClasses, PresentAndHarmless) {
  Code code;
  TypeOfTrace(GetVar(code, "Sound"));
  TypeOfTrace(GetVar(code, "Key"));
  TypeOfTrace(GetVar(code, "Function").Str("prototype").Op(0x4E));
  code.Str("boom").Num(1).Str("Error").Op(0x40).Trace();  // new Error("boom")
  // new Sound().setVolume(5): does nothing, says nothing
  code.Num(5).Num(1).Num(0).Str("Sound").Op(0x40).Str("setVolume").Op(0x52).Trace();
  TypeOfTrace(GetVar(code, "flash"));
  EXPECT_EQ(Play(7, code),
            Lines({"function", "object", "object", "boom", "undefined", "undefined"}));
  Code filter;
  // new flash.filters.BlurFilter(10).blurX, and its default blurY
  GetVar(filter, "flash").Str("filters").Op(0x4E).Str("BlurFilter").Op(0x4E);
  filter.Str("ctor").Op(0x4D).Op(0x1D);
  filter.Num(10).Num(1).Str("ctor").Op(0x40).Str("f").Op(0x4D).Op(0x1D);
  GetVar(filter, "f").Str("blurX").Op(0x4E).Trace();
  GetVar(filter, "f").Str("blurY").Op(0x4E).Trace();
  EXPECT_EQ(Play(8, filter), Lines({"10", "4"}));
}

TEST(Avm1Bitmaps, PixelsReadBackAndTheMovieHasAPixelBudget) {
  Code code;
  auto make = [&](const char* var, double w, double h, double fill) {
    // var = new flash.display.BitmapData(w, h, t, fill)
    code.Str(var).Num(fill).Str("t").Op(0x1C).Num(h).Num(w).Num(4);
    GetVar(code, "flash").Str("display").Op(0x4E).Str("BitmapData").Op(0x53).Op(0x1D);
  };
  code.Str("t").Num(0).Op(0x3C);  // t = false: opaque
  make("a", 4, 4, -65536);        // 0xFFFF0000
  code.Num(1).Num(2).Num(2);
  GetVar(code, "a").Str("getPixel32").Op(0x52).Trace();
  for (const char* big : {"b", "c", "d", "e", "f"}) {
    make(big, 2880, 2880, 0);
    GetVar(code, big).Str("width").Op(0x4E).Trace();
  }
  EXPECT_EQ(Play(8, code),
            Lines({"-65536", "2880", "2880", "2880", "2880",
                   "warning: bitmaps of more than 32 M pixels; no more were made", "-1"}));
}

TEST(Avm1Matrix, TransformsComposeInFlashPlayersOrder) {
  Code code;
  auto call = [&](const char* method, std::vector<double> args) {
    for (auto it = args.rbegin(); it != args.rend(); ++it) code.Num(*it);
    code.Num(double(args.size()));
    GetVar(code, "m").Str(method).Op(0x52).Op(0x17);
  };
  code.Str("m").Num(0);  // m = new flash.geom.Matrix()
  GetVar(code, "flash").Str("geom").Op(0x4E).Str("Matrix").Op(0x53).Op(0x1D);
  call("scale", {2, 3});
  call("translate", {1, 2});
  GetVar(code, "m").Op(0x26);              // (a=2, b=0, c=0, d=3, tx=1, ty=2)
  call("rotate", {3.14159265358979 / 2});  // after the scale: the rows swap
  GetVar(code, "m").Str("b").Op(0x4E).Trace();
  GetVar(code, "m").Str("c").Op(0x4E).Trace();
  call("createBox", {2, 3, 0, 5, 6});
  call("invert", {});
  GetVar(code, "m").Op(0x26);  // (a=0.5, b=0, c=0, d=0.333..., tx=-2.5, ty=-2)
  // m.transformPoint(new flash.geom.Point(5, 6)).x: back through the inverse
  code.Num(6).Num(5).Num(2);
  GetVar(code, "flash").Str("geom").Op(0x4E).Str("Point").Op(0x53);
  code.Num(1);
  GetVar(code, "m").Str("transformPoint").Op(0x52).Str("x").Op(0x4E).Trace();
  call("createGradientBox", {200, 100, 0, 10, 20});
  GetVar(code, "m").Str("tx").Op(0x4E).Trace();
  GetVar(code, "m").Str("a").Op(0x4E).Num(1638.4).Op(0x0C).Trace();
  EXPECT_EQ(Play(8, code),
            Lines({"(a=2, b=0, c=0, d=3, tx=1, ty=2)", "2", "-3",
                   "(a=0.5, b=0, c=0, d=0.333333333333333, tx=-2.5, ty=-2)", "0", "110", "200"}));
}

TEST(Avm1Coercion, ObjectsInAdditionFollowTheVersion) {
  Code toString;
  toString.Str("X").Op(0x3E);
  Code code;
  code.Str("o").Str("toString").Function("", toString).Num(1).Op(0x43).Op(0x1D);
  GetVar(code, "o");
  GetVar(code, "o").Op(0x47).Trace();  // o + o
  code.Str("s");
  GetVar(code, "o").Op(0x47).Trace();  // "s" + o
  EXPECT_EQ(Play(6, code), Lines({"XX", "sX"}));
  EXPECT_EQ(Play(7, code), Lines({"NaN", "sX"}));
}

TEST(Avm1Sort, TheComparatorSeesThePivotFirst) {
  auto argument = [](Code& c, double i) -> Code& { return GetVar(c, "arguments").Num(i).Op(0x4E); };
  Code compare;  // trace(a); return a - b
  argument(compare, 0).Trace();
  argument(compare, 0);
  argument(compare, 1).Op(0x0B).Op(0x3E);
  Code code;
  code.Function("", compare).Num(1);
  code.Num(2).Num(1).Num(0).Num(3).Op(0x42);  // [0, 1, 2]
  code.Str("sort").Op(0x52).Trace();
  EXPECT_EQ(Play(7, code), Lines({"0", "0", "0", "1", "0,1,2"}));

  Code flags;
  auto letters = [](Code& c) -> Code& {
    return c.Str("a").Str("c").Str("a").Str("b").Num(4).Op(0x42);
  };
  flags.Num(2).Num(1);
  letters(flags).Str("sort").Op(0x52).Trace();  // descending
  flags.Num(4).Num(1);
  letters(flags).Str("sort").Op(0x52).Trace();  // unique: there are equal items
  flags.Num(0);
  letters(flags).Str("sort").Op(0x52).Trace();
  EXPECT_EQ(Play(7, flags), Lines({"c,b,a,a", "0", "a,a,b,c"}));
}

TEST(Avm1Constructors, AFunctionKnowsWhetherNewCalledIt) {
  Code body;
  body.Call("isNew").Trace();
  Code code;
  code.Str("isNew").Num(0).Num(2).Num(2).Str("ASnative").Op(0x3D).Op(0x1D);
  code.Function("f", body).Call("f").Op(0x17);
  code.Num(0).Str("f").Op(0x40).Op(0x17);
  code.Call("isNew").Trace();
  EXPECT_EQ(Play(8, code), Lines({"false", "true", "false"}));
}

// A DefineSprite body: id, frame count, then tags.
struct Sprite {
  std::vector<uint8_t> bytes;
  explicit Sprite(uint16_t id) : bytes{uint8_t(id), uint8_t(id >> 8), 1, 0} {}
  Sprite& Tag(uint16_t code, const std::vector<uint8_t>& body) {
    uint16_t header = static_cast<uint16_t>(code << 6 | 0x3F);
    bytes.insert(bytes.end(), {uint8_t(header), uint8_t(header >> 8)});
    uint32_t n = static_cast<uint32_t>(body.size());
    bytes.insert(bytes.end(), {uint8_t(n), uint8_t(n >> 8), uint8_t(n >> 16), uint8_t(n >> 24)});
    bytes.insert(bytes.end(), body.begin(), body.end());
    return *this;
  }
  Sprite& Say(const std::string& text) {
    Code c;
    c.Str(text).Trace();
    return Tag(swf::tag::kDoAction, swf::DoActionBody(c.Bytes()));
  }
  Sprite& Show() { return Tag(swf::tag::kShowFrame, {}); }
  Sprite& End() { return Tag(0, {}); }
};

TEST(Avm1Timeline, SpritesEndAsTheirTagsSayAndTickFromTheLastPlaced) {
  swf::SwfWriter swf(6, Stage(100, 100), 10);
  // Two frames and End: loops. Tags after the last frame: one more frame,
  // once. No End: stops at its end.
  swf.Tag(swf::tag::kDefineSprite, Sprite(1).Say("a1").Show().Say("a2").Show().End().bytes);
  swf.Tag(swf::tag::kDefineSprite, Sprite(2).Say("b1").Show().Say("b2").End().bytes);
  swf.Tag(swf::tag::kDefineSprite, Sprite(3).Say("c1").Show().Say("c2").Show().bytes);
  for (uint16_t id = 1; id <= 3; ++id)
    swf.Tag(swf::tag::kPlaceObject2, swf::testing::PlaceBody(id, id));
  swf.ShowFrame();
  EXPECT_EQ(RunMovie(swf, 4), Lines({"a1", "b1", "c1", "c2", "b2", "a2", "a1", "a2"}));
}

TEST(Avm1ClipGeometry, PointsBoundsAndHitsFollowThePlacement) {
  swf::SwfWriter swf(6, Stage(200, 100), 10);
  swf::ShapeBuilder shape;
  shape.Rect(0, 0, 200, 200, shape.AddFill(swf::testing::Solid(0xFFFF0000)));  // 10x10 px
  swf.Tag(swf::tag::kDefineShape3, swf::DefineShapeBody(1, shape, 3));
  Sprite sprite(2);
  sprite.Tag(swf::tag::kPlaceObject2, swf::testing::PlaceBody(1, 1)).Show().End();
  swf.Tag(swf::tag::kDefineSprite, sprite.bytes);
  swf::PlaceObject place;
  place.depth = 1;
  place.character = 2;
  place.name = "c";
  swf::Matrix m;
  m.a = m.d = 2;  // at (100, 50), twice the size
  m.tx = {2000};
  m.ty = {1000};
  place.matrix = m;
  swf.Tag(swf::tag::kPlaceObject2, swf::PlaceObject2Body(place));
  Code code;
  auto point = [&](const char* var, double x, double y) {
    code.Str(var).Str("x").Num(x).Str("y").Num(y).Num(2).Op(0x43).Op(0x1D);
  };
  auto call = [&](const char* method, std::vector<double> numbers, const char* object) {
    for (size_t i = numbers.size(); i-- > 0;) code.Num(numbers[i]);
    if (object) GetVar(code, object);
    code.Num(static_cast<double>(numbers.size() + (object ? 1 : 0)));
    GetVar(code, "c").Str(method).Op(0x52);
  };
  point("p", 5, 5);
  call("localToGlobal", {}, "p");
  code.Op(0x17);
  GetVar(code, "p").Str("x").Op(0x4E).Trace();  // 110
  point("q", 120, 60);
  call("globalToLocal", {}, "q");
  code.Op(0x17);
  GetVar(code, "q").Str("x").Op(0x4E).Trace();  // 10
  call("hitTest", {115, 65}, nullptr);
  code.Trace();
  call("hitTest", {99, 65}, nullptr);
  code.Trace();
  call("getBounds", {}, "_root");
  code.Str("xMax").Op(0x4E).Trace();  // 120
  call("getBounds", {}, nullptr);
  code.Str("xMax").Op(0x4E).Trace();  // 10, its own space
  swf.Tag(swf::tag::kDoAction, swf::DoActionBody(code.Bytes()));
  swf.ShowFrame();
  EXPECT_EQ(RunMovie(swf, 1), Lines({"110", "10", "true", "false", "120", "10"}));
}

TEST(Avm1Color, SetsAndReadsTheClipsColourTransform) {
  swf::SwfWriter swf(6, Stage(100, 100), 10);
  swf.Tag(swf::tag::kDefineSprite, Sprite(1).Show().End().bytes);
  swf::PlaceObject place;
  place.depth = 1;
  place.character = 1;
  place.name = "c";
  swf.Tag(swf::tag::kPlaceObject2, swf::PlaceObject2Body(place));
  Code code;
  code.Str("k");
  GetVar(code, "c").Num(1).Str("Color").Op(0x40).Op(0x1D);  // k = new Color(c)
  code.Num(0x336699).Num(1);
  GetVar(code, "k").Str("setRGB").Op(0x52).Op(0x17);
  code.Num(0);
  GetVar(code, "k").Str("getRGB").Op(0x52).Trace();
  code.Str("ga").Num(50).Str("gb").Num(-20).Num(2).Op(0x43).Num(1);  // {ga: 50, gb: -20}
  GetVar(code, "k").Str("setTransform").Op(0x52).Op(0x17);
  code.Num(0);
  GetVar(code, "k").Str("getTransform").Op(0x52).Str("ga").Op(0x4E).Trace();
  swf.Tag(swf::tag::kDoAction, swf::DoActionBody(code.Bytes()));
  swf.ShowFrame();
  auto movie = std::make_shared<const swf::Movie>(swf::DecodeMovie(swf.Finish(false)));
  std::vector<std::string> lines;
  Runtime runtime(movie, {[&](const std::string& l) { lines.push_back(l); }, nullptr});
  EXPECT_EQ(lines, Lines({"3368601", "50"}));
  const swf::ColorTransform& t = runtime.Player().Root().Objects().at(1).colorTransform;
  EXPECT_EQ(t.mr, 0);
  EXPECT_EQ(t.ar, 0x33);
  EXPECT_FLOAT_EQ(t.mg, 0.5f);
  EXPECT_EQ(t.ag, -20);
  EXPECT_EQ(t.ab, 0x99);
}

}  // namespace
}  // namespace kestrova::avm1
