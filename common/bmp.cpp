#include "common/bmp.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "common/error.h"

// Format notes. A BMP file is:
//   0   BITMAPFILEHEADER, 14 bytes: "BM", file size, 2 reserved words, offset
//       of the pixel data (0 in some writers: then the data follows the palette)
//   14  an info header whose first u32 is its own size:
//       12        OS/2 core header: u16 width, u16 height, u16 planes, u16 bits
//       40..124   BITMAPINFOHEADER and its growths (52/56 add the colour masks,
//                 64 is OS/2 2.x, 108 V4, 124 V5): i32 width, i32 height
//                 (negative: rows top-down), u16 planes, u16 bits,
//                 u32 compression, u32 image size, 2 x i32 resolution,
//                 u32 colours used, u32 colours important, then masks
//   then  with a 40-byte header and BI_BITFIELDS, three u32 masks (four
//         with BI_ALPHABITFIELDS); then the palette, 4 bytes per colour
//         (B, G, R, 0) or 3 with the core header
//   then  the rows, each padded to a multiple of 4 bytes, bottom row first
//         unless the height is negative.

namespace kestrova {
namespace {

constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kAlphaBitfields = 6;
constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;
constexpr size_t kInfoHeaderSize = 40;

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t U32(const uint8_t* p) {
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

struct Masks {
  uint32_t red = 0, green = 0, blue = 0, alpha = 0;
};

struct Header {
  int width = 0;
  int height = 0;  // always positive; see topDown
  bool topDown = false;
  int bits = 0;
  uint32_t compression = kRgb;
  Masks masks;
  size_t paletteOffset = 0;
  size_t paletteEntrySize = 4;
  size_t paletteCount = 0;
  size_t pixelOffset = 0;
};

void Require(bool condition, const char* message) {
  if (!condition) throw Error(message);
}

bool ValidDepth(int bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

bool ValidCompression(uint32_t compression, int bits) {
  switch (compression) {
    case kRgb:
      return true;
    case kRle8:
      return bits == 8;
    case kRle4:
      return bits == 4;
    case kBitfields:
    case kAlphaBitfields:
      return bits == 16 || bits == 32;
    default:
      return false;
  }
}

Masks DefaultMasks(int bits) {
  if (bits == 16) return {0x7C00, 0x03E0, 0x001F, 0};
  return {0xFF0000, 0x00FF00, 0x0000FF, 0};
}

// The colour masks of a BI_BITFIELDS picture: inside a header of 52 bytes
// or more, otherwise just after the 40-byte header. Returns the bytes they
// take after the header.
size_t ReadMasks(const uint8_t* data, size_t size, size_t headerSize, Header& h) {
  size_t at = kFileHeaderSize + kInfoHeaderSize;
  size_t count = h.compression == kAlphaBitfields ? 4 : (headerSize >= 56 ? 4 : 3);
  size_t extra = headerSize == kInfoHeaderSize ? count * 4 : 0;
  Require(at + count * 4 <= size, kBmpTruncatedHeader);
  h.masks = {U32(data + at), U32(data + at + 4), U32(data + at + 8),
             count == 4 ? U32(data + at + 12) : 0};
  return extra;
}

void ReadCoreHeader(const uint8_t* info, Header& h) {
  h.width = U16(info + 4);
  h.height = U16(info + 6);
  h.bits = U16(info + 10);
  h.paletteEntrySize = 3;
}

// Fills everything but the palette and pixel positions from an info header
// of 40 bytes or more.
void ReadInfoHeader(const uint8_t* info, Header& h) {
  int32_t width = static_cast<int32_t>(U32(info + 4));
  int32_t height = static_cast<int32_t>(U32(info + 8));
  Require(width > 0 && height != 0 && height != INT32_MIN, kBmpBadDimensions);
  h.width = width;
  h.topDown = height < 0;
  h.height = height < 0 ? -height : height;
  h.bits = U16(info + 14);
  h.compression = U32(info + 16);
}

size_t PaletteCount(const uint8_t* info, size_t headerSize, int bits) {
  if (bits > 8) return 0;
  size_t full = size_t(1) << bits;
  if (headerSize == kCoreHeaderSize) return full;
  size_t used = U32(info + 32);
  return used == 0 || used > full ? full : used;
}

Header ReadHeader(const uint8_t* data, size_t size) {
  Require(size >= 2 && data[0] == 'B' && data[1] == 'M', kBmpNotBmp);
  Require(size >= kFileHeaderSize + 4, kBmpTruncatedHeader);
  const uint8_t* info = data + kFileHeaderSize;
  size_t headerSize = U32(info);
  Require(headerSize == kCoreHeaderSize || (headerSize >= kInfoHeaderSize && headerSize <= 124),
          kBmpBadHeaderSize);
  Require(kFileHeaderSize + headerSize <= size, kBmpTruncatedHeader);

  Header h;
  if (headerSize == kCoreHeaderSize)
    ReadCoreHeader(info, h);
  else
    ReadInfoHeader(info, h);
  Require(h.width > 0 && h.height > 0, kBmpBadDimensions);
  Require(ValidDepth(h.bits), kBmpBadDepth);
  Require(ValidCompression(h.compression, h.bits), kBmpBadCompression);
  Require(!h.topDown || (h.compression != kRle8 && h.compression != kRle4), kBmpBadCompression);
  Require(int64_t(h.width) * h.height <= kBmpMaxPixels, kBmpTooLarge);

  size_t extra = 0;
  h.masks = DefaultMasks(h.bits);
  if (h.compression == kBitfields || h.compression == kAlphaBitfields)
    extra = ReadMasks(data, size, headerSize, h);
  h.paletteOffset = kFileHeaderSize + headerSize + extra;
  h.paletteCount = PaletteCount(info, headerSize, h.bits);
  size_t paletteEnd = h.paletteOffset + h.paletteCount * h.paletteEntrySize;
  Require(paletteEnd <= size, kBmpTruncatedPalette);
  uint32_t offset = U32(data + 10);
  h.pixelOffset = offset == 0 ? paletteEnd : offset;
  Require(h.pixelOffset <= size, kBmpTruncatedPixels);
  return h;
}

// 256 entries whatever the file holds, so any index is safe; colours the
// file does not define are opaque black.
std::vector<Pixel> ReadPalette(const uint8_t* data, const Header& h) {
  std::vector<Pixel> palette(256, MakePixel(0, 0, 0));
  for (size_t i = 0; i < h.paletteCount; ++i) {
    const uint8_t* c = data + h.paletteOffset + i * h.paletteEntrySize;
    palette[i] = MakePixel(c[2], c[1], c[0]);
  }
  return palette;
}

// One channel out of a masked pixel value, scaled to 8 bits.
struct Channel {
  explicit Channel(uint32_t mask)
      : mask(mask), shift(mask ? std::countr_zero(mask) : 0), max(mask ? (mask >> shift) : 0) {}
  uint8_t Get(uint32_t value, uint8_t absent) const {
    if (!mask) return absent;
    uint32_t v = (value & mask) >> shift;
    return static_cast<uint8_t>((uint64_t(v) * 255 + max / 2) / max);
  }
  uint32_t mask;
  int shift;
  uint32_t max;
};

Pixel* TargetRow(PixelBuffer& out, const Header& h, int fileRow) {
  int y = h.topDown ? fileRow : h.height - 1 - fileRow;
  return out.View().Row(y);
}

void DecodeIndexedRow(const uint8_t* src, int bits, const std::vector<Pixel>& palette, Pixel* dst,
                      int width) {
  int perByte = 8 / bits;
  unsigned indexMask = (1u << bits) - 1;
  for (int x = 0; x < width; ++x) {
    int shift = 8 - bits * (x % perByte + 1);
    dst[x] = palette[(src[x / perByte] >> shift) & indexMask];
  }
}

void DecodeMaskedRow(const uint8_t* src, int bits, const Channel (&c)[4], Pixel* dst, int width) {
  for (int x = 0; x < width; ++x) {
    uint32_t v = bits == 16 ? U16(src + x * 2) : U32(src + x * 4);
    dst[x] = MakePixel(c[0].Get(v, 0), c[1].Get(v, 0), c[2].Get(v, 0), c[3].Get(v, 255));
  }
}

void DecodeBgrRow(const uint8_t* src, Pixel* dst, int width) {
  for (int x = 0; x < width; ++x, src += 3) dst[x] = MakePixel(src[2], src[1], src[0]);
}

PixelBuffer DecodeUncompressed(const uint8_t* data, size_t size, const Header& h) {
  size_t rowBits = size_t(h.width) * h.bits;
  size_t stride = (rowBits + 31) / 32 * 4;
  size_t lastRow = (rowBits + 7) / 8;  // the final row may lack its padding
  Require(stride * (h.height - 1) + lastRow <= size - h.pixelOffset, kBmpTruncatedPixels);

  PixelBuffer out(h.width, h.height);
  std::vector<Pixel> palette = ReadPalette(data, h);
  const Channel channels[4] = {Channel(h.masks.red), Channel(h.masks.green), Channel(h.masks.blue),
                               Channel(h.masks.alpha)};
  for (int row = 0; row < h.height; ++row) {
    const uint8_t* src = data + h.pixelOffset + stride * row;
    Pixel* dst = TargetRow(out, h, row);
    if (h.bits <= 8)
      DecodeIndexedRow(src, h.bits, palette, dst, h.width);
    else if (h.bits == 24)
      DecodeBgrRow(src, dst, h.width);
    else
      DecodeMaskedRow(src, h.bits, channels, dst, h.width);
  }
  return out;
}

// Run-length data (RLE8 and RLE4): pairs (count, value) give count pixels
// of value (RLE4: the two nibbles of value alternate); a zero count starts
// an escape: 0 end of line, 1 end of picture, 2 a move right and up by the
// next two bytes, n >= 3 that many literal indices padded to a 16-bit word.
// Pixels falling outside the picture are dropped; skipped ones keep
// palette entry 0. Data ending between two pairs ends the picture.
class RleDecoder {
 public:
  RleDecoder(const uint8_t* data, size_t size, const Header& h)
      : in_(data + h.pixelOffset),
        left_(size - h.pixelOffset),
        four_(h.compression == kRle4),
        palette_(ReadPalette(data, h)),
        out_(h.width, h.height, palette_[0]),
        header_(h) {}

  PixelBuffer Run() {
    while (left_ >= 2) {
      uint8_t count = Take(), value = Take();
      if (count > 0)
        Repeat(count, value);
      else if (!Escape(value))
        break;
    }
    return std::move(out_);
  }

 private:
  uint8_t Take() {
    Require(left_ > 0, kBmpBadRle);
    --left_;
    return *in_++;
  }
  void Put(unsigned index) {
    if (x_ >= header_.width) return;
    TargetRow(out_, header_, y_)[x_++] = palette_[index & 0xFF];
  }
  void Repeat(int count, uint8_t value) {
    for (int i = 0; i < count; ++i) Put(four_ ? (i % 2 ? value & 0x0F : value >> 4) : value);
  }
  void Literal(int count) {
    int bytes = four_ ? (count + 1) / 2 : count;
    Require(static_cast<size_t>(bytes + (bytes & 1)) <= left_, kBmpBadRle);
    for (int i = 0; i < count; ++i) {
      uint8_t b = in_[four_ ? i / 2 : i];
      Put(four_ ? (i % 2 ? b & 0x0F : b >> 4) : b);
    }
    in_ += bytes + (bytes & 1);
    left_ -= bytes + (bytes & 1);
  }
  // False at the end of the picture.
  bool Escape(uint8_t code) {
    switch (code) {
      case 0:
        x_ = 0;
        ++y_;
        return y_ < header_.height;
      case 1:
        return false;
      case 2: {
        uint8_t dx = Take(), dy = Take();
        x_ = std::min(x_ + dx, header_.width);
        y_ += dy;
        return y_ < header_.height;
      }
      default:
        Literal(code);
        return true;
    }
  }

  const uint8_t* in_;
  size_t left_;
  bool four_;
  std::vector<Pixel> palette_;
  PixelBuffer out_;
  const Header& header_;
  int x_ = 0, y_ = 0;  // y counts file rows, bottom row first
};

void PutU16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}
void PutU32(std::vector<uint8_t>& out, uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

}  // namespace

PixelBuffer DecodeBmp(const uint8_t* data, size_t size) {
  Header h = ReadHeader(data, size);
  if (h.compression == kRle8 || h.compression == kRle4) return RleDecoder(data, size, h).Run();
  return DecodeUncompressed(data, size, h);
}

namespace {

// BITMAPFILEHEADER and BITMAPINFOHEADER of a bottom-up BI_RGB picture.
std::vector<uint8_t> StartBmp(PixelView pixels, int bpp, size_t paletteSize) {
  if (pixels.Empty()) throw Error("BMP: cannot encode an empty picture");
  size_t stride = (size_t(pixels.width) * bpp / 8 + 3) / 4 * 4;
  size_t imageSize = stride * pixels.height;
  size_t offset = kFileHeaderSize + kInfoHeaderSize + 4 * paletteSize;
  std::vector<uint8_t> out;
  out.reserve(offset + imageSize);
  out.push_back('B');
  out.push_back('M');
  PutU32(out, static_cast<uint32_t>(offset + imageSize));
  PutU32(out, 0);
  PutU32(out, static_cast<uint32_t>(offset));
  PutU32(out, kInfoHeaderSize);
  PutU32(out, static_cast<uint32_t>(pixels.width));
  PutU32(out, static_cast<uint32_t>(pixels.height));  // positive: bottom-up
  PutU16(out, 1);
  PutU16(out, static_cast<uint32_t>(bpp));
  PutU32(out, kRgb);
  PutU32(out, static_cast<uint32_t>(imageSize));
  PutU32(out, 2835);  // 72 dpi
  PutU32(out, 2835);
  PutU32(out, static_cast<uint32_t>(paletteSize));
  PutU32(out, 0);
  return out;
}

}  // namespace

std::optional<std::vector<uint8_t>> EncodeBmp8(PixelView pixels) {
  std::vector<Pixel> palette;
  std::vector<uint8_t> indexes;
  indexes.reserve(size_t(pixels.width) * pixels.height);
  for (int y = pixels.height - 1; y >= 0; --y)
    for (int x = 0; x < pixels.width; ++x) {
      Pixel colour = pixels.Row(y)[x] & 0x00FFFFFFu;
      auto at = std::find(palette.begin(), palette.end(), colour);
      if (at == palette.end()) {
        if (palette.size() == 256) return std::nullopt;
        at = palette.insert(palette.end(), colour);
      }
      indexes.push_back(static_cast<uint8_t>(at - palette.begin()));
    }
  std::vector<uint8_t> out = StartBmp(pixels, 8, palette.size());
  for (Pixel c : palette) out.insert(out.end(), {PixelB(c), PixelG(c), PixelR(c), 0});
  size_t pad = (4 - size_t(pixels.width) % 4) % 4;
  for (size_t row = 0; row < indexes.size(); row += pixels.width) {
    out.insert(out.end(), indexes.begin() + row, indexes.begin() + row + pixels.width);
    out.resize(out.size() + pad, 0);
  }
  return out;
}

std::vector<uint8_t> EncodeBmp24(PixelView pixels) {
  size_t stride = (size_t(pixels.width) * 3 + 3) / 4 * 4;
  std::vector<uint8_t> out = StartBmp(pixels, 24, 0);
  for (int y = pixels.height - 1; y >= 0; --y) {
    const Pixel* row = pixels.Row(y);
    for (int x = 0; x < pixels.width; ++x) {
      out.push_back(PixelB(row[x]));
      out.push_back(PixelG(row[x]));
      out.push_back(PixelR(row[x]));
    }
    out.resize(out.size() + (stride - size_t(pixels.width) * 3), 0);
  }
  return out;
}

}  // namespace kestrova
