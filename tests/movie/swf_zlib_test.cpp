// Movies and bitmaps compressed by zlib itself (host only: the Windows build
// links no zlib) read the same as the stored streams our writer makes, and
// a bitmap whose stream is cut or damaged is refused with its reason.
#include <gtest/gtest.h>
#include <zlib.h>

#include "movie/swf/bitmap_reader.h"
#include "movie/swf/decoder.h"
#include "movie/swf/reader.h"
#include "movie/swf/swf_error.h"
#include "tests/movie/swf_test_movies.h"
#include "tests/testing/temp_dir.h"

namespace kestrova::swf {
namespace {

using testing::Bytes;

Bytes Compress(const Bytes& raw, int level) {
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  Bytes out(size);
  compress2(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()), level);
  out.resize(size);
  return out;
}

// The CWS file of `swf`, its body deflated by zlib at `level`.
Bytes ZlibMovie(const SwfWriter& swf, int level) {
  Bytes plain = swf.Finish(false);
  Bytes out = {'C', 'W', 'S'};
  out.insert(out.end(), plain.begin() + 3, plain.begin() + 8);
  Bytes body = Compress({plain.begin() + 8, plain.end()}, level);
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

std::string LosslessError(const Bytes& body) {
  try {
    Reader in(body);
    ReadDefineBitsLossless(in, 2);
  } catch (const SwfError& e) {
    return e.what();
  }
  return "no error";
}

TEST(SwfZlib, MoviesDeflatedByZlibReadLikeStoredOnes) {
  auto swf = testing::RectangleMovie();
  for (int i = 0; i < 50; ++i) swf.ShowFrame();
  Movie stored = DecodeMovie(swf.Finish(true));
  for (int level : {1, 6, 9}) {
    Movie movie = DecodeMovie(ZlibMovie(swf, level));
    EXPECT_TRUE(movie.header.compressed);
    EXPECT_EQ(movie.root.frames.size(), stored.root.frames.size()) << level;
    EXPECT_EQ(movie.background, stored.background) << level;
    EXPECT_TRUE(movie.warnings.empty()) << level;
  }
}

TEST(SwfZlib, LosslessBitmapsDeflatedByZlibAndTheirFaults) {
  Bytes pixels;  // 64x4, 32-bit A R G B
  for (int i = 0; i < 64 * 4; ++i) pixels.insert(pixels.end(), {255, uint8_t(i), 0, 0x40});
  Bytes header = {5, 64, 0, 4, 0};
  Bytes stream = Compress(pixels, 9);
  Bytes body = kestrova::testing::Concat({header, stream});
  Reader in(body);
  Bitmap bitmap = ReadDefineBitsLossless(in, 2);
  EXPECT_EQ(bitmap.pixels->At(5, 0), MakePixel(5, 0, 0x40, 255));

  Bytes cut = kestrova::testing::Concat({header, Bytes(stream.begin(), stream.end() - 3)});
  EXPECT_EQ(LosslessError(cut), "compressed data is corrupt (inflate: unexpected end of data)");
  Bytes damaged = kestrova::testing::Concat({header, stream});
  damaged.back() ^= 1;
  EXPECT_EQ(LosslessError(damaged),
            "compressed data is corrupt (zlib: Adler-32 checksum mismatch)");
  Bytes noHeader = kestrova::testing::Concat({header, Bytes(stream.begin() + 2, stream.end())});
  EXPECT_EQ(LosslessError(noHeader), "compressed data is corrupt (zlib: bad header)");
}

// More data than the bitmap needs: reading stops at what it needs, so the
// checksum at the end of the longer stream is never reached.
TEST(SwfZlib, AStreamLongerThanTheBitmapStopsAtItsSize) {
  Bytes pixels(4 * 4 * 2 + 1000, 0x7F);
  Bytes stream = Compress(pixels, 6);
  stream.back() ^= 1;
  Bytes body = kestrova::testing::Concat({{5, 4, 0, 4, 0}, stream});
  EXPECT_EQ(LosslessError(body), "no error");
}

}  // namespace
}  // namespace kestrova::swf
