// "effects": SWF 8 effects a frame script sets. Over a night-blue stage an
// orange disc glows white, a turning cyan square casts a drop shadow, a
// second disc is tinted blue through its transform's colour transform, and
// a square laid over it adds its colours to what lies below (blend "add").
#include <string>
#include <vector>

#include "movie/swf/writer.h"
#include "tools/mkswf/sample_movies.h"
#include "tools/mkswf/script_bytes.h"

namespace kestrova::mkswf {

namespace {

using namespace swf;

enum : uint8_t {
  kGetVariable = 0x1C,
  kInitArray = 0x42,
  kAdd2 = 0x47,
  kGetMember = 0x4E,
  kSetMember = 0x4F,
  kNewMethod = 0x53,
};

// new flash.PACKAGE.NAME(args...)
Script& New(Script& s, const char* package, const char* name, const std::vector<double>& args) {
  for (auto it = args.rbegin(); it != args.rend(); ++it) s.Num(*it);
  s.Num(double(args.size())).Member("flash", package).Op(kGetMember);
  return s.Str(name).Op(kNewMethod);
}

// clip.filters = [new flash.filters.NAME(args...)]
void OneFilter(Script& s, const std::string& clip, const char* name,
               const std::vector<double>& args) {
  s.Member(clip, "filters");
  New(s, "filters", name, args).Num(1).Op(kInitArray).Op(kSetMember);
}

Script FirstFrame() {
  Script s;
  OneFilter(s, "glow", "GlowFilter", {0xFFFFFF, 0.8, 16, 16, 2, 3});
  OneFilter(s, "shadow", "DropShadowFilter", {8, 45, 0x000000, 0.7, 8, 8, 1, 3});
  s.Member("added", "blendMode").Str("add").Op(kSetMember);
  // tint.transform.colorTransform = new flash.geom.ColorTransform(...)
  s.Member("tint", "transform").Op(kGetMember).Str("colorTransform");
  New(s, "geom", "ColorTransform", {0.3, 0.6, 1, 1, 0, 40, 120, 0}).Op(kSetMember);
  // shadow.onEnterFrame = function () { this._rotation += 4; }
  Script spin;
  spin.Member("this", "_rotation").Member("this", "_rotation").Op(kGetMember);
  spin.Num(4).Op(kAdd2).Op(kSetMember);
  s.Function("spin", spin);
  s.Member("shadow", "onEnterFrame").Str("spin").Op(kGetVariable).Op(kSetMember);
  return s;
}

FillStyle Solid(Pixel color) {
  FillStyle f;
  f.color = color;
  return f;
}

// A sprite holding one shape, placed at (x, y) pixels under `name`.
void Place(SwfWriter& swf, uint16_t sprite, uint16_t depth, const char* name, int x, int y) {
  PlaceObject place;
  place.depth = depth;
  place.character = sprite;
  place.name = name;
  Matrix m;
  m.tx = Twips::FromPixels(x);
  m.ty = Twips::FromPixels(y);
  place.matrix = m;
  swf.Tag(tag::kPlaceObject2, PlaceObject2Body(place));
}

void DefineSprite(SwfWriter& swf, uint16_t id, uint16_t shape) {
  TagStream inner;
  PlaceObject place;
  place.depth = 1;
  place.character = shape;
  inner.Tag(tag::kPlaceObject2, PlaceObject2Body(place));
  inner.ShowFrame();
  swf.Tag(tag::kDefineSprite, DefineSpriteBody(id, inner));
}

}  // namespace

std::vector<uint8_t> EffectsMovie(bool compress) {
  SwfWriter swf(8, {{0}, Twips::FromPixels(kStageWidth), {0}, Twips::FromPixels(kStageHeight)}, 24);
  swf.Tag(tag::kSetBackgroundColor, {0x10, 0x20, 0x48});
  ShapeBuilder disc, square;
  disc.Circle(0, 0, 32 * kTwipsPerPixel, disc.AddFill(Solid(0xFFFF9020)));
  const int32_t half = 28 * kTwipsPerPixel;
  square.Rect(-half, -half, half, half, square.AddFill(Solid(0xFF30C8D0)));
  swf.Tag(tag::kDefineShape3, DefineShapeBody(1, disc, 3));
  swf.Tag(tag::kDefineShape3, DefineShapeBody(2, square, 3));
  DefineSprite(swf, 3, 1);
  DefineSprite(swf, 4, 2);
  Place(swf, 3, 1, "glow", 70, 85);
  Place(swf, 4, 2, "shadow", 170, 80);
  Place(swf, 3, 3, "tint", 280, 85);
  Place(swf, 4, 4, "added", 320, 105);
  swf.Tag(tag::kDoAction, DoActionBody(FirstFrame().Bytes()));
  swf.ShowFrame();
  return swf.Finish(compress);
}

}  // namespace kestrova::mkswf
