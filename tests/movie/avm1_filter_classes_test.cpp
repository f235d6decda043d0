// The flash.filters and flash.geom classes as scripts see them: Flash 8's
// constructor defaults, the clamping of settings, copies that stay
// independent, ColorTransform's text, and a clip's blendMode, filters and
// transform read back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "movie/avm1/runtime.h"
#include "movie/swf/decoder.h"
#include "tests/movie/action_expressions.h"
#include "tests/movie/swf_test_movies.h"
#include "tests/movie/trace_lines.h"

namespace kestrova::avm1 {
namespace {

using namespace testing::expr;
using swf::testing::Stage;
using testing::Code;

// Runs `code` in the first frame of a SWF 8 movie holding an empty sprite
// "s"; its trace lines.
std::vector<std::string> Play(const Code& code) {
  swf::SwfWriter swf(8, Stage(100, 100), 10);
  swf::TagStream inner;
  inner.ShowFrame();
  swf.Tag(swf::tag::kDefineSprite, swf::DefineSpriteBody(1, inner));
  swf::PlaceObject place;
  place.depth = 1;
  place.character = 1;
  place.name = "s";
  swf.Tag(swf::tag::kPlaceObject2, swf::PlaceObject2Body(place));
  swf.Tag(swf::tag::kDoAction, swf::DoActionBody(code.Bytes()));
  swf.ShowFrame();
  return testing::TraceLines(swf);
}

Code Flash(const char* package, const char* name, const std::vector<Code>& args = {}) {
  return Arguments(args).Append(Member(Var("flash"), package)).Str(name).Op(0x53);
}
Code ArrayOf(const std::vector<Code>& items) { return Arguments(items).Op(0x42); }
Code TraceMembers(const std::string& var, const std::vector<const char*>& names) {
  Code c;
  for (const char* name : names) c.Append(Trace(Member(Var(var), name)));
  return c;
}

using Lines = std::vector<std::string>;

TEST(Avm1FilterClasses, ConstructorsTakeFlash8sDefaults) {
  Code code;
  code.Append(SetVar("g", Flash("filters", "GlowFilter")));
  code.Append(TraceMembers("g", {"color", "alpha", "blurX", "strength", "quality", "inner"}));
  code.Append(SetVar("d", Flash("filters", "DropShadowFilter", {Num(7)})));
  code.Append(TraceMembers("d", {"distance", "angle", "blurY", "hideObject"}));
  code.Append(SetVar("b", Flash("filters", "BevelFilter")));
  code.Append(TraceMembers("b", {"highlightColor", "shadowAlpha", "type", "knockout"}));
  code.Append(SetVar("c", Flash("filters", "ConvolutionFilter", {Num(3), Num(1)})));
  code.Append(TraceMembers("c", {"matrixX", "divisor", "preserveAlpha", "clamp", "alpha"}));
  code.Append(Trace(Member(Flash("filters", "ColorMatrixFilter"), "matrix")));
  code.Append(Trace(Member(Flash("filters", "GradientGlowFilter"), "type")));
  EXPECT_EQ(Play(code),
            (Lines{"16711680", "1",    "6",     "2",     "1",
                   "false",    "7",    "45",    "4",     "false",
                   "16777215", "1",    "inner", "false", "3",
                   "1",        "true", "true",  "0",     "1,0,0,0,0,0,1,0,0,0,0,0,1,0,0,0,0,0,1,0",
                   "inner"}));
}

TEST(Avm1FilterClasses, SettingsAreClampedAsFlashPlayerStoresThem) {
  Code code;
  code.Append(SetVar("g", Flash("filters", "GlowFilter")));
  code.Append(SetMember(Var("g"), "quality", Num(20)));
  code.Append(SetMember(Var("g"), "blurX", Num(300)));
  code.Append(SetMember(Var("g"), "alpha", Num(2)));
  code.Append(SetMember(Var("g"), "color", Num(0x12345678)));
  code.Append(SetMember(Var("g"), "strength", Num(-1)));
  code.Append(SetMember(Var("g"), "knockout", Num(1)));
  code.Append(TraceMembers("g", {"quality", "blurX", "alpha", "color", "strength", "knockout"}));
  code.Append(SetVar("b", Flash("filters", "BevelFilter")));
  code.Append(SetMember(Var("b"), "type", Str("full")));
  code.Append(SetMember(Var("b"), "type", Str("sideways")));  // not a placement: kept
  code.Append(Trace(Member(Var("b"), "type")));
  code.Append(SetVar("m", Flash("filters", "ColorMatrixFilter", {ArrayOf({Num(2), Str("3")})})));
  code.Append(Trace(Member(Var("m"), "matrix")));
  EXPECT_EQ(Play(code), (Lines{"15", "255", "1", "3430008", "0", "true", "full",
                               "2,3,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0"}));
}

TEST(Avm1FilterClasses, ClonesAndArraysAreCopies) {
  Code code;
  code.Append(SetVar("g", Flash("filters", "GlowFilter")));
  code.Append(SetVar("c", Method(Var("g"), "clone", {})));
  code.Append(SetMember(Var("c"), "blurX", Num(10)));
  code.Append(Trace(Member(Var("g"), "blurX")));
  code.Append(Trace(Member(Var("c"), "blurX")));
  code.Append(Trace(Code(Var("c"))
                        .Append(Member(Member(Var("flash"), "filters"), "GlowFilter"))
                        .Op(0x54)));  // instanceof
  code.Append(SetVar("gg", Flash("filters", "GradientGlowFilter",
                                 {Num(4), Num(45), ArrayOf({Num(0xFF0000), Num(0xFF)}),
                                  ArrayOf({Num(1), Num(0.5)}), ArrayOf({Num(0), Num(300)})})));
  code.Append(SetVar("a", Member(Var("gg"), "colors")));
  code.Append(Statement(Method(Var("a"), "push", {Num(1)})));
  code.Append(Trace(Member(Member(Var("gg"), "colors"), "length")));
  code.Append(Trace(Member(Var("gg"), "ratios")));
  code.Append(Trace(Member(Method(Var("gg"), "clone", {}), "alphas")));
  EXPECT_EQ(Play(code), (Lines{"6", "10", "true", "2", "0,255", "1,0.5"}));
}

TEST(Avm1FilterClasses, ColorTransformPrintsAndCombinesAsFlashPlayerDoes) {
  Code code;
  auto make = [](double rm, double ro) {
    return Flash("geom", "ColorTransform",
                 {Num(rm), Num(1), Num(1), Num(1), Num(ro), Num(0), Num(0), Num(0)});
  };
  code.Append(Trace(Method(make(0.5, 10), "toString", {})));
  code.Append(SetVar("a", make(2, 10)));
  code.Append(Statement(Method(Var("a"), "concat", {make(0.5, 4)})));
  code.Append(TraceMembers("a", {"redMultiplier", "redOffset"}));
  code.Append(SetMember(Var("a"), "rgb", Num(0x112233)));
  code.Append(TraceMembers("a", {"redMultiplier", "redOffset", "blueOffset", "rgb"}));
  EXPECT_EQ(Play(code),
            (Lines{"(redMultiplier=0.5, greenMultiplier=1, blueMultiplier=1, alphaMultiplier=1, "
                   "redOffset=10, greenOffset=0, blueOffset=0, alphaOffset=0)",
                   "1", "18", "0", "17", "51", "1122867"}));
}

TEST(Avm1ClipEffects, BlendModeNamesRoundTrip) {
  Code code;
  code.Append(Trace(Member(Var("s"), "blendMode")));
  for (Code value : {Str("multiply"), Num(8), Str("bogus"), Num(15), Str("hardlight")}) {
    code.Append(SetMember(Var("s"), "blendMode", value));
    code.Append(Trace(Member(Var("s"), "blendMode")));
  }
  code.Append(SetMember(Var("s"), "cacheAsBitmap", Num(1)));
  code.Append(Trace(Member(Var("s"), "cacheAsBitmap")));
  EXPECT_EQ(Play(code), (Lines{"normal", "multiply", "add", "add", "add", "hardlight", "true"}));
}

TEST(Avm1ClipEffects, FiltersReadBackAsNewCopies) {
  Code code;
  code.Append(SetVar("g", Flash("filters", "GlowFilter")));
  code.Append(SetMember(Var("s"), "filters", ArrayOf({Var("g"), Num(5), Code().Num(0).Op(0x43)})));
  code.Append(Trace(Member(Member(Var("s"), "filters"), "length")));
  code.Append(SetVar("f", Member(Var("s"), "filters")));
  code.Append(SetMember(Member(Var("f"), "0"), "blurX", Num(99)));
  code.Append(SetMember(Var("g"), "blurX", Num(98)));
  code.Append(Trace(Member(Member(Member(Var("s"), "filters"), "0"), "blurX")));
  EXPECT_EQ(Play(code), (Lines{"1", "6"}));
}

TEST(Avm1ClipEffects, TransformWritesWhatTheDisplayPropertiesRead) {
  Code code;
  code.Append(SetVar("t", Member(Var("s"), "transform")));
  code.Append(
      SetMember(Var("t"), "matrix",
                Flash("geom", "Matrix", {Num(2), Num(0), Num(0), Num(3), Num(30), Num(40)})));
  code.Append(TraceMembers("s", {"_x", "_y", "_xscale", "_yscale"}));
  code.Append(Trace(Member(Member(Var("t"), "matrix"), "ty")));
  code.Append(
      SetMember(Var("t"), "colorTransform",
                Flash("geom", "ColorTransform",
                      {Num(1), Num(1), Num(1), Num(0.5), Num(-20), Num(0), Num(0), Num(0)})));
  code.Append(Trace(Member(Var("s"), "_alpha")));
  code.Append(Trace(Member(Method(New("Color", {Var("s")}), "getTransform", {}), "rb")));
  code.Append(Trace(Member(Member(Member(Var("s"), "transform"), "concatenatedMatrix"), "tx")));
  code.Append(SetVar("m", Member(Var("t"), "matrix")));
  code.Append(SetMember(Var("m"), "tx", Num(0)));  // a copy: the clip stays
  code.Append(Trace(Member(Var("s"), "_x")));
  EXPECT_EQ(Play(code), (Lines{"30", "40", "200", "300", "40", "50", "-20", "30", "30"}));
}

// Getters of what a setter reads may remove the clip being changed: the
// change then goes nowhere (the placement is looked up after reading).
TEST(Avm1ClipEffects, SettersReadTheirValuesBeforeTheClip) {
  Code remove = Statement(Method(Var("c"), "removeMovieClip", {}));
  Code getter = Function({}, Code(remove).Append(Trace(Str("removed"))).Append(Return(Num(2))));
  Code code;
  code.Append(Statement(Method(This(), "createEmptyMovieClip", {Str("c"), Num(1)})));
  code.Append(SetVar("o", New("Object", {})));
  code.Append(Statement(
      Method(Var("o"), "addProperty", {Str("redMultiplier"), getter, Code().Record(0x96, {2})})));
  code.Append(
      Statement(Method(Var("o"), "addProperty", {Str("ra"), getter, Code().Record(0x96, {2})})));
  code.Append(
      Statement(Method(Var("o"), "addProperty", {Str("0"), getter, Code().Record(0x96, {2})})));
  code.Append(SetMember(Var("o"), "length", Num(1)));
  code.Append(SetVar("t", Member(Var("c"), "transform")));
  code.Append(SetMember(Var("t"), "colorTransform", Var("o")));
  code.Append(Statement(Method(This(), "createEmptyMovieClip", {Str("c"), Num(1)})));
  code.Append(Statement(Method(New("Color", {Var("c")}), "setTransform", {Var("o")})));
  code.Append(Statement(Method(This(), "createEmptyMovieClip", {Str("c"), Num(1)})));
  code.Append(SetMember(Var("c"), "filters", Var("o")));
  // and _x, _name through valueOf and toString
  code.Append(Statement(Method(This(), "createEmptyMovieClip", {Str("c"), Num(1)})));
  code.Append(SetVar("n", New("Object", {})));
  code.Append(SetMember(Var("n"), "valueOf", getter));
  code.Append(SetMember(Var("c"), "_x", Var("n")));
  code.Append(Statement(Method(This(), "createEmptyMovieClip", {Str("c"), Num(1)})));
  code.Append(SetMember(Var("n"), "toString", getter));
  code.Append(SetMember(Var("c"), "_name", Var("n")));
  code.Append(Trace(Str("done")));
  EXPECT_EQ(Play(code), (Lines{"removed", "removed", "removed", "removed", "removed", "done"}));
}

}  // namespace
}  // namespace kestrova::avm1
