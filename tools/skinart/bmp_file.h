// Writes pictures as 24-bit BMP files, the format resource compilers embed.
#pragma once

#include <string>

#include "common/pixels.h"

namespace kestrova::skinart {

// Raises Error when the file cannot be written.
void WriteBmpFile(const std::string& path, PixelView pixels);

}  // namespace kestrova::skinart
