// Buttons in the player: the state shown as the mouse moves, presses and
// releases, every transition and the actions it runs, track-as-menu, hit
// areas under transforms and masks, and buttons that move under the mouse.
#include <gtest/gtest.h>

#include <vector>

#include "movie/player/hit_test.h"
#include "movie/player/player.h"
#include "movie/swf/decoder.h"
#include "tests/movie/swf_test_movies.h"

namespace kestrova::movie {
namespace {

using namespace swf;
using namespace swf::testing;

constexpr uint16_t kUp = 1, kOver = 2, kDown = 3, kHit = 4, kSpinner = 6, kShared = 7;

// The transitions, in the order of their condition bits; the actions of
// bit i send the (stopped) root to frame i + 1.
const uint16_t kTransitions[] = {kIdleToOverUp,     kOverUpToIdle,      kOverUpToOverDown,
                                 kOverDownToOverUp, kOverDownToOutDown, kOutDownToOverDown,
                                 kOutDownToIdle,    kIdleToOverDown,    kOverDownToIdle};

uint32_t FrameOf(uint16_t condition) {
  for (uint32_t i = 0; i < 9; ++i)
    if (kTransitions[i] == condition) return i + 1;
  return 0;
}

std::vector<ButtonAction> EveryTransitionGoesToItsFrame() {
  std::vector<ButtonAction> actions;
  for (uint16_t condition : kTransitions) {
    ButtonAction a;
    a.conditions = condition;
    const uint32_t frame = FrameOf(condition);
    a.code = {0x81, 2, 0, uint8_t(frame), 0};
    actions.push_back(a);
  }
  return actions;
}

Matrix At(int xPx, int yPx, float scale = 1) {
  Matrix m;
  m.a = m.d = scale;
  m.tx = Twips::FromPixels(xPx);
  m.ty = Twips::FromPixels(yPx);
  return m;
}

// Squares 0..40 px in up/over/down colours; the hit area is the circle
// inscribed in them, so the squares' corners are not part of it. The over
// state also shows a three-frame sprite; up and over share a sprite.
SwfWriter ButtonMovie(bool trackAsMenu = false, bool withActions = true) {
  SwfWriter swf(8, Stage(400, 200), 10);
  const Pixel colours[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF};
  for (uint16_t id = kUp; id <= kDown; ++id) {
    ShapeBuilder s;
    s.Rect(0, 0, 800, 800, s.AddFill(Solid(colours[id - 1])));
    swf.Tag(tag::kDefineShape3, DefineShapeBody(id, s, 3));
  }
  ShapeBuilder circle;
  circle.Circle(400, 400, 400, circle.AddFill(Solid(0xFF000000)));
  swf.Tag(tag::kDefineShape3, DefineShapeBody(kHit, circle, 3));
  TagStream spinner;
  for (int f = 0; f < 3; ++f) spinner.ShowFrame();
  swf.Tag(tag::kDefineSprite, DefineSpriteBody(kSpinner, spinner));
  TagStream shared;
  for (int f = 0; f < 5; ++f) shared.ShowFrame();
  swf.Tag(tag::kDefineSprite, DefineSpriteBody(kShared, shared));
  std::vector<ButtonRecord> records = {{1, kUp, 1, {}, {}, {}},      {2, kOver, 1, {}, {}, {}},
                                       {4, kDown, 1, {}, {}, {}},    {8, kHit, 1, {}, {}, {}},
                                       {2, kSpinner, 2, {}, {}, {}}, {3, kShared, 3, {}, {}, {}}};
  swf.Tag(tag::kDefineButton2, DefineButton2Body(10, records,
                                                 withActions ? EveryTransitionGoesToItsFrame()
                                                             : std::vector<ButtonAction>{},
                                                 trackAsMenu));
  return swf;
}

// The root: stopped, ten frames; buttons 10 placed as given.
std::shared_ptr<Movie> Load(SwfWriter swf, const std::vector<PlaceObject>& places) {
  for (const PlaceObject& p : places) swf.Tag(tag::kPlaceObject2, PlaceObject2Body(p));
  swf.Tag(tag::kDoAction, DoActionBody({0x07}));
  for (int f = 0; f < 10; ++f) swf.ShowFrame();
  return std::make_shared<Movie>(DecodeMovie(swf.Finish(false)));
}

PlaceObject Place(uint16_t depth, Matrix m, uint16_t character = 10) {
  PlaceObject p;
  p.depth = depth;
  p.character = character;
  p.matrix = m;
  return p;
}

TwipsPoint Px(int x, int y) { return {Twips::FromPixels(x), Twips::FromPixels(y)}; }

class PlayerButtons : public ::testing::Test {
 protected:
  void Start(std::shared_ptr<Movie> m) {
    movie = std::move(m);
    player = std::make_unique<Player>(movie);
  }
  Clip& ButtonAt(int depth) { return *player->Root().MutableObjects().at(depth).clip; }
  uint16_t Face(int depth) { return ButtonAt(depth).Objects().at(1).characterId; }
  uint32_t Frame() { return player->Root().CurrentFrame(); }

  std::shared_ptr<Movie> movie;
  std::unique_ptr<Player> player;
};

// The button at (100, 50) drawn twice its size: hit circle centre (140, 90), radius 40.
TEST_F(PlayerButtons, StatesAndActionsFollowEveryTransition) {
  Start(Load(ButtonMovie(), {Place(1, At(100, 50, 2))}));
  ASSERT_EQ(Face(1), kUp);
  EXPECT_EQ(ButtonAt(1).Mouse(), MouseState::Idle);

  player->MouseMove(Px(104, 54));  // the square's corner: outside the circle
  EXPECT_EQ(Face(1), kUp);
  EXPECT_FALSE(player->OverButton());
  const uint64_t before = player->Changes();
  player->MouseMove(Px(140, 90));
  EXPECT_EQ(Face(1), kOver);
  EXPECT_EQ(Frame(), FrameOf(kIdleToOverUp));
  EXPECT_TRUE(player->OverButton());
  EXPECT_GT(player->Changes(), before) << "the preview redraws the over state";
  const uint64_t over = player->Changes();
  player->MouseMove(Px(150, 100));
  EXPECT_EQ(player->Changes(), over) << "moving over the same button changes nothing";

  player->MouseDown(Px(150, 100));
  EXPECT_EQ(Face(1), kDown);
  EXPECT_EQ(Frame(), FrameOf(kOverUpToOverDown));
  player->MouseMove(Px(104, 54));
  EXPECT_EQ(ButtonAt(1).Mouse(), MouseState::OutDown);
  EXPECT_EQ(Face(1), kOver) << "pressed and dragged away shows the over state";
  EXPECT_EQ(Frame(), FrameOf(kOverDownToOutDown));
  player->MouseMove(Px(140, 90));
  EXPECT_EQ(Face(1), kDown);
  EXPECT_EQ(Frame(), FrameOf(kOutDownToOverDown));
  player->MouseUp(Px(140, 90));
  EXPECT_EQ(Face(1), kOver);
  EXPECT_EQ(Frame(), FrameOf(kOverDownToOverUp));
  player->MouseMove(Px(10, 10));
  EXPECT_EQ(Face(1), kUp);
  EXPECT_EQ(Frame(), FrameOf(kOverUpToIdle));

  // Pressed, dragged out and released outside.
  player->MouseMove(Px(140, 90));
  player->MouseDown(Px(140, 90));
  player->MouseMove(Px(300, 150));
  player->MouseUp(Px(300, 150));
  EXPECT_EQ(Face(1), kUp);
  EXPECT_EQ(ButtonAt(1).Mouse(), MouseState::Idle);
  EXPECT_EQ(Frame(), FrameOf(kOutDownToIdle));

  // A press elsewhere dragged over a plain button does nothing; the mouse
  // leaving the stage is a move away.
  player->MouseDown(Px(300, 150));
  player->MouseMove(Px(140, 90));
  EXPECT_EQ(Face(1), kUp);
  player->MouseUp(Px(140, 90));
  EXPECT_EQ(Face(1), kOver) << "released over it: the mouse is over it now";
  player->MouseLeave();
  EXPECT_EQ(Face(1), kUp);
  EXPECT_FALSE(player->OverButton());
}

TEST_F(PlayerButtons, TrackAsMenuButtonsHandThePressOn) {
  Start(Load(ButtonMovie(true), {Place(1, At(0, 0)), Place(2, At(100, 0))}));
  player->MouseMove(Px(20, 20));
  player->MouseDown(Px(20, 20));
  EXPECT_EQ(Face(1), kDown);
  player->MouseMove(Px(120, 20));
  EXPECT_EQ(Face(1), kUp) << "a menu button lets go when dragged away";
  EXPECT_EQ(ButtonAt(1).Mouse(), MouseState::Idle);
  EXPECT_EQ(Face(2), kDown);
  EXPECT_EQ(Frame(), FrameOf(kIdleToOverDown));
  player->MouseMove(Px(300, 150));
  EXPECT_EQ(Face(2), kUp);
  EXPECT_EQ(Frame(), FrameOf(kOverDownToIdle));
  player->MouseMove(Px(20, 20));
  EXPECT_EQ(Face(1), kDown) << "a press from nowhere is taken by a menu button";
  player->MouseUp(Px(20, 20));
  EXPECT_EQ(Face(1), kOver);
  EXPECT_EQ(Frame(), FrameOf(kOverDownToOverUp));
}

TEST_F(PlayerButtons, TheTopmostEnabledButtonUnderTheMouseAnswersThroughItsTransforms) {
  Matrix turned = At(200, 100);
  turned.a = 0, turned.b = 2, turned.c = -2, turned.d = 0;  // 90 degrees, twice the size
  Start(Load(ButtonMovie(), {Place(1, At(0, 0)), Place(2, At(20, 0)), Place(3, turned)}));
  player->MouseMove(Px(30, 20));  // inside both circles
  EXPECT_EQ(Face(2), kOver) << "the higher depth wins";
  EXPECT_EQ(Face(1), kUp);
  ButtonAt(2).SetEnabled(false);
  player->MouseMove(Px(31, 20));
  EXPECT_EQ(Face(2), kUp) << "a disabled button takes no mouse";
  EXPECT_EQ(Face(1), kOver);
  // Turned: the circle lies at x 120..200, y 100..180, centre (160, 140).
  player->MouseMove(Px(160, 140));
  EXPECT_EQ(Face(3), kOver);
  player->MouseMove(Px(210, 140));
  EXPECT_EQ(Face(3), kUp);
}

TEST_F(PlayerButtons, AMaskLimitsTheHitAreaOfWhatItCovers) {
  SwfWriter swf = ButtonMovie();
  ShapeBuilder half;
  half.Rect(0, 0, 400, 800, half.AddFill(Solid(0xFF000000)));  // the left 20 px
  swf.Tag(tag::kDefineShape3, DefineShapeBody(20, half, 3));
  TagStream holder;
  PlaceObject mask = Place(1, At(0, 0), 20);
  mask.clipDepth = 2;
  holder.Tag(tag::kPlaceObject2, PlaceObject2Body(mask));
  holder.Tag(tag::kPlaceObject2, PlaceObject2Body(Place(2, At(0, 0))));
  holder.ShowFrame();
  swf.Tag(tag::kDefineSprite, DefineSpriteBody(21, holder));
  Start(Load(swf, {Place(1, At(100, 100), 21)}));
  Clip& button = *ButtonAt(1).MutableObjects().at(2).clip;
  player->MouseMove(Px(125, 120));
  EXPECT_EQ(button.Mouse(), MouseState::Idle) << "outside the mask";
  player->MouseMove(Px(115, 120));
  EXPECT_EQ(button.Mouse(), MouseState::OverUp);
}

// The root plays (its last frame loops back); a sprite moves the button
// 200 px right on its second frame while the mouse stays where it is.
// (The button has no actions: they would send its parent, the sprite, to
// other frames.)
TEST_F(PlayerButtons, AButtonMovingUnderTheStillMouseRollsOverAndOut) {
  SwfWriter swf = ButtonMovie(false, false);
  TagStream mover;
  mover.Tag(tag::kPlaceObject2, PlaceObject2Body(Place(1, At(0, 0))));
  mover.ShowFrame();
  PlaceObject moved;
  moved.depth = 1;
  moved.move = true;
  moved.matrix = At(200, 0);
  mover.Tag(tag::kPlaceObject2, PlaceObject2Body(moved));
  mover.ShowFrame();
  swf.Tag(tag::kDefineSprite, DefineSpriteBody(30, mover));
  swf.Tag(tag::kPlaceObject2, PlaceObject2Body(Place(1, At(10, 10), 30)));
  swf.ShowFrame();
  auto m = std::make_shared<Movie>(DecodeMovie(swf.Finish(false)));
  Start(m);
  Clip& sprite = ButtonAt(1);
  auto button = [&]() -> Clip& { return *sprite.MutableObjects().at(1).clip; };
  player->MouseMove(Px(30, 30));
  EXPECT_EQ(button().Mouse(), MouseState::OverUp);
  player->Advance();
  EXPECT_EQ(button().Mouse(), MouseState::Idle) << "moved away from the mouse";
  EXPECT_EQ(button().ShownState(), ButtonState::Up);
  player->Advance();
  EXPECT_EQ(button().Mouse(), MouseState::OverUp) << "back under it";
  raster::Matrix world = WorldMatrix(button());
  EXPECT_FLOAT_EQ(world.tx, 200);  // 10 px in twips
}

// A sprite only in the over state starts again each time the state comes;
// a sprite in both up and over stays the same instance and plays on.
TEST_F(PlayerButtons, StateChangesKeepSharedChildrenAndRestartNewOnes) {
  auto m = ButtonMovie();
  m.Tag(tag::kPlaceObject2, PlaceObject2Body(Place(1, At(0, 0))));
  m.ShowFrame();
  Start(std::make_shared<Movie>(DecodeMovie(m.Finish(false))));
  Clip& button = ButtonAt(1);
  Clip* shared = button.Objects().at(3).clip.get();
  ASSERT_NE(shared, nullptr);
  player->Advance();
  player->MouseMove(Px(20, 20));
  ASSERT_EQ(button.Objects().at(3).clip.get(), shared);
  EXPECT_EQ(shared->CurrentFrame(), 1u);
  Clip* spinner = button.Objects().at(2).clip.get();
  ASSERT_NE(spinner, nullptr);
  EXPECT_EQ(spinner->CurrentFrame(), 0u);
  player->Advance();
  player->Advance();
  EXPECT_EQ(button.Objects().at(2).clip->CurrentFrame(), 2u);
  player->MouseMove(Px(300, 20));
  EXPECT_EQ(button.Objects().count(2), 0u);
  EXPECT_EQ(button.Objects().at(3).clip.get(), shared);
  player->MouseMove(Px(20, 20));
  EXPECT_EQ(button.Objects().at(2).clip->CurrentFrame(), 0u) << "restarted";
  player->MouseDown(Px(20, 20));
  EXPECT_EQ(button.Objects().count(3), 0u) << "the down state does not show it";
}

TEST_F(PlayerButtons, KeyPressRunsTheActionsOfItsKeyCode) {
  SwfWriter swf(8, Stage(100, 100), 10);
  ShapeBuilder s;
  s.Rect(0, 0, 200, 200, s.AddFill(Solid(0xFF000000)));
  swf.Tag(tag::kDefineShape3, DefineShapeBody(1, s, 3));
  std::vector<ButtonAction> actions(2);
  actions[0].keyCode = 'a';
  actions[0].code = {0x81, 2, 0, 4, 0};
  actions[1].keyCode = 13;
  actions[1].code = {0x81, 2, 0, 7, 0};
  swf.Tag(tag::kDefineButton2, DefineButton2Body(10, {{15, 1, 1, {}, {}, {}}}, actions));
  Start(Load(swf, {Place(1, At(0, 0))}));
  player->KeyPress('b');
  EXPECT_EQ(Frame(), 0u);
  player->KeyPress('a');
  EXPECT_EQ(Frame(), 4u);
  player->KeyPress(13);
  EXPECT_EQ(Frame(), 7u);
  ButtonAt(1).SetEnabled(false);
  player->KeyPress('a');
  EXPECT_EQ(Frame(), 7u) << "a disabled button hears no keys";
}

TEST(ShapeHitTest, FillsFollowTheirRuleAndLinesTheirWidth) {
  ShapeBuilder ring;
  const uint16_t fill = ring.AddFill(Solid(0xFF000000));
  ring.Rect(0, 0, 1000, 1000, fill).Rect(250, 250, 750, 750, fill);
  Movie movie = DecodeMovie([&] {
    SwfWriter swf(8, Stage(100, 100), 10);
    swf.Tag(tag::kDefineShape3, DefineShapeBody(1, ring, 3));
    LineStyle line;
    line.width = {100};
    ShapeBuilder stroke;
    stroke.Styles(0, 0, stroke.AddLine(line)).MoveTo(0, 0).LineTo(1000, 0);
    swf.Tag(tag::kDefineShape3, DefineShapeBody(2, stroke, 3));
    return swf.Finish(false);
  }());
  const Shape& r = std::get<Shape>(*movie.Find(1));
  EXPECT_TRUE(ShapeHit(r, {100, 100}));
  EXPECT_FALSE(ShapeHit(r, {500, 500})) << "even-odd: the inner square is a hole";
  Shape nonZero = r;
  nonZero.nonZero = true;
  EXPECT_TRUE(ShapeHit(nonZero, {500, 500}));
  const Shape& l = std::get<Shape>(*movie.Find(2));
  EXPECT_TRUE(ShapeHit(l, {500, 40}));
  EXPECT_FALSE(ShapeHit(l, {500, 90}));
}

}  // namespace
}  // namespace kestrova::movie
