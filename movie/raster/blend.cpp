#include "movie/raster/blend.h"

#include <algorithm>
#include <cstdlib>

#include "movie/raster/pixel_math.h"

namespace kestrova::raster {

namespace {

// One channel of the blend, premultiplied, in 0..255 * 255 units: s and d
// the channels, sa and da the alphas. The result goes beside the parts of
// source and destination the other one does not cover.
int32_t Mixed(BlendMode mode, int32_t s, int32_t d, int32_t sa, int32_t da) {
  switch (mode) {
    case BlendMode::Multiply:
      return s * d;
    case BlendMode::Screen:
      return s * da + d * sa - s * d;
    case BlendMode::Lighten:
      return std::max(s * da, d * sa);
    case BlendMode::Darken:
      return std::min(s * da, d * sa);
    case BlendMode::Difference:
      return std::abs(s * da - d * sa);
    case BlendMode::Overlay:
      return 2 * d <= da ? 2 * s * d : sa * da - 2 * (da - d) * (sa - s);
    case BlendMode::HardLight:
      return 2 * s <= sa ? 2 * s * d : sa * da - 2 * (da - d) * (sa - s);
    case BlendMode::Invert:
      return (da - d) * sa;
    default:
      return s * da;  // normal
  }
}

uint8_t Channel(int32_t v) { return uint8_t(std::clamp<int32_t>(v, 0, 255)); }

Pixel BlendPixel(Pixel dst, Pixel src, BlendMode mode) {
  const int32_t sa = int32_t(src >> 24), da = int32_t(dst >> 24);
  switch (mode) {
    case BlendMode::Alpha:
      return ScalePixel(dst, uint32_t(sa));
    case BlendMode::Erase:
      return ScalePixel(dst, uint32_t(255 - sa));
    case BlendMode::Add:
    case BlendMode::Subtract: {
      auto channel = [&](int shift) {
        const int32_t s = int32_t((src >> shift) & 0xFF), d = int32_t((dst >> shift) & 0xFF);
        return Channel(mode == BlendMode::Add ? s + d : d - s) << shift;
      };
      const uint32_t alpha = Channel(sa + da - int32_t(Div255(uint32_t(sa * da))));
      return (alpha << 24) | channel(16) | channel(8) | channel(0);
    }
    default:
      break;
  }
  auto channel = [&](int shift) {
    const int32_t s = int32_t((src >> shift) & 0xFF), d = int32_t((dst >> shift) & 0xFF);
    const int32_t v = s * (255 - da) + d * (255 - sa) + Mixed(mode, s, d, sa, da);
    return uint32_t(Channel(int32_t(Div255(uint32_t(std::max(v, 0))))));
  };
  const uint32_t alpha = uint32_t(sa + da) - Div255(uint32_t(sa * da));
  const uint32_t r = std::min(channel(16), alpha), g = std::min(channel(8), alpha),
                 b = std::min(channel(0), alpha);
  return (alpha << 24) | (r << 16) | (g << 8) | b;
}

}  // namespace

BlendMode ToBlendMode(uint8_t value) {
  return value >= 1 && value <= 14 ? BlendMode(value) : BlendMode::Normal;
}

void Blend(PixelView target, PixelView layer, BlendMode mode, const Mask* mask) {
  const int width = std::min(target.width, layer.width);
  const int height = std::min(target.height, layer.height);
  for (int y = 0; y < height; ++y) {
    Pixel* dst = target.Row(y);
    const Pixel* src = layer.Row(y);
    const uint8_t* cover = mask && y < mask->Height() ? mask->Row(y) : nullptr;
    for (int x = 0; x < width; ++x) {
      Pixel s = src[x];
      if (mask) s = cover && x < mask->Width() ? ScalePixel(s, cover[x]) : 0;
      if (s == 0 && mode != BlendMode::Alpha) continue;
      dst[x] = mode == BlendMode::Normal || mode == BlendMode::Layer ? SourceOver(dst[x], s)
                                                                     : BlendPixel(dst[x], s, mode);
    }
  }
}

}  // namespace kestrova::raster
