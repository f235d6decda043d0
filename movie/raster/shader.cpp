#include "movie/raster/shader.h"

#include <algorithm>

#include "movie/raster/pixel_math.h"

namespace kestrova::raster {

Shader::Shader(const Paint& paint, const ColorTransform& cx) : kind_(paint.kind) {
  switch (kind_) {
    case Paint::Kind::Solid:
      solid_ = Premultiply(cx.IsIdentity() ? paint.color : cx.Apply(paint.color));
      break;
    case Paint::Kind::Gradient:
      gradient_.emplace(paint.gradient, cx);
      break;
    case Paint::Kind::Bitmap:
      bitmap_.emplace(paint.bitmap, cx);
      break;
  }
}

bool Shader::Invisible() const {
  switch (kind_) {
    case Paint::Kind::Solid:
      return solid_ == 0;
    case Paint::Kind::Gradient:
      return false;
    case Paint::Kind::Bitmap:
      return bitmap_->Empty();
  }
  return true;
}

void Shader::Fetch(int y, int x, int count, Pixel* out) const {
  switch (kind_) {
    case Paint::Kind::Solid:
      std::fill(out, out + count, solid_);
      break;
    case Paint::Kind::Gradient:
      gradient_->Fetch(y, x, count, out);
      break;
    case Paint::Kind::Bitmap:
      bitmap_->Fetch(y, x, count, out);
      break;
  }
}

Pixel Shader::At(int x, int y) const {
  switch (kind_) {
    case Paint::Kind::Solid:
      return solid_;
    case Paint::Kind::Gradient:
      return gradient_->At(gradient_->Position(float(x) + 0.5f, float(y) + 0.5f));
    case Paint::Kind::Bitmap:
      return bitmap_->At(float(x) + 0.5f, float(y) + 0.5f);
  }
  return 0;
}

}  // namespace kestrova::raster
