// Writes pictures as 24-bit BMP files, the format resource compilers embed.
#pragma once

#include <string>

#include "common/pixels.h"

namespace kestrova::skinart {

// Bottom-up rows padded to 4 bytes, as every BMP reader expects. Raises
// Error when the file cannot be written.
void WriteBmp24(const std::string& path, PixelView pixels);

}  // namespace kestrova::skinart
