// Readers of the bitmap tags: DefineBits (+ JPEGTables), DefineBitsJPEG2/3
// and DefineBitsLossless 1-2. Each takes a Reader bounded to the tag,
// positioned after the character id, and yields premultiplied pixels.
// Pictures that do not decode raise SwfError (the tag is then skipped).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "movie/swf/movie.h"
#include "movie/swf/reader.h"

namespace kestrova::swf {

// Larger pictures are refused before any pixel is allocated.
constexpr int64_t kMaxBitmapPixels = 16 * 1024 * 1024;

Bitmap ReadDefineBits(Reader& in, std::span<const uint8_t> jpegTables);
Bitmap ReadDefineBitsJpeg2(Reader& in);
Bitmap ReadDefineBitsJpeg3(Reader& in);
Bitmap ReadDefineBitsLossless(Reader& in, int version);

// JPEG (or PNG/GIF, which DefineBitsJPEG2 may hold) bytes with SWF's stray
// EOI/SOI pairs removed, decoded to premultiplied pixels.
PixelBuffer DecodeEmbeddedImage(std::span<const uint8_t> bytes);

}  // namespace kestrova::swf
