// DoAction reduced to timeline actions.
#include <gtest/gtest.h>

#include "movie/swf/action_reader.h"
#include "movie/swf/swf_error.h"

namespace kestrova::swf {
namespace {

using Bytes = std::vector<uint8_t>;
using Kind = Action::Kind;

std::vector<Action> Read(const Bytes& code) {
  Reader in(code);
  return ReadActions(in);
}

Bytes PushString(const std::string& s) {
  Bytes b;
  b.push_back(0x96);
  b.push_back(uint8_t(s.size() + 2));
  b.push_back(0);
  b.push_back(0);  // string
  for (char c : s) b.push_back(uint8_t(c));
  b.push_back(0);
  return b;
}

TEST(SwfActions, SimpleTimelineActions) {
  auto a = Read({0x07, 0x06, 0x04, 0x05, 0x81, 2, 0, 9, 0, 0x8C, 3, 0, 'u', 'p', 0, 0x00});
  ASSERT_EQ(a.size(), 6u);
  EXPECT_EQ(a[0].kind, Kind::Stop);
  EXPECT_EQ(a[1].kind, Kind::Play);
  EXPECT_EQ(a[2].kind, Kind::NextFrame);
  EXPECT_EQ(a[3].kind, Kind::PrevFrame);
  EXPECT_EQ(a[4].kind, Kind::GotoFrame);
  EXPECT_EQ(a[4].frame, 9u);
  EXPECT_EQ(a[5].kind, Kind::GotoLabel);
  EXPECT_EQ(a[5].label, "up");
  EXPECT_TRUE(a[4].andStop && a[5].andStop) << "a bare goto is gotoAndStop";
  EXPECT_FALSE(a[4].andPlay || a[5].andPlay);
}

TEST(SwfActions, GotoFrame2TakesAConstantFromTheStack) {
  // push 3 (int32); gotoAndPlay
  Bytes number = {0x96, 5, 0, 7, 3, 0, 0, 0, 0x9F, 1, 0, 1};
  auto a = Read(number);
  ASSERT_EQ(a.size(), 1u);
  EXPECT_EQ(a[0].kind, Kind::GotoFrame);
  EXPECT_EQ(a[0].frame, 2u) << "frames on the stack count from 1";
  EXPECT_TRUE(a[0].andPlay);

  Bytes label = PushString("/clip:end");
  label.insert(label.end(), {0x9F, 1, 0, 0});
  a = Read(label);
  ASSERT_EQ(a.size(), 1u);
  EXPECT_EQ(a[0].kind, Kind::GotoLabel);
  EXPECT_EQ(a[0].label, "end");
  EXPECT_EQ(a[0].target, "/clip");
  EXPECT_TRUE(a[0].andStop);
}

TEST(SwfActions, UnknownValuesAndBranchesAreNotGuessed) {
  // getVariable between push and goto: the frame is not a constant.
  Bytes computed = PushString("n");
  computed.insert(computed.end(), {0x1C, 0x9F, 1, 0, 0, 0x07});
  auto a = Read(computed);
  ASSERT_EQ(a.size(), 1u);
  EXPECT_EQ(a[0].kind, Kind::Stop);
  // Whatever follows a branch may be conditional.
  a = Read({0x06, 0x9D, 2, 0, 0, 0, 0x07});
  ASSERT_EQ(a.size(), 1u);
  EXPECT_EQ(a[0].kind, Kind::Play);
}

TEST(SwfActions, SetTargetNamesTheClip) {
  Bytes code = {0x8B, 4, 0, 'm', 'c', '1', 0, 0x07, 0x8B, 1, 0, 0, 0x06};
  auto a = Read(code);
  ASSERT_EQ(a.size(), 2u);
  EXPECT_EQ(a[0].target, "mc1");
  EXPECT_EQ(a[1].target, "");
}

TEST(SwfActions, RecordLengthBeyondTheTagIsTruncatedData) {
  EXPECT_THROW(Read({0x81, 200, 0, 1}), SwfError);
}

}  // namespace
}  // namespace kestrova::swf
