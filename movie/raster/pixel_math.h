// 8-bit premultiplied pixel arithmetic, two channels per multiply.
#pragma once

#include <cstdint>

#include "common/pixels.h"

namespace kestrova::raster {

// v / 255, rounded, for v <= 255 * 255.
constexpr uint32_t Div255(uint32_t v) { return (v + 128 + ((v + 128) >> 8)) >> 8; }

// Every channel times a / 255 (rounded), a in 0..255.
constexpr Pixel ScalePixel(Pixel p, uint32_t a) {
  uint32_t rb = (p & 0x00FF00FFu) * a + 0x00800080u;
  rb = ((rb + ((rb >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
  uint32_t ag = ((p >> 8) & 0x00FF00FFu) * a + 0x00800080u;
  ag = (ag + ((ag >> 8) & 0x00FF00FFu)) & 0xFF00FF00u;
  return rb | ag;
}

// Premultiplied source over premultiplied destination. Entry assumption:
// no channel of src exceeds its alpha (else a carry spills over).
constexpr Pixel SourceOver(Pixel dst, Pixel src) {
  return src + ScalePixel(dst, 255 - (src >> 24));
}

constexpr Pixel Premultiply(Pixel straight) {
  return (straight & 0xFF000000u) | (ScalePixel(straight, straight >> 24) & 0x00FFFFFFu);
}

Pixel Unpremultiply(Pixel premultiplied);

// Channels above alpha (a malformed premultiplied picture) pulled down to it.
constexpr Pixel ClampToAlpha(Pixel p) {
  uint32_t a = p >> 24;
  uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
  r = r > a ? a : r;
  g = g > a ? a : g;
  b = b > a ? a : b;
  return (a << 24) | (r << 16) | (g << 8) | b;
}

}  // namespace kestrova::raster
