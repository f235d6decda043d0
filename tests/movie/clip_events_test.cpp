// What the script host hears of sprites coming and going: every sprite
// the display list holds was announced once, every one that left was
// announced gone, also when the timeline goes back and rebuilds its list.
#include <gtest/gtest.h>

#include <vector>

#include "movie/player/player.h"
#include "movie/swf/decoder.h"
#include "tests/movie/swf_test_movies.h"

namespace kestrova::movie {
namespace {

using namespace swf;
using namespace swf::testing;

struct Recorder final : ScriptHost {
  struct Placed {
    const Clip* clip;
    int depth;  // -1: made by the player or a script
  };
  std::vector<Placed> placed;
  std::vector<const Clip*> removed;
  void ClipPlaced(Clip& clip, const PlaceObject* place) override {
    placed.push_back({&clip, place ? int(place->depth) : -1});
  }
  void ClipRemoved(Clip& clip) override { removed.push_back(&clip); }
  void FrameReached(Clip&, uint32_t) override {}
  void BeforeTick() override {}
  void AfterFrame() override {}
  void Clear() {
    placed.clear();
    removed.clear();
  }
};

// Sprite 10 on depths 1 and 2; frame 2 takes depth 2 away and puts one on
// depth 3; after frame 3 the root loops back to frame 1.
std::shared_ptr<const Movie> ComingAndGoing() {
  SwfWriter swf(6, Stage(20, 20), 12);
  TagStream inner;
  inner.ShowFrame();
  swf.Tag(tag::kDefineSprite, DefineSpriteBody(10, inner));
  swf.Tag(tag::kPlaceObject2, PlaceBody(1, 10));
  swf.Tag(tag::kPlaceObject2, PlaceBody(2, 10));
  swf.ShowFrame();
  swf.Tag(tag::kRemoveObject2, RemoveObject2Body(2));
  swf.Tag(tag::kPlaceObject2, PlaceBody(3, 10));
  swf.ShowFrame();
  swf.ShowFrame();
  return std::make_shared<const Movie>(DecodeMovie(swf.Finish(false)));
}

TEST(ClipEvents, GoingBackAnnouncesOnlyTheSpritesThatChanged) {
  Recorder host;
  Player player(ComingAndGoing(), &host);
  const DisplayList& list = player.Root().Objects();
  ASSERT_EQ(list.size(), 2u);
  const Clip* kept = list.at(1).clip.get();
  player.Advance();  // frame 2
  ASSERT_EQ(host.removed.size(), 1u);
  const Clip* third = list.at(3).clip.get();
  player.Advance();  // frame 3
  host.Clear();
  player.Advance();  // back to frame 1
  ASSERT_EQ(host.placed.size(), 1u) << "only the sprite that came back on depth 2";
  EXPECT_EQ(host.placed[0].depth, 2);
  EXPECT_EQ(host.placed[0].clip, list.at(2).clip.get()) << "the clip the list holds";
  ASSERT_EQ(host.removed.size(), 1u);
  EXPECT_EQ(host.removed[0], third);
  EXPECT_EQ(list.at(1).clip.get(), kept) << "depth 1 keeps its clip and hears nothing";
}

}  // namespace
}  // namespace kestrova::movie
