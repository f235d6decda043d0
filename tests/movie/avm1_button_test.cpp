// Scripts and the mouse: button condition actions (with the button's
// parent as their target), handlers of button objects and of clips that
// act as buttons, every clip's mouse events, _xmouse, enabled, key presses.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "movie/avm1/runtime.h"
#include "movie/swf/decoder.h"
#include "tests/movie/action_code.h"
#include "tests/movie/swf_test_movies.h"

namespace kestrova::avm1 {
namespace {

using swf::testing::Solid;
using swf::testing::Stage;
using testing::Code;

Code Say(const std::string& text) { return Code().Str(text).Trace(); }
// trace(prefix + <variable or target.property>)
Code SayWith(const std::string& prefix, const std::string& variable) {
  return Code().Str(prefix).Str(variable).Op(0x1C).Op(0x47).Trace();
}

swf::PlaceObject Place(uint16_t depth, uint16_t character, const std::string& name, int xPx,
                       int yPx) {
  swf::PlaceObject p;
  p.depth = depth;
  p.character = character;
  p.name = name;
  swf::Matrix m;
  m.tx = swf::Twips::FromPixels(xPx);
  m.ty = swf::Twips::FromPixels(yPx);
  p.matrix = m;
  return p;
}

swf::ButtonAction On(uint16_t conditions, const Code& code, uint8_t key = 0) {
  swf::ButtonAction a;
  a.conditions = conditions;
  a.keyCode = key;
  a.code = code.Bytes();
  return a;
}

// Button "btn" at (0, 0) and sprites "clip" at (100, 0) and "mc" at
// (0, 50), each a 40 px square.
std::shared_ptr<const swf::Movie> MouseMovie() {
  swf::SwfWriter swf(6, Stage(200, 100), 10);
  swf::ShapeBuilder square;
  square.Rect(0, 0, 800, 800, square.AddFill(Solid(0xFF336699)));
  swf.Tag(swf::tag::kDefineShape3, swf::DefineShapeBody(1, square, 3));
  Code disable = Say("release");
  disable.Str("btn").Op(0x1C).Str("enabled").Record(0x96, {5, 0}).Op(0x4F);
  swf.Tag(swf::tag::kDefineButton2,
          swf::DefineButton2Body(
              10, {{15, 1, 1, {}, {}, {}}},
              {On(swf::kIdleToOverUp, Say("over")), On(swf::kOverUpToOverDown, Say("press")),
               On(swf::kOverDownToOverUp, disable), On(0, Say("key"), 'k')}));
  swf::TagStream inner;
  inner.Tag(swf::tag::kPlaceObject2, swf::testing::PlaceBody(1, 1));
  inner.ShowFrame();
  swf.Tag(swf::tag::kDefineSprite, swf::DefineSpriteBody(20, inner));
  swf.Tag(swf::tag::kPlaceObject2, swf::PlaceObject2Body(Place(1, 10, "btn", 0, 0)));
  swf::PlaceObject clip = Place(2, 20, "clip", 100, 0);
  clip.clipActions = {{0x10, 0, SayWith("down ", "_xmouse").Bytes()},
                      {0x800, 0, Say("clip release").Bytes()}};
  swf.Tag(swf::tag::kPlaceObject2, swf::PlaceObject2Body(clip));
  swf.Tag(swf::tag::kPlaceObject2, swf::PlaceObject2Body(Place(3, 20, "mc", 0, 50)));
  Code rollOut = Code().Str("rollOut ").Str("_root").Op(0x1C).Str("_xmouse").Op(0x4E);
  rollOut.Op(0x47).Trace();
  Code script;
  script.Str("btn").Op(0x1C).Str("onRollOut").Function("", rollOut).Op(0x4F);
  script.Str("mc").Op(0x1C).Str("onPress").Function("", Say("mc press")).Op(0x4F);
  script.Str("btn").Op(0x1C).Str("getDepth").Op(0x4E).Op(0x26);  // a Button method
  swf.Tag(swf::tag::kDoAction, swf::DoActionBody(script.Bytes()));
  swf.ShowFrame();
  return std::make_shared<const swf::Movie>(swf::DecodeMovie(swf.Finish(false)));
}

swf::TwipsPoint Px(int x, int y) { return {swf::Twips::FromPixels(x), swf::Twips::FromPixels(y)}; }

TEST(Avm1Buttons, ActionsHandlersAndMouseEventsRunAsTheMouseGoes) {
  std::vector<std::string> lines, warnings;
  Runtime runtime(MouseMovie(), {[&](const std::string& l) { lines.push_back(l); },
                                 [&](const std::string& w) { warnings.push_back(w); }});
  movie::Player& player = runtime.Player();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0], "undefined") << "Button.prototype.getDepth exists";
  lines.clear();
  player.KeyPress('k');
  player.MouseMove(Px(20, 20));
  player.MouseDown(Px(20, 20));
  player.MouseUp(Px(20, 20));    // its release disables it
  player.MouseMove(Px(25, 20));  // and the next look at the mouse rolls it out
  player.MouseMove(Px(120, 20));
  player.MouseDown(Px(120, 20));
  player.MouseUp(Px(120, 20));
  player.MouseMove(Px(20, 70));
  player.MouseDown(Px(20, 70));
  player.KeyPress('k');  // disabled: no keys either
  EXPECT_EQ(lines,
            (std::vector<std::string>{"key", "over", "down -80", "press", "release", "rollOut 25",
                                      "down 20", "clip release", "down -80", "mc press"}));
  EXPECT_TRUE(warnings.empty()) << warnings[0];
}

// onPress set on a clip makes it a button only while it is a function.
TEST(Avm1Buttons, ClipsActAsButtonsOnlyWithAHandler) {
  std::vector<std::string> lines;
  Runtime runtime(MouseMovie(), {[&](const std::string& l) { lines.push_back(l); }, {}});
  movie::Player& player = runtime.Player();
  Vm& vm = runtime.Machine();
  Object* mc = vm.Get(Value(runtime.Root()), "mc").object();
  ASSERT_NE(mc, nullptr);
  player.MouseMove(Px(20, 70));
  EXPECT_TRUE(player.OverButton());
  vm.Set(Value(mc), "useHandCursor", Value(false));
  EXPECT_FALSE(player.OverButton()) << "useHandCursor false keeps the arrow";
  vm.Set(Value(mc), "useHandCursor", Value(true));
  EXPECT_TRUE(player.OverButton());
  vm.Set(Value(mc), "onPress", Value(1.0));
  player.MouseMove(Px(21, 70));
  EXPECT_FALSE(player.OverButton()) << "a number is no handler";
}

// A clip acting as a button goes to (and stops on) its frames labelled
// _up, _over and _down.
TEST(Avm1Buttons, ClipsShowTheirButtonFramesByLabel) {
  swf::SwfWriter swf(6, Stage(100, 100), 10);
  swf::ShapeBuilder square;
  square.Rect(0, 0, 800, 800, square.AddFill(Solid(0xFF336699)));
  swf.Tag(swf::tag::kDefineShape3, swf::DefineShapeBody(1, square, 3));
  swf::TagStream states;
  states.Tag(swf::tag::kPlaceObject2, swf::testing::PlaceBody(1, 1));
  for (const char* label : {"_up", "_over", "_down", "other"}) {
    std::vector<uint8_t> body(label, label + std::strlen(label) + 1);
    states.Tag(swf::tag::kFrameLabel, body);
    states.ShowFrame();
  }
  swf.Tag(swf::tag::kDefineSprite, swf::DefineSpriteBody(2, states));
  swf.Tag(swf::tag::kPlaceObject2, swf::PlaceObject2Body(Place(1, 2, "lab", 0, 0)));
  Code script;
  script.Str("lab").Op(0x1C).Str("onRelease").Function("", Code()).Op(0x4F);
  swf.Tag(swf::tag::kDoAction, swf::DoActionBody(script.Bytes()));
  swf.ShowFrame();
  Runtime runtime(std::make_shared<const swf::Movie>(swf::DecodeMovie(swf.Finish(false))), {});
  movie::Player& player = runtime.Player();
  const movie::Clip& lab = *player.Root().Objects().at(1).clip;
  player.MouseMove(Px(20, 20));
  EXPECT_EQ(lab.CurrentFrame(), 1u);
  runtime.Advance();
  EXPECT_EQ(lab.CurrentFrame(), 1u) << "stopped there";
  player.MouseDown(Px(20, 20));
  EXPECT_EQ(lab.CurrentFrame(), 2u);
  player.MouseMove(Px(90, 90));
  EXPECT_EQ(lab.CurrentFrame(), 1u) << "held and dragged away";
  player.MouseUp(Px(90, 90));
  EXPECT_EQ(lab.CurrentFrame(), 0u);
}

}  // namespace
}  // namespace kestrova::avm1
