// "buttons": two buttons whose over and down states differ. The square
// one turns the star once round on release, the round one changes the
// lamp's colour on release (tellTarget ... play, so the movie works with
// or without its scripts).
#include <cmath>
#include <string>

#include "movie/swf/writer.h"
#include "tools/mkswf/sample_movies.h"

namespace kestrova::mkswf {

namespace {

using namespace swf;

constexpr int32_t kPx = 20;  // twips per pixel

FillStyle Solid(Pixel colour) {
  FillStyle f;
  f.color = colour;
  return f;
}

Matrix At(float xPx, float yPx, float angle = 0) {
  Matrix m;
  m.a = m.d = std::cos(angle);
  m.b = std::sin(angle);
  m.c = -m.b;
  m.tx = {static_cast<int32_t>(xPx * kPx)};
  m.ty = {static_cast<int32_t>(yPx * kPx)};
  return m;
}

void DefineRect(SwfWriter& swf, uint16_t id, int x0, int y0, int x1, int y1, Pixel fill,
                Pixel border) {
  ShapeBuilder s;
  LineStyle line;
  line.width = {2 * kPx};
  line.color = border;
  s.Rect(x0 * kPx, y0 * kPx, x1 * kPx, y1 * kPx, s.AddFill(Solid(fill)), s.AddLine(line));
  swf.Tag(tag::kDefineShape3, DefineShapeBody(id, s, 3));
}

void DefineCircle(SwfWriter& swf, uint16_t id, int r, Pixel fill, Pixel border) {
  ShapeBuilder s;
  LineStyle line;
  line.width = {2 * kPx};
  line.color = border;
  s.Circle(0, 0, r * kPx, s.AddFill(Solid(fill)), s.AddLine(line));
  swf.Tag(tag::kDefineShape3, DefineShapeBody(id, s, 3));
}

// tellTarget(target) { play(); }
std::vector<uint8_t> PlayTarget(const std::string& target) {
  std::vector<uint8_t> code;
  code.reserve(target.size() + 9);
  for (uint8_t b : {uint8_t(0x8B), uint8_t(target.size() + 1), uint8_t(0)}) code.push_back(b);
  for (char c : target) code.push_back(static_cast<uint8_t>(c));
  for (uint8_t b : {0, 0x06, 0x8B, 1, 0, 0}) code.push_back(b);
  return code;
}

void Place(TagStream& tags, uint16_t depth, uint16_t id, const Matrix& m,
           const std::string& name = "") {
  PlaceObject p;
  p.depth = depth;
  p.character = id;
  p.matrix = m;
  if (!name.empty()) p.name = name;
  tags.Tag(tag::kPlaceObject2, PlaceObject2Body(p));
}

ButtonAction OnRelease(const std::vector<uint8_t>& code) {
  ButtonAction a;
  a.conditions = kOverDownToOverUp;
  a.code = code;
  return a;
}

// A star of two squares, turned once round over 12 frames; it waits on
// its first frame.
void DefineStar(SwfWriter& swf) {
  DefineRect(swf, 20, -25, -25, 25, 25, 0xFFFFD040, 0xFFFFFFFF);
  TagStream star;
  const double pi = std::acos(-1.0);
  for (int f = 0; f < 12; ++f) {
    const float angle = static_cast<float>(f * pi / 24);
    for (int i = 0; i < 2; ++i) {
      PlaceObject p;
      p.depth = static_cast<uint16_t>(i + 1);
      p.move = f > 0;
      if (f == 0) p.character = 20;
      p.matrix = At(0, 0, angle + static_cast<float>(i * pi / 4));
      star.Tag(tag::kPlaceObject2, PlaceObject2Body(p));
    }
    if (f == 0) star.Tag(tag::kDoAction, DoActionBody({0x07}));
    star.ShowFrame();
  }
  swf.Tag(tag::kDefineSprite, DefineSpriteBody(21, star));
}

// A lamp of three colours, one a frame, each frame stopped.
void DefineLamp(SwfWriter& swf) {
  const Pixel colours[] = {0xFF40C060, 0xFFE04040, 0xFF4080F0};
  for (uint16_t i = 0; i < 3; ++i) DefineCircle(swf, 30 + i, 30, colours[i], 0xFFFFFFFF);
  TagStream lamp;
  for (uint16_t i = 0; i < 3; ++i) {
    if (i) lamp.Tag(tag::kRemoveObject2, RemoveObject2Body(1));
    Place(lamp, 1, 30 + i, At(0, 0));
    lamp.Tag(tag::kDoAction, DoActionBody({0x07}));
    lamp.ShowFrame();
  }
  swf.Tag(tag::kDefineSprite, DefineSpriteBody(33, lamp));
}

void DefineButtons(SwfWriter& swf) {
  // The square button: blue, lighter with a glow ring when over, darker
  // and pushed down 2 px when pressed.
  DefineRect(swf, 1, 0, 0, 90, 36, 0xFF2850A0, 0xFFC0D0FF);
  DefineRect(swf, 2, 0, 0, 90, 36, 0xFF4878D8, 0xFFFFFFFF);
  DefineRect(swf, 3, 0, 0, 90, 36, 0xFF183060, 0xFF8090C0);
  DefineRect(swf, 4, -4, -4, 94, 40, 0x00000000, 0xFFFFE080);
  Matrix pushed = At(2, 2);
  swf.Tag(tag::kDefineButton2, DefineButton2Body(10,
                                                 {{1 | 8, 1, 1, {}, {}, {}},
                                                  {2, 2, 1, {}, {}, {}},
                                                  {2, 4, 2, {}, {}, {}},
                                                  {4, 3, 1, pushed, {}, {}}},
                                                 {OnRelease(PlayTarget("star"))}));
  // The round button: orange, yellow when over, red when pressed.
  DefineCircle(swf, 5, 22, 0xFFE08020, 0xFFFFE0C0);
  DefineCircle(swf, 6, 22, 0xFFFFD020, 0xFFFFFFFF);
  DefineCircle(swf, 7, 20, 0xFFC03010, 0xFFFFC0A0);
  swf.Tag(tag::kDefineButton2,
          DefineButton2Body(
              11, {{1 | 8, 5, 1, {}, {}, {}}, {2, 6, 1, {}, {}, {}}, {4, 7, 1, {}, {}, {}}},
              {OnRelease(PlayTarget("lamp"))}));
}

}  // namespace

std::vector<uint8_t> ButtonsMovie(bool compress) {
  SwfWriter swf(6, {{0}, {kStageWidth * kPx}, {0}, {kStageHeight * kPx}}, 24);
  swf.Tag(tag::kSetBackgroundColor, {0x18, 0x20, 0x38});
  DefineStar(swf);
  DefineLamp(swf);
  DefineButtons(swf);
  Place(swf, 1, 21, At(110, 60), "star");
  Place(swf, 2, 33, At(290, 60), "lamp");
  Place(swf, 3, 10, At(65, 110));
  Place(swf, 4, 11, At(290, 130));
  swf.ShowFrame();
  return swf.Finish(compress);
}

}  // namespace kestrova::mkswf
