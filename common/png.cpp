#include "common/png.h"

#include <vector>

#include "common/error.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO_WRITE_UTF8
#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

namespace kestrova {

void WritePng(const std::string& path, PixelView pixels) {
  std::vector<unsigned char> rgba(static_cast<size_t>(pixels.width) * pixels.height * 4);
  unsigned char* out = rgba.data();
  for (int y = 0; y < pixels.height; ++y) {
    for (int x = 0; x < pixels.width; ++x) {
      Pixel p = pixels.At(x, y);
      *out++ = PixelR(p);
      *out++ = PixelG(p);
      *out++ = PixelB(p);
      *out++ = PixelA(p);
    }
  }
  if (!stbi_write_png(path.c_str(), pixels.width, pixels.height, 4, rgba.data(), pixels.width * 4))
    throw Error("cannot write the PNG file \"" + path + "\"");
}

PixelBuffer ReadPng(const std::string& path) {
  int width = 0, height = 0, channels = 0;
  unsigned char* data = stbi_load(path.c_str(), &width, &height, &channels, 4);
  if (!data) throw Error("cannot read the PNG file \"" + path + "\"");
  PixelBuffer pixels(width, height);
  const unsigned char* in = data;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x, in += 4)
      pixels.At(x, y) = MakePixel(in[0], in[1], in[2], in[3]);
  stbi_image_free(data);
  return pixels;
}

}  // namespace kestrova
