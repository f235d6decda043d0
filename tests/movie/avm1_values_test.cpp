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

namespace kestrova::avm1 {
namespace {

using swf::testing::Stage;
using testing::Code;

std::vector<std::string> Play(int version, const Code& code) {
  swf::SwfWriter swf(static_cast<uint8_t>(version), Stage(100, 100), 10);
  swf.Tag(swf::tag::kDoAction, swf::DoActionBody(code.Bytes()));
  swf.ShowFrame();
  auto movie = std::make_shared<const swf::Movie>(swf::DecodeMovie(swf.Finish(false)));
  std::vector<std::string> lines;
  RuntimeOutput output{[&](const std::string& l) { lines.push_back(l); },
                       [&](const std::string& w) { lines.push_back("warning: " + w); }};
  Runtime runtime(movie, output);
  return lines;
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

}  // namespace
}  // namespace kestrova::avm1
