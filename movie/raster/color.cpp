// Colour transforms and unpremultiplying.
#include <algorithm>
#include <cmath>

#include "movie/raster/pixel_math.h"
#include "movie/raster/raster.h"

namespace kestrova::raster {
namespace {

uint8_t Channel(uint8_t c, float mult, float add) {
  float v = float(c) * mult + add;
  if (!(v > 0)) return 0;  // NaN too
  return v >= 255 ? 255 : uint8_t(v + 0.5f);
}

}  // namespace

ColorTransform ColorTransform::operator*(const ColorTransform& inner) const {
  return {inner.mr * mr,      inner.mg * mg,      inner.mb * mb,      inner.ma * ma,
          inner.ar * mr + ar, inner.ag * mg + ag, inner.ab * mb + ab, inner.aa * ma + aa};
}

Pixel ColorTransform::Apply(Pixel straight) const {
  return MakePixel(Channel(PixelR(straight), mr, ar), Channel(PixelG(straight), mg, ag),
                   Channel(PixelB(straight), mb, ab), Channel(PixelA(straight), ma, aa));
}

bool ColorTransform::IsIdentity() const {
  return mr == 1 && mg == 1 && mb == 1 && ma == 1 && ar == 0 && ag == 0 && ab == 0 && aa == 0;
}

Pixel Unpremultiply(Pixel p) {
  uint32_t a = p >> 24;
  if (a == 255) return p;
  if (a == 0) return 0;
  auto channel = [a](uint32_t c) { return std::min<uint32_t>(255, (c * 255 + a / 2) / a); };
  return (a << 24) | (channel((p >> 16) & 0xFF) << 16) | (channel((p >> 8) & 0xFF) << 8) |
         channel(p & 0xFF);
}

}  // namespace kestrova::raster
