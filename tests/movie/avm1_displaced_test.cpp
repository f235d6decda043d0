// Scripts of sprites a placement on their depth displaced: they stay on the
// stage beneath the newcomer's depth, so their frames and clip events run
// on, and they hear of their unload when the depth goes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "movie/avm1/runtime.h"
#include "movie/swf/decoder.h"
#include "tests/movie/action_code.h"
#include "tests/movie/swf_test_movies.h"

namespace kestrova::avm1 {
namespace {

using swf::testing::Stage;
using testing::Code;

constexpr uint32_t kEnterFrame = 0x02, kUnload = 0x04;

swf::PlaceObject Sprite(const std::string& name) {
  swf::PlaceObject p;
  p.depth = 1;
  p.character = 20;
  p.name = name;
  p.clipActions = {{kEnterFrame, 0, Code().Str("enter " + name).Trace().Bytes()},
                   {kUnload, 0, Code().Str("unload " + name).Trace().Bytes()}};
  return p;
}

TEST(Avm1Displaced, ADisplacedSpriteKeepsItsEventsUntilItsDepthGoes) {
  swf::SwfWriter swf(6, Stage(20, 20), 10);
  swf::TagStream inner;
  inner.ShowFrame();
  swf.Tag(swf::tag::kDefineSprite, swf::DefineSpriteBody(20, inner));
  swf.Tag(swf::tag::kPlaceObject2, swf::PlaceObject2Body(Sprite("a")));
  swf.ShowFrame();
  swf.Tag(swf::tag::kPlaceObject2, swf::PlaceObject2Body(Sprite("b")));
  swf.ShowFrame();
  swf.Tag(swf::tag::kRemoveObject2, swf::RemoveObject2Body(1));
  swf.ShowFrame();
  swf.Tag(swf::tag::kRemoveObject2, swf::RemoveObject2Body(1));
  swf.Tag(swf::tag::kDoAction, swf::DoActionBody(Code().Op(0x07).Bytes()));
  swf.ShowFrame();
  std::vector<std::string> lines;
  Runtime runtime(std::make_shared<const swf::Movie>(swf::DecodeMovie(swf.Finish(false))),
                  {[&](const std::string& l) { lines.push_back(l); }, {}});
  for (int f = 0; f < 4; ++f) runtime.Advance();
  EXPECT_EQ(lines,
            (std::vector<std::string>{"enter b", "enter a", "unload b", "enter a", "unload a"}));
}

}  // namespace
}  // namespace kestrova::avm1
