// "particles": bubbles made by a script. Frame 1 duplicates one hidden
// bubble 40 times (duplicateMovieClip), scatters the copies with random()
// and gives each an onEnterFrame that makes it rise and come back below.
#include <string>

#include "movie/swf/writer.h"
#include "tools/mkswf/sample_movies.h"
#include "tools/mkswf/script_bytes.h"

namespace kestrova::mkswf {

namespace {

using namespace swf;

constexpr int kParticles = 40;

enum : uint8_t {
  kAdd = 0x0A,
  kSubtract = 0x0B,
  kNot = 0x12,
  kGetVariable = 0x1C,
  kSetVariable = 0x1D,
  kSetProperty = 0x23,
  kCloneSprite = 0x24,
  kRandom = 0x30,
  kLess2 = 0x48,
  kGetMember = 0x4E,
  kSetMember = 0x4F,
  kIf = 0x9D,
};

// this._y -= this.vy; if (this._y < -12) this._y = stage height + 12;
Script Mover() {
  Script wrap;
  wrap.Member("this", "_y").Num(kStageHeight + 12).Op(kSetMember);
  Script s;
  s.Member("this", "_y").Member("this", "_y").Op(kGetMember);
  s.Member("this", "vy").Op(kGetMember).Op(kSubtract).Op(kSetMember);
  s.Member("this", "_y").Op(kGetMember).Num(-12).Op(kLess2).Op(kNot);
  auto skip = static_cast<uint16_t>(wrap.Size());
  s.Record(kIf, {uint8_t(skip), uint8_t(skip >> 8)});
  return s.Append(wrap);
}

// setProperty(name, index, random(range) + base)
void RandomProperty(Script& s, const std::string& name, int index, int range, int base) {
  s.Str(name).Num(index).Num(range).Op(kRandom).Num(base).Op(kAdd).Op(kSetProperty);
}

Script FirstFrame() {
  Script s;
  s.Function("mover", Mover());
  for (int i = 1; i <= kParticles; ++i) {
    std::string name = "p" + std::to_string(i);
    // duplicateMovieClip("dot", name, i): the depth goes in as i + 16384.
    s.Str("dot").Str(name).Num(i + 16384).Op(kCloneSprite);
    RandomProperty(s, name, 0, kStageWidth, 0);   // _x
    RandomProperty(s, name, 1, kStageHeight, 0);  // _y
    s.Str("size").Num(120).Op(kRandom).Num(30).Op(kAdd).Op(kSetVariable);
    for (int scale : {2, 3})  // _xscale, _yscale
      s.Str(name).Num(scale).Str("size").Op(kGetVariable).Op(kSetProperty);
    RandomProperty(s, name, 6, 60, 40);  // _alpha
    s.Member(name, "vy").Num(4).Op(kRandom).Num(1).Op(kAdd).Op(kSetMember);
    s.Member(name, "onEnterFrame").Str("mover").Op(kGetVariable).Op(kSetMember);
  }
  s.Str("dot").Num(7).Num(0).Op(kSetProperty);  // the original stays hidden
  return s;
}

FillStyle Solid(Pixel color) {
  FillStyle f;
  f.color = color;
  return f;
}

}  // namespace

std::vector<uint8_t> Particles(bool compress) {
  SwfWriter swf(6, {{0}, Twips::FromPixels(kStageWidth), {0}, Twips::FromPixels(kStageHeight)}, 24);
  swf.Tag(tag::kSetBackgroundColor, {0x10, 0x20, 0x48});
  ShapeBuilder bubble;
  bubble.AddFill(Solid(0x9060C0FF));
  LineStyle rim;
  rim.width = Twips::FromPixels(1);
  rim.color = 0xFFE0F0FF;
  bubble.AddLine(rim);
  bubble.Circle(0, 0, 8 * kTwipsPerPixel, 1, 1);
  swf.Tag(tag::kDefineShape3, DefineShapeBody(1, bubble, 3));
  TagStream inner;
  PlaceObject shape;
  shape.depth = 1;
  shape.character = 1;
  inner.Tag(tag::kPlaceObject2, PlaceObject2Body(shape));
  inner.ShowFrame();
  swf.Tag(tag::kDefineSprite, DefineSpriteBody(2, inner));
  PlaceObject dot;
  dot.depth = 1;
  dot.character = 2;
  dot.name = "dot";
  swf.Tag(tag::kPlaceObject2, PlaceObject2Body(dot));
  swf.Tag(tag::kDoAction, DoActionBody(FirstFrame().Bytes()));
  swf.ShowFrame();
  return swf.Finish(compress);
}

}  // namespace kestrova::mkswf
