// The ActionScript interpreter on small movies written in code: values and
// their text, coercion by SWF version, scopes and calls, the limits that
// keep a hostile movie from hanging, the movie clock and fscommand.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "movie/avm1/number_text.h"
#include "movie/avm1/runtime.h"
#include "movie/swf/decoder.h"
#include "tests/movie/action_code.h"
#include "tests/movie/swf_test_movies.h"

namespace kestrova::avm1 {
namespace {

using swf::testing::Stage;
using testing::Code;

struct Outcome {
  std::vector<std::string> lines, warnings;
  bool quit = false;
};

// Plays a movie of one DoAction per frame for `frames` frames.
Outcome Play(int version, const std::vector<Code>& frames, int run, float rate = 10) {
  swf::SwfWriter swf(static_cast<uint8_t>(version), Stage(100, 100), rate);
  for (const Code& code : frames) {
    swf.Tag(swf::tag::kDoAction, swf::DoActionBody(code.Bytes()));
    swf.ShowFrame();
  }
  auto movie = std::make_shared<const swf::Movie>(swf::DecodeMovie(swf.Finish(false)));
  Outcome out;
  RuntimeOutput output{[&](const std::string& l) { out.lines.push_back(l); },
                       [&](const std::string& w) { out.warnings.push_back(w); }};
  Runtime runtime(movie, output);
  for (int f = 1; f < run && !runtime.QuitRequested(); ++f) runtime.Advance();
  out.quit = runtime.QuitRequested();
  return out;
}

std::vector<std::string> Lines(std::initializer_list<const char*> l) {
  return {l.begin(), l.end()};
}

TEST(Avm1Numbers, PrintedAsTheFlashPlayerDoes) {
  EXPECT_EQ(NumberToString(0.1 + 0.2), "0.3");
  EXPECT_EQ(NumberToString(1e15), "1e+15");
  EXPECT_EQ(NumberToString(123456789012345.0), "123456789012345");
  EXPECT_EQ(NumberToString(0.00001), "1e-5");
  EXPECT_EQ(NumberToString(0.0001), "0.0001");
  EXPECT_EQ(NumberToString(-2.5), "-2.5");
  EXPECT_EQ(NumberToString(std::nan("")), "NaN");
  EXPECT_EQ(NumberToString(-HUGE_VAL), "-Infinity");
  EXPECT_EQ(NumberToRadix(255, 16), "ff");
  EXPECT_EQ(NumberToRadix(-5, 2), "-101");
}

TEST(Avm1Numbers, StringsReadByVersion) {
  // SWF 4 reads a leading number; later versions want the whole string.
  EXPECT_EQ(StringToNumber("150a", 4), 150);
  EXPECT_EQ(StringToNumber("", 4), 0);
  EXPECT_TRUE(std::isnan(StringToNumber("150a", 6)));
  EXPECT_TRUE(std::isnan(StringToNumber("", 6)));
  EXPECT_EQ(StringToNumber(" \t12", 6), 12);
  EXPECT_TRUE(std::isnan(StringToNumber("12 ", 6)));
  EXPECT_EQ(StringToNumber("0x1A", 6), 26);
  EXPECT_EQ(StringToNumber("037777777777", 6), -1);  // octal, 32 bits
  EXPECT_EQ(StringToNumber(" 010", 6), 10);
  EXPECT_EQ(ParseInt("0x12", false, 0), 18);
  EXPECT_EQ(ParseInt("077", false, 0), 63);
  EXPECT_EQ(ParseInt("  077", false, 0), 77);
  EXPECT_EQ(ParseInt("12aaa", false, 0), 12);
  EXPECT_TRUE(std::isnan(ParseInt("100", true, 1)));
  EXPECT_EQ(ParseFloat("  3.5e1x"), 35);
}

TEST(Avm1Coercion, UndefinedAndBooleansFollowTheVersion) {
  Code code;
  code.Str("a").Undefined().Op(0x21).Trace();  // "a" add undefined (string add)
  code.Num(1).Num(1).Op(0x0E).Trace();         // 1 == 1
  code.Num(4).Num(0).Op(0x0D).Trace();         // 4 / 0
  EXPECT_EQ(Play(4, {code}, 1).lines, Lines({"a", "1", "#ERROR#"}));
  EXPECT_EQ(Play(6, {code}, 1).lines, Lines({"a", "true", "Infinity"}));
  EXPECT_EQ(Play(7, {code}, 1).lines, Lines({"aundefined", "true", "Infinity"}));
}

TEST(Avm1Calls, FunctionsSeeTheirTimelineAndReturn) {
  Code body;
  body.Str("x").Op(0x1C).Num(1).Op(0x47).Op(0x3E);  // return x + 1
  Code code;
  code.Function("f", body).Str("x").Num(41).Op(0x1D).Call("f").Trace();
  EXPECT_EQ(Play(6, {code}, 1).lines, Lines({"42"}));
}

// An argument count beyond what the stack holds (even beyond any
// integer) takes what is there.
TEST(Avm1Calls, HugeArgumentCountsTakeWhatTheStackHolds) {
  Code body;
  body.Str("arguments").Op(0x1C).Str("length").Op(0x4E).Op(0x3E);  // return arguments.length
  Code code;
  code.Function("f", body);
  for (double count : {1e300, 5.0, -1.0})
    code.Str("a").Num(count).Str("f").Op(0x3D).Trace().Op(0x17);  // "a" below the count
  EXPECT_EQ(Play(6, {code}, 1).lines, Lines({"1", "1", "0"}));
}

TEST(Avm1Limits, AnEndlessLoopStopsWithAWarningAndTheMovieGoesOn) {
  Code loop;
  loop.Jump(-5);  // jumps onto itself
  Code next;
  next.Str("next frame").Trace();
  Outcome run = Play(6, {loop, next}, 2);
  EXPECT_EQ(run.lines, Lines({"next frame"}));
  ASSERT_FALSE(run.warnings.empty());
  EXPECT_NE(run.warnings[0].find("too long"), std::string::npos);
}

// A runaway loop in every frame would hold up each frame by the whole
// limit: the second frame cut short stops the movie's scripts for good.
TEST(Avm1Limits, ScriptsThatRunAwayTwiceStopForGood) {
  Code loop;
  loop.Jump(-5);
  Code next;
  next.Str("never").Trace();
  Outcome run = Play(6, {loop, loop, next}, 3);
  EXPECT_TRUE(run.lines.empty());
  ASSERT_EQ(run.warnings.size(), 2u);
  EXPECT_NE(run.warnings[1].find("without them"), std::string::npos);
}

TEST(Avm1Limits, EndlessRecursionStopsTheScript) {
  Code body;
  body.Call("f");
  Code code;
  code.Function("f", body).Call("f").Str("after").Trace();
  Outcome run = Play(6, {code}, 1);
  EXPECT_TRUE(run.lines.empty());
  ASSERT_FALSE(run.warnings.empty());
  EXPECT_NE(run.warnings[0].find("recursion"), std::string::npos);
}

size_t WarningsWith(const Outcome& run, const char* text) {
  size_t n = 0;
  for (const std::string& w : run.warnings) n += w.find(text) != std::string::npos;
  return n;
}

TEST(Avm1Limits, EachKindOfLimitWarnsOncePerMovie) {
  Code body;
  body.Call("f");
  Code recurse;
  recurse.Function("f", body).Call("f");
  Outcome run = Play(6, {recurse, recurse, recurse}, 3);
  EXPECT_EQ(WarningsWith(run, "recursion"), 1u);
  // 1002 intervals asked for: the last two are refused, with one warning
  Code intervals;
  intervals.Function("g", Code());
  for (int i = 0; i < 1002; ++i)
    intervals.Num(1000).Str("g").Op(0x1C).Num(2).Str("setInterval").Op(0x3D).Op(0x17);
  intervals.Num(1000).Str("g").Op(0x1C).Num(2).Str("setInterval").Op(0x3D).Trace();
  run = Play(6, {intervals}, 1);
  EXPECT_EQ(run.lines, Lines({"undefined"}));
  EXPECT_EQ(WarningsWith(run, "intervals"), 1u);
}

TEST(Avm1Swf4, ClipsAreNoValuesAndEmptyNamesInPathsReachNoClip) {
  swf::SwfWriter swf(4, Stage(100, 100), 10);
  swf::TagStream sprite;
  sprite.ShowFrame();
  swf.Tag(swf::tag::kDefineSprite, swf::DefineSpriteBody(1, sprite));
  swf::PlaceObject place;
  place.depth = 1;
  place.character = 1;
  place.name = "a";
  swf.Tag(swf::tag::kPlaceObject2, swf::PlaceObject2Body(place));
  Code code;
  code.Str("a").Op(0x1C).Trace();              // trace(a): a clip is not a value
  for (const char* path : {"/a", "//a", "a"})  // "n:" add getProperty(path, _name)
    code.Str("n:").Str(path).Num(13).Op(0x22).Op(0x21).Trace();
  swf.Tag(swf::tag::kDoAction, swf::DoActionBody(code.Bytes()));
  swf.ShowFrame();
  auto movie = std::make_shared<const swf::Movie>(swf::DecodeMovie(swf.Finish(false)));
  std::vector<std::string> lines;
  Runtime runtime(movie, RuntimeOutput{[&](const std::string& l) { lines.push_back(l); }, nullptr});
  EXPECT_EQ(lines, Lines({"undefined", "n:a", "n:", "n:a"}));
}

TEST(Avm1Clock, GetTimeFollowsTheFrameRateAndQuitStopsEarly) {
  Code time;
  time.Op(0x34).Trace();
  Code quit;
  quit.Op(0x34).Trace().Record(
      0x83, {'F', 'S', 'C', 'o', 'm', 'm', 'a', 'n', 'd', ':', 'q', 'u', 'i', 't', 0, 0});
  Code never;
  never.Str("never").Trace();
  Outcome run = Play(6, {time, time, quit, never}, 10, 4);
  EXPECT_EQ(run.lines, Lines({"0", "250", "500"}));
  EXPECT_TRUE(run.quit);
}

TEST(Avm1Timeline, StopHoldsTheFrameAndGotoRunsTheTargetFrame) {
  Code first;
  first.Str("one").Trace();
  Code second;
  second.Str("two").Trace().Op(0x07);  // stop
  Code third;
  third.Str("three").Trace();
  EXPECT_EQ(Play(6, {first, second, third}, 5).lines, Lines({"one", "two"}));
  Code jump;
  jump.Str("start").Trace().Record(0x81, {2, 0}).Op(0x07);  // gotoAndStop(3)
  EXPECT_EQ(Play(6, {jump, second, third}, 3).lines, Lines({"start", "three"}));
}

}  // namespace
}  // namespace kestrova::avm1
