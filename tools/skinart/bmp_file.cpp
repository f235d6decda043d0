#include "tools/skinart/bmp_file.h"

#include <fstream>

#include "common/bmp.h"
#include "common/error.h"

namespace kestrova::skinart {

void WriteBmpFile(const std::string& path, PixelView pixels) {
  // Most pictures have few colours: 8 bits with a palette keep them exactly
  // in a third of the bytes the stub carries.
  const std::vector<uint8_t> bytes = EncodeBmp8(pixels).value_or(EncodeBmp24(pixels));
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  if (!file) throw Error("Cannot write " + path);
}

}  // namespace kestrova::skinart
