// Pictures for the pixel-routine tests: every pixel names its own source
// position, so a drawn pixel tells where it came from.
#pragma once

#include "common/pixels.h"

namespace kestrova::skin::testing {

// Pixel (x, y) of a coordinate picture: red = x, green = y, blue = 1.
constexpr Pixel Coord(int x, int y) { return MakePixel(uint8_t(x), uint8_t(y), 1); }

inline PixelBuffer CoordPicture(int width, int height) {
  PixelBuffer picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.At(x, y) = Coord(x, y);
  return picture;
}

constexpr int SourceX(Pixel p) { return PixelR(p); }
constexpr int SourceY(Pixel p) { return PixelG(p); }

// A background no picture pixel ever has.
constexpr Pixel kBackground = MakePixel(7, 7, 7);

}  // namespace kestrova::skin::testing
