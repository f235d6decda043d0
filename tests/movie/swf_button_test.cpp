// Buttons: the records of each state (hit included), DefineButton's
// release actions, DefineButton2's condition actions with their transition
// bits and key codes, track-as-menu, and the colour transforms.
#include <gtest/gtest.h>

#include "movie/swf/decoder.h"
#include "tests/movie/swf_test_movies.h"

namespace kestrova::swf {
namespace {

using namespace testing;

const Button& ButtonOf(const Movie& movie, uint16_t id) {
  const Character* c = movie.Find(id);
  EXPECT_NE(c, nullptr);
  return std::get<Button>(*c);
}

std::vector<uint16_t> Characters(const Timeline& state) {
  std::vector<uint16_t> out;
  for (const DisplayTag& tag : state.frames[0].tags)
    out.push_back(*std::get<PlaceObject>(tag).character);
  return out;
}

Movie Decode(const SwfWriter& swf) { return DecodeMovie(swf.Finish(false)); }

std::vector<ButtonRecord> FourStates() {
  Matrix moved;
  moved.tx = {40};
  return {{1, 1, 1, {}, {}, {}},
          {2, 2, 1, moved, {}, {}},
          {4, 3, 1, {}, {}, {}},
          {8, 4, 2, {}, {}, {}},
          {7, 5, 3, {}, {}, {}}};
}

TEST(SwfButton, DefineButtonKeepsEveryStateAndItsReleaseActions) {
  SwfWriter swf(4, Stage(100, 100), 12);
  swf.Tag(tag::kDefineButton, DefineButtonBody(9, FourStates(), {0x06 /* play */}));
  Movie movie = Decode(swf);
  const Button& b = ButtonOf(movie, 9);
  EXPECT_EQ(Characters(b.up), (std::vector<uint16_t>{1, 5}));
  EXPECT_EQ(Characters(b.over), (std::vector<uint16_t>{2, 5}));
  EXPECT_EQ(Characters(b.down), (std::vector<uint16_t>{3, 5}));
  EXPECT_EQ(Characters(b.hit), (std::vector<uint16_t>{4}));
  EXPECT_EQ(std::get<PlaceObject>(b.over.frames[0].tags[0]).matrix->tx.value, 40);
  EXPECT_FALSE(b.trackAsMenu);
  ASSERT_EQ(b.actions.size(), 1u);
  EXPECT_EQ(b.actions[0].conditions, kOverDownToOverUp);
  EXPECT_EQ(b.actions[0].keyCode, 0);
  EXPECT_EQ(b.actions[0].code, (std::vector<uint8_t>{0x06, 0x00}));
  ASSERT_EQ(b.actions[0].actions.size(), 1u);
  EXPECT_EQ(b.actions[0].actions[0].kind, Action::Kind::Play);
}

// Written by hand so that the bit layout is checked against the format,
// not against our own writer: press (OverUpToOverDown) with stop, then the
// last record (size 0): key 'A' and OverDownToIdle with play.
TEST(SwfButton, ConditionActionsKeepTheirTransitionBitsAndKeyCodes) {
  Bytes body = {9, 0, 1 /* track as menu */, 0, 0};
  Bytes record = {0x0F, 1, 0, 1, 0, 0 /* matrix */, 0 /* cxform */, 0};
  body.insert(body.end(), record.begin(), record.end());
  body[3] = static_cast<uint8_t>(record.size() + 2);
  body.insert(body.end(), {6, 0, 0x04, 0x00, 0x07, 0x00});
  body.insert(body.end(), {0, 0, 0x00, ('A' << 1) | 1, 0x06, 0x00});
  SwfWriter swf(6, Stage(100, 100), 12);
  swf.Tag(tag::kDefineButton2, body);
  Movie movie = Decode(swf);
  const Button& b = ButtonOf(movie, 9);
  EXPECT_TRUE(b.trackAsMenu);
  EXPECT_EQ(Characters(b.hit), (std::vector<uint16_t>{1}));
  ASSERT_EQ(b.actions.size(), 2u);
  EXPECT_EQ(b.actions[0].conditions, kOverUpToOverDown);
  EXPECT_EQ(b.actions[0].keyCode, 0);
  EXPECT_EQ(b.actions[0].code, (std::vector<uint8_t>{0x07, 0x00}));
  EXPECT_EQ(b.actions[0].actions[0].kind, Action::Kind::Stop);
  EXPECT_EQ(b.actions[1].conditions, kOverDownToIdle);
  EXPECT_EQ(b.actions[1].keyCode, 'A');
  EXPECT_EQ(b.actions[1].actions[0].kind, Action::Kind::Play);
}

TEST(SwfButton, WrittenConditionActionsReadBackAndCxformsAndBlendModesApply) {
  std::vector<ButtonRecord> records = FourStates();
  ColorTransform half;
  half.mr = 0.5f;
  records[0].colorTransform = half;
  records[1].blendMode = 3;
  std::vector<ButtonAction> actions(3);
  actions[0].conditions = kIdleToOverUp | kOutDownToOverDown;
  actions[0].code = {0x07};
  actions[1].conditions = kOverDownToOutDown | kOverDownToIdle | kOutDownToIdle;
  actions[1].code = {0x06, 0x07};
  actions[2].keyCode = 13;
  SwfWriter swf(8, Stage(100, 100), 12);
  swf.Tag(tag::kDefineButton2, DefineButton2Body(3, records, actions));
  Movie movie = Decode(swf);
  const Button& b = ButtonOf(movie, 3);
  ASSERT_EQ(b.actions.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(b.actions[i].conditions, actions[i].conditions) << i;
    EXPECT_EQ(b.actions[i].keyCode, actions[i].keyCode) << i;
  }
  EXPECT_EQ(b.actions[1].code, (std::vector<uint8_t>{0x06, 0x07, 0x00}));
  EXPECT_FLOAT_EQ(std::get<PlaceObject>(b.up.frames[0].tags[0]).colorTransform->mr, 0.5f);
  EXPECT_EQ(std::get<PlaceObject>(b.over.frames[0].tags[0]).blendMode, 3);
  EXPECT_EQ(Characters(b.hit), (std::vector<uint16_t>{4}));

  // DefineButtonCxform colours the drawn states of a DefineButton.
  SwfWriter old(4, Stage(100, 100), 12);
  old.Tag(tag::kDefineButton, DefineButtonBody(2, FourStates(), {}));
  BitWriter cx;
  cx.U16(2);
  ColorTransform add;
  add.ag = 30;
  cx.CxForm(add, false);
  old.Tag(tag::kDefineButtonCxform, cx.Data());
  Movie oldMovie = Decode(old);
  for (const Timeline* state : {&ButtonOf(oldMovie, 2).up, &ButtonOf(oldMovie, 2).down})
    EXPECT_FLOAT_EQ(std::get<PlaceObject>(state->frames[0].tags[0]).colorTransform->ag, 30);
  EXPECT_TRUE(ButtonOf(oldMovie, 2).actions.empty()) << "an empty action list runs nothing";
}

// A condition action whose code is cut short keeps its byte code (the
// interpreter stops at the cut) and reduces to no timeline actions; a size
// beyond the tag drops only the button.
TEST(SwfButton, BadActionListsNeitherReadPastTheTagNorLoseTheButton) {
  Bytes body = {9, 0, 0, 0, 0};
  Bytes record = {0x0F, 1, 0, 1, 0, 0, 0, 0};
  body.insert(body.end(), record.begin(), record.end());
  body[3] = static_cast<uint8_t>(record.size() + 2);
  body.insert(body.end(), {0, 0, 0x08, 0x00, 0x8C, 0x20, 0x00, 'x'});  // GotoLabel cut short
  SwfWriter swf(6, Stage(100, 100), 12);
  swf.Tag(tag::kDefineButton2, body);
  Bytes tooLong = body;
  tooLong[1] = 10;     // id 10
  tooLong[13] = 0x40;  // the action's size says 64 bytes
  swf.Tag(tag::kDefineButton2, tooLong);
  Movie movie = Decode(swf);
  const Button& b = ButtonOf(movie, 9);
  ASSERT_EQ(b.actions.size(), 1u);
  EXPECT_EQ(b.actions[0].conditions, kOverDownToOverUp);
  EXPECT_EQ(b.actions[0].code.size(), 4u);
  EXPECT_TRUE(b.actions[0].actions.empty());
  EXPECT_EQ(movie.Find(10), nullptr);
  EXPECT_FALSE(movie.warnings.empty());
}

}  // namespace
}  // namespace kestrova::swf
