// Windows BMP files in memory, to and from pixel buffers.
//
// DecodeBmp reads a whole BMP file (BITMAPFILEHEADER followed by an OS/2
// core header, BITMAPINFOHEADER, its 52/56/64-byte variants, V4 or V5):
// 1, 4 and 8 bits with a palette (also RLE8 and RLE4), 16 bits (555, or any
// masks with BI_BITFIELDS), 24 bits and 32 bits (BI_RGB or BI_BITFIELDS),
// rows bottom-up or top-down. Pixels come out opaque unless the file names
// an alpha mask. Every size is checked against the bytes present before
// anything is allocated; bad data raises Error with one of the messages
// below, never a read outside `data`.
//
//   PixelBuffer picture = DecodeBmp(bytes.data(), bytes.size());
//   std::vector<uint8_t> file = EncodeBmp24(picture.View());
//   auto smaller = EncodeBmp8(picture.View());  // empty above 256 colours
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "common/pixels.h"

namespace kestrova {

// Decoder failure messages (each failure kind has exactly one).
inline constexpr const char* kBmpNotBmp = "BMP: not a BMP file";
inline constexpr const char* kBmpTruncatedHeader = "BMP: header is truncated";
inline constexpr const char* kBmpBadHeaderSize = "BMP: unsupported header size";
inline constexpr const char* kBmpBadDepth = "BMP: unsupported bit depth";
inline constexpr const char* kBmpBadCompression = "BMP: unsupported compression";
inline constexpr const char* kBmpBadDimensions = "BMP: invalid dimensions";
inline constexpr const char* kBmpTooLarge = "BMP: picture is too large";
inline constexpr const char* kBmpTruncatedPalette = "BMP: palette is truncated";
inline constexpr const char* kBmpTruncatedPixels = "BMP: pixel data is truncated";
inline constexpr const char* kBmpBadRle = "BMP: corrupt run-length data";

// The largest picture the decoder accepts, in pixels (8192 x 8192).
inline constexpr int64_t kBmpMaxPixels = int64_t(1) << 26;

PixelBuffer DecodeBmp(const uint8_t* data, size_t size);
inline PixelBuffer DecodeBmp(const std::vector<uint8_t>& bytes) {
  return DecodeBmp(bytes.data(), bytes.size());
}

// A 24-bit bottom-up BMP file with a BITMAPINFOHEADER; alpha is dropped.
std::vector<uint8_t> EncodeBmp24(PixelView pixels);

// The same picture as an 8-bit BMP whose palette holds its colours in the
// order they first appear (a third of the size for pictures of few
// colours); nothing when it has more than 256 colours. Alpha is dropped.
std::optional<std::vector<uint8_t>> EncodeBmp8(PixelView pixels);

}  // namespace kestrova
