// Bitmap tags: lossless formats, JPEG variants and pictures that do not
// decode or claim absurd sizes.
#include <gtest/gtest.h>

#include "common/zlib_stream.h"
#include "movie/swf/bitmap_reader.h"
#include "movie/swf/decoder.h"
#include "movie/swf/swf_error.h"
#include "tests/movie/swf_test_movies.h"

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

namespace kestrova::swf {
namespace {

using testing::Bytes;

Bytes Zlib(const Bytes& raw) { return ZlibStore(raw); }

// stb's writer callback: the bytes onto the Bytes `context` points at.
void AppendTo(void* context, void* data, int size) {
  auto* bytes = static_cast<Bytes*>(context);
  bytes->insert(bytes->end(), static_cast<uint8_t*>(data), static_cast<uint8_t*>(data) + size);
}

// A 16x8 JPEG: left half red, right half blue.
Bytes Jpeg() {
  std::vector<uint8_t> rgb;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 16; ++x)
      rgb.insert(rgb.end(), {uint8_t(x < 8 ? 255 : 0), 0, uint8_t(x < 8 ? 0 : 255)});
  Bytes out;
  stbi_write_jpg_to_func(AppendTo, &out, 16, 8, 3, rgb.data(), 95);
  return out;
}

Bitmap ReadTag(int code, const Bytes& body, const Bytes& tables = {}) {
  Reader in(body);
  switch (code) {
    case tag::kDefineBits:
      return ReadDefineBits(in, tables);
    case tag::kDefineBitsJpeg2:
      return ReadDefineBitsJpeg2(in);
    case tag::kDefineBitsJpeg3:
      return ReadDefineBitsJpeg3(in);
    case tag::kDefineBitsLossless:
      return ReadDefineBitsLossless(in, 1);
    default:
      return ReadDefineBitsLossless(in, 2);
  }
}

std::string ErrorOf(int code, const Bytes& body) {
  try {
    ReadTag(code, body);
  } catch (const SwfError& e) {
    return e.what();
  }
  return "no error";
}

void ExpectRedBlue(const PixelBuffer& p, uint8_t alpha = 255) {
  ASSERT_EQ(p.Width(), 16);
  ASSERT_EQ(p.Height(), 8);
  EXPECT_NEAR(PixelR(p.At(2, 4)), alpha, 12);
  EXPECT_NEAR(PixelB(p.At(2, 4)), 0, 12);
  EXPECT_NEAR(PixelB(p.At(13, 4)), alpha, 12);
  EXPECT_EQ(PixelA(p.At(2, 4)), alpha);
}

TEST(SwfBitmap, Lossless2RoundTripsPremultipliedPixels) {
  PixelBuffer pixels(3, 2);
  pixels.At(0, 0) = MakePixel(0x80, 0x40, 0x00, 0x80);
  pixels.At(2, 1) = 0xFFFFFFFF;
  Bytes body = DefineBitsLossless2Body(1, pixels);
  Bitmap b = ReadTag(tag::kDefineBitsLossless2, {body.begin() + 2, body.end()});
  EXPECT_EQ(b.pixels->Data(), pixels.Data());
}

TEST(SwfBitmap, ColourMappedRowsArePaddedToFourBytes) {
  // 3x2, table of two RGB entries, rows of 3 indexes + 1 pad byte.
  Bytes raw = {255, 0, 0, 0, 0, 255, 0, 1, 0, 0, 1, 1, 0, 0};
  Bytes body = {3, 3, 0, 2, 0, 1};
  Bytes z = Zlib(raw);
  body.insert(body.end(), z.begin(), z.end());
  Bitmap b = ReadTag(tag::kDefineBitsLossless, body);
  EXPECT_EQ(b.pixels->At(0, 0), 0xFFFF0000u);
  EXPECT_EQ(b.pixels->At(1, 0), 0xFF0000FFu);
  EXPECT_EQ(b.pixels->At(0, 1), 0xFF0000FFu);
  EXPECT_EQ(b.pixels->At(2, 1), 0xFFFF0000u);
}

TEST(SwfBitmap, FifteenBitPixelsAreBigEndian) {
  Bytes raw = {0x7C, 0x00, 0x00, 0x1F};  // red, blue
  Bytes body = {4, 2, 0, 1, 0};
  Bytes z = Zlib(raw);
  body.insert(body.end(), z.begin(), z.end());
  Bitmap b = ReadTag(tag::kDefineBitsLossless, body);
  EXPECT_EQ(b.pixels->At(0, 0), 0xFFFF0000u);
  EXPECT_EQ(b.pixels->At(1, 0), 0xFF0000FFu);
}

TEST(SwfBitmap, FaultsHaveTheirMessages) {
  Bytes tiny = Zlib({1, 2, 3, 4});
  Bytes shortData = {5, 4, 0, 4, 0};
  shortData.insert(shortData.end(), tiny.begin(), tiny.end());
  Bytes huge = {5, 0xFF, 0xFF, 0xFF, 0xFF};
  huge.insert(huge.end(), tiny.begin(), tiny.end());
  EXPECT_EQ(ErrorOf(tag::kDefineBitsLossless2, shortData), "lossless bitmap data too short");
  EXPECT_EQ(ErrorOf(tag::kDefineBitsLossless2, huge), "bitmap too large");
  EXPECT_EQ(ErrorOf(tag::kDefineBitsLossless2, {5, 0, 0, 4, 0}), "bitmap has no pixels");
  EXPECT_EQ(ErrorOf(tag::kDefineBitsLossless2, {7, 1, 0, 1, 0}),
            "unknown lossless bitmap format 7");
  EXPECT_EQ(ErrorOf(tag::kDefineBitsJpeg2, {0xFF, 0xD8, 0xFF, 0xC0, 1, 2}),
            "bitmap does not decode");
  EXPECT_EQ(ErrorOf(tag::kDefineBitsJpeg3, {0xFF, 0, 0, 0, 1}), "JPEG size beyond the tag");
}

// A Huffman table naming more codes than the decoder has room for would
// be written past its end: the picture is refused first, in the movie's
// own tables too.
TEST(SwfBitmap, HuffmanTablesOfMoreThan256CodesAreRefused) {
  Bytes table = {0xFF, 0xC4, 0x01, 0x14, 0x10};  // one AC table of 257 codes
  table.insert(table.end(), 14, 0);
  table.insert(table.end(), {2, 255});
  table.resize(table.size() + 257, 0);
  Bytes jpeg = Jpeg();
  const Bytes bits = jpeg;
  jpeg.insert(jpeg.begin() + 2, table.begin(), table.end());
  EXPECT_EQ(ErrorOf(tag::kDefineBitsJpeg2, jpeg), "JPEG Huffman table of more than 256 codes");
  // The decoder skips a stray byte between segments, and so does the check.
  jpeg.insert(jpeg.begin() + 2, 0x42);
  EXPECT_EQ(ErrorOf(tag::kDefineBitsJpeg2, jpeg), "JPEG Huffman table of more than 256 codes");
  // The same bytes inside an application segment are its payload.
  Bytes app = {0xFF, 0xE1, 0x01, 0x18};
  app.insert(app.end(), table.begin(), table.end());
  Bytes inApp = bits;
  inApp.insert(inApp.begin() + 2, app.begin(), app.end());
  ExpectRedBlue(*ReadTag(tag::kDefineBitsJpeg2, inApp).pixels);
  Bytes tables = {0xFF, 0xD8};
  tables.insert(tables.end(), table.begin(), table.end());
  try {
    Reader in(bits);
    ReadDefineBits(in, tables);
    ADD_FAILURE() << "no error";
  } catch (const SwfError& e) {
    EXPECT_STREQ(e.what(), "JPEG Huffman table of more than 256 codes");
  }
}

TEST(SwfBitmap, Jpeg2WithTheOldStrayMarkersDecodes) {
  Bytes jpeg = Jpeg();
  ExpectRedBlue(*ReadTag(tag::kDefineBitsJpeg2, jpeg).pixels);
  Bytes stray = {0xFF, 0xD9, 0xFF, 0xD8};
  stray.insert(stray.end(), jpeg.begin(), jpeg.end());
  ExpectRedBlue(*ReadTag(tag::kDefineBitsJpeg2, stray).pixels);
}

// The marker pair inside a comment segment is part of its payload: taking
// it out would make the comment swallow the scan header after it.
TEST(SwfBitmap, OnlyTheRealEndStartPairIsStripped) {
  Bytes jpeg = Jpeg();
  const Bytes comment = {0xFF, 0xFE, 0, 8, 0xFF, 0xD9, 0xFF, 0xD8, 'a', 'b'};
  size_t scan = 2;
  while (scan + 1 < jpeg.size() && !(jpeg[scan] == 0xFF && jpeg[scan + 1] == 0xDA)) ++scan;
  jpeg.insert(jpeg.begin() + long(scan), comment.begin(), comment.end());
  ExpectRedBlue(*ReadTag(tag::kDefineBitsJpeg2, jpeg).pixels);
}

// Splits a JPEG into (tables, image) at the frame header, as JPEGTables and
// DefineBits hold it.
std::pair<Bytes, Bytes> SplitTables(const Bytes& jpeg) {
  Bytes tables = {0xFF, 0xD8}, image = {0xFF, 0xD8};
  size_t i = 2;
  while (i + 4 <= jpeg.size() && jpeg[i] == 0xFF && jpeg[i + 1] != 0xDA) {
    size_t length = (jpeg[i + 2] << 8) | jpeg[i + 3];
    Bytes& to = (jpeg[i + 1] == 0xDB || jpeg[i + 1] == 0xC4) ? tables : image;
    to.insert(to.end(), jpeg.begin() + i, jpeg.begin() + i + 2 + length);
    i += 2 + length;
  }
  image.insert(image.end(), jpeg.begin() + i, jpeg.end());
  tables.insert(tables.end(), {0xFF, 0xD9});
  return {tables, image};
}

TEST(SwfBitmap, DefineBitsTakesTheMovieTables) {
  auto [tables, image] = SplitTables(Jpeg());
  ExpectRedBlue(*ReadTag(tag::kDefineBits, image, tables).pixels);
  SwfWriter swf(6, testing::Stage(10, 10), 12);
  swf.Tag(tag::kJpegTables, tables);
  Bytes body = {9, 0};
  body.insert(body.end(), image.begin(), image.end());
  swf.Tag(tag::kDefineBits, body);
  Movie movie = DecodeMovie(swf.Finish(true));
  ASSERT_TRUE(movie.warnings.empty()) << movie.warnings[0];
  ExpectRedBlue(*std::get<Bitmap>(*movie.Find(9)).pixels);
}

TEST(SwfBitmap, Jpeg3AlphaMultipliesTheColours) {
  Bytes jpeg = Jpeg();
  Bytes body;
  for (int i = 0; i < 4; ++i) body.push_back(uint8_t(jpeg.size() >> (8 * i)));
  body.insert(body.end(), jpeg.begin(), jpeg.end());
  Bytes alpha = Zlib(Bytes(16 * 8, 128));
  body.insert(body.end(), alpha.begin(), alpha.end());
  ExpectRedBlue(*ReadTag(tag::kDefineBitsJpeg3, body).pixels, 128);
}

// PNG data in a JPEG3 tag carries its alpha: the alpha plane after it does
// not multiply the colours a second time.
TEST(SwfBitmap, Jpeg3WithPngDataIsPremultipliedOnce) {
  std::vector<uint8_t> rgba;
  for (int i = 0; i < 16 * 8; ++i) rgba.insert(rgba.end(), {255, 0, 0, 128});
  Bytes png;
  stbi_write_png_to_func(AppendTo, &png, 16, 8, 4, rgba.data(), 16 * 4);
  Bytes body;
  for (int i = 0; i < 4; ++i) body.push_back(uint8_t(png.size() >> (8 * i)));
  body.insert(body.end(), png.begin(), png.end());
  Bytes alpha = Zlib(Bytes(16 * 8, 128));
  body.insert(body.end(), alpha.begin(), alpha.end());
  Pixel p = ReadTag(tag::kDefineBitsJpeg3, body).pixels->At(3, 3);
  EXPECT_EQ(PixelA(p), 128);
  EXPECT_EQ(PixelR(p), 128) << "red at half alpha, premultiplied once";
}

}  // namespace
}  // namespace kestrova::swf
