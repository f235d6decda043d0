// Writes pictures as BMP files, the format resource compilers embed: 8-bit
// with a palette when the picture has at most 256 colours, else 24-bit.
#pragma once

#include <string>

#include "common/pixels.h"

namespace kestrova::skinart {

// Raises Error when the file cannot be written.
void WriteBmpFile(const std::string& path, PixelView pixels);

}  // namespace kestrova::skinart
