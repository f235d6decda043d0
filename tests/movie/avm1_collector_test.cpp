// The script heap's collector: every root survives a collection (checked
// on the reference movies by collecting after every frame), garbage is
// freed and reused, and the heap stays flat over a long run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "movie/avm1/runtime.h"
#include "movie/swf/decoder.h"
#include "tests/movie/action_code.h"
#include "tests/movie/action_expressions.h"
#include "tests/movie/swf_test_movies.h"

namespace kestrova::avm1 {
namespace {

using swf::testing::Stage;
using testing::Code;
using namespace testing::expr;
using Lines = std::vector<std::string>;

std::shared_ptr<const swf::Movie> MovieOf(const std::vector<Code>& frames, uint8_t version = 7) {
  swf::SwfWriter swf(version, Stage(100, 100), 10);
  for (const Code& code : frames) {
    swf.Tag(swf::tag::kDoAction, swf::DoActionBody(code.Bytes()));
    swf.ShowFrame();
  }
  return std::make_shared<const swf::Movie>(swf::DecodeMovie(swf.Finish(false)));
}

struct Playing {
  Lines lines;
  Runtime runtime;
  Playing(std::shared_ptr<const swf::Movie> movie, Collection collection)
      : runtime(movie,
                {[this](const std::string& l) { lines.push_back(l); },
                 [this](const std::string& w) { lines.push_back("warning: " + w); }},
                collection) {}
  void Frames(int n) {
    for (int f = 0; f < n && !runtime.QuitRequested(); ++f) runtime.Advance();
  }
  size_t Objects() { return runtime.Machine().ObjectCount(); }
};

// { v: text }
Code Holder(const std::string& text) { return Code().Str("v").Append(Str(text)).Num(1).Op(0x43); }
// Garbage that takes the slots a missed root would leave: objects whose
// `v` differs from every kept one.
Code Churn(int objects) {
  Code c;
  for (int i = 0; i < objects; ++i) c.Append(SetVar("junk", Holder("junk")));
  return c;
}

TEST(Avm1Collector, ObjectsReachableOnlyThroughRootsSurviveCollections) {
  Code setup;
  // a closure over a local: maker = function() { var o = {v}; return function() { return o.v } }
  Code inner = Return(Member(Var("o"), "v"));
  setup.Append(SetVar(
      "maker",
      Function({}, Code(SetLocal("o", Holder("closure"))).Append(Return(Function({}, inner))))));
  setup.Append(SetVar("closure", CallF("maker", {})));
  // an interval's argument: setInterval(function(x) { last = x.v }, 100, {v})
  setup.Append(
      SetVar("id", CallF("setInterval", {Function({"x"}, SetVar("last", Member(Var("x"), "v"))),
                                         Num(100), Holder("interval")})));
  // a watcher and its data: w.watch("p", function(n, o, v, d) { return d.v }, {v})
  setup.Append(SetVar("w", New("Object", {})));
  setup.Append(Statement(Method(
      Var("w"), "watch",
      {Str("p"), Function({"n", "o", "v", "d"}, Return(Member(Var("d"), "v"))), Holder("watch")})));
  // a prototype chain: c.__proto__ = {__proto__: {v}}
  setup.Append(SetVar("c", New("Object", {})));
  setup.Append(SetVar("mid", New("Object", {})));
  setup.Append(SetMember(Var("mid"), "__proto__", Holder("proto")));
  setup.Append(SetMember(Var("c"), "__proto__", Var("mid")));
  setup.Append(SetVar("mid", Num(0)));
  // a child clip's variable
  setup.Append(Statement(Method(Var("_root"), "createEmptyMovieClip", {Str("m"), Num(1)})));
  setup.Append(SetMember(Var("m"), "held", Holder("clip")));
  // listeners: of Key, and of a broadcaster a script made
  setup.Append(Statement(Method(Var("Key"), "addListener", {Holder("key")})));
  setup.Append(SetVar("b", New("Object", {})));
  setup.Append(Statement(Method(Var("AsBroadcaster"), "initialize", {Var("b")})));
  setup.Append(Statement(Method(Var("b"), "addListener", {Holder("broadcast")})));
  // a Color's target and a method found through a registered class
  setup.Append(SetVar("col", New("Color", {Var("m")})));

  Code check;
  check.Append(Trace(CallF("closure", {})));
  check.Append(Trace(Var("last")));
  check.Append(SetMember(Var("w"), "p", Num(1)));
  check.Append(Trace(Member(Var("w"), "p")));
  check.Append(Trace(Member(Var("c"), "v")));
  check.Append(Trace(Member(Member(Var("m"), "held"), "v")));
  check.Append(Trace(Member(Member(Member(Var("Key"), "_listeners"), "0"), "v")));
  check.Append(Trace(Member(Member(Member(Var("b"), "_listeners"), "0"), "v")));
  check.Append(Statement(Method(Var("col"), "setRGB", {Num(0xFF0000)})));
  check.Append(Trace(Member(Method(Var("col"), "getTransform", {}), "rb")));
  check.Append(Code().Op(0x07));  // stop

  const Lines expected{"closure", "interval", "watch", "proto", "clip", "key", "broadcast", "255"};
  auto movie = MovieOf({setup, Churn(50), Churn(50), Churn(50), check});
  for (Collection collection : {Collection::kNever, Collection::kEveryFrame}) {
    Playing run(movie, collection);
    run.Frames(6);
    EXPECT_EQ(run.lines, expected);
    if (collection == Collection::kEveryFrame) {
      EXPECT_GE(run.runtime.Machine().collections, 5u);
    }
  }
}

TEST(Avm1Collector, GarbageIsFreedAndItsSlotsReused) {
  Code frame;
  frame.Append(Churn(200));
  frame.Append(SetVar("kept", New("Array", {Num(1), Num(2)})));
  auto movie = MovieOf({frame, frame});
  Playing never(movie, Collection::kNever), always(movie, Collection::kEveryFrame);
  never.Frames(20);
  always.Frames(20);
  EXPECT_GT(never.Objects(), always.Objects() + 20 * 200 - 400);
  size_t settled = always.Objects();
  always.Frames(100);
  EXPECT_EQ(always.Objects(), settled);  // flat: the freed slots are made again
  EXPECT_EQ(always.lines, Lines{});
}

TEST(Avm1Collector, TheCountStaysFlatOverTenThousandFramesOfNewObjects) {
  // 20 objects a frame: past the threshold every few thousand frames
  Code frame;
  frame.Append(Churn(10));
  for (int i = 0; i < 5; ++i)
    frame.Append(SetVar("list", New("Array", {New("Object", {}), Num(2)})));
  auto movie = MovieOf({frame, frame});
  Playing run(movie, Collection::kWhenGrown);
  size_t highest = 0;
  for (int f = 0; f < 10000; ++f) {
    run.Frames(1);
    highest = std::max(highest, run.Objects());
  }
  EXPECT_GE(run.runtime.Machine().collections, 2u);
  EXPECT_LT(highest, kCollectMinimum + 5000);  // the built-ins and one frame's worth
  EXPECT_EQ(run.lines, Lines{});
}

TEST(Avm1Collector, SmallMoviesNeverCollect) {
  auto movie = MovieOf({Churn(100), Churn(100)});
  Playing run(movie, Collection::kWhenGrown);
  run.Frames(100);
  EXPECT_EQ(run.runtime.Machine().collections, 0u);
}

TEST(Avm1Collector, ARemovedClipsObjectAndWhatItHeldAreFreed) {
  Code make;
  make.Append(Statement(Method(Var("_root"), "createEmptyMovieClip", {Str("m"), Num(1)})));
  for (int i = 0; i < 100; ++i)
    make.Append(SetMember(Var("m"), "o" + std::to_string(i), Holder("x")));
  Code remove = Statement(Method(Var("m"), "removeMovieClip", {}));
  Code stop = Code().Op(0x07);
  Playing kept(MovieOf({make, Code(), stop}), Collection::kEveryFrame);
  Playing removed(MovieOf({make, remove, stop}), Collection::kEveryFrame);
  kept.Frames(3);
  removed.Frames(3);
  EXPECT_LE(removed.Objects() + 101, kept.Objects());
  // a clip made again at that name is a new, working clip
  Code again;
  again.Append(Statement(Method(Var("_root"), "createEmptyMovieClip", {Str("m"), Num(1)})));
  again.Append(SetMember(Var("m"), "_x", Num(12)));
  again.Append(Trace(Member(Var("m"), "_x")));
  again.Append(stop);
  Playing remade(MovieOf({make, remove, Churn(200), again}), Collection::kEveryFrame);
  remade.Frames(4);
  EXPECT_EQ(remade.lines, Lines{"12"});
}

TEST(Avm1Collector, AFreedBitmapsSlotIsNoBitmapWhenMadeAgain) {
  // a 2880 x 2880 bitmap a frame, dropped again: a quarter of all the
  // pixels bitmaps may hold
  Code frame;
  Code opaque = Code().Record(0x96, {5, 0});  // false
  frame.Append(SetVar("bmp", Code(Arguments({Num(2880), Num(2880), opaque, Num(0)}))
                                 .Append(Member(Var("flash"), "display"))
                                 .Str("BitmapData")
                                 .Op(0x53)));
  frame.Append(Trace(Member(Var("bmp"), "width")));
  frame.Append(SetVar("bmp", Num(0)));
  // the slot the bitmap left is made again as a plain object: no pixels
  Code reuse;
  reuse.Append(SetVar("o", New("Object", {})));
  reuse.Append(Trace(
      Method(Member(Member(Member(Member(Var("flash"), "display"), "BitmapData"), "prototype"),
                    "getPixel"),
             "call", {Var("o"), Num(0), Num(0)})));
  std::vector<Code> frames(6, frame);
  frames.push_back(reuse);
  frames.push_back(Code().Op(0x07));
  Playing run(MovieOf(frames, 8), Collection::kEveryFrame);  // a SWF 8 class
  run.Frames(8);
  EXPECT_EQ(run.lines, (Lines{"2880", "2880", "2880", "2880", "2880", "2880", "undefined"}));
}

// A new 1000 x 1000 bitmap a frame, never disposed: few objects, but the
// pixels of the dropped ones must come back before all bitmaps together
// reach their limit (32 M pixels, 32 frames here).
TEST(Avm1Collector, DroppedBitmapsGiveTheirPixelsBackWhileObjectsAreFew) {
  Code frame;
  frame.Append(SetVar("bmp", Code(Arguments({Num(1000), Num(1000)}))
                                 .Append(Member(Var("flash"), "display"))
                                 .Str("BitmapData")
                                 .Op(0x53)));
  frame.Append(SetVar("widths", Add(Var("widths"), Member(Var("bmp"), "width"))));
  Playing run(MovieOf({frame, frame}, 8), Collection::kWhenGrown);
  run.Frames(100);
  EXPECT_EQ(run.lines, Lines{}) << "no bitmap was refused";
  EXPECT_GE(run.runtime.Machine().collections, 3u);
  EXPECT_LT(run.runtime.Machine().ObjectCount(), kCollectMinimum);
}

// A clip keeps copies of the filters scripts gave it, held nowhere else.
TEST(Avm1Collector, AClipsFiltersSurviveCollections) {
  Code make;
  make.Append(Statement(Method(This(), "createEmptyMovieClip", {Str("c"), Num(1)})));
  Code filters = Member(Var("flash"), "filters");
  Code glow = Code(Arguments({Num(0x00FF00)})).Append(filters).Str("GlowFilter").Op(0x53);
  Code colors = Code(Arguments({Num(0x123456)})).Op(0x42);
  Code ramp = Code(Arguments({Num(4), Num(45), colors, Code(Arguments({Num(1)})).Op(0x42),
                              Code(Arguments({Num(0)})).Op(0x42)}))
                  .Append(filters)
                  .Str("GradientGlowFilter")
                  .Op(0x53);
  make.Append(SetMember(Var("c"), "filters", Code(Arguments({glow, ramp})).Op(0x42)));
  Code read;
  read.Append(Trace(Member(Member(Member(Var("c"), "filters"), "0"), "color")));
  read.Append(Trace(Member(Member(Member(Var("c"), "filters"), "1"), "colors")));
  Playing run(MovieOf({make, Churn(300), Churn(300), read, Code().Op(0x07)}, 8),
              Collection::kEveryFrame);
  run.Frames(5);
  EXPECT_EQ(run.lines, (Lines{"65280", "1193046"}));
}

TEST(Avm1Collector, AFreedTextFormatsSlotIsNoTextFormatWhenMadeAgain) {
  Code make;
  make.Append(SetVar("tf", New("TextFormat", {})));
  make.Append(SetMember(Var("tf"), "size", Num(33)));
  make.Append(Trace(Member(Var("tf"), "size")));
  make.Append(SetVar("tf", Num(0)));
  Code reuse;
  reuse.Append(SetVar("o", New("Object", {})));
  reuse.Append(SetMember(Var("o"), "__proto__", Member(Var("TextFormat"), "prototype")));
  reuse.Append(Trace(Member(Var("o"), "size")));
  Playing run(MovieOf({make, reuse, Code().Op(0x07)}), Collection::kEveryFrame);
  run.Frames(3);
  ASSERT_EQ(run.lines.size(), 2u);
  EXPECT_EQ(run.lines[0], "33");
  EXPECT_NE(run.lines[1], "33");
}

// Each reference movie traces the same when the heap is collected after
// every frame: a root the collector missed would lose an object scripts
// still use. The runs go a few frames past the recorded count.
#ifdef KESTROVA_AVM1_CORPUS
TEST(Avm1Collector, ReferenceMoviesTraceTheSameCollectingEveryFrame) {
  std::ifstream index(std::filesystem::path(KESTROVA_AVM1_CORPUS) / "INDEX.tsv");
  ASSERT_TRUE(index) << KESTROVA_AVM1_CORPUS;
  std::string line;
  std::getline(index, line);  // the header
  int cases = 0;
  size_t collected = 0;
  while (std::getline(index, line)) {
    std::istringstream fields(line);
    std::string name, version;
    int frames = 1;
    fields >> name >> version >> frames;
    auto movie = std::make_shared<const swf::Movie>(swf::LoadMovie(
        (std::filesystem::path(KESTROVA_AVM1_CORPUS) / name / "movie.swf").string()));
    Playing plain(movie, Collection::kNever), collecting(movie, Collection::kEveryFrame);
    plain.Frames(frames + 4);
    collecting.Frames(frames + 4);
    EXPECT_EQ(plain.lines, collecting.lines) << name;
    EXPECT_GE(collecting.runtime.Machine().collections, 1u) << name;
    collected += plain.Objects() - collecting.Objects();
    ++cases;
  }
  EXPECT_EQ(cases, 67);
  EXPECT_GT(collected, 1000u);  // the collections did free objects
}
#endif

}  // namespace
}  // namespace kestrova::avm1
