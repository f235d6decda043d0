// A scene using every paint, written as a PNG for people to look at.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "common/png.h"
#include "tests/movie/raster_test_util.h"

namespace kestrova::raster {
namespace {

using testing::Circle;
using testing::Rect;
using testing::Star;

void DrawScene(Canvas& canvas) {
  canvas.Clear(MakePixel(250, 250, 245));
  Paint sky;
  sky.kind = Paint::Kind::Gradient;
  sky.gradient.stops = {{0, MakePixel(40, 80, 160)}, {255, MakePixel(250, 250, 245)}};
  sky.gradient.pixelToGradient = {0, 32768 / 169.0f, 32768 / 169.0f, 0, 0, -16384};
  canvas.Fill(Rect(0, 0, 393, 169), FillRule::NonZero, sky);

  canvas.Fill(Star(50, 60, 45, 18, 5), FillRule::NonZero, Paint::Solid(MakePixel(240, 200, 40)));
  Path pentagram;
  for (int i = 0; i < 5; ++i) {
    double a = -std::numbers::pi / 2 + i * 4 * std::numbers::pi / 5;
    Point p{140 + 42 * float(std::cos(a)), 62 + 42 * float(std::sin(a))};
    if (i == 0)
      pentagram.MoveTo(p);
    else
      pentagram.LineTo(p);
  }
  pentagram.Close();
  canvas.Fill(pentagram, FillRule::EvenOdd, Paint::Solid(MakePixel(200, 40, 60)));
  canvas.Stroke(pentagram, {.width = 1.5f, .join = Join::Miter}, Paint::Solid(0xFF000000));

  Paint ball;
  ball.kind = Paint::Kind::Gradient;
  ball.gradient.kind = Gradient::Kind::Focal;
  ball.gradient.focal = -0.6f;
  ball.gradient.stops = {
      {0, MakePixel(255, 255, 255)}, {90, MakePixel(80, 200, 120)}, {255, MakePixel(10, 60, 30)}};
  Matrix place{40 / 16384.0f, 0, 0, 40 / 16384.0f, 240, 62};
  ball.gradient.pixelToGradient =
      Matrix{0.7071f, -0.7071f, 0.7071f, 0.7071f, 0, 0} * place.Inverse();
  canvas.Fill(Circle(240, 62, 40), FillRule::NonZero, ball);

  auto checker = std::make_shared<Image>();
  checker->pixels = PixelBuffer(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x)
      checker->pixels.At(x, y) = (x + y) % 2 ? MakePixel(30, 30, 30) : MakePixel(230, 120, 30);
  Paint tiles;
  tiles.kind = Paint::Kind::Bitmap;
  tiles.bitmap.image = checker;
  tiles.bitmap.pixelToImage =
      Matrix{0.9f, 0.3f, -0.3f, 0.9f, 0, 0} * Matrix{0.2f, 0, 0, 0.2f, 0, 0};
  tiles.bitmap.smooth = false;
  Mask clip(393, 169);
  canvas.FillMask(clip, Circle(335, 60, 42), FillRule::NonZero);
  canvas.SetMask(&clip);
  canvas.Fill(Rect(280, 0, 393, 169), FillRule::NonZero, tiles);
  canvas.SetMask(nullptr);

  struct {
    Cap cap;
    Join join;
  } styles[] = {{Cap::None, Join::Miter}, {Cap::Square, Join::Bevel}, {Cap::Round, Join::Round}};
  for (int i = 0; i < 3; ++i) {
    Path zigzag;
    float x0 = 20 + 125 * i;
    zigzag.MoveTo({x0, 150});
    zigzag.LineTo({x0 + 30, 118});
    zigzag.LineTo({x0 + 60, 150});
    zigzag.QuadTo({x0 + 80, 110}, {x0 + 100, 130});
    canvas.Stroke(
        zigzag,
        {.width = 9, .startCap = styles[i].cap, .endCap = styles[i].cap, .join = styles[i].join},
        Paint::Solid(MakePixel(20, 40, 120, 200)));
    canvas.Stroke(zigzag, {.width = 0.5f}, Paint::Solid(MakePixel(255, 255, 255)));
  }
  canvas.Fill(Circle(200, 110, 25), FillRule::NonZero, Paint::Solid(MakePixel(255, 60, 0, 110)),
              ColorTransform{.mg = 2});
}

TEST(RasterScene, WritesAPictureOfEveryPaint) {
  PixelBuffer picture(393, 169);
  Canvas canvas(picture.View());
  DrawScene(canvas);
  const std::string path = std::string(KESTROVA_BINARY_DIR) + "/raster_scene.png";
  WritePng(path, picture.View());
  PixelBuffer back = ReadPng(path);
  ASSERT_EQ(back.Width(), 393);
  EXPECT_EQ(back.Data(), picture.Data());  // opaque everywhere: straight equals premultiplied
}

}  // namespace
}  // namespace kestrova::raster
