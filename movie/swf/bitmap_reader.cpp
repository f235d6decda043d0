#include "movie/swf/bitmap_reader.h"

#include <algorithm>
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

bool IsJpegPair(std::span<const uint8_t> b, size_t i) {
  return i + 3 < b.size() && b[i] == 0xFF && b[i + 1] == 0xD9 && b[i + 2] == 0xFF &&
         b[i + 3] == 0xD8;
}

// Entropy-coded data after a start of scan runs to the next marker that is
// not a stuffed FF 00 or a restart.
size_t ScanEnd(std::span<const uint8_t> b, size_t i) {
  for (; i + 1 < b.size(); ++i)
    if (b[i] == 0xFF && b[i + 1] != 0 && (b[i + 1] < 0xD0 || b[i + 1] > 0xD7)) return i;
  return b.size();
}

// The tables of a define-Huffman-table segment at `i` (after its length
// field), read as the JPEG decoder reads them: table after table while the
// length lasts, even past the segment's end. The decoder keeps a table's
// codes in 256 places and trusts the counts; more would write past them.
void CheckHuffmanTables(std::span<const uint8_t> b, size_t i, int64_t left) {
  auto at = [&](size_t k) -> size_t { return k < b.size() ? b[k] : 0; };
  while (left > 0 && i < b.size()) {
    size_t codes = 0;
    for (size_t k = 1; k <= 16; ++k) codes += at(i + k);
    if (codes > 256) throw SwfError("JPEG Huffman table of more than 256 codes");
    i += 17 + codes;
    left -= static_cast<int64_t>(17 + codes);
  }
}

// Walks the markers as the JPEG decoder finds them (it skips stray bytes
// between segments) and checks every Huffman table on the way.
void CheckJpegTables(std::span<const uint8_t> b) {
  size_t i = 0;
  while (i + 1 < b.size()) {
    const uint8_t m = b[i + 1];
    if (b[i] != 0xFF || m == 0xFF) {
      ++i;
    } else if (m == 0x00 || m == 0x01 || m == 0xD8 || m == 0xD9 || (m >= 0xD0 && m <= 0xD7)) {
      i += 2;
    } else if (i + 3 < b.size()) {
      const size_t length = (b[i + 2] << 8) | b[i + 3];
      if (m == 0xC4) CheckHuffmanTables(b, i + 4, static_cast<int64_t>(length) - 2);
      i += 2 + std::max<size_t>(length, 2);
      if (m == 0xDA) i = ScanEnd(b, i);
    } else {
      return;
    }
  }
}

// Before Flash 8 a JPEG may start with FF D9 FF D8, and tables and image
// are joined by FF D9 FF D8 (an end of image and a start of image). The
// markers are walked so that only such pairs go: the same bytes inside a
// segment (an APP or comment payload) stay.
std::vector<uint8_t> CleanJpeg(std::span<const uint8_t> b) {
  std::vector<uint8_t> out;
  out.reserve(b.size());
  size_t i = 0;
  auto copy = [&](size_t end) {
    end = std::min(end, b.size());
    out.insert(out.end(), b.begin() + i, b.begin() + end);
    i = end;
  };
  while (i < b.size()) {
    if (IsJpegPair(b, i)) {
      i += 4;
    } else if (b[i] != 0xFF || i + 1 >= b.size()) {
      copy(b.size());  // not a marker: nothing more to understand
    } else if (b[i + 1] == 0xD8 || b[i + 1] == 0xD9 || b[i + 1] == 0xFF ||
               (b[i + 1] >= 0xD0 && b[i + 1] <= 0xD7) || b[i + 1] == 0x01) {
      copy(i + (b[i + 1] == 0xFF ? 1 : 2));  // markers without a length; fill bytes
    } else if (i + 3 < b.size()) {
      const bool scan = b[i + 1] == 0xDA;
      copy(i + 2 + ((b[i + 2] << 8) | b[i + 3]));
      if (scan) copy(ScanEnd(b, i));
    } else {
      copy(b.size());
    }
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
  if (clean.size() > 1 && clean[0] == 0xFF && clean[1] == 0xD8) CheckJpegTables(clean);
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
// alpha byte per pixel (colours are straight; alpha multiplies them once).
Bitmap ReadDefineBitsJpeg3(Reader& in) {
  uint32_t size = in.U32();
  if (size > in.Remaining()) throw SwfError("JPEG size beyond the tag");
  auto image = in.Bytes(size);
  PixelBuffer pixels = DecodeEmbeddedImage(image);
  size_t count = static_cast<size_t>(pixels.Width()) * pixels.Height();
  auto rest = in.Rest();
  // PNG and GIF data bring their own alpha, already premultiplied: the
  // alpha plane is for JPEG data only.
  const bool jpeg = image.size() >= 2 && image[0] == 0xFF && (image[1] == 0xD8 || image[1] == 0xD9);
  if (jpeg && !rest.empty()) {
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
