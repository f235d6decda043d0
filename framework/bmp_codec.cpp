#include "framework/bmp_codec.h"

#include <optional>
#include <string>

namespace kestrova::framework {
namespace {

// Format notes: all numbers little-endian. A file starts with the 14-byte
// BITMAPFILEHEADER ("BM", file size, two reserved words, offset of the pixel
// bits). Then the info header, whose first dword is its own size: 12 for the
// OS/2 core header (16-bit width and height), 40 for BITMAPINFOHEADER, 52/56
// for the V2/V3 variants with masks, 108 for V4 and 124 for V5. Palette
// entries follow (RGBQUAD, or RGB triples after a core header), then rows
// padded to 4 bytes, bottom row first unless the height is negative.

constexpr int kMaxSide = 32768;
constexpr int64_t kMaxPixels = int64_t(1) << 26;

enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6 };

class Reader {
 public:
  explicit Reader(std::span<const uint8_t> data) : data_(data) {}
  size_t Size() const { return data_.size(); }
  uint8_t U8(size_t at) const { return data_[at]; }
  uint16_t U16(size_t at) const { return uint16_t(data_[at] | (data_[at + 1] << 8)); }
  uint32_t U32(size_t at) const { return uint32_t(U16(at)) | (uint32_t(U16(at + 2)) << 16); }
  int32_t I32(size_t at) const { return int32_t(U32(at)); }
  bool Has(size_t at, size_t n) const { return at <= data_.size() && n <= data_.size() - at; }
  std::span<const uint8_t> From(size_t at) const { return data_.subspan(at); }

 private:
  std::span<const uint8_t> data_;
};

struct Header {
  int width = 0;
  int height = 0;
  bool top_down = false;
  int bpp = 0;
  uint32_t compression = kRgb;
  uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
  bool core = false;
  size_t header_size = 0;
  uint32_t colors_used = 0;
};

Header ReadInfoHeader(const Reader& r) {
  if (!r.Has(0, 4)) throw BmpError("BMP: truncated header");
  Header h;
  h.header_size = r.U32(0);
  if (h.header_size == 12) {
    if (!r.Has(0, 12)) throw BmpError("BMP: truncated header");
    h.core = true;
    h.width = r.U16(4);
    h.height = r.U16(6);
    h.bpp = r.U16(10);
    return h;
  }
  if (h.header_size < 40 || h.header_size > 4096 || !r.Has(0, h.header_size))
    throw BmpError("BMP: truncated header");
  h.width = r.I32(4);
  int32_t height = r.I32(8);
  h.top_down = height < 0;
  h.height = height == INT32_MIN ? 0 : (height < 0 ? -height : height);
  h.bpp = r.U16(14);
  h.compression = r.U32(16);
  h.colors_used = r.U32(32);
  if (h.header_size >= 52)
    for (int i = 0; i < 3; ++i) h.masks[i] = r.U32(40 + 4 * i);
  if (h.header_size >= 56) h.masks[3] = r.U32(52);
  return h;
}

void CheckHeader(const Header& h) {
  if (h.width <= 0 || h.height <= 0 || h.width > kMaxSide || h.height > kMaxSide ||
      int64_t(h.width) * h.height > kMaxPixels)
    throw BmpError("BMP: bad size " + std::to_string(h.width) + "x" + std::to_string(h.height));
  switch (h.bpp) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
      break;
    default:
      throw BmpError("BMP: unsupported bit depth " + std::to_string(h.bpp));
  }
  bool ok = h.compression == kRgb || (h.compression == kRle8 && h.bpp == 8) ||
            (h.compression == kRle4 && h.bpp == 4) ||
            ((h.compression == kBitFields || h.compression == kAlphaBitFields) &&
             (h.bpp == 16 || h.bpp == 32));
  if (!ok) throw BmpError("BMP: unsupported compression " + std::to_string(h.compression));
  if (h.top_down && (h.compression == kRle8 || h.compression == kRle4))
    throw BmpError("BMP: top-down RLE bitmap");
}

// One colour channel: where its mask sits and how to widen it to 8 bits.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  int bits = 0;
  uint8_t Get(uint32_t v) const {
    if (!mask) return 0;
    uint32_t x = (v & mask) >> shift;
    if (bits >= 8) return uint8_t(x >> (bits - 8));
    uint32_t max = (1u << bits) - 1;
    return uint8_t((x * 255 + max / 2) / max);
  }
};

Channel MakeChannel(uint32_t mask) {
  Channel c;
  c.mask = mask;
  if (!mask) return c;
  while (!((mask >> c.shift) & 1)) ++c.shift;
  while (c.shift + c.bits < 32 && ((mask >> (c.shift + c.bits)) & 1)) ++c.bits;
  return c;
}

std::vector<Pixel> ReadPalette(const Reader& r, size_t at, const Header& h) {
  if (h.bpp > 8) return {};
  size_t count = h.colors_used ? h.colors_used : (size_t(1) << h.bpp);
  if (count > 256) throw BmpError("BMP: palette too large");
  size_t entry = h.core ? 3 : 4;
  if (!r.Has(at, count * entry)) throw BmpError("BMP: truncated palette");
  std::vector<Pixel> palette(256, MakePixel(0, 0, 0));
  for (size_t i = 0; i < count; ++i) {
    size_t p = at + i * entry;
    palette[i] = MakePixel(r.U8(p + 2), r.U8(p + 1), r.U8(p));
  }
  return palette;
}

// Uncompressed rows at every depth.
void ReadRows(const Reader& bits, const Header& h, const std::vector<Pixel>& palette,
              PixelBuffer& out, bool& alpha_seen) {
  size_t stride = ((size_t(h.width) * h.bpp + 31) / 32) * 4;
  // The last row need not be padded.
  size_t last = (size_t(h.width) * h.bpp + 7) / 8;
  if (!bits.Has(0, stride * (h.height - 1) + last)) throw BmpError("BMP: truncated pixel data");
  uint32_t m[4] = {h.masks[0], h.masks[1], h.masks[2], h.masks[3]};
  if (h.compression == kRgb && h.bpp == 16) m[0] = 0x7C00, m[1] = 0x03E0, m[2] = 0x001F, m[3] = 0;
  if (h.compression == kRgb && h.bpp == 32) m[0] = 0xFF0000, m[1] = 0xFF00, m[2] = 0xFF, m[3] = 0;
  Channel ch[4] = {MakeChannel(m[0]), MakeChannel(m[1]), MakeChannel(m[2]), MakeChannel(m[3])};
  bool rgb32 = h.compression == kRgb && h.bpp == 32;
  for (int y = 0; y < h.height; ++y) {
    size_t row = stride * size_t(h.top_down ? y : h.height - 1 - y);
    Pixel* dst = out.View().Row(y);
    for (int x = 0; x < h.width; ++x) {
      switch (h.bpp) {
        case 1:
          dst[x] = palette[(bits.U8(row + x / 8) >> (7 - x % 8)) & 1];
          break;
        case 4:
          dst[x] = palette[(bits.U8(row + x / 2) >> (x % 2 ? 0 : 4)) & 15];
          break;
        case 8:
          dst[x] = palette[bits.U8(row + x)];
          break;
        case 24: {
          size_t p = row + size_t(x) * 3;
          dst[x] = MakePixel(bits.U8(p + 2), bits.U8(p + 1), bits.U8(p));
          break;
        }
        default: {
          uint32_t v = h.bpp == 16 ? bits.U16(row + size_t(x) * 2) : bits.U32(row + size_t(x) * 4);
          uint8_t a = rgb32 ? uint8_t(v >> 24) : (m[3] ? ch[3].Get(v) : 255);
          if (rgb32 && a) alpha_seen = true;
          dst[x] = MakePixel(ch[0].Get(v), ch[1].Get(v), ch[2].Get(v), a);
        }
      }
    }
  }
}

// RLE8/RLE4: pairs (count, index) or an escape 0 then 0 end of line, 1 end
// of bitmap, 2 delta (dx, dy), n >= 3 literal run of n indexes padded to a
// word. Rows run bottom-up; pixels never written stay palette entry 0.
void ReadRle(const Reader& bits, const Header& h, const std::vector<Pixel>& palette,
             PixelBuffer& out) {
  bool four = h.compression == kRle4;
  for (int y = 0; y < h.height; ++y)
    for (int x = 0; x < h.width; ++x) out.At(x, y) = palette[0];
  int x = 0, y = 0;  // y counts rows from the bottom
  size_t p = 0;
  auto put = [&](int index) {
    if (x < h.width && y < h.height) out.At(x, h.height - 1 - y) = palette[size_t(index)];
    ++x;
  };
  while (true) {
    if (!bits.Has(p, 2)) throw BmpError("BMP: bad RLE data");
    uint8_t count = bits.U8(p), value = bits.U8(p + 1);
    p += 2;
    if (count) {
      for (int i = 0; i < count; ++i) put(four ? (i % 2 ? value & 15 : value >> 4) : value);
      continue;
    }
    if (value == 0) {
      x = 0, ++y;
    } else if (value == 1) {
      return;
    } else if (value == 2) {
      if (!bits.Has(p, 2)) throw BmpError("BMP: bad RLE data");
      x += bits.U8(p), y += bits.U8(p + 1);
      p += 2;
    } else {
      size_t bytes = four ? (value + 1) / 2 : value;
      if (!bits.Has(p, bytes)) throw BmpError("BMP: bad RLE data");
      for (int i = 0; i < value; ++i) {
        uint8_t b = bits.U8(p + (four ? size_t(i / 2) : size_t(i)));
        put(four ? (i % 2 ? b & 15 : b >> 4) : b);
      }
      p += (bytes + 1) & ~size_t(1);
    }
    if (y > h.height) return;
  }
}

// The header at the start of `dib`; pixel bits at `bits_at` when given
// (a file's offset), else straight after header, masks and palette.
DecodedBmp Decode(std::span<const uint8_t> dib, std::optional<size_t> bits_at) {
  Reader r(dib);
  Header h = ReadInfoHeader(r);
  CheckHeader(h);
  size_t after = h.header_size;
  if (h.header_size == 40 && (h.compression == kBitFields || h.compression == kAlphaBitFields)) {
    size_t n = h.compression == kAlphaBitFields ? 4 : 3;
    if (!r.Has(40, n * 4)) throw BmpError("BMP: truncated header");
    for (size_t i = 0; i < n; ++i) h.masks[i] = r.U32(40 + 4 * i);
    after += n * 4;
  }
  std::vector<Pixel> palette = ReadPalette(r, after, h);
  if (h.bpp <= 8) after += (h.colors_used ? h.colors_used : (1u << h.bpp)) * (h.core ? 3 : 4);
  size_t at = bits_at.value_or(after);
  if (at > r.Size()) throw BmpError("BMP: truncated pixel data");
  Reader bits(r.From(at));
  DecodedBmp out{PixelBuffer(h.width, h.height), h.bpp};
  bool alpha_seen = false;
  if (h.compression == kRle8 || h.compression == kRle4)
    ReadRle(bits, h, palette, out.pixels);
  else
    ReadRows(bits, h, palette, out.pixels, alpha_seen);
  // 32-bit BI_RGB files mostly leave the fourth byte zero: opaque then.
  if (h.bpp == 32 && h.compression == kRgb && !alpha_seen)
    for (int y = 0; y < h.height; ++y)
      for (int x = 0; x < h.width; ++x) out.pixels.At(x, y) |= 0xFF000000u;
  return out;
}

void Put16(std::vector<uint8_t>& v, uint32_t x) {
  v.push_back(uint8_t(x));
  v.push_back(uint8_t(x >> 8));
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
  Put16(v, x & 0xFFFF);
  Put16(v, x >> 16);
}

}  // namespace

DecodedBmp DecodeBmp(std::span<const uint8_t> file) {
  Reader r(file);
  if (!r.Has(0, 14) || r.U8(0) != 'B' || r.U8(1) != 'M') throw BmpError("BMP: not a bitmap file");
  uint32_t offset = r.U32(10);
  if (offset < 14) throw BmpError("BMP: bad pixel offset");
  return Decode(file.subspan(14), size_t(offset) - 14);
}

DecodedBmp DecodeDib(std::span<const uint8_t> dib) { return Decode(dib, std::nullopt); }

std::vector<uint8_t> EncodeBmp(PixelView pixels, int bits_per_pixel) {
  if (bits_per_pixel != 24 && bits_per_pixel != 32)
    throw BmpError("BMP: can only write 24 or 32 bits per pixel");
  size_t stride = ((size_t(pixels.width) * bits_per_pixel + 31) / 32) * 4;
  size_t image = stride * size_t(pixels.height);
  std::vector<uint8_t> v;
  v.reserve(54 + image);
  v.push_back('B');
  v.push_back('M');
  Put32(v, uint32_t(54 + image));
  Put32(v, 0);
  Put32(v, 54);
  Put32(v, 40);
  Put32(v, uint32_t(pixels.width));
  Put32(v, uint32_t(pixels.height));
  Put16(v, 1);
  Put16(v, uint32_t(bits_per_pixel));
  Put32(v, kRgb);
  Put32(v, uint32_t(image));
  for (int i = 0; i < 4; ++i) Put32(v, 0);
  for (int y = pixels.height - 1; y >= 0; --y) {
    size_t start = v.size();
    for (int x = 0; x < pixels.width; ++x) {
      Pixel p = pixels.At(x, y);
      v.push_back(PixelB(p));
      v.push_back(PixelG(p));
      v.push_back(PixelR(p));
      if (bits_per_pixel == 32) v.push_back(PixelA(p));
    }
    v.resize(start + stride, 0);
  }
  return v;
}

}  // namespace kestrova::framework
