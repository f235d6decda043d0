// Drop shadow, glow and bevel: the object's alpha blurred, offset, made
// stronger, coloured (one colour or a gradient ramp indexed by the
// strength of the effect) and composited with the object.
#include <algorithm>
#include <cmath>

#include "movie/player/filter_ops.h"
#include "movie/raster/box_blur.h"
#include "movie/raster/gradient.h"
#include "movie/raster/pixel_math.h"

namespace kestrova::movie::filter_ops {

namespace {

using swf::Filter;

raster::Plane AlphaOf(const PixelBuffer& image, bool inverted) {
  raster::Plane plane(image.Width(), image.Height());
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      const uint8_t a = PixelA(image.At(x, y));
      plane.At(x, y) = inverted ? uint8_t(255 - a) : a;
    }
  return plane;
}

struct Offset {
  int x = 0, y = 0;
};

Offset OffsetOf(const Filter& f, float scale) {
  return {int(std::lround(std::cos(f.angle) * f.distance * scale)),
          int(std::lround(std::sin(f.angle) * f.distance * scale))};
}

// The plane at (x, y), `outside` beyond its edges.
int Sample(const raster::Plane& plane, int x, int y, int outside) {
  if (x < 0 || y < 0 || x >= plane.width || y >= plane.height) return outside;
  return plane.At(x, y);
}

int Strengthen(int value, float strength) {
  return int(std::clamp(std::lround(float(value) * strength), -255L, 255L));
}

raster::Ramp RampOf(const Filter& f) {
  raster::Gradient gradient;
  for (const swf::FilterStop& stop : f.gradient) gradient.stops.push_back({stop.ratio, stop.color});
  return raster::BuildRamp(gradient, {});
}

}  // namespace

void Shadow(PixelBuffer& image, const Filter& f, float scale) {
  raster::Plane alpha = AlphaOf(image, f.inner);
  raster::BoxBlur(alpha, f.blurX * scale, f.blurY * scale, f.passes);
  const Offset offset = OffsetOf(f, scale);
  const bool gradient = f.kind == Filter::Kind::GradientGlow;
  const raster::Ramp ramp = gradient ? RampOf(f) : raster::Ramp{};
  const Pixel color = raster::Premultiply(f.color);
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      const int v =
          Strengthen(Sample(alpha, x - offset.x, y - offset.y, f.inner ? 255 : 0), f.strength);
      Pixel shadow = v <= 0     ? 0
                     : gradient ? ramp[size_t(v)]
                                : raster::ScalePixel(color, uint32_t(v));
      Pixel& out = image.At(x, y);
      const uint32_t sa = PixelA(out);
      if (f.inner) {
        shadow = raster::ScalePixel(shadow, sa);
        out = f.knockout || !f.compositeSource ? shadow : raster::SourceOver(out, shadow);
      } else if (f.knockout) {
        out = raster::ScalePixel(shadow, 255 - sa);
      } else {
        out = f.compositeSource ? raster::SourceOver(shadow, out) : shadow;
      }
    }
}

// The blurred alpha read once toward the light and once away from it: the
// difference lights the edges that face the light and shades the others.
void Bevel(PixelBuffer& image, const Filter& f, float scale) {
  raster::Plane alpha = AlphaOf(image, false);
  raster::BoxBlur(alpha, f.blurX * scale, f.blurY * scale, f.passes);
  const Offset d = OffsetOf(f, scale);
  const bool gradient = f.kind == Filter::Kind::GradientBevel;
  const raster::Ramp ramp = gradient ? RampOf(f) : raster::Ramp{};
  const Pixel highlight = raster::Premultiply(f.highlight), shade = raster::Premultiply(f.color);
  const bool outer = !f.inner && !f.onTop;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      const int lit = Sample(alpha, x + d.x, y + d.y, 0) - Sample(alpha, x - d.x, y - d.y, 0);
      const int v = Strengthen(lit, f.strength);
      Pixel bevel;
      if (gradient) {
        bevel = v == 0 ? 0 : ramp[size_t(std::clamp(128 - v * 128 / 255, 0, 255))];
      } else {
        bevel = v > 0 ? raster::ScalePixel(highlight, uint32_t(v))
                      : raster::ScalePixel(shade, uint32_t(-v));
      }
      Pixel& out = image.At(x, y);
      const uint32_t sa = PixelA(out);
      if (f.inner) bevel = raster::ScalePixel(bevel, sa);
      if (outer) bevel = raster::ScalePixel(bevel, 255 - sa);
      if (f.knockout || !f.compositeSource)
        out = bevel;
      else
        out = outer ? raster::SourceOver(bevel, out) : raster::SourceOver(out, bevel);
    }
}

}  // namespace kestrova::movie::filter_ops
