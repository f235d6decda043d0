#include "common/bmp.h"

#include <gtest/gtest.h>

#include "common/error.h"
#include "tests/testing/temp_dir.h"

namespace kestrova {
namespace {

using testing::Bytes;
using testing::Concat;

Bytes U16(uint32_t v) { return {uint8_t(v), uint8_t(v >> 8)}; }
Bytes U32(uint32_t v) { return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)}; }

// A BMP file put together field by field, so that each test states only
// what it is about.
struct BmpFile {
  uint32_t headerSize = 40;
  int32_t width = 2;
  int32_t height = 2;
  uint16_t bits = 24;
  uint32_t compression = 0;
  uint32_t colorsUsed = 0;
  Bytes masks;               // written after a 40-byte header, or inside a bigger one
  Bytes palette;             // written as given
  Bytes pixels;              // written as given
  int32_t pixelOffset = -1;  // -1: just after the palette

  Bytes Build() const {
    Bytes info;
    if (headerSize == 12) {
      info = Concat({U32(12), U16(width), U16(height), U16(1), U16(bits)});
    } else {
      info = Concat({U32(headerSize), U32(width), U32(height), U16(1), U16(bits), U32(compression),
                     U32(uint32_t(pixels.size())), U32(2835), U32(2835), U32(colorsUsed), U32(0)});
      if (headerSize > 40) {
        Bytes inside = masks;
        inside.resize(headerSize - 40, 0);
        info = Concat({info, inside});
      } else {
        info = Concat({info, masks});
      }
    }
    uint32_t offset = 14 + uint32_t(info.size() + palette.size());
    if (pixelOffset >= 0) offset = uint32_t(pixelOffset);
    Bytes file = Concat({{'B', 'M'}, U32(0), U32(0), U32(offset), info, palette, pixels});
    uint32_t total = uint32_t(file.size());
    std::copy_n(U32(total).begin(), 4, file.begin() + 2);
    return file;
  }
};

Bytes Bgr0(uint8_t r, uint8_t g, uint8_t b) { return {b, g, r, 0}; }

void ExpectPixels(const PixelBuffer& picture, int width, int height,
                  const std::vector<Pixel>& expected) {
  ASSERT_EQ(picture.Width(), width);
  ASSERT_EQ(picture.Height(), height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      EXPECT_EQ(picture.At(x, y), expected[size_t(y) * width + x]) << x << "," << y;
}

const Pixel kRed = MakePixel(255, 0, 0), kGreen = MakePixel(0, 255, 0),
            kBlue = MakePixel(0, 0, 255), kWhite = MakePixel(255, 255, 255),
            kBlack = MakePixel(0, 0, 0);

TEST(BmpEncode, TwentyFourBitsBottomUpWithPaddedRowsRoundTrips) {
  PixelBuffer picture(3, 2);
  const Pixel colours[] = {kRed, kGreen, kBlue, kWhite, kBlack, MakePixel(1, 2, 3)};
  for (int i = 0; i < 6; ++i) picture.At(i % 3, i / 3) = colours[i];
  Bytes file = EncodeBmp24(picture.View());

  ASSERT_EQ(file.size(), 54u + 2 * 12);  // 9 bytes of pixels padded to 12 per row
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[10], 54);
  EXPECT_EQ(file[28], 24);
  // The bottom row comes first: white at (0,1) is the first pixel stored,
  // then black, then (1,2,3) as B,G,R.
  EXPECT_EQ(Bytes(file.begin() + 54, file.begin() + 63), (Bytes{255, 255, 255, 0, 0, 0, 3, 2, 1}));
  ExpectPixels(DecodeBmp(file), 3, 2, {colours, colours + 6});
}

TEST(BmpEncode, DropsAlphaAndRefusesEmptyPictures) {
  PixelBuffer picture(1, 1, MakePixel(10, 20, 30, 0));
  EXPECT_EQ(DecodeBmp(EncodeBmp24(picture.View())).At(0, 0), MakePixel(10, 20, 30));
  EXPECT_THROW(EncodeBmp24(PixelBuffer().View()), Error);
}

TEST(BmpEncode, EightBitsKeepEveryColourOfAPictureOfAtMost256) {
  PixelBuffer picture(5, 3);  // 5 indexes a row, padded to 8
  const Pixel colours[] = {kRed, kGreen, kBlue, kWhite, kBlack, MakePixel(255, 0, 255)};
  for (int i = 0; i < 15; ++i) picture.At(i % 5, i / 5) = colours[(i * 7) % 6];
  picture.At(4, 2) = MakePixel(1, 2, 3, 0);  // alpha dropped, as in 24 bits
  std::optional<Bytes> file = EncodeBmp8(picture.View());
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ((*file)[28], 8);
  EXPECT_EQ(file->size(), 54u + 4 * 7 + 3 * 8);  // seven colours in the palette
  PixelBuffer back = DecodeBmp(*file);
  picture.At(4, 2) = MakePixel(1, 2, 3);
  ExpectPixels(back, 5, 3, picture.Data());
  EXPECT_EQ(EncodeBmp24(back.View()), EncodeBmp24(picture.View()));
}

TEST(BmpEncode, EightBitsRefuseAPictureOf257Colours) {
  PixelBuffer picture(257, 1);
  for (int x = 0; x < 257; ++x) picture.At(x, 0) = MakePixel(uint8_t(x), uint8_t(x >> 8), 0);
  EXPECT_FALSE(EncodeBmp8(picture.View()).has_value());
  picture.At(256, 0) = picture.At(0, 0);  // 256 colours: fits
  EXPECT_TRUE(EncodeBmp8(picture.View()).has_value());
  EXPECT_THROW(EncodeBmp8(PixelBuffer().View()), Error);
}

TEST(BmpDecode, PalettedDepthsReadIndicesMostSignificantFirst) {
  BmpFile one;
  one.bits = 1;
  one.width = 9;
  one.height = 1;
  one.palette = Concat({Bgr0(0, 0, 0), Bgr0(255, 255, 255)});
  one.pixels = {0b10100000, 0b10000000, 0, 0};
  ExpectPixels(DecodeBmp(one.Build()), 9, 1,
               {kWhite, kBlack, kWhite, kBlack, kBlack, kBlack, kBlack, kBlack, kWhite});

  BmpFile four;
  four.bits = 4;
  four.width = 3;
  four.height = 1;
  four.colorsUsed = 3;
  four.palette = Concat({Bgr0(255, 0, 0), Bgr0(0, 255, 0), Bgr0(0, 0, 255)});
  four.pixels = {0x21, 0x00, 0, 0};
  ExpectPixels(DecodeBmp(four.Build()), 3, 1, {kBlue, kGreen, kRed});

  // Index 5 lies beyond the two colours the file defines: opaque black.
  BmpFile eight;
  eight.bits = 8;
  eight.width = 2;
  eight.height = 1;
  eight.colorsUsed = 2;
  eight.palette = Concat({Bgr0(255, 0, 0), Bgr0(0, 255, 0)});
  eight.pixels = {1, 5, 0, 0};
  ExpectPixels(DecodeBmp(eight.Build()), 2, 1, {kGreen, kBlack});
}

TEST(BmpDecode, SixteenBitsDefaultTo555AndHonourBitfieldMasks) {
  BmpFile rgb555;
  rgb555.bits = 16;
  rgb555.width = 2;
  rgb555.height = 1;
  rgb555.pixels = Concat({U16(0x7C00), U16(0x03FF)});
  ExpectPixels(DecodeBmp(rgb555.Build()), 2, 1, {kRed, MakePixel(0, 255, 255)});

  BmpFile rgb565 = rgb555;
  rgb565.compression = 3;
  rgb565.masks = Concat({U32(0xF800), U32(0x07E0), U32(0x001F)});
  rgb565.pixels = Concat({U16(0x07E0), U16(0x8410)});  // green; mid grey
  ExpectPixels(DecodeBmp(rgb565.Build()), 2, 1, {kGreen, MakePixel(132, 130, 132)});
}

TEST(BmpDecode, ThirtyTwoBitsIgnoreTheFourthByteUnlessAnAlphaMaskIsGiven) {
  BmpFile rgb;
  rgb.bits = 32;
  rgb.width = 1;
  rgb.height = 1;
  rgb.pixels = {30, 20, 10, 0};
  EXPECT_EQ(DecodeBmp(rgb.Build()).At(0, 0), MakePixel(10, 20, 30));

  BmpFile v5 = rgb;
  v5.headerSize = 124;
  v5.compression = 3;
  v5.masks = Concat({U32(0x0000FF00), U32(0x00FF0000), U32(0xFF000000), U32(0x000000FF)});
  v5.pixels = {0x80, 10, 20, 30};
  EXPECT_EQ(DecodeBmp(v5.Build()).At(0, 0), MakePixel(10, 20, 30, 0x80));
}

TEST(BmpDecode, RowOrderFollowsTheSignOfTheHeight) {
  BmpFile file;
  file.width = 1;
  file.height = 2;
  file.pixels = {0, 0, 255, 0, 255, 0, 0, 0};  // red row stored first, then blue
  ExpectPixels(DecodeBmp(file.Build()), 1, 2, {kBlue, kRed});
  file.height = -2;
  ExpectPixels(DecodeBmp(file.Build()), 1, 2, {kRed, kBlue});
}

TEST(BmpDecode, ReadsTheOs2CoreHeaderWithThreeBytePalette) {
  BmpFile file;
  file.headerSize = 12;
  file.bits = 1;
  file.width = 2;
  file.height = 1;
  file.palette = {0, 0, 255, 255, 0, 0};  // red, blue
  file.pixels = {0b01000000, 0, 0, 0};
  ExpectPixels(DecodeBmp(file.Build()), 2, 1, {kRed, kBlue});
}

TEST(BmpDecode, ReadsTheLastRowWithoutItsPaddingAndAZeroDataOffset) {
  BmpFile file;
  file.width = 1;
  file.height = 2;
  file.pixels = {255, 0, 0, 0, 0, 0, 255};
  file.pixelOffset = 0;
  ExpectPixels(DecodeBmp(file.Build()), 1, 2, {kRed, kBlue});
}

TEST(BmpDecode, Rle8RunsLiteralsMovesAndLineEnds) {
  BmpFile file;
  file.bits = 8;
  file.compression = 1;
  file.width = 4;
  file.height = 3;
  file.colorsUsed = 3;
  file.palette = Concat({Bgr0(0, 0, 0), Bgr0(255, 0, 0), Bgr0(0, 0, 255)});
  file.pixels = {
      3, 1,              // bottom row: three red
      0, 0,              // end of line
      0, 3, 2, 1, 2, 0,  // literal blue red blue, padded to a word
      0, 2, 0, 1,        // move up one row, staying in column 3
      1, 2,              // one blue at (3, top row)
      0, 1,              // end of picture
  };
  ExpectPixels(DecodeBmp(file.Build()), 4, 3,
               {kBlack, kBlack, kBlack, kBlue,  //
                kBlue, kRed, kBlue, kBlack,     //
                kRed, kRed, kRed, kBlack});
}

TEST(BmpDecode, Rle4AlternatesNibblesAndDropsPixelsPastTheRow) {
  BmpFile file;
  file.bits = 4;
  file.compression = 2;
  file.width = 3;
  file.height = 1;
  file.colorsUsed = 2;
  file.palette = Concat({Bgr0(255, 0, 0), Bgr0(0, 0, 255)});
  file.pixels = {5, 0x10, 0, 1};
  ExpectPixels(DecodeBmp(file.Build()), 3, 1, {kBlue, kRed, kBlue});
  file.pixels = {0, 3, 0x01, 0x00, 0, 1};
  ExpectPixels(DecodeBmp(file.Build()), 3, 1, {kRed, kBlue, kRed});
}

struct BadCase {
  const char* what;
  Bytes file;
  const char* message;
};

BmpFile Valid() {
  BmpFile f;
  f.width = 2;
  f.height = 2;
  f.pixels = Bytes(16, 0x40);
  return f;
}

std::vector<BadCase> BadCases() {
  std::vector<BadCase> cases;
  auto with = [](auto change) {
    BmpFile f = Valid();
    change(f);
    return f.Build();
  };
  cases.push_back({"PNG bytes", {0x89, 'P', 'N', 'G'}, kBmpNotBmp});
  cases.push_back({"empty", {}, kBmpNotBmp});
  cases.push_back(
      {"file header only", {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, kBmpTruncatedHeader});
  Bytes cut = Valid().Build();
  cut.resize(40);
  cases.push_back({"info header cut", cut, kBmpTruncatedHeader});
  cases.push_back(
      {"header size 20", with([](BmpFile& f) { f.headerSize = 20; }), kBmpBadHeaderSize});
  cases.push_back(
      {"header size 200", with([](BmpFile& f) { f.headerSize = 200; }), kBmpBadHeaderSize});
  cases.push_back({"2 bits", with([](BmpFile& f) { f.bits = 2; }), kBmpBadDepth});
  cases.push_back({"64 bits", with([](BmpFile& f) { f.bits = 64; }), kBmpBadDepth});
  cases.push_back({"JPEG inside", with([](BmpFile& f) { f.compression = 4; }), kBmpBadCompression});
  cases.push_back(
      {"RLE8 at 24 bits", with([](BmpFile& f) { f.compression = 1; }), kBmpBadCompression});
  cases.push_back({"top-down RLE", with([](BmpFile& f) {
                     f.bits = 8;
                     f.compression = 1;
                     f.height = -2;
                   }),
                   kBmpBadCompression});
  cases.push_back({"zero width", with([](BmpFile& f) { f.width = 0; }), kBmpBadDimensions});
  cases.push_back({"negative width", with([](BmpFile& f) { f.width = -2; }), kBmpBadDimensions});
  cases.push_back({"zero height", with([](BmpFile& f) { f.height = 0; }), kBmpBadDimensions});
  cases.push_back(
      {"100000 squared", with([](BmpFile& f) { f.width = f.height = 100000; }), kBmpTooLarge});
  cases.push_back({"bitfields without masks", with([](BmpFile& f) {
                     f.bits = 32;
                     f.compression = 3;
                     f.pixels.resize(4);
                   }),
                   kBmpTruncatedHeader});
  cases.push_back({"palette cut", with([](BmpFile& f) {
                     f.bits = 8;
                     f.palette = Bytes(4 * 255, 0);
                     f.pixels.clear();
                   }),
                   kBmpTruncatedPalette});
  cases.push_back(
      {"last byte missing", with([](BmpFile& f) { f.pixels.resize(13); }), kBmpTruncatedPixels});
  cases.push_back({"data offset past the end", with([](BmpFile& f) { f.pixelOffset = 1000; }),
                   kBmpTruncatedPixels});
  cases.push_back({"RLE literal past the end", with([](BmpFile& f) {
                     f.bits = 8;
                     f.compression = 1;
                     f.palette = Bytes(1024, 0);
                     f.pixels = {0, 5, 1, 1};
                   }),
                   kBmpBadRle});
  cases.push_back({"RLE move cut", with([](BmpFile& f) {
                     f.bits = 8;
                     f.compression = 1;
                     f.palette = Bytes(1024, 0);
                     f.pixels = {0, 2, 1};
                   }),
                   kBmpBadRle});
  return cases;
}

TEST(BmpDecode, EachKindOfBadFileRaisesItsMessage) {
  for (const BadCase& c : BadCases()) {
    try {
      DecodeBmp(c.file);
      ADD_FAILURE() << c.what << ": decoded";
    } catch (const Error& e) {
      EXPECT_STREQ(e.what(), c.message) << c.what;
    }
  }
}

// A file cut anywhere raises the message of the part it was cut in, or
// (where the part left out is only row padding or the rest of a run-length
// stream) decodes to the full size.
TEST(BmpDecode, EveryPrefixOfAFileRaisesItsPartsMessageOrDecodesWhole) {
  BmpFile rle;
  rle.bits = 4;
  rle.compression = 2;
  rle.width = 5;
  rle.height = 3;
  rle.palette = Bytes(64, 7);
  rle.pixels = {4, 0x12, 0, 0, 0, 5, 1, 2, 3, 0, 0, 2, 1, 1, 2, 0x33, 0, 1};
  for (const BmpFile& file : {rle, Valid()}) {
    const Bytes full = file.Build();
    const size_t paletteEnd = 54 + file.palette.size();
    const char* pixelsCut = file.compression ? kBmpBadRle : kBmpTruncatedPixels;
    for (size_t n = 0; n < full.size(); ++n) {
      const char* expected = n < 2            ? kBmpNotBmp
                             : n < 54         ? kBmpTruncatedHeader
                             : n < paletteEnd ? kBmpTruncatedPalette
                                              : pixelsCut;
      try {
        const PixelBuffer picture = DecodeBmp(Bytes(full.begin(), full.begin() + n));
        EXPECT_GE(n, paletteEnd) << n << " of " << full.size() << " decoded";
        EXPECT_EQ(picture.Width(), file.width) << n;
        EXPECT_EQ(picture.Height(), file.height) << n;
      } catch (const Error& e) {
        EXPECT_STREQ(e.what(), expected) << n << " of " << full.size();
      }
    }
    // Only the last row's padding may be missing from an uncompressed file.
    if (!file.compression) {
      EXPECT_THROW(DecodeBmp(Bytes(full.begin(), full.end() - 3)), Error);
    }
  }
}

}  // namespace
}  // namespace kestrova

namespace kestrova {
namespace {

// Files written by ImageMagick, with pixels as ImageMagick itself reads
// them: the top-left, the middle and the bottom-right one.
TEST(BmpDecode, ReadsWhatAnotherWriterWrote) {
  const struct {
    const char* file;
    int width, height;
    Pixel first, middle, last;
  } files[] = {
      {"argb.bmp", 4, 3, 0x80FF0000, 0x80800080, 0x800000FF},   // V5, 32-bit bitfields
      {"mono.bmp", 11, 4, 0xFFFFFFFF, 0xFF000000, 0xFF000000},  // 1 bit
      {"pal4.bmp", 7, 3, 0xFFFF0000, 0xFF800080, 0xFF0000FF},   // 4 bits
      {"rgb24.bmp", 3, 8, 0xFFFF0000, 0xFF6D0092, 0xFF0000FF},
      {"rgb565.bmp", 5, 3, 0xFFFF0000, 0xFF7B007B, 0xFF0000FF},
      {"rle8.bmp", 9, 5, 0xFFFF0000, 0xFF800080, 0xFF0000FF},
  };
  for (const auto& f : files) {
    SCOPED_TRACE(f.file);
    PixelBuffer picture =
        DecodeBmp(testing::ReadFile(std::string(KESTROVA_SOURCE_DIR "/tests/data/bmp/") + f.file));
    ASSERT_EQ(picture.Width(), f.width);
    ASSERT_EQ(picture.Height(), f.height);
    EXPECT_EQ(picture.At(0, 0), f.first);
    EXPECT_EQ(picture.At(f.width / 2, f.height / 2), f.middle);
    EXPECT_EQ(picture.At(f.width - 1, f.height - 1), f.last);
  }
}

}  // namespace
}  // namespace kestrova
