// Timelines: frames, display-list changes, looping, actions and sprites.
#include <gtest/gtest.h>

#include <vector>

#include "movie/player/morph.h"
#include "movie/player/player.h"
#include "movie/swf/decoder.h"
#include "tests/movie/swf_test_movies.h"

namespace kestrova::movie {
namespace {

using namespace swf;
using namespace swf::testing;

const Bytes kStop = {0x07};
const Bytes kPlay = {0x06};
Bytes GotoFrame(uint16_t frame) { return {0x81, 2, 0, uint8_t(frame), uint8_t(frame >> 8)}; }
Bytes GotoLabel(const std::string& label) {
  Bytes b = {0x8C, uint8_t(label.size() + 1), 0};
  for (char c : label) b.push_back(uint8_t(c));
  b.push_back(0);
  return b;
}
Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

// A movie whose shapes 1..3 are squares; the caller adds frames.
SwfWriter Squares() {
  SwfWriter swf(8, Stage(100, 100), 10);
  for (uint16_t id = 1; id <= 3; ++id) {
    ShapeBuilder s;
    s.Rect(0, 0, 200, 200, s.AddFill(Solid(0xFF000000 | (id * 0x40))));
    swf.Tag(tag::kDefineShape3, DefineShapeBody(id, s, 3));
  }
  return swf;
}

std::shared_ptr<Movie> Load(const SwfWriter& swf) {
  return std::make_shared<Movie>(DecodeMovie(swf.Finish(false)));
}

std::vector<uint16_t> Characters(const Clip& clip) {
  std::vector<uint16_t> ids;
  for (auto& [depth, object] : clip.Objects()) ids.push_back(object.characterId);
  return ids;
}

using Ids = std::vector<uint16_t>;

TEST(PlayerTimeline, FramesApplyInOrderAndLoop) {
  auto swf = Squares();
  swf.Tag(tag::kPlaceObject2, PlaceBody(1, 1));
  swf.ShowFrame();
  swf.Tag(tag::kPlaceObject2, PlaceBody(2, 2));
  swf.ShowFrame();
  swf.Tag(tag::kRemoveObject2, RemoveObject2Body(1));
  swf.ShowFrame();
  Player player(Load(swf));
  EXPECT_EQ(player.Root().CurrentFrame(), 0u);
  EXPECT_EQ(Characters(player.Root()), (Ids{1}));
  player.Advance();
  EXPECT_EQ(Characters(player.Root()), (Ids{1, 2}));
  player.Advance();
  EXPECT_EQ(Characters(player.Root()), (Ids{2}));
  player.Advance();
  EXPECT_EQ(player.Root().CurrentFrame(), 0u);
  EXPECT_EQ(Characters(player.Root()), (Ids{1})) << "looping rebuilds the first frame";
  EXPECT_EQ(player.FrameInterval(), 100u);
}

TEST(PlayerTimeline, MoveChangesAndReplacesWhatTheDepthHolds) {
  auto swf = Squares();
  swf.Tag(tag::kPlaceObject2, PlaceBody(1, 1, 20, 40));
  swf.ShowFrame();
  PlaceObject move;
  move.depth = 1;
  move.move = true;
  move.ratio = 7;
  swf.Tag(tag::kPlaceObject2, PlaceObject2Body(move));
  swf.ShowFrame();
  move.character = 3;
  swf.Tag(tag::kPlaceObject2, PlaceObject2Body(move));
  swf.Tag(tag::kDoAction, DoActionBody(kStop));
  swf.ShowFrame();
  Player player(Load(swf));
  player.Advance();
  const DisplayObject& o = player.Root().Objects().at(1);
  EXPECT_EQ(o.ratio, 7);
  EXPECT_EQ(o.matrix.tx, Twips{20}) << "a move without a matrix keeps the matrix";
  player.Advance();
  EXPECT_EQ(Characters(player.Root()), (Ids{3}));
  EXPECT_EQ(player.Root().Objects().at(1).matrix.ty, Twips{40});
}

// A placement on an occupied depth takes the depth and goes beneath the
// object there, which stays drawn (duplicate-depth-5). Moves and removals
// reach the newest; a removal gives the depth back to the one beneath it.
TEST(PlayerTimeline, PlacementOnAnOccupiedDepthGoesBeneathAndTakesTheDepth) {
  auto swf = Squares();
  swf.Tag(tag::kPlaceObject2, PlaceBody(1, 1));
  swf.Tag(tag::kPlaceObject2, PlaceBody(1, 2));
  swf.ShowFrame();
  swf.Tag(tag::kPlaceObject2, PlaceBody(1, 3));
  swf.ShowFrame();
  PlaceObject move;
  move.move = true;
  move.depth = 1;
  move.matrix = Matrix{};
  move.matrix->tx = Twips{60};
  swf.Tag(tag::kPlaceObject2, PlaceObject2Body(move));
  swf.ShowFrame();
  swf.Tag(tag::kRemoveObject2, RemoveObject2Body(1));
  swf.ShowFrame();
  swf.Tag(tag::kRemoveObject2, RemoveObject2Body(1));
  swf.Tag(tag::kRemoveObject2, RemoveObject2Body(1));
  swf.ShowFrame();
  Player player(Load(swf));
  auto onDepth = [&] {
    Ids ids;
    ForEachOnDepth(player.Root().Objects().at(1),
                   [&](const DisplayObject& o) { ids.push_back(o.characterId); });
    return ids;
  };
  EXPECT_EQ(onDepth(), (Ids{2, 1}));
  player.Advance();
  EXPECT_EQ(onDepth(), (Ids{3, 2, 1})) << "the newest beneath, the oldest on top";
  player.Advance();
  EXPECT_EQ(player.Root().Objects().at(1).matrix.tx, Twips{60});
  EXPECT_EQ(player.Root().Objects().at(1).displaced.at(0).matrix.tx, Twips{0});
  player.Advance();
  EXPECT_EQ(onDepth(), (Ids{2, 1}));
  player.Advance();
  EXPECT_TRUE(player.Root().Objects().empty());
  player.Advance();
  EXPECT_EQ(onDepth(), (Ids{2, 1})) << "looping rebuilds the first frame";
}

// Sprites a placement displaced still play, and leave with the depth.
TEST(PlayerTimeline, DisplacedSpritesPlayOnAndLeaveWithTheDepth) {
  auto swf = Squares();
  TagStream inner;
  inner.Tag(tag::kPlaceObject2, PlaceBody(1, 1));
  inner.ShowFrame();
  inner.Tag(tag::kRemoveObject2, RemoveObject2Body(1));
  inner.Tag(tag::kPlaceObject2, PlaceBody(1, 2));
  inner.ShowFrame();
  swf.Tag(tag::kDefineSprite, DefineSpriteBody(10, inner));
  swf.Tag(tag::kPlaceObject2, PlaceBody(1, 10));
  swf.ShowFrame();
  swf.Tag(tag::kPlaceObject2, PlaceBody(1, 3));
  swf.ShowFrame();
  swf.Tag(tag::kPlaceObject2, PlaceBody(1, 3));
  swf.ShowFrame();
  Player player(Load(swf));
  player.Advance();
  const DisplayObject& sprite = player.Root().Objects().at(1).displaced.at(0);
  ASSERT_TRUE(sprite.clip);
  std::weak_ptr<Clip> clip = sprite.clip;
  EXPECT_EQ(sprite.clip->Self(), &sprite);
  EXPECT_EQ(Characters(*sprite.clip), (Ids{2}));
  player.Advance();
  ASSERT_FALSE(clip.expired());
  EXPECT_EQ(Characters(*clip.lock()), (Ids{1})) << "it played on, displaced";
  EXPECT_EQ(player.Root().Objects().at(1).displaced.size(), 2u);
  player.Advance();
  EXPECT_TRUE(clip.expired()) << "going back to the first frame rebuilt the depth";
  EXPECT_EQ(Characters(player.Root()), (Ids{10}));
}

// A move naming another sprite keeps the sprite there (replace-movie-movie-5,
// replace-movie-shape-7, replace-shape-movie-6).
TEST(PlayerTimeline, ReplaceMovieMovie5SpritesAreNotSwapped) {
  auto swf = Squares();
  TagStream inner;
  inner.Tag(tag::kPlaceObject2, PlaceBody(1, 1));
  inner.ShowFrame();
  swf.Tag(tag::kDefineSprite, DefineSpriteBody(10, inner));
  swf.Tag(tag::kDefineSprite, DefineSpriteBody(11, inner));
  swf.Tag(tag::kPlaceObject2, PlaceBody(1, 10));
  swf.Tag(tag::kPlaceObject2, PlaceBody(2, 2));
  swf.ShowFrame();
  PlaceObject move;
  move.move = true;
  move.depth = 1;
  move.character = 11;
  swf.Tag(tag::kPlaceObject2, PlaceObject2Body(move));
  move.depth = 2;
  swf.Tag(tag::kPlaceObject2, PlaceObject2Body(move));
  swf.Tag(tag::kDoAction, DoActionBody(kStop));
  swf.ShowFrame();
  Player player(Load(swf));
  player.Advance();
  EXPECT_EQ(Characters(player.Root()), (Ids{10, 2}));
}

TEST(PlayerActions, StopPlayAndGotoFrameOrLabel) {
  auto swf = Squares();
  swf.Tag(tag::kPlaceObject2, PlaceBody(1, 1));
  swf.ShowFrame();  // 0
  swf.Tag(tag::kDoAction, DoActionBody(kStop));
  swf.ShowFrame();  // 1: stops
  swf.Tag(tag::kFrameLabel, {'e', 'n', 'd', 0});
  swf.Tag(tag::kPlaceObject2, PlaceBody(2, 2));
  swf.Tag(tag::kDoAction, DoActionBody(Concat({GotoFrame(0), kPlay})));
  swf.ShowFrame();  // 2 "end": back to the start, playing
  auto movie = Load(swf);
  Player player(movie);
  player.Advance();
  EXPECT_EQ(player.Root().CurrentFrame(), 1u);
  EXPECT_FALSE(player.Root().Playing());
  player.Advance();
  EXPECT_EQ(player.Root().CurrentFrame(), 1u) << "stopped";
  movie->root.frames[1].actions.clear();

  Player again(movie);
  again.Advance();
  again.Advance();  // frame 2 sends the timeline back to the start
  EXPECT_EQ(again.Root().CurrentFrame(), 0u);
  EXPECT_EQ(Characters(again.Root()), (Ids{1}));
  EXPECT_TRUE(again.Root().Playing());
}

// The change count moves with the display lists, and only with them.
TEST(Player, ChangesCountOnlyFramesThatChangeTheDisplayList) {
  auto swf = Squares();
  swf.Tag(tag::kPlaceObject2, PlaceBody(1, 1));
  swf.ShowFrame();  // 0
  swf.ShowFrame();  // 1: nothing
  swf.Tag(tag::kPlaceObject2, PlaceBody(2, 2));
  swf.Tag(tag::kDoAction, DoActionBody(kStop));
  swf.ShowFrame();  // 2: a new object, then stop
  Player player(Load(swf));
  const uint64_t first = player.Changes();
  player.Advance();
  EXPECT_EQ(player.Changes(), first) << "an empty frame";
  player.Advance();
  const uint64_t placed = player.Changes();
  EXPECT_GT(placed, first);
  player.Advance();
  EXPECT_EQ(player.Changes(), placed) << "stopped";
}

// gotoAndStop is a bare goto; gotoAndPlay is the goto followed by Play.
TEST(PlayerActions, ABareGotoStopsAndGotoThenPlayKeepsPlaying) {
  auto swf = Squares();
  swf.ShowFrame();  // 0
  swf.Tag(tag::kDoAction, DoActionBody(GotoFrame(3)));
  swf.ShowFrame();  // 1: gotoAndStop(4)
  swf.ShowFrame();  // 2
  swf.Tag(tag::kPlaceObject2, PlaceBody(1, 1));
  swf.ShowFrame();  // 3
  swf.ShowFrame();  // 4
  auto movie = Load(swf);
  Player player(movie);
  player.Advance();
  EXPECT_EQ(player.Root().CurrentFrame(), 3u);
  EXPECT_FALSE(player.Root().Playing());
  player.Advance();
  EXPECT_EQ(player.Root().CurrentFrame(), 3u) << "held on the frame it went to";

  swf::Action play;
  play.kind = swf::Action::Kind::Play;
  movie->root.frames[1].actions.push_back(play);
  Player playing(movie);
  playing.Advance();
  EXPECT_EQ(playing.Root().CurrentFrame(), 3u);
  playing.Advance();
  EXPECT_EQ(playing.Root().CurrentFrame(), 4u) << "gotoAndPlay goes on";
}

TEST(PlayerActions, GotoLabelFindsTheFrameAndUnknownLabelsDoNothing) {
  auto swf = Squares();
  swf.Tag(tag::kDoAction, DoActionBody(Concat({GotoLabel("nowhere"), GotoLabel("Last")})));
  swf.ShowFrame();
  swf.ShowFrame();
  swf.Tag(tag::kFrameLabel, {'l', 'a', 's', 't', 0});
  swf.Tag(tag::kPlaceObject2, PlaceBody(3, 3));
  swf.ShowFrame();
  Player player(Load(swf));
  EXPECT_EQ(player.Root().CurrentFrame(), 2u);
  EXPECT_EQ(Characters(player.Root()), (Ids{3}));
  EXPECT_FALSE(player.Root().Playing());
}

// Frame 0 jumps to 1 and frame 1 jumps back to 0 (gotoAndPlay), for ever:
// every Advance still returns, and the timeline still moves on.
TEST(PlayerActions, EndlessGotoLoopsAreCutOff) {
  auto swf = Squares();
  swf.Tag(tag::kDoAction, DoActionBody(Concat({GotoFrame(1), kPlay})));
  swf.ShowFrame();
  swf.Tag(tag::kDoAction, DoActionBody(Concat({GotoFrame(0), kPlay})));
  swf.ShowFrame();
  Player player(Load(swf));
  // Each run is cut off after an even number of jumps, so every Advance
  // ends on the frame it advanced to, and the movie keeps playing.
  std::vector<uint32_t> frames = {uint32_t(player.Root().CurrentFrame())};
  for (int i = 0; i < 3; ++i) {
    player.Advance();
    frames.push_back(uint32_t(player.Root().CurrentFrame()));
    EXPECT_TRUE(player.Root().Playing());
  }
  EXPECT_EQ(frames, (std::vector<uint32_t>{0, 1, 0, 1}));
}

SwfWriter WithSprite(uint16_t spriteFrames, const Bytes& firstFrameActions = {}) {
  auto swf = Squares();
  TagStream inner;
  for (uint16_t f = 0; f < spriteFrames; ++f) {
    if (f == 0 && !firstFrameActions.empty())
      inner.Tag(tag::kDoAction, DoActionBody(firstFrameActions));
    inner.Tag(tag::kPlaceObject2, PlaceBody(f + 1, 1 + f % 3));
    inner.ShowFrame();
  }
  swf.Tag(tag::kDefineSprite, DefineSpriteBody(10, inner));
  return swf;
}

TEST(PlayerSprites, RunTheirOwnTimelineFromWhenTheyArePlaced) {
  auto swf = WithSprite(3);
  swf.ShowFrame();
  PlaceObject p;
  p.depth = 5;
  p.character = 10;
  p.name = "kid";
  swf.Tag(tag::kPlaceObject2, PlaceObject2Body(p));
  swf.ShowFrame();
  swf.ShowFrame();
  Player player(Load(swf));
  player.Advance();
  const Clip* kid = player.Root().Objects().at(5).clip.get();
  ASSERT_NE(kid, nullptr);
  EXPECT_EQ(kid->CurrentFrame(), 0u);
  player.Advance();
  kid = player.Root().Objects().at(5).clip.get();
  EXPECT_EQ(kid->CurrentFrame(), 1u);
  EXPECT_EQ(Characters(*kid), (Ids{1, 2}));
}

TEST(PlayerSprites, TellTargetReachesANamedClip) {
  auto swf = WithSprite(3);
  PlaceObject p;
  p.depth = 5;
  p.character = 10;
  p.name = "kid";
  swf.Tag(tag::kPlaceObject2, PlaceObject2Body(p));
  // tellTarget("kid") { gotoAndStop(3) }
  Bytes code = {0x8B, 4, 0, 'k', 'i', 'd', 0};
  code = Concat({code, GotoFrame(2), {0x8B, 1, 0, 0}, kStop});
  swf.Tag(tag::kDoAction, DoActionBody(code));
  swf.ShowFrame();
  Player player(Load(swf));
  const Clip* kid = player.Root().Objects().at(5).clip.get();
  EXPECT_EQ(kid->CurrentFrame(), 2u);
  EXPECT_FALSE(kid->Playing());
  EXPECT_FALSE(player.Root().Playing());
}

// A sprite placing itself must not recurse without end.
TEST(PlayerSprites, SelfPlacingSpriteIsCutOff) {
  auto swf = Squares();
  TagStream inner;
  inner.Tag(tag::kPlaceObject2, PlaceBody(1, 10));
  inner.Tag(tag::kPlaceObject2, PlaceBody(2, 10));
  inner.ShowFrame();
  swf.Tag(tag::kDefineSprite, DefineSpriteBody(10, inner));
  swf.Tag(tag::kPlaceObject2, PlaceBody(1, 10));
  swf.ShowFrame();
  Player player(Load(swf));
  player.Advance();
  int depth = 0;
  for (const Clip* c = &player.Root(); c; ++depth) {
    auto it = c->Objects().find(1);
    c = it == c->Objects().end() ? nullptr : it->second.clip.get();
  }
  EXPECT_LE(depth, kMaxClipNesting + 2);
}

TEST(PlayerSprites, GoingBackKeepsASpriteOnTheSameDepth) {
  auto swf = WithSprite(4);
  swf.Tag(tag::kPlaceObject2, PlaceBody(5, 10));
  swf.ShowFrame();
  swf.ShowFrame();
  Player player(Load(swf));
  player.Advance();
  const Clip* before = player.Root().Objects().at(5).clip.get();
  player.Advance();  // loops to frame 0
  EXPECT_EQ(player.Root().Objects().at(5).clip.get(), before);
  EXPECT_EQ(before->CurrentFrame(), 2u);
}

TEST(PlayerMorph, RatioInterpolatesPointsAndColours) {
  MorphShape m;
  m.start.fills = {Solid(0xFF000000)};
  m.end.fills = {Solid(0xFFFFFFFF)};
  Edge a;
  a.from = {{0}, {0}};
  a.to = {{100}, {0}};
  a.fill1 = 1;
  Edge b = a;
  b.from = {{200}, {400}};
  b.to = {{300}, {400}};
  m.start.edges = {a};
  m.end.edges = {b};
  Shape half = Interpolate(m, 0.5f);
  EXPECT_EQ(half.edges[0].from, (TwipsPoint{{100}, {200}}));
  EXPECT_EQ(half.edges[0].to, (TwipsPoint{{200}, {200}}));
  EXPECT_EQ(half.fills[0].color, 0xFF808080u);
  EXPECT_EQ(Interpolate(m, 1).edges[0].from, b.from);
}

}  // namespace
}  // namespace kestrova::movie
