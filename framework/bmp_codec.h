// BMP files and device-independent bitmaps in memory, every bit depth
// (1, 4, 8 with palette, RLE4/RLE8, 16 and 32 with or without bit fields, 24),
// bottom-up and top-down, the OS/2 core header and the V4/V5 headers.
// Portable: no <windows.h>.
//
//   DecodedBmp bmp = DecodeBmp(bytes);          // a whole .bmp file
//   DecodedBmp res = DecodeDib(resource_bytes); // an RT_BITMAP resource (no file header)
//   std::vector<uint8_t> file = EncodeBmp(pixels.View(), 24);
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "common/error.h"
#include "common/pixels.h"

namespace kestrova::framework {

class BmpError : public Error {
 public:
  using Error::Error;
};

struct DecodedBmp {
  PixelBuffer pixels;  // top-down; opaque unless the file carries alpha
  int bits_per_pixel = 0;
};

DecodedBmp DecodeBmp(std::span<const uint8_t> file);
DecodedBmp DecodeDib(std::span<const uint8_t> dib);
// A bottom-up BMP file of 24 or 32 bits per pixel (32 keeps alpha).
std::vector<uint8_t> EncodeBmp(PixelView pixels, int bits_per_pixel);

}  // namespace kestrova::framework
