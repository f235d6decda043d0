// The source colours of a paint, premultiplied, span by span.
#pragma once

#include <optional>

#include "movie/raster/bitmap.h"
#include "movie/raster/gradient.h"
#include "movie/raster/raster.h"

namespace kestrova::raster {

class Shader {
 public:
  Shader(const Paint& paint, const ColorTransform& cx);
  bool IsSolid() const { return kind_ == Paint::Kind::Solid; }
  Pixel Solid() const { return solid_; }  // premultiplied
  bool Invisible() const;                 // draws nothing at all
  void Fetch(int y, int x, int count, Pixel* out) const;
  Pixel At(int x, int y) const;  // one pixel, for the reference path

 private:
  Paint::Kind kind_;
  Pixel solid_ = 0;
  std::optional<GradientShader> gradient_;
  std::optional<BitmapShader> bitmap_;
};

}  // namespace kestrova::raster
