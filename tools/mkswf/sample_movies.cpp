#include "tools/mkswf/sample_movies.h"

#include <cmath>

#include "movie/swf/writer.h"
#include "tools/mkswf/text_movie.h"

namespace kestrova::mkswf {

namespace {

using namespace swf;

constexpr int kPx = kTwipsPerPixel;
constexpr float kPi = 3.14159265f;

SwfWriter NewMovie(Pixel background, float fps = 24) {
  SwfWriter swf(8, {{0}, Twips::FromPixels(kStageWidth), {0}, Twips::FromPixels(kStageHeight)},
                fps);
  swf.Tag(tag::kSetBackgroundColor, {PixelR(background), PixelG(background), PixelB(background)});
  return swf;
}

FillStyle Solid(Pixel color) {
  FillStyle f;
  f.color = color;
  return f;
}

LineStyle Line(int widthPx, Pixel color) {
  LineStyle l;
  l.width = Twips::FromPixels(widthPx);
  l.color = color;
  return l;
}

// A gradient square (-16384..16384) mapped onto x0..x1 (twips), turned by
// `angle`, centred at (cx, cy).
Matrix GradientBox(float size, float angle, int32_t cx, int32_t cy) {
  float s = size / 32768.0f;
  Matrix m;
  m.a = s * std::cos(angle);
  m.b = s * std::sin(angle);
  m.c = -s * std::sin(angle);
  m.d = s * std::cos(angle);
  m.tx = {cx};
  m.ty = {cy};
  return m;
}

FillStyle Gradient(FillKind kind, std::vector<GradientStop> stops, Matrix m,
                   SpreadMode spread = SpreadMode::Pad) {
  FillStyle f;
  f.kind = kind;
  f.stops = std::move(stops);
  f.matrix = m;
  f.spread = spread;
  return f;
}

Matrix At(float x, float y, float scale = 1, float angle = 0) {
  Matrix m;
  m.a = scale * std::cos(angle);
  m.b = scale * std::sin(angle);
  m.c = -scale * std::sin(angle);
  m.d = scale * std::cos(angle);
  m.tx = {static_cast<int32_t>(std::lround(x * kPx))};
  m.ty = {static_cast<int32_t>(std::lround(y * kPx))};
  return m;
}

void Place(TagStream& tags, uint16_t depth, uint16_t id, const Matrix& m,
           std::optional<ColorTransform> cx = std::nullopt, std::optional<uint16_t> ratio = {}) {
  PlaceObject p;
  p.depth = depth;
  p.character = id;
  p.matrix = m;
  p.colorTransform = cx;
  p.ratio = ratio;
  tags.Tag(tag::kPlaceObject2, PlaceObject2Body(p));
}

void Move(TagStream& tags, uint16_t depth, const Matrix& m,
          std::optional<ColorTransform> cx = std::nullopt, std::optional<uint16_t> ratio = {}) {
  PlaceObject p;
  p.depth = depth;
  p.move = true;
  p.matrix = m;
  p.colorTransform = cx;
  p.ratio = ratio;
  tags.Tag(tag::kPlaceObject2, PlaceObject2Body(p));
}

// A five-pointed star of radius r around the origin (twips).
ShapeBuilder Star(int32_t r, uint16_t fill, uint16_t line) {
  ShapeBuilder s;
  for (int i = 0; i <= 10; ++i) {
    float a = -kPi / 2 + i * kPi / 5;
    float rr = i % 2 ? r * 0.45f : float(r);
    int32_t x = int32_t(std::lround(rr * std::cos(a))), y = int32_t(std::lround(rr * std::sin(a)));
    if (i == 0)
      s.Styles(0, fill, line).MoveTo(x, y);
    else
      s.LineTo(x, y);
  }
  return s;
}

std::vector<uint8_t> Shapes(bool compress) {
  SwfWriter swf = NewMovie(0xFFF4F4F0);
  ShapeBuilder s;
  uint16_t red = s.AddFill(Solid(0xFFD03030));
  uint16_t blue = s.AddFill(Solid(0xC02060D0));
  uint16_t black = s.AddLine(Line(3, 0xFF202020));
  uint16_t green = s.AddLine(Line(8, 0xFF30A050));
  s.Rect(20 * kPx, 20 * kPx, 120 * kPx, 140 * kPx, red, black);
  s.Circle(190 * kPx, 85 * kPx, 60 * kPx, blue, black);
  s.Styles(0, 0, green).MoveTo(270 * kPx, 140 * kPx);
  s.CurveTo(300 * kPx, 10 * kPx, 330 * kPx, 140 * kPx)
      .CurveTo(350 * kPx, 40 * kPx, 375 * kPx, 30 * kPx);
  swf.Tag(tag::kDefineShape3, DefineShapeBody(1, s, 3));
  Place(swf, 1, 1, {});
  swf.ShowFrame();
  return swf.Finish(compress);
}

std::vector<uint8_t> Gradients(bool compress) {
  SwfWriter swf = NewMovie(0xFFFFFFFF);
  ShapeBuilder s;
  uint16_t linear = s.AddFill(Gradient(FillKind::LinearGradient,
                                       {{0, 0xFFFF4040}, {128, 0xFFFFE040}, {255, 0xFF4060FF}},
                                       GradientBox(120 * kPx, 0.3f, 70 * kPx, 85 * kPx)));
  uint16_t radial = s.AddFill(Gradient(FillKind::RadialGradient,
                                       {{0, 0xFFFFFFFF}, {200, 0xFF2080C0}, {255, 0x002080C0}},
                                       GradientBox(150 * kPx, 0, 196 * kPx, 85 * kPx)));
  uint16_t reflect =
      s.AddFill(Gradient(FillKind::LinearGradient, {{0, 0xFF000000}, {255, 0xFF40FF80}},
                         GradientBox(30 * kPx, kPi / 4, 325 * kPx, 85 * kPx), SpreadMode::Reflect));
  s.Rect(10 * kPx, 15 * kPx, 130 * kPx, 155 * kPx, linear);
  s.Circle(196 * kPx, 85 * kPx, 70 * kPx, radial);
  s.Rect(265 * kPx, 15 * kPx, 385 * kPx, 155 * kPx, reflect);
  swf.Tag(tag::kDefineShape3, DefineShapeBody(1, s, 3));
  Place(swf, 1, 1, {});
  swf.ShowFrame();
  return swf.Finish(compress);
}

// A square crossing the stage in 24 frames, turning and fading to blue.
std::vector<uint8_t> Tween(bool compress) {
  SwfWriter swf = NewMovie(0xFF202830);
  ShapeBuilder s;
  s.Rect(-25 * kPx, -25 * kPx, 25 * kPx, 25 * kPx, s.AddFill(Solid(0xFFFFA020)),
         s.AddLine(Line(2, 0xFFFFFFFF)));
  swf.Tag(tag::kDefineShape3, DefineShapeBody(1, s, 3));
  const int frames = 24;
  for (int f = 0; f < frames; ++f) {
    float t = f / float(frames - 1);
    Matrix m = At(40 + t * 313, 85, 1 + 0.5f * std::sin(t * kPi), t * kPi);
    ColorTransform cx;
    cx.mr = 1 - t;
    cx.ab = 255 * t;
    if (f == 0)
      Place(swf, 1, 1, m, cx);
    else
      Move(swf, 1, m, cx);
    swf.ShowFrame();
  }
  return swf.Finish(compress);
}

// A sprite spinning a star on its own 12-frame timeline, placed three times.
void DefineSpinner(SwfWriter& swf, uint16_t starId, uint16_t spriteId, Pixel color) {
  ShapeBuilder star = Star(30 * kPx, 1, 1);
  star.AddFill(Solid(color));
  star.AddLine(Line(2, 0xFF303030));
  swf.Tag(tag::kDefineShape3, DefineShapeBody(starId, star, 3));
  TagStream inner;
  for (int f = 0; f < 12; ++f) {
    Matrix m = At(0, 0, 1, f * 2 * kPi / 5 / 12);
    if (f == 0)
      Place(inner, 1, starId, m);
    else
      Move(inner, 1, m);
    inner.ShowFrame();
  }
  swf.Tag(tag::kDefineSprite, DefineSpriteBody(spriteId, inner));
}

std::vector<uint8_t> Sprite(bool compress) {
  SwfWriter swf = NewMovie(0xFFE8F0FF);
  DefineSpinner(swf, 1, 2, 0xFFFFD020);
  Place(swf, 1, 2, At(80, 85));
  Place(swf, 2, 2, At(196, 85, 1.5f));
  ColorTransform pink;
  pink.mg = 0.3f;
  pink.ar = 40;
  Place(swf, 3, 2, At(315, 85), pink);
  swf.ShowFrame();
  return swf.Finish(compress);
}

// Circle-ish to square and back, by ratio, 24 frames each way.
void DefineBlob(SwfWriter& swf, uint16_t id) {
  ShapeBuilder start, end;
  start.AddFill(Solid(0xFF20A0E0));
  end.AddFill(Solid(0xFFE04080));
  start.AddLine(Line(2, 0xFF104060));
  end.AddLine(Line(6, 0xFF601020));
  start.Circle(0, 0, 50 * kPx, 1, 1);
  // The circle's eight arc ends, moved onto a square's outline (edges
  // pair one to one; the square's are straight).
  const int32_t square[8][2] = {{40, 40},   {0, 40},  {-40, 40}, {-40, 0},
                                {-40, -40}, {0, -40}, {40, -40}, {40, 0}};
  end.Styles(0, 1, 1).MoveTo(40 * kPx, 0);
  for (const auto& p : square) end.LineTo(p[0] * kPx, p[1] * kPx);
  swf.Tag(tag::kDefineMorphShape, DefineMorphShapeBody(id, start, end));
}

std::vector<uint8_t> Morph(bool compress) {
  SwfWriter swf = NewMovie(0xFFFFFFFF);
  DefineBlob(swf, 1);
  for (int f = 0; f < 48; ++f) {
    float t = f < 24 ? f / 23.0f : (47 - f) / 23.0f;
    uint16_t ratio = static_cast<uint16_t>(std::lround(t * 65535));
    if (f == 0)
      Place(swf, 1, 1, At(196, 85), std::nullopt, ratio);
    else
      Move(swf, 1, At(196, 85), std::nullopt, ratio);
    swf.ShowFrame();
  }
  return swf.Finish(compress);
}

// A 32x32 bitmap: a checkerboard under a soft-edged disc with alpha.
PixelBuffer Tile() {
  PixelBuffer p(32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      bool dark = ((x / 8) + (y / 8)) % 2;
      uint8_t v = dark ? 0x50 : 0xD0;
      float d = std::hypot(x - 15.5f, y - 15.5f);
      uint8_t a = d < 10 ? 255 : d < 14 ? uint8_t(255 * (14 - d) / 4) : 0;
      // Premultiplied: the disc is orange over the board.
      auto mix = [&](uint8_t over, uint8_t under) {
        return uint8_t((over * a + under * (255 - a)) / 255);
      };
      p.At(x, y) = MakePixel(mix(0xFF, v), mix(0x90, v), mix(0x20, v));
    }
  return p;
}

void DefineTileShape(SwfWriter& swf, uint16_t bitmapId, uint16_t shapeId) {
  swf.Tag(tag::kDefineBitsLossless2, DefineBitsLossless2Body(bitmapId, Tile()));
  ShapeBuilder s;
  FillStyle tiled;
  tiled.kind = FillKind::Bitmap;
  tiled.bitmapId = bitmapId;
  tiled.matrix.a = tiled.matrix.d = kPx;  // bitmap pixels to twips
  FillStyle clipped = tiled;
  clipped.repeat = false;
  clipped.matrix.a = clipped.matrix.d = 4 * kPx;
  clipped.matrix.tx = {250 * kPx};
  clipped.matrix.ty = {20 * kPx};
  s.Rect(10 * kPx, 10 * kPx, 230 * kPx, 160 * kPx, s.AddFill(tiled));
  s.Rect(250 * kPx, 20 * kPx, 378 * kPx, 148 * kPx, s.AddFill(clipped));
  swf.Tag(tag::kDefineShape3, DefineShapeBody(shapeId, s, 3));
}

std::vector<uint8_t> Bitmap(bool compress) {
  SwfWriter swf = NewMovie(0xFFFFFFFF);
  DefineTileShape(swf, 1, 2);
  Place(swf, 1, 2, {});
  swf.ShowFrame();
  return swf.Finish(compress);
}

// Everything at once, 48 frames: a gradient sky, a bitmap strip, the
// spinning stars, the morphing blob and a tweened star on the move.
std::vector<uint8_t> Sample(bool compress) {
  SwfWriter swf = NewMovie(0xFF102040);
  ShapeBuilder sky;
  sky.Rect(0, 0, kStageWidth * kPx, kStageHeight * kPx,
           sky.AddFill(Gradient(
               FillKind::LinearGradient, {{0, 0xFF0B1E50}, {160, 0xFF2F6FB0}, {255, 0xFFF0B070}},
               GradientBox(kStageHeight * kPx, kPi / 2, 0, kStageHeight * kPx / 2))));
  sky.Circle(330 * kPx, 40 * kPx, 26 * kPx,
             sky.AddFill(Gradient(FillKind::RadialGradient,
                                  {{0, 0xFFFFFFE0}, {180, 0xFFFFE070}, {255, 0x00FFB040}},
                                  GradientBox(56 * kPx, 0, 330 * kPx, 40 * kPx))));
  swf.Tag(tag::kDefineShape3, DefineShapeBody(1, sky, 3));
  DefineTileShape(swf, 2, 3);
  DefineSpinner(swf, 4, 5, 0xFFFFD020);
  DefineBlob(swf, 6);
  Place(swf, 1, 1, {});
  ColorTransform faint;
  faint.ma = 0.35f;
  Place(swf, 2, 3, At(0, 140, 1, 0), faint);
  Place(swf, 3, 5, At(60, 60));
  Place(swf, 4, 5, At(130, 110, 0.6f));
  for (int f = 0; f < 48; ++f) {
    float t = f / 47.0f;
    float wave = 0.5f - 0.5f * std::cos(2 * kPi * t);
    uint16_t ratio = static_cast<uint16_t>(std::lround(wave * 65535));
    Matrix blob = At(230, 90, 0.8f);
    Matrix star = At(40 + 310 * t, 130 - 60 * std::sin(kPi * t), 0.5f, 4 * kPi * t);
    if (f == 0) {
      Place(swf, 5, 6, blob, std::nullopt, ratio);
      Place(swf, 6, 4, star);
    } else {
      Move(swf, 5, blob, std::nullopt, ratio);
      Move(swf, 6, star);
    }
    swf.ShowFrame();
  }
  return swf.Finish(compress);
}

}  // namespace

const std::vector<MovieKind>& MovieKinds() {
  static const std::vector<MovieKind> kinds = {
      {"shapes", "solid fills and line styles: rectangle, circle, curves", Shapes},
      {"gradients", "linear, radial and reflected gradients", Gradients},
      {"tween", "a square moved, turned, scaled and recoloured over 24 frames", Tween},
      {"sprite", "a sprite with its own timeline, placed three times", Sprite},
      {"morph", "a morph shape from circle to square and back", Morph},
      {"bitmap", "a lossless bitmap as repeating and clipped fills", Bitmap},
      {"sample", "the sample screensaver's movie: all of the above in 48 frames", Sample},
      {"text", "edit text: device and embedded fonts, alignment, word wrap", TextMovie},
      {"particles", "bubbles a script makes with duplicateMovieClip and moves each frame",
       Particles},
      {"drawing", "a scene a script draws with the drawing API, one part turning", DrawingMovie},
      {"buttons", "two buttons with over and down states; releases turn a star, change a lamp",
       ButtonsMovie},
      {"effects", "a glow, a drop shadow, blend mode add and a tint, all set by a script",
       EffectsMovie},
  };
  return kinds;
}

const MovieKind* FindMovieKind(const std::string& name) {
  for (const MovieKind& kind : MovieKinds())
    if (name == kind.name) return &kind;
  return nullptr;
}

}  // namespace kestrova::mkswf
