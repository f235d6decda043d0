#include "movie/raster/bitmap.h"

#include <cmath>

#include "movie/raster/pixel_math.h"

namespace kestrova::raster {

BitmapShader::BitmapShader(const BitmapFill& fill, const ColorTransform& cx)
    : toImage_(fill.pixelToImage),
      repeat_(fill.repeat),
      smooth_(fill.smooth),
      cx_(cx),
      transform_(!cx.IsIdentity()) {
  if (fill.image && !fill.image->pixels.Empty()) {
    image_ = fill.image->pixels.View();
    width_ = image_.width;
    height_ = image_.height;
  }
}

// Integer texel index along one axis: wrapped when repeating, else clamped
// to the edge (a clipped bitmap fill extends its border pixels). The float
// is reduced before conversion so that far-away points stay defined.
int BitmapShader::Wrap(float coordinate, int size) const {
  if (!std::isfinite(coordinate)) return 0;
  if (repeat_) {
    double c = coordinate - std::floor(double(coordinate) / size) * size;
    if (!(c >= 0 && c < size)) return 0;  // lost to rounding far from the origin
    return int(c);
  }
  if (coordinate <= 0) return 0;
  if (coordinate >= float(size - 1)) return size - 1;
  return int(coordinate);
}

Pixel BitmapShader::Texel(int ix, int iy) const { return ClampToAlpha(image_.At(ix, iy)); }

Pixel BitmapShader::Sample(float u, float v) const {
  if (!smooth_) return Texel(Wrap(std::floor(u), width_), Wrap(std::floor(v), height_));
  // Bilinear between the four texel centres around (u, v).
  float fu = u - 0.5f, fv = v - 0.5f;
  float u0 = std::floor(fu), v0 = std::floor(fv);
  if (!std::isfinite(u0) || !std::isfinite(v0)) return Texel(0, 0);
  uint32_t wx = uint32_t((fu - u0) * 256 + 0.5f), wy = uint32_t((fv - v0) * 256 + 0.5f);
  if (wx > 256) wx = 256;
  if (wy > 256) wy = 256;
  int x0 = Wrap(u0, width_), x1 = Wrap(u0 + 1, width_);
  int y0 = Wrap(v0, height_), y1 = Wrap(v0 + 1, height_);
  Pixel p00 = Texel(x0, y0), p10 = Texel(x1, y0), p01 = Texel(x0, y1), p11 = Texel(x1, y1);
  auto lerp = [](Pixel a, Pixel b, uint32_t w) {  // w in 0..256
    uint32_t rb = ((a & 0x00FF00FFu) * (256 - w) + (b & 0x00FF00FFu) * w) >> 8;
    uint32_t ag = ((a >> 8) & 0x00FF00FFu) * (256 - w) + ((b >> 8) & 0x00FF00FFu) * w;
    return (rb & 0x00FF00FFu) | (ag & 0xFF00FF00u);
  };
  return lerp(lerp(p00, p10, wx), lerp(p01, p11, wx), wy);
}

Pixel BitmapShader::At(float px, float py) const {
  const Matrix& m = toImage_;
  Pixel p = Sample(m.a * px + m.c * py + m.tx, m.b * px + m.d * py + m.ty);
  return transform_ ? Premultiply(cx_.Apply(Unpremultiply(p))) : p;
}

void BitmapShader::Fetch(int y, int x, int count, Pixel* out) const {
  const Matrix& m = toImage_;
  const float py = float(y) + 0.5f, px = float(x) + 0.5f;
  const float u0 = m.a * px + m.c * py + m.tx, v0 = m.b * px + m.d * py + m.ty;
  for (int i = 0; i < count; ++i) out[i] = Sample(u0 + float(i) * m.a, v0 + float(i) * m.b);
  if (transform_)
    for (int i = 0; i < count; ++i) out[i] = Premultiply(cx_.Apply(Unpremultiply(out[i])));
}

}  // namespace kestrova::raster
