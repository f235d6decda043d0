// Gradient paints: the colour ramp and the gradient coordinate per pixel.
#pragma once

#include <array>

#include "movie/raster/raster.h"

namespace kestrova::raster {

using Ramp = std::array<Pixel, 256>;  // premultiplied, index = ratio

// Straight stops interpolated (in sRGB or linear RGB), colour transformed,
// premultiplied. Stops are used in file order (a ratio that does not rise
// is a hard step one entry on); no stops: transparent.
Ramp BuildRamp(const Gradient& gradient, const ColorTransform& cx);

class GradientShader {
 public:
  GradientShader(const Gradient& gradient, const ColorTransform& cx);
  // Premultiplied colours of pixels (x..x+count-1, y), sampled at their centres.
  void Fetch(int y, int x, int count, Pixel* out) const;
  // Position along the ramp, 0..1 before spreading, at a point in pixel space.
  float Position(float px, float py) const;
  Pixel At(float position) const;  // after spreading
  bool Opaque() const { return opaque_; }

 private:
  void FetchLinear(float t, float step, int count, Pixel* out) const;
  void FetchRadialPad(float px, float py, int count, Pixel* out) const;

  Ramp ramp_;
  Gradient::Kind kind_;
  Spread spread_;
  Matrix toGradient_;
  float focal_;
  bool opaque_;
};

}  // namespace kestrova::raster
