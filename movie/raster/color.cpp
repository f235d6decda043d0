// Colour transforms and unpremultiplying.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "movie/raster/pixel_math.h"
#include "movie/raster/raster.h"

namespace kestrova::raster {
namespace {

// The original player's integer arithmetic: the multiplier in 8.8 fixed
// point, the product truncated (alpha x 128/256 is 127), then the add term.
int Fixed(float v, float scale) {
  if (!(v == v)) return 0;  // NaN
  return int(std::lround(std::clamp(v * scale, -8388608.0f, 8388607.0f)));
}

uint8_t Channel(uint8_t c, float mult, float add) {
  if (!(mult == mult) || !(add == add)) return 0;
  const int64_t v = ((int64_t(c) * Fixed(mult, 256)) >> 8) + Fixed(add, 1);
  return uint8_t(std::clamp<int64_t>(v, 0, 255));
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
