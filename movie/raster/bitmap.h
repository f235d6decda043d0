// Bitmap paints: nearest or bilinear samples, repeated or edge-clamped.
#pragma once

#include <array>

#include "movie/raster/raster.h"

namespace kestrova::raster {

class BitmapShader {
 public:
  BitmapShader(const BitmapFill& fill, const ColorTransform& cx);
  bool Empty() const { return width_ == 0; }
  // Premultiplied colours of pixels (x..x+count-1, y), sampled at their centres.
  void Fetch(int y, int x, int count, Pixel* out) const;
  Pixel At(float px, float py) const;  // one pixel-space point

 private:
  bool FetchFixed(float u0, float v0, float du, float dv, int count, Pixel* out) const;
  static Pixel Blend4(Pixel p00, Pixel p10, Pixel p01, Pixel p11, uint32_t wx, uint32_t wy);
  Pixel Sample(float u, float v) const;
  Pixel Texel(int ix, int iy) const;
  int Wrap(float coordinate, int size) const;

  PixelView image_{};
  int width_ = 0, height_ = 0;
  Matrix toImage_;
  bool repeat_, smooth_;
  Pixel Transformed(Pixel premultiplied) const;

  bool transform_;
  // The colour transform per channel value (channels are independent):
  // entry i holds the transform of (i, i, i, i).
  std::array<Pixel, 256> table_{};
};

}  // namespace kestrova::raster
