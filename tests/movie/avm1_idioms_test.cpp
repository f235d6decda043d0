// What screensaver movies commonly do, written as their compilers emit it:
// a clock from Date and setInterval, string handling, `with`, AS2 classes
// (packages on _global, extends, super calls, properties through
// addProperty) and keyboard and mouse listeners that stay quiet.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "movie/avm1/runtime.h"
#include "movie/swf/decoder.h"
#include "tests/movie/action_code.h"
#include "tests/movie/action_expressions.h"
#include "tests/movie/swf_test_movies.h"
#include "tests/movie/trace_lines.h"

namespace kestrova::avm1 {
namespace {

using swf::testing::Stage;
using testing::Code;
using namespace testing::expr;
using Lines = std::vector<std::string>;

Lines Play(const std::vector<Code>& frames, int run, float rate = 10) {
  swf::SwfWriter swf(7, Stage(100, 100), rate);
  for (const Code& code : frames) {
    swf.Tag(swf::tag::kDoAction, swf::DoActionBody(code.Bytes()));
    swf.ShowFrame();
  }
  return testing::TraceLines(swf, run);
}

TEST(Avm1Idioms, StringsAndNumbersAsMoviesUseThem) {
  Code c;
  Code hello = Str("hello");
  c.Append(Trace(Member(Method(Str("a,b,c"), "split", {Str(",")}), "length")));
  c.Append(Trace(Member(Method(Str("a,b,c"), "split", {Str(",")}), "1")));
  c.Append(Trace(Method(hello, "substr", {Num(1), Num(3)})));
  c.Append(Trace(Method(hello, "substr", {Num(-3)})));
  c.Append(Trace(Method(hello, "substring", {Num(3), Num(1)})));
  c.Append(Trace(Method(hello, "indexOf", {Str("l")})));
  c.Append(Trace(Method(hello, "indexOf", {Str("l"), Num(3)})));
  c.Append(Trace(Method(hello, "lastIndexOf", {Str("l")})));
  c.Append(Trace(Method(hello, "charAt", {Num(1)})));
  c.Append(Trace(Method(hello, "charCodeAt", {Num(0)})));
  c.Append(Trace(Method(hello, "toUpperCase", {})));
  c.Append(Trace(Method(hello, "slice", {Num(1), Num(-1)})));
  c.Append(SetVar("n", Num(255)));
  c.Append(Trace(Method(Var("n"), "toString", {Num(16)})));
  c.Append(Trace(Method(Var("n"), "toString", {Num(2)})));
  c.Append(Trace(Method(Num(-10.5), "toString", {Num(8)})));
  EXPECT_EQ(Play({c}, 1), (Lines{"3", "b", "ell", "llo", "el", "2", "3", "3", "e", "104", "HELLO",
                                 "ell", "ff", "11111111", "-12"}));
}

TEST(Avm1Idioms, AClockFromDateAndSetInterval) {
  // d = new Date(2006, 11, 31, 23, 59, 58): the fields, and a second later
  Code c;
  c.Append(SetVar("d", New("Date", {Num(2006), Num(11), Num(31), Num(23), Num(59), Num(58)})));
  for (const char* get : {"getFullYear", "getMonth", "getDate", "getDay", "getHours", "getMinutes",
                          "getSeconds", "getYear"})
    c.Append(Trace(Method(Var("d"), get, {})));
  c.Append(
      Statement(Method(Var("d"), "setTime", {Add(Method(Var("d"), "getTime", {}), Num(2000))})));
  c.Append(Trace(Var("d")));
  c.Append(Trace(Method(Var("d"), "getTimezoneOffset", {})));
  // the movie clock starts at 1970; a tick each 100 ms stops itself at 3
  Code tick;
  tick.Append(SetVar("ticks", Add(Var("ticks"), Num(1))));
  tick.Append(Trace(Add(Str("tick "), Method(New("Date", {}), "getTime", {}))));
  Code stop = Statement(CallF("clearInterval", {Var("id")}));
  tick.Append(Var("ticks")).Num(3).Op(0x48).If(static_cast<int16_t>(stop.Size())).Append(stop);
  c.Append(SetVar("ticks", Num(0)));
  c.Append(SetVar("id", CallF("setInterval", {Function({}, tick), Num(100)})));
  c.Append(Trace(Method(New("Date", {}), "getHours", {})));
  EXPECT_EQ(Play({c}, 8), (Lines{"2006", "11", "31", "0", "23", "59", "58", "106",
                                 "Mon Jan 1 00:00:00 GMT+0000 2007", "0", "0", "tick 100",
                                 "tick 200", "tick 300"}));
}

TEST(Avm1Idioms, WithAndClassesAsTheAs2CompilerMakesThem) {
  Code c;
  // with (o) { trace(a); a = 2 } trace(o.a)
  c.Append(SetVar("o", Code().Str("a").Num(1).Num(1).Op(0x43)));
  Code inside = Trace(Var("a")).Append(SetVar("a", Num(2)));
  c.Append(Var("o")).Record(0x94, {uint8_t(inside.Size()), uint8_t(inside.Size() >> 8)});
  c.Append(inside).Append(Trace(Member(Var("o"), "a")));
  // _global.pkg = {}; pkg.Base = function(n) { this.n = n }
  c.Append(SetMember(Var("_global"), "pkg", Code().Num(0).Op(0x43)));
  c.Append(SetMember(Var("pkg"), "Base", Function({"n"}, SetMember(This(), "n", Var("n")))));
  Code baseProto = Member(Member(Var("pkg"), "Base"), "prototype");
  c.Append(SetMember(baseProto, "describe",
                     Function({}, Return(Add(Str("base "), Member(This(), "n"))))));
  // pkg.Child = function(n) { super(n * 2) }; Child extends Base
  Code superCall = Arguments({Code(Var("n")).Num(2).Op(0x0C)}).Str("super").Op(0x1C).Undefined();
  superCall.Op(0x52).Op(0x17);
  c.Append(SetMember(Var("pkg"), "Child", Function({"n"}, superCall)));
  c.Append(Member(Var("pkg"), "Child")).Append(Member(Var("pkg"), "Base")).Op(0x69);
  Code childProto = Member(Member(Var("pkg"), "Child"), "prototype");
  c.Append(
      SetMember(childProto, "describe",
                Function({}, Return(Add(Str("child "), Method(Var("super"), "describe", {}))))));
  // get size() / set size(v), as addProperty("size", __get__size, __set__size)
  c.Append(SetMember(childProto, "__get__size", Function({}, Return(Member(This(), "_size")))));
  c.Append(SetMember(childProto, "__set__size",
                     Function({"v"}, SetMember(This(), "_size", Add(Var("v"), Num(1))))));
  c.Append(Statement(
      Method(childProto, "addProperty",
             {Str("size"), Member(childProto, "__get__size"), Member(childProto, "__set__size")})));
  c.Append(SetVar("k", Arguments({Num(5)}).Append(Var("pkg")).Str("Child").Op(0x53)));
  c.Append(Trace(Method(Var("k"), "describe", {})));
  c.Append(SetMember(Var("k"), "size", Num(7)));
  c.Append(Trace(Member(Var("k"), "size")));
  c.Append(Trace(Code(Var("k")).Append(Member(Var("pkg"), "Base")).Op(0x54)));
  EXPECT_EQ(Play({c}, 1), (Lines{"1", "2", "child base 10", "8", "true"}));
}

TEST(Avm1Idioms, KeyAndMouseListenersArePresentAndQuiet) {
  Code c;
  c.Append(SetVar("l", Code().Num(0).Op(0x43)));
  c.Append(SetMember(Var("l"), "onKeyDown", Function({}, Trace(Str("key!")))));
  c.Append(Trace(Method(Var("Key"), "addListener", {Var("l")})));
  c.Append(Trace(Method(Var("Mouse"), "addListener", {Var("l")})));
  c.Append(Trace(Method(Var("Key"), "isDown", {Member(Var("Key"), "SPACE")})));
  c.Append(Trace(Member(Var("Key"), "LEFT")));
  c.Append(Trace(Method(Var("Key"), "getCode", {})));
  c.Append(Statement(Method(Var("Mouse"), "hide", {})));
  c.Append(Trace(Method(Var("Mouse"), "removeListener", {Var("l")})));
  EXPECT_EQ(Play({c, Code(), Code()}, 3), (Lines{"true", "true", "false", "37", "0", "true"}));
}

// for (k in object) list.push(k), as compiled: Enumerate2, then a loop on register 0.
Code ForInPush(const Code& object, const std::string& list) {
  Code push = Statement(Method(Var(list), "push", {Code().Record(0x96, {4, 0})}));
  Code loop;  // while ((register 0 = next name) != null) push
  loop.Record(0x87, {0}).Record(0x96, {2}).Op(0x49).If(static_cast<int16_t>(push.Size() + 5));
  loop.Append(push);
  loop.Jump(static_cast<int16_t>(-(static_cast<int>(loop.Size()) + 5)));
  return Code(object).Op(0x55).Append(loop);
}

TEST(Avm1Idioms, AttachedSymbolsClipEnumerationAndEnterFrameMotion) {
  swf::SwfWriter swf(7, Stage(100, 100), 10);
  swf::TagStream star;
  star.ShowFrame();
  swf.Tag(swf::tag::kDefineSprite, swf::DefineSpriteBody(1, star));
  swf.Tag(56, {1, 0, 1, 0, 's', 't', 'a', 'r', 0});  // ExportAssets: 1 as "star"
  Code c;
  Code init = Code().Str("speed").Num(3).Str("_x").Num(20).Num(2).Op(0x43);
  c.Append(
      SetVar("s", Method(Var("_root"), "attachMovie", {Str("star"), Str("s1"), Num(5), init})));
  c.Append(Trace(Code(Var("s")).Op(0x44)));
  c.Append(Trace(Member(Var("s1"), "speed")));
  c.Append(Trace(Member(Var("s1"), "_x")));
  c.Append(Trace(Method(Var("s1"), "getDepth", {})));
  c.Append(Trace(Member(Var("s"), "_name")));
  // for (k in h) over a clip holding two clips and a variable
  c.Append(SetVar("h", Method(Var("_root"), "createEmptyMovieClip", {Str("h"), Num(1)})));
  c.Append(Statement(Method(Var("h"), "createEmptyMovieClip", {Str("a"), Num(1)})));
  c.Append(Statement(Method(Var("h"), "createEmptyMovieClip", {Str("b"), Num(2)})));
  c.Append(SetMember(Var("h"), "v", Num(1)));
  c.Append(SetVar("names", Code().Num(0).Op(0x42)));
  c.Append(ForInPush(Var("h"), "names"));
  c.Append(Statement(Method(Var("names"), "sort", {})));
  c.Append(Trace(Method(Var("names"), "join", {Str(",")})));
  // a random speed of 1 to 3, then onEnterFrame moves the clip three steps
  c.Append(SetVar("r", Method(Var("Math"), "random", {})));
  c.Append(Trace(Code(Var("r")).Num(0).Op(0x48).Op(0x12)));  // !(r < 0)
  c.Append(Trace(Code(Var("r")).Num(1).Op(0x48)));           // r < 1
  c.Append(SetVar("p", Method(Var("_root"), "createEmptyMovieClip", {Str("p"), Num(3)})));
  Code speed = Add(Method(Var("Math"), "floor", {Code(Var("r")).Num(3).Op(0x0C)}), Num(1));
  c.Append(SetMember(Var("p"), "vx", speed));
  Code done = Trace(Code(Member(This(), "_x")).Append(Member(This(), "vx")).Op(0x0D));
  done.Append(This()).Str("onEnterFrame").Op(0x3A).Op(0x17);  // delete this.onEnterFrame
  Code step = SetMember(This(), "_x", Add(Member(This(), "_x"), Member(This(), "vx")));
  step.Append(Member(This(), "_x")).Append(Member(This(), "vx")).Num(3).Op(0x0C).Op(0x48);
  step.If(static_cast<int16_t>(done.Size())).Append(done);
  c.Append(SetMember(Var("p"), "onEnterFrame", Function({}, step))).Op(0x07);  // stop
  swf.Tag(swf::tag::kDoAction, swf::DoActionBody(c.Bytes()));
  swf.ShowFrame();
  swf.ShowFrame();
  auto movie = std::make_shared<const swf::Movie>(swf::DecodeMovie(swf.Finish(false)));
  Lines lines;
  RuntimeOutput output{[&](const std::string& l) { lines.push_back(l); }, nullptr};
  Runtime runtime(movie, output);
  for (int f = 1; f < 8; ++f) runtime.Advance();
  EXPECT_EQ(lines, (Lines{"movieclip", "3", "20", "5", "s1", "a,b,v", "true", "true", "3"}));
}

TEST(Avm1Idioms, IntervalsCallAnObjectsMethodWithArguments) {
  Code beat = Trace(Add(Str("beat "), Var("x")));
  beat.Append(Trace(Code(This()).Append(Var("o")).Op(0x66)));  // this === o
  beat.Append(Statement(CallF("clearInterval", {Member(Var("_root"), "bid")})));
  Code c;
  c.Append(SetVar("o", Code().Num(0).Op(0x43)));
  c.Append(SetMember(Var("o"), "beat", Function({"x"}, beat)));
  c.Append(SetVar("bid", CallF("setInterval", {Var("o"), Str("beat"), Num(100), Str("x")})));
  c.Op(0x07);  // stop
  EXPECT_EQ(Play({c, Code(), Code()}, 6), (Lines{"beat x", "true"}));
}

}  // namespace
}  // namespace kestrova::avm1
