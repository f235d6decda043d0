#include "tools/skinart/bmp_file.h"

#include <fstream>

#include "common/bmp.h"
#include "common/error.h"

namespace kestrova::skinart {

void WriteBmpFile(const std::string& path, PixelView pixels) {
  const std::vector<uint8_t> bytes = EncodeBmp24(pixels);
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  if (!file) throw Error("Cannot write " + path);
}

}  // namespace kestrova::skinart
