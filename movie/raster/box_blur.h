// Box blur of 8-bit planes: Flash's blur, a box of the blur's width run
// `passes` times along each axis (the quality setting: 1 low, 2 medium,
// 3 high), so more passes come close to a Gaussian.
//
//   raster::Plane alpha(w, h);
//   raster::BoxBlur(alpha, 6.0f, 6.0f, 3);
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kestrova::raster {

struct Plane {
  Plane(int w, int h)
      : width(w > 0 ? w : 0), height(h > 0 ? h : 0), values(size_t(width) * size_t(height)) {}
  uint8_t& At(int x, int y) { return values[size_t(y) * size_t(width) + size_t(x)]; }
  uint8_t At(int x, int y) const { return values[size_t(y) * size_t(width) + size_t(x)]; }
  int width, height;
  std::vector<uint8_t> values;
};

// The box widths are in pixels, rounded; widths under 2 leave that axis
// alone. Outside the plane counts as 0: callers leave room for the spread.
void BoxBlur(Plane& plane, float blurX, float blurY, int passes);

// How far `passes` boxes of this width spread a pixel on each side.
int BlurReach(float blur, int passes);

// Widths beyond this are drawn as this (the largest blur Flash offers).
constexpr int kMaxBlurWidth = 255;

}  // namespace kestrova::raster
