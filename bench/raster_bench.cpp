// Our rasterizer and cairo drawing the same scenes of flattened paths into
// the same premultiplied ARGB buffer, at a movie preview's size and at
// full HD:
//   build/native/bench/raster_bench --benchmark_filter=Star
// Every scene is built once; an iteration draws it all.
#include <benchmark/benchmark.h>
#include <cairo.h>

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

#include "movie/raster/raster.h"
#include "tests/movie/raster_test_util.h"

namespace kestrova::raster {
namespace {

using testing::Circle;
using testing::Star;

struct Item {
  std::vector<std::vector<Point>> lines;  // flattened once, given to both
  FillRule rule = FillRule::NonZero;
  Pixel color = 0xFF000000;  // straight
  bool gradient = false;     // linear, left to right across the target
  bool stroke = false;
  StrokeStyle style;
};

struct Scene {
  int width, height;
  std::vector<Item> items;
};

Item Fill(const Path& path, Pixel color, FillRule rule = FillRule::NonZero) {
  Item item;
  item.lines = Flatten(path, 0.05f);
  item.rule = rule;
  item.color = color;
  return item;
}

// Scenes are laid out on a 393 x 169 stage and scaled to the target.
Scene MakeScene(int which, int width, int height) {
  Scene scene{width, height, {}};
  const float s = float(width) / 393;
  std::mt19937 random(5);
  std::uniform_real_distribution<float> unit(0, 1);
  switch (which) {
    case 0:  // a big star, both rules
      scene.items.push_back(Fill(Star(196 * s, 84 * s, 80 * s, 32 * s, 7), 0xFFE0C020));
      scene.items.push_back(
          Fill(Star(196 * s, 84 * s, 60 * s, 40 * s, 11), 0xC02040A0, FillRule::EvenOdd));
      break;
    case 1:  // circles
      for (int i = 0; i < 20; ++i)
        scene.items.push_back(Fill(
            Circle(unit(random) * 393 * s, unit(random) * 169 * s, (8 + 40 * unit(random)) * s),
            MakePixel(uint8_t(i * 12), 90, 200, i % 2 ? 255 : 160)));
      break;
    case 2:  // many small shapes
      for (int i = 0; i < 500; ++i) {
        float x = unit(random) * 393 * s, y = unit(random) * 169 * s,
              r = (2 + 4 * unit(random)) * s;
        Path tri;
        tri.MoveTo({x, y - r});
        tri.LineTo({x + r, y + r});
        tri.LineTo({x - r, y + r * 0.7f});
        tri.Close();
        scene.items.push_back(Fill(tri, MakePixel(200, uint8_t(i), 40, 220)));
      }
      break;
    case 3: {  // long strokes
      for (int k = 0; k < 6; ++k) {
        Path line;
        line.MoveTo({5 * s, (15 + 25 * k) * s});
        for (int i = 1; i <= 60; ++i)
          line.LineTo({(5 + i * 6.4f) * s, (15 + 25 * k + 10 * unit(random)) * s});
        Item item;
        item.lines = Flatten(line);
        item.color = 0xFF202080;
        item.stroke = true;
        item.style.width = 3 * s;
        item.style.join = k % 2 ? Join::Round : Join::Miter;
        scene.items.push_back(item);
      }
      break;
    }
    case 4: {  // a gradient fill
      Item item = Fill(Circle(196 * s, 84 * s, 150 * s), 0);
      item.gradient = true;
      scene.items.push_back(item);
      scene.items.push_back(item);
      scene.items.back().lines = Flatten(Star(196 * s, 84 * s, 190 * s, 70 * s, 6));
      break;
    }
  }
  return scene;
}

const char* kSceneNames[] = {"Star", "Circles", "SmallShapes", "LongStrokes", "Gradient"};
const Pixel kGradientStops[] = {MakePixel(255, 0, 0), MakePixel(255, 255, 0, 128),
                                MakePixel(0, 0, 255)};

Path ToPath(const std::vector<std::vector<Point>>& lines) {
  Path path;
  for (const std::vector<Point>& line : lines) {
    path.MoveTo(line[0]);
    for (size_t i = 1; i < line.size(); ++i) path.LineTo(line[i]);
  }
  return path;
}

Paint OurPaint(const Item& item, int width) {
  if (!item.gradient) return Paint::Solid(item.color);
  Paint paint;
  paint.kind = Paint::Kind::Gradient;
  paint.gradient.stops = {
      {0, kGradientStops[0]}, {128, kGradientStops[1]}, {255, kGradientStops[2]}};
  float scale = 32768.0f / float(width);
  paint.gradient.pixelToGradient = {scale, 0, 0, scale, -16384, 0};
  return paint;
}

void BM_Ours(benchmark::State& state) {
  Scene scene = MakeScene(int(state.range(0)), int(state.range(1)), int(state.range(2)));
  std::vector<Path> paths;
  std::vector<Paint> paints;
  for (const Item& item : scene.items) {
    paths.push_back(ToPath(item.lines));
    paints.push_back(OurPaint(item, scene.width));
  }
  PixelBuffer target(scene.width, scene.height, 0xFFFFFFFF);
  Canvas canvas(target.View());
  for (auto _ : state) {
    for (size_t i = 0; i < scene.items.size(); ++i) {
      const Item& item = scene.items[i];
      if (item.stroke)
        canvas.Stroke(paths[i], item.style, paints[i]);
      else
        canvas.Fill(paths[i], item.rule, paints[i]);
    }
    benchmark::DoNotOptimize(target.At(0, 0));
  }
  state.SetLabel(std::string(kSceneNames[state.range(0)]) + " " + std::to_string(scene.width) +
                 "x" + std::to_string(scene.height));
}

void CairoSource(cairo_t* cr, const Item& item, int width) {
  if (!item.gradient) {
    cairo_set_source_rgba(cr, PixelR(item.color) / 255.0, PixelG(item.color) / 255.0,
                          PixelB(item.color) / 255.0, PixelA(item.color) / 255.0);
    return;
  }
  cairo_pattern_t* pattern = cairo_pattern_create_linear(0, 0, width, 0);
  const double offsets[] = {0, 128 / 255.0, 1};
  for (int i = 0; i < 3; ++i) {
    Pixel p = kGradientStops[i];
    cairo_pattern_add_color_stop_rgba(pattern, offsets[i], PixelR(p) / 255.0, PixelG(p) / 255.0,
                                      PixelB(p) / 255.0, PixelA(p) / 255.0);
  }
  cairo_set_source(cr, pattern);
  cairo_pattern_destroy(pattern);
}

cairo_line_join_t CairoJoin(Join join) {
  return join == Join::Round   ? CAIRO_LINE_JOIN_ROUND
         : join == Join::Bevel ? CAIRO_LINE_JOIN_BEVEL
                               : CAIRO_LINE_JOIN_MITER;
}

void BM_Cairo(benchmark::State& state) {
  Scene scene = MakeScene(int(state.range(0)), int(state.range(1)), int(state.range(2)));
  PixelBuffer target(scene.width, scene.height, 0xFFFFFFFF);
  cairo_surface_t* surface = cairo_image_surface_create_for_data(
      reinterpret_cast<unsigned char*>(target.View().pixels), CAIRO_FORMAT_ARGB32, scene.width,
      scene.height, scene.width * 4);
  cairo_t* cr = cairo_create(surface);
  for (auto _ : state) {
    for (const Item& item : scene.items) {
      for (const std::vector<Point>& line : item.lines) {
        cairo_move_to(cr, line[0].x, line[0].y);
        for (size_t i = 1; i < line.size(); ++i) cairo_line_to(cr, line[i].x, line[i].y);
        if (!item.stroke) cairo_close_path(cr);
      }
      CairoSource(cr, item, scene.width);
      if (item.stroke) {
        cairo_set_line_width(cr, item.style.width);
        cairo_set_line_join(cr, CairoJoin(item.style.join));
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_miter_limit(cr, item.style.miterLimit);
        cairo_stroke(cr);
      } else {
        cairo_set_fill_rule(cr, item.rule == FillRule::EvenOdd ? CAIRO_FILL_RULE_EVEN_ODD
                                                               : CAIRO_FILL_RULE_WINDING);
        cairo_fill(cr);
      }
    }
    cairo_surface_flush(surface);
    benchmark::DoNotOptimize(target.At(0, 0));
  }
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
  state.SetLabel(std::string(kSceneNames[state.range(0)]) + " " + std::to_string(scene.width) +
                 "x" + std::to_string(scene.height));
}

void Sizes(benchmark::internal::Benchmark* b) {
  for (int scene = 0; scene < 5; ++scene) {
    b->Args({scene, 393, 169});
    b->Args({scene, 1920, 1080});
  }
  b->ArgNames({"scene", "w", "h"})->Unit(benchmark::kMicrosecond);
}

// A whole movie-like frame, ours only (cairo has no clip-depth masks or
// SWF gradients to compare with): a gradient backdrop, radial-gradient
// balls, curved strokes, and a bitmap seen through a mask.
void BM_OursFrame(benchmark::State& state) {
  const int width = int(state.range(0)), height = int(state.range(1));
  const float s = float(width) / 393;
  PixelBuffer target(width, height);
  Canvas canvas(target.View());
  std::mt19937 random(9);
  std::uniform_real_distribution<float> unit(0, 1);
  Paint backdrop;
  backdrop.kind = Paint::Kind::Gradient;
  backdrop.gradient.stops = {{0, 0xFF203060}, {255, 0xFFF0F0E0}};
  backdrop.gradient.pixelToGradient = {0, 32768.0f / float(height), 1, 0, 0, -16384};
  Path stage;
  stage.MoveTo({0, 0});
  stage.LineTo({float(width), 0});
  stage.LineTo({float(width), float(height)});
  stage.LineTo({0, float(height)});
  stage.Close();
  std::vector<Path> balls;
  std::vector<Paint> ballPaints;
  for (int i = 0; i < 24; ++i) {
    float x = unit(random) * 393 * s, y = unit(random) * 169 * s, r = (6 + 20 * unit(random)) * s;
    balls.push_back(Circle(x, y, r));
    Paint p;
    p.kind = Paint::Kind::Gradient;
    p.gradient.kind = Gradient::Kind::Radial;
    p.gradient.stops = {
        {0, 0xFFFFFFFF}, {120, MakePixel(uint8_t(i * 10), 120, 200)}, {255, 0xC0102040}};
    p.gradient.pixelToGradient = Matrix{16384 / r, 0, 0, 16384 / r, -x * 16384 / r, -y * 16384 / r};
    ballPaints.push_back(p);
  }
  std::vector<Path> strokes;
  for (int k = 0; k < 8; ++k) {
    Path wave;  // across the stage, six arches
    float y = (15 + 20 * k) * s;
    wave.MoveTo({0, y});
    for (int i = 0; i < 6; ++i)
      wave.QuadTo({(33 + 66 * i) * s, y + (i % 2 ? 20 : -20) * s}, {(66 + 66 * i) * s, y});
    strokes.push_back(wave);
  }
  auto image = std::make_shared<Image>();
  image->pixels = PixelBuffer(64, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      image->pixels.At(x, y) = MakePixel(uint8_t(x * 4), uint8_t(y * 4), 128);
  Paint bitmap;
  bitmap.kind = Paint::Kind::Bitmap;
  bitmap.bitmap.image = image;
  bitmap.bitmap.pixelToImage = {0.5f / s, 0.1f, -0.1f, 0.5f / s, 0, 0};
  Path window = Circle(300 * s, 80 * s, 50 * s);
  for (auto _ : state) {
    canvas.Fill(stage, FillRule::NonZero, backdrop);
    for (size_t i = 0; i < balls.size(); ++i)
      canvas.Fill(balls[i], FillRule::NonZero, ballPaints[i]);
    for (const Path& line : strokes)
      canvas.Stroke(line, {.width = 2.5f * s}, Paint::Solid(0xE0FFD040), {.ma = 0.8f});
    Mask mask(width, height);
    canvas.FillMask(mask, window, FillRule::NonZero);
    canvas.SetMask(&mask);
    canvas.Fill(stage, FillRule::NonZero, bitmap);
    canvas.SetMask(nullptr);
    benchmark::DoNotOptimize(target.At(0, 0));
  }
}

BENCHMARK(BM_OursFrame)
    ->Args({393, 169})
    ->Args({1920, 1080})
    ->ArgNames({"w", "h"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Ours)->Apply(Sizes);
BENCHMARK(BM_Cairo)->Apply(Sizes);

}  // namespace
}  // namespace kestrova::raster

BENCHMARK_MAIN();
