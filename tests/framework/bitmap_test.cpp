#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/bitmap.h"

namespace kestrova::framework {
namespace {

using Bytes = std::vector<uint8_t>;

void Put(Bytes& b, uint32_t v, int n) {
  for (int i = 0; i < n; ++i) b.push_back(uint8_t(v >> (8 * i)));
}

// The picture every test file holds: 4 x 2, top row red green blue white,
// bottom row black, grey, yellow, magenta.
const Pixel kExpected[2][4] = {
    {MakePixel(255, 0, 0), MakePixel(0, 255, 0), MakePixel(0, 0, 255), MakePixel(255, 255, 255)},
    {MakePixel(0, 0, 0), MakePixel(128, 128, 128), MakePixel(255, 255, 0), MakePixel(255, 0, 255)}};
const uint8_t kIndex[2][4] = {{0, 1, 2, 3}, {4, 5, 6, 7}};

struct BmpLayout {
  int bpp;
  uint32_t compression = 0;
  bool top_down = false;
  std::vector<uint32_t> masks = {};  // written after a 40-byte header
  bool core = false;
};

Bytes Palette(bool core) {
  Bytes b;
  for (int i = 0; i < 8; ++i) {
    Pixel p = kExpected[i / 4][i % 4];
    b.push_back(PixelB(p));
    b.push_back(PixelG(p));
    b.push_back(PixelR(p));
    if (!core) b.push_back(0);
  }
  return b;
}

Bytes Row(const BmpLayout& s, int y) {
  Bytes r;
  for (int x = 0; x < 4; ++x) {
    Pixel p = kExpected[y][x];
    uint8_t i = kIndex[y][x];
    switch (s.bpp) {
      case 4:
        if (x % 2)
          r.back() |= i;
        else
          r.push_back(uint8_t(i << 4));
        break;
      case 8:
        r.push_back(i);
        break;
      case 16:
        if (s.masks.empty())  // 5-5-5
          Put(r, (PixelR(p) >> 3) << 10 | (PixelG(p) >> 3) << 5 | PixelB(p) >> 3, 2);
        else  // 5-6-5
          Put(r, (PixelR(p) >> 3) << 11 | (PixelG(p) >> 2) << 5 | PixelB(p) >> 3, 2);
        break;
      case 24:
        r.insert(r.end(), {PixelB(p), PixelG(p), PixelR(p)});
        break;
      case 32:
        Put(r, p & 0x00FFFFFF, 4);
        break;
    }
  }
  while (r.size() % 4) r.push_back(0);
  return r;
}

Bytes Make(const BmpLayout& s, const Bytes& bits_override = {}) {
  Bytes info;
  if (s.core) {
    Put(info, 12, 4), Put(info, 4, 2), Put(info, 2, 2), Put(info, 1, 2), Put(info, s.bpp, 2);
  } else {
    Put(info, 40, 4), Put(info, 4, 4), Put(info, s.top_down ? uint32_t(-2) : 2, 4);
    Put(info, 1, 2), Put(info, s.bpp, 2), Put(info, s.compression, 4);
    for (int i = 0; i < 5; ++i) Put(info, 0, 4);
    for (uint32_t m : s.masks) Put(info, m, 4);
  }
  if (s.bpp <= 8) {
    Bytes pal = Palette(s.core);
    // An 8-entry palette is complete for 4 and 8 bits when clrUsed says so.
    if (!s.core)
      info[32] = 8;
    else
      pal.resize(size_t(3) << s.bpp, 0), std::memcpy(pal.data(), Palette(true).data(), 24);
    info.insert(info.end(), pal.begin(), pal.end());
  }
  Bytes bits = bits_override;
  if (bits.empty())
    for (int i = 0; i < 2; ++i) {
      Bytes r = Row(s, s.top_down ? i : 1 - i);
      bits.insert(bits.end(), r.begin(), r.end());
    }
  Bytes file = {'B', 'M'};
  Put(file, uint32_t(14 + info.size() + bits.size()), 4);
  Put(file, 0, 4);
  Put(file, uint32_t(14 + info.size()), 4);
  file.insert(file.end(), info.begin(), info.end());
  file.insert(file.end(), bits.begin(), bits.end());
  return file;
}

TBitmap Load(const Bytes& file) {
  TBitmap b;
  b.LoadFromBmp(file);
  return b;
}

void ExpectPicture(TBitmap d, int tolerance, const std::string& what) {
  ASSERT_EQ(d.Width(), 4) << what;
  ASSERT_EQ(d.Height(), 2) << what;
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) {
      Pixel got = d.Pixels().At(x, y), want = kExpected[y][x];
      EXPECT_EQ(PixelA(got), 255) << what;
      EXPECT_NEAR(PixelR(got), PixelR(want), tolerance) << what << " at " << x << "," << y;
      EXPECT_NEAR(PixelG(got), PixelG(want), tolerance) << what << " at " << x << "," << y;
      EXPECT_NEAR(PixelB(got), PixelB(want), tolerance) << what << " at " << x << "," << y;
    }
}

TEST(Bitmap, LoadsEveryDepthBottomUpAndTopDown) {
  ExpectPicture(Load(Make({4})), 0, "4-bit");
  ExpectPicture(Load(Make({8})), 0, "8-bit");
  ExpectPicture(Load(Make({8, 0, true})), 0, "8-bit top-down");
  ExpectPicture(Load(Make({8, 0, false, {}, true})), 0, "8-bit core header");
  ExpectPicture(Load(Make({16})), 8, "16-bit 5-5-5");
  ExpectPicture(Load(Make({16, 3, false, {0xF800, 0x07E0, 0x001F}})), 8, "16-bit 5-6-5");
  ExpectPicture(Load(Make({24})), 0, "24-bit");
  ExpectPicture(Load(Make({24, 0, true})), 0, "24-bit top-down");
  ExpectPicture(Load(Make({32})), 0, "32-bit");
  ExpectPicture(Load(Make({32, 3, true, {0xFF0000, 0xFF00, 0xFF}})), 0, "32-bit fields");
}

TEST(Bitmap, LoadsOneBitAndRunLengthPictures) {
  // 1 bit: two colours, pattern 1001 / 0110 bottom-up.
  Bytes info;
  Put(info, 40, 4), Put(info, 4, 4), Put(info, 2, 4), Put(info, 1, 2), Put(info, 1, 2);
  for (int i = 0; i < 6; ++i) Put(info, 0, 4);
  Bytes pal = {0, 0, 0, 0, 255, 255, 255, 0};
  Bytes bits = {0x60, 0, 0, 0, 0x90, 0, 0, 0};
  Bytes f = {'B', 'M'};
  Put(f, uint32_t(14 + 40 + 8 + 8), 4), Put(f, 0, 4), Put(f, 62, 4);
  f.insert(f.end(), info.begin(), info.end());
  f.insert(f.end(), pal.begin(), pal.end());
  f.insert(f.end(), bits.begin(), bits.end());
  TBitmap d = Load(f);
  EXPECT_EQ(d.Pixels().At(0, 0), MakePixel(255, 255, 255));
  EXPECT_EQ(d.Pixels().At(1, 0), MakePixel(0, 0, 0));
  EXPECT_EQ(d.Pixels().At(1, 1), MakePixel(255, 255, 255));
  EXPECT_EQ(d.PixelFormat(), TPixelFormat::pf1bit);
  // RLE8: bottom row as a run of literals, top row as runs, then end.
  Bytes rle8 = {0, 4, 4, 5, 6, 7, 0, 0, 1, 0, 1, 1, 1, 2, 1, 3, 0, 1};
  ExpectPicture(Load(Make({8, 1}, rle8)), 0, "RLE8");
  // RLE4: each pair packs two indexes.
  Bytes rle4 = {4, 0x45, 0, 0, 0, 4, 0x01, 0x23, 0, 1};
  Bytes f4 = Make({4, 2}, rle4);
  TBitmap b4 = Load(f4);
  PixelView d4 = b4.Pixels();
  EXPECT_EQ(d4.At(0, 1), kExpected[1][0]);
  EXPECT_EQ(d4.At(1, 1), kExpected[1][1]);
  EXPECT_EQ(d4.At(2, 1), kExpected[1][0]);
  EXPECT_EQ(d4.At(3, 0), kExpected[0][3]);
}

TEST(Bitmap, BadBmpDataRaisesAClearError) {
  auto message = [](const Bytes& b) {
    try {
      Load(b);
    } catch (const Error& e) {
      return std::string(e.what());
    }
    return std::string("no error");
  };
  Bytes good = Make({24});
  EXPECT_EQ(message({'B', 'X'}), "BMP: not a BMP file");
  EXPECT_EQ(message(Bytes(good.begin(), good.begin() + 30)), "BMP: header is truncated");
  EXPECT_EQ(message(Bytes(good.begin(), good.end() - 5)), "BMP: pixel data is truncated");
  Bytes depth = good;
  depth[28] = 7;
  EXPECT_EQ(message(depth), "BMP: unsupported bit depth");
  Bytes huge = good;
  huge[18] = 0xFF, huge[19] = 0xFF, huge[20] = 0xFF, huge[21] = 0x0F;
  EXPECT_EQ(message(huge), "BMP: picture is too large");
  Bytes rle = Make({8, 1}, {0, 4, 4, 5});  // a literal run cut short
  EXPECT_EQ(message(rle), "BMP: corrupt run-length data");
  Bytes comp = good;
  comp[30] = 4;  // JPEG inside a BMP
  EXPECT_EQ(message(comp), "BMP: unsupported compression");
}

TEST(Bitmap, LoadsResourcesSavesAndCopiesDeeply) {
  TBitmap b;
  b.LoadFromResourceName(nullptr, "PALETTE8");
  EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf8bit);
  ASSERT_EQ(b.Width(), 4);
  EXPECT_EQ(b.Pixels().At(1, 0), MakePixel(255, 0, 0));
  EXPECT_EQ(b.Pixels().At(0, 1), MakePixel(0, 0, 255));
  EXPECT_THROW(b.LoadFromResourceName(nullptr, "NO_SUCH_PICTURE"), Error);
  TBitmap copy(b);
  copy.Pixels().At(0, 0) = MakePixel(1, 2, 3);
  EXPECT_EQ(b.Pixels().At(0, 0), MakePixel(0, 0, 0));
  TBitmap again;
  again.LoadFromBmp(b.SaveToBmp());
  EXPECT_EQ(again.Pixels().At(1, 0), MakePixel(255, 0, 0));
  // GDI and the pixel view see the same memory.
  b.Canvas().Pixel(0, 0);
  b.Canvas().SetPixel(3, 1, clLime);
  EXPECT_EQ(b.Pixels().At(3, 1) & 0xFFFFFF, MakePixel(0, 255, 0) & 0xFFFFFF);
  PixelBuffer buffer(3, 3, MakePixel(9, 9, 9));
  TBitmap from(buffer);
  EXPECT_EQ(from.Pixels().At(2, 2), MakePixel(9, 9, 9));
  from.SetSize(4, 3);
  EXPECT_EQ(from.Pixels().At(3, 0) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(from.Pixels().At(0, 0), MakePixel(9, 9, 9));
}

// Paints a 4x4 picture whose magenta pixels form a diagonal, stretched 3x.
void StretchTransparent(TBitmap& picture, TBitmap& dest) {
  dest.SetSize(12, 12);
  dest.Canvas().Brush().SetColor(clGreen);
  dest.Canvas().FillRect({0, 0, 12, 12});
  dest.Canvas().StretchDraw({0, 0, 12, 12}, picture);
}

TEST(Bitmap, TransparentStretchLeavesExactlyTheTransparentPixelsUnpainted) {
  PixelBuffer src(4, 4, MakePixel(0, 0, 200));
  for (int i = 0; i < 4; ++i) src.At(i, i) = MakePixel(255, 0, 255);
  TBitmap picture(src);
  picture.SetTransparent(true);
  EXPECT_EQ(picture.TransparentColor(), clFuchsia);  // the top-left pixel
  TBitmap dest;
  StretchTransparent(picture, dest);
  PixelView v = dest.Pixels();
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) {
      uint32_t want = x / 3 == y / 3 ? uint32_t(clGreen) : 0xC80000u;
      EXPECT_EQ(PixelToColor(v.At(x, y)), want) << x << "," << y;
    }
  // A fixed colour wins over the top-left pixel.
  picture.SetTransparentColor(0xC80000);
  StretchTransparent(picture, dest);
  EXPECT_EQ(PixelToColor(dest.Pixels().At(0, 0)), uint32_t(clFuchsia));
  EXPECT_EQ(PixelToColor(dest.Pixels().At(5, 0)), uint32_t(clGreen));
  picture.SetTransparent(false);
  StretchTransparent(picture, dest);
  EXPECT_EQ(PixelToColor(dest.Pixels().At(5, 0)), 0xC80000u);
}

}  // namespace
}  // namespace kestrova::framework
