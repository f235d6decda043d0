#include "tools/skinart/bmp_file.h"

#include <cstdint>
#include <fstream>
#include <vector>

#include "common/error.h"

namespace kestrova::skinart {
namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

void WriteBmp24(const std::string& path, PixelView pixels) {
  const uint32_t rowBytes = (static_cast<uint32_t>(pixels.width) * 3 + 3) & ~3u;
  const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(pixels.height);
  std::vector<uint8_t> out;
  out.reserve(54 + imageBytes);
  // BITMAPFILEHEADER
  out.push_back('B');
  out.push_back('M');
  Put32(out, 54 + imageBytes);
  Put32(out, 0);
  Put32(out, 54);
  // BITMAPINFOHEADER: positive height (bottom-up), 24 bits, no compression.
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(pixels.width));
  Put32(out, static_cast<uint32_t>(pixels.height));
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);
  Put32(out, imageBytes);
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = pixels.height - 1; y >= 0; --y) {
    const Pixel* row = pixels.Row(y);
    for (int x = 0; x < pixels.width; ++x) {
      out.push_back(PixelB(row[x]));
      out.push_back(PixelG(row[x]));
      out.push_back(PixelR(row[x]));
    }
    out.resize(out.size() + rowBytes - static_cast<uint32_t>(pixels.width) * 3, 0);
  }
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  if (!file) throw Error("Cannot write " + path);
}

}  // namespace kestrova::skinart
