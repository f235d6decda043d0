// A small anti-aliased painter for the built-in skin pictures.
//
// Shapes are signed distance functions in pixel units (negative inside);
// a pixel's coverage is how far its centre lies inside the outline, clamped
// to one pixel, which gives smooth edges without a rasterizer. Paints give a
// straight colour with alpha per position. The canvas keeps premultiplied
// colour with coverage, so a picture can finally be flattened onto the colour
// it will be shown on, with untouched pixels turned into see-through magenta.
#pragma once

#include <functional>
#include <vector>

#include "common/pixels.h"

namespace kestrova::skinart {

struct Rgba {
  float r = 0, g = 0, b = 0, a = 1;
};

// 0xRRGGBB as written in art (web order), with an alpha of 0..1.
constexpr Rgba Hex(uint32_t rgb, float a = 1) {
  return {float((rgb >> 16) & 0xFF) / 255, float((rgb >> 8) & 0xFF) / 255, float(rgb & 0xFF) / 255,
          a};
}
Rgba Mix(Rgba a, Rgba b, float t);  // straight colours, t in 0..1
Rgba WithAlpha(Rgba c, float a);

using Shape = std::function<float(float x, float y)>;  // signed distance
using Paint = std::function<Rgba(float x, float y)>;

class Art {
 public:
  Art(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Paints `paint` where `shape` covers, over what is there.
  void Fill(const Shape& shape, const Paint& paint);
  void Fill(const Shape& shape, Rgba color);
  // Sets one pixel outright (patterns, pinstripes).
  void Set(int x, int y, Rgba color);
  // Coverage (alpha) of a pixel so far.
  float Coverage(int x, int y) const { return at(x, y).a; }

  // The picture over `matte` (0xRRGGBB). With `seeThrough`, pixels nothing
  // was painted on become magenta 0xFF00FF instead.
  PixelBuffer Flatten(uint32_t matte, bool seeThrough) const;
  // Over a matte given per row (title buttons over a title bar's rows).
  PixelBuffer Flatten(const std::vector<Rgba>& matteRows) const;

 private:
  Rgba& at(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  const Rgba& at(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

  int width_, height_;
  std::vector<Rgba> pixels_;  // premultiplied
};

Pixel ToPixel(Rgba opaque);

// Copies `frame` into `strip` with its top-left corner at (x, 0).
void PlaceFrame(PixelBuffer& strip, const PixelBuffer& frame, int x);

}  // namespace kestrova::skinart
