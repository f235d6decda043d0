// PNG files for tools and tests: pixels in, pixels out (stb's codecs).
#pragma once

#include <string>

#include "common/pixels.h"

namespace kestrova {

// Writes the view as an RGBA PNG (alpha kept as stored). Raises Error.
void WritePng(const std::string& path, PixelView pixels);

// Reads a PNG (any colour type) into straight-alpha pixels. Raises Error.
PixelBuffer ReadPng(const std::string& path);

}  // namespace kestrova
