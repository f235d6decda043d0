#include <gtest/gtest.h>

#include "framework/bitmap.h"
#include "framework/canvas.h"

namespace kestrova::framework {
namespace {

uint32_t At(TBitmap& b, int x, int y) { return PixelToColor(b.Pixels().At(x, y)); }

TEST(Canvas, FillsFramesAndLinesWithBrushAndPen) {
  TBitmap b(20, 20);
  TCanvas& c = b.Canvas();
  c.Brush().SetColor(clBlue);
  c.FillRect({0, 0, 20, 20});
  c.Brush().SetColor(clRed);
  c.FrameRect({2, 2, 10, 10});
  c.Pen().SetColor(clLime);
  c.MoveTo(0, 15);
  c.LineTo(20, 15);
  EXPECT_EQ(At(b, 2, 5), uint32_t(clRed));
  EXPECT_EQ(At(b, 5, 5), uint32_t(clBlue));
  EXPECT_EQ(At(b, 7, 15), uint32_t(clLime));
  EXPECT_EQ(c.PenPos().x, 20);
  // A clear brush paints nothing; a rectangle then only has its outline.
  c.Brush().SetStyle(TBrushStyle::bsClear);
  c.FillRect({0, 0, 20, 20});
  c.Rectangle(12, 2, 18, 8);
  EXPECT_EQ(At(b, 5, 5), uint32_t(clBlue));
  EXPECT_EQ(At(b, 12, 5), uint32_t(clLime));
  EXPECT_EQ(At(b, 15, 5), uint32_t(clBlue));
}

TEST(Canvas, CopyRectStretchesPixelForPixel) {
  TBitmap src(2, 2);
  src.Canvas().SetPixel(0, 0, clRed);
  src.Canvas().SetPixel(1, 0, clLime);
  src.Canvas().SetPixel(0, 1, clBlue);
  src.Canvas().SetPixel(1, 1, clWhite);
  TBitmap dest(4, 4);
  dest.Canvas().CopyRect({0, 0, 4, 4}, src.Canvas(), {0, 0, 2, 2});
  EXPECT_EQ(At(dest, 1, 1), uint32_t(clRed));
  EXPECT_EQ(At(dest, 2, 1), uint32_t(clLime));
  EXPECT_EQ(At(dest, 1, 3), uint32_t(clBlue));
  EXPECT_EQ(At(dest, 3, 3), uint32_t(clWhite));
}

TEST(Canvas, TextMeasuresAndDrawsWithItsFlags) {
  TBitmap b(200, 60);
  TCanvas& c = b.Canvas();
  c.Font().SetName("Tahoma");
  c.Font().SetHeight(-20);
  EXPECT_LT(c.TextWidth("iii"), c.TextWidth("WWW"));
  EXPECT_GE(c.TextHeight("Ag"), 20);
  int plain = c.TextWidth("Bold");
  c.Font().SetStyle({TFontStyle::fsBold});
  EXPECT_GT(c.TextWidth("Bold"), plain);
  EXPECT_GT(c.TextWidth("\xD0\x96\xD0\x96"), 0);  // Cyrillic, through the W functions
  // "&A" shows as an underlined A unless DT_NOPREFIX.
  RECT prefix{0, 0, 200, 60}, raw{0, 0, 200, 60}, a{0, 0, 200, 60};
  c.DrawText("&A", prefix, DT_SINGLELINE | DT_CALCRECT);
  c.DrawText("&A", raw, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
  c.DrawText("A", a, DT_SINGLELINE | DT_CALCRECT);
  EXPECT_EQ(prefix.right, a.right);
  EXPECT_GT(raw.right, a.right);
  // Word breaking in a narrow rectangle makes several lines.
  RECT narrow{0, 0, 60, 0};
  int height = c.DrawText("one two three four", narrow, DT_WORDBREAK | DT_CALCRECT);
  EXPECT_GE(height, 3 * c.TextHeight("A"));
  // Opaque text fills its cell with the brush; a clear brush leaves it.
  c.Brush().SetColor(clYellow);
  c.FillRect({0, 0, 200, 60});
  c.Brush().SetColor(clAqua);
  c.TextOut(0, 0, "i");
  EXPECT_EQ(At(b, 0, 1), uint32_t(clAqua));
  c.Brush().SetStyle(TBrushStyle::bsClear);
  c.TextOut(100, 0, "i");
  EXPECT_EQ(At(b, 100, 1), uint32_t(clYellow));
}

}  // namespace
}  // namespace kestrova::framework
