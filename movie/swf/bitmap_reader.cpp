#include "movie/swf/bitmap_reader.h"

#include <string>

#include "movie/swf/swf_error.h"
#include "movie/swf/zlib_stream.h"

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_STDIO
#define STBI_ONLY_JPEG
#define STBI_ONLY_PNG
#define STBI_ONLY_GIF
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-but-set-variable"
#pragma GCC diagnostic ignored "-Wunused-function"
#endif
#include <stb/stb_image.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace kestrova::swf {

namespace {

void CheckSize(int64_t width, int64_t height) {
  if (width <= 0 || height <= 0) throw SwfError("bitmap has no pixels");
  if (width * height > kMaxBitmapPixels) throw SwfError("bitmap too large");
}

// Before Flash 8 a JPEG may start with FF D9 FF D8, and tables and image
// are often joined by FF D9 FF D8. Entropy-coded data never holds FF D9
// (FF is always followed by 00 or a restart marker there), so every such
// pair can go.
std::vector<uint8_t> CleanJpeg(std::span<const uint8_t> bytes) {
  std::vector<uint8_t> out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i + 3 < bytes.size() && bytes[i] == 0xFF && bytes[i + 1] == 0xD9 && bytes[i + 2] == 0xFF &&
        bytes[i + 3] == 0xD8) {
      i += 3;
      continue;
    }
    out.push_back(bytes[i]);
  }
  return out;
}

Pixel Premultiply(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
  auto mul = [a](uint8_t c) { return static_cast<uint8_t>((c * a + 127) / 255); };
  return MakePixel(mul(r), mul(g), mul(b), a);
}

std::shared_ptr<const PixelBuffer> Share(PixelBuffer pixels) {
  return std::make_shared<const PixelBuffer>(std::move(pixels));
}

}  // namespace

PixelBuffer DecodeEmbeddedImage(std::span<const uint8_t> bytes) {
  std::vector<uint8_t> clean = CleanJpeg(bytes);
  if (clean.size() > 0x7FFFFFFF) throw SwfError("bitmap too large");
  int width = 0, height = 0, channels = 0;
  auto* data = reinterpret_cast<const stbi_uc*>(clean.data());
  int size = static_cast<int>(clean.size());
  if (!stbi_info_from_memory(data, size, &width, &height, &channels))
    throw SwfError("bitmap does not decode");
  CheckSize(width, height);
  stbi_uc* rgba = stbi_load_from_memory(data, size, &width, &height, &channels, 4);
  if (!rgba) throw SwfError("bitmap does not decode");
  PixelBuffer pixels(width, height);
  const stbi_uc* p = rgba;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x, p += 4) pixels.At(x, y) = Premultiply(p[0], p[1], p[2], p[3]);
  stbi_image_free(rgba);
  return pixels;
}

// DefineBits: JPEG image data whose tables are in the movie's JPEGTables.
Bitmap ReadDefineBits(Reader& in, std::span<const uint8_t> jpegTables) {
  // Tables end with EOI and the image starts with SOI; CleanJpeg drops the pair.
  std::vector<uint8_t> joined(jpegTables.begin(), jpegTables.end());
  auto image = in.Rest();
  joined.insert(joined.end(), image.begin(), image.end());
  return {Share(DecodeEmbeddedImage(joined))};
}

// DefineBitsJPEG2: JPEG (tables included), PNG or GIF data.
Bitmap ReadDefineBitsJpeg2(Reader& in) { return {Share(DecodeEmbeddedImage(in.Rest()))}; }

// DefineBitsJPEG3: U32 image size, image data, then a zlib stream of one
// alpha byte per pixel (colours are straight; alpha multiplies them).
Bitmap ReadDefineBitsJpeg3(Reader& in) {
  uint32_t size = in.U32();
  if (size > in.Remaining()) throw SwfError("JPEG size beyond the tag");
  PixelBuffer pixels = DecodeEmbeddedImage(in.Bytes(size));
  size_t count = static_cast<size_t>(pixels.Width()) * pixels.Height();
  auto rest = in.Rest();
  if (!rest.empty()) {
    std::vector<uint8_t> alpha = Inflate(rest, count);
    if (alpha.size() == count) {
      size_t i = 0;
      for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x) {
          Pixel p = pixels.At(x, y);
          pixels.At(x, y) = Premultiply(PixelR(p), PixelG(p), PixelB(p), alpha[i++]);
        }
    }
  }
  return {Share(std::move(pixels))};
}

// DefineBitsLossless(2): U8 format (3: colour-mapped, 4: 15-bit RGB,
// 5: 32-bit), U16 width, U16 height, [U8 table size - 1 for format 3],
// then a zlib stream: the colour table (RGB; RGBA in version 2) and rows
// padded to 4 bytes. 32-bit pixels are X R G B (A R G B premultiplied in
// version 2); 15-bit pixels are big-endian 0RRRRRGGGGGBBBBB.
Bitmap ReadDefineBitsLossless(Reader& in, int version) {
  uint8_t format = in.U8();
  int width = in.U16();
  int height = in.U16();
  if (format != 3 && format != 4 && format != 5)
    throw SwfError("unknown lossless bitmap format " + std::to_string(format));
  if (format == 4 && version == 2) throw SwfError("unknown lossless bitmap format 4");
  CheckSize(width, height);
  size_t tableSize = format == 3 ? in.U8() + 1u : 0;
  size_t entry = version == 2 ? 4 : 3;
  size_t bytesPerPixel = format == 3 ? 1 : format == 4 ? 2 : 4;
  size_t rowBytes = (static_cast<size_t>(width) * bytesPerPixel + 3) & ~size_t(3);
  size_t need = tableSize * entry + rowBytes * height;
  std::vector<uint8_t> data = Inflate(in.Rest(), need);
  if (data.size() < need) throw SwfError("lossless bitmap data too short");

  const uint8_t* table = data.data();
  const uint8_t* rows = table + tableSize * entry;
  PixelBuffer pixels(width, height);
  for (int y = 0; y < height; ++y) {
    const uint8_t* p = rows + rowBytes * y;
    for (int x = 0; x < width; ++x) {
      Pixel out;
      if (format == 3) {
        size_t i = p[x];
        if (i >= tableSize) {
          out = 0;
        } else {
          const uint8_t* c = table + i * entry;
          uint8_t a = version == 2 ? c[3] : 255;
          out = MakePixel(std::min(c[0], a), std::min(c[1], a), std::min(c[2], a), a);
        }
      } else if (format == 4) {
        unsigned v = (p[x * 2] << 8) | p[x * 2 + 1];
        auto five = [](unsigned c) { return static_cast<uint8_t>((c << 3) | (c >> 2)); };
        out = MakePixel(five((v >> 10) & 31), five((v >> 5) & 31), five(v & 31));
      } else {
        const uint8_t* c = p + x * 4;
        uint8_t a = version == 2 ? c[0] : 255;
        out = MakePixel(std::min(c[1], a), std::min(c[2], a), std::min(c[3], a), a);
      }
      pixels.At(x, y) = out;
    }
  }
  return {Share(std::move(pixels))};
}

}  // namespace kestrova::swf
