// Values that share their text, and the Push actions decoded once per
// block of code: copies stay independent, code replaced at the same
// address is read anew, and a loop's pushes give the same values each time
// round while constant pool entries follow the pool that runs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "movie/avm1/push_cache.h"
#include "movie/avm1/runtime.h"
#include "movie/swf/decoder.h"
#include "tests/movie/action_code.h"
#include "tests/movie/swf_test_movies.h"
#include "tests/movie/trace_lines.h"

namespace kestrova::avm1 {
namespace {

using swf::testing::Stage;
using testing::Code;

std::vector<std::string> Play(int version, const Code& code) {
  swf::SwfWriter swf(static_cast<uint8_t>(version), Stage(100, 100), 10);
  swf.Tag(swf::tag::kDoAction, swf::DoActionBody(code.Bytes()));
  swf.ShowFrame();
  return testing::TraceLines(swf);
}

TEST(Avm1Values, SharedTextStaysWithEachCopy) {
  Value a(std::string("snow"));
  Value b = a;
  Value c = b;
  b = Value(3.5);
  EXPECT_EQ(a.string(), "snow");
  EXPECT_EQ(c.string(), "snow");
  EXPECT_EQ(b.number(), 3.5);
  EXPECT_EQ(b.string(), "");  // a number has no text of its own
  const Value& same = c;
  c = same;  // assigned to itself: the text must survive
  EXPECT_EQ(c.string(), "snow");
  Value moved = std::move(a);
  EXPECT_EQ(moved.string(), "snow");
  EXPECT_TRUE(a.IsUndefined());  // NOLINT(bugprone-use-after-move): a moved value is undefined
  a = moved;
  moved = Value::Null();
  EXPECT_EQ(a.string(), "snow");
  EXPECT_EQ(Value(true).number(), 1);
  EXPECT_EQ(Value(static_cast<Object*>(nullptr)).type(), Type::Null);
}

TEST(Avm1PushCache, CodeReplacedAtTheSameAddressIsReadAnew) {
  PushCache cache;
  std::vector<uint8_t> code = {0x96, 3, 0, 0, 'a', 0};  // Push "a"
  auto body = [&] { return std::span<const uint8_t>(code).subspan(3); };
  auto first = cache.Block(code);
  const auto* items = first->Items(0, body());
  ASSERT_TRUE(items && items->size() == 1);
  EXPECT_EQ((*items)[0].value.string(), "a");
  EXPECT_EQ(cache.Block(code), first);  // the same bytes: the same block
  code[4] = 'b';
  auto second = cache.Block(code);
  items = second->Items(0, body());
  ASSERT_TRUE(items && items->size() == 1);
  EXPECT_EQ((*items)[0].value.string(), "b");
  // A string without its terminator does not decode: read the slow way.
  std::vector<uint8_t> cut = {0x96, 2, 0, 0, 'a'};
  EXPECT_EQ(cache.Block(cut)->Items(0, std::span<const uint8_t>(cut).subspan(3)), nullptr);
}

// ConstantPool NAMES as a record.
Code& Pool(Code& code, const std::vector<std::string>& names) {
  std::vector<uint8_t> body = {static_cast<uint8_t>(names.size()), 0};
  for (const std::string& n : names) {
    body.insert(body.end(), n.begin(), n.end());
    body.push_back(0);
  }
  return code.Record(0x88, body);
}

TEST(Avm1PushCache, LoopsPushTheSameValuesAndPoolEntriesFollowThePool) {
  // i = 0; do { trace("n" + pool[0]); i = i + 1; swap pools } while (i < 3)
  Code code;
  code.Str("i").Num(0).Op(0x1D);
  Code body;
  body.Str("n").Record(0x96, {8, 0}).Op(0x47).Trace();  // "n" + constant 0
  body.Str("i").Str("i").Op(0x1C).Num(1).Op(0x47).Op(0x1D);
  // the pool changes each time round: even rounds "x", odd rounds "y"
  Code even, odd;
  Pool(even, {"x"});
  Pool(odd, {"y"});
  Code choose;
  choose.Str("i").Op(0x1C).Num(2).Op(0x3F).If(static_cast<int16_t>(even.Size() + 5));
  choose.Append(even).Jump(static_cast<int16_t>(odd.Size())).Append(odd);
  body.Append(choose);
  body.Str("i").Op(0x1C).Num(3).Op(0x48);  // i < 3
  body.If(static_cast<int16_t>(-(static_cast<int>(body.Size()) + 5)));
  Pool(code, {"x"}).Append(body);
  EXPECT_EQ(Play(7, code), (std::vector<std::string>{"nx", "ny", "nx"}));
}

// function NAME() { body } as DefineFunction2 with this, arguments and super
// suppressed, as the AS2 compiler emits a method that uses none of them.
Code Function2(const std::string& name, const Code& body) {
  std::vector<uint8_t> rec(name.begin(), name.end());
  rec.insert(rec.end(), {0, 0, 0, 1, 0x2A, 0});
  rec.insert(rec.end(), {uint8_t(body.Size()), uint8_t(body.Size() >> 8)});
  return Code().Record(0x8E, rec).Append(body);
}

struct Counted {
  std::vector<std::string> lines;
  size_t objects = 0;
};

Counted PlayCounting(const Code& code) {
  swf::SwfWriter swf(7, Stage(100, 100), 10);
  swf.Tag(swf::tag::kDoAction, swf::DoActionBody(code.Bytes()));
  swf.ShowFrame();
  auto movie = std::make_shared<const swf::Movie>(swf::DecodeMovie(swf.Finish(false)));
  Counted out;
  Runtime runtime(movie,
                  RuntimeOutput{[&](const std::string& l) { out.lines.push_back(l); }, nullptr});
  out.objects = runtime.Machine().ObjectCount();
  return out;
}

// i = 0; while (i < n) { call; i = i + 1 }
Code Repeat(double n, const Code& call) {
  Code body = Code(call).Str("i").Str("i").Op(0x1C).Num(1).Op(0x47).Op(0x1D);
  Code cond = Code().Str("i").Op(0x1C).Num(n).Op(0x48).Op(0x12);
  Code loop = Code(cond).If(static_cast<int16_t>(body.Size() + 5)).Append(body);
  loop.Jump(static_cast<int16_t>(-(static_cast<int>(loop.Size()) + 5)));
  return Code().Str("i").Num(0).Op(0x1D).Append(loop);
}

TEST(Avm1Heap, CallsGiveBackTheirLocalsUnlessAClosureKeepsThem) {
  Code method = Function2("m", Code().Str("x").Num(1).Op(0x3C));  // var x = 1
  Code once = Code(method).Call("m").Op(0x17);
  Code many = Code(method).Append(Repeat(10000, Code().Call("m").Op(0x17)));
  size_t base = PlayCounting(once).objects;
  EXPECT_LE(PlayCounting(many).objects, base + 10) << "a long-running movie must not fill the heap";
  // The same with DefineFunction, whose calls make arguments and super too.
  Code oldMethod = Code().Function("m", Code().Str("x").Num(1).Op(0x3C));
  base = PlayCounting(Code(oldMethod).Call("m").Op(0x17)).objects;
  Code oldMany = Code(oldMethod).Append(Repeat(10000, Code().Call("m").Op(0x17)));
  EXPECT_LE(PlayCounting(oldMany).objects, base + 10);
  // function h(a) { kept = arguments }: what the code named stays
  Code keep;
  keep.Str("kept").Str("arguments").Op(0x1C).Op(0x1D);
  Code kept = Code().Function("h", keep).Str("b").Str("a").Num(2).Str("h").Op(0x3D).Op(0x17);
  kept.Append(Repeat(100, Code(oldMethod).Call("m").Op(0x17)));
  kept.Str("kept").Op(0x1C).Str("1").Op(0x4E).Trace();
  EXPECT_EQ(PlayCounting(kept).lines, (std::vector<std::string>{"b"}));
  // function f() { var x = 5; return function () { return x } }: x outlives f
  Code inner;
  inner.Str("x").Op(0x1C).Op(0x3E);
  Code outer;
  outer.Str("x").Num(5).Op(0x3C);
  std::vector<uint8_t> anonymous = {0, 0, 0, uint8_t(inner.Size()), uint8_t(inner.Size() >> 8)};
  outer.Record(0x9B, anonymous).Append(inner).Op(0x3E);
  Code closure = Function2("f", outer);
  closure.Str("g").Call("f").Op(0x1D);
  closure.Append(Repeat(100, Code(method).Call("m").Op(0x17)));  // reuse any freed objects
  closure.Call("g").Trace();
  EXPECT_EQ(PlayCounting(closure).lines, (std::vector<std::string>{"5"}));
}

}  // namespace
}  // namespace kestrova::avm1
