#include <gtest/gtest.h>

#include "framework/bitmap.h"
#include "framework/image_list.h"

namespace kestrova::framework {
namespace {

constexpr TColor kBackground = 0xC08040;

// A strip of `count` 4 x 4 images filled with `fill`, with a magenta pixel
// at (1, 1) and a white one at (2, 2) of each.
TBitmap Strip(int count, TColor fill) {
  TBitmap b(4 * count, 4);
  b.Canvas().Brush().SetColor(fill);
  b.Canvas().FillRect({0, 0, 4 * count, 4});
  for (int i = 0; i < count; ++i) {
    b.Canvas().SetPixel(4 * i + 1, 1, clFuchsia);
    b.Canvas().SetPixel(4 * i + 2, 2, clWhite);
  }
  return b;
}

class ImageListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    images.SetWidth(4);
    images.SetHeight(4);
    target.Canvas().Brush().SetColor(kBackground);
    target.Canvas().FillRect({0, 0, 12, 8});
  }
  TColor At(int x, int y) { return target.Canvas().Pixel(x, y); }
  TImageList images{nullptr};
  TBitmap target{12, 8};
};

TEST_F(ImageListTest, AStripAddsOneImagePerWidthAndAResizeEmptiesTheList) {
  EXPECT_EQ(images.Add(Strip(3, clRed)), 0);
  EXPECT_EQ(images.AddMasked(Strip(1, clRed), clFuchsia), 3);
  EXPECT_EQ(images.Count(), 4);
  // A bitmap narrower than one image still adds one; the rest is see-through.
  EXPECT_EQ(images.Add(TBitmap(2, 2)), 4);
  images.Delete(0);
  EXPECT_EQ(images.Count(), 4);
  int changes = 0;
  images.OnChange = [&](TComponent*) { ++changes; };
  images.SetWidth(8);
  EXPECT_EQ(images.Count(), 0);
  EXPECT_EQ(changes, 1);
}

TEST_F(ImageListTest, OpaqueImagesCoverEverythingMaskedOnesLeaveTheMaskColour) {
  images.Add(Strip(1, clRed));
  images.AddMasked(Strip(1, clLime), clFuchsia);
  images.Draw(target.Canvas(), 0, 0, 0);
  images.Draw(target.Canvas(), 4, 2, 1);
  EXPECT_EQ(At(0, 0), clRed);
  EXPECT_EQ(At(1, 1), clFuchsia);  // opaque: drawn as it is
  EXPECT_EQ(At(4, 2), clLime);
  EXPECT_EQ(At(5, 3), kBackground);  // masked: the canvas shows through
  EXPECT_EQ(At(6, 4), clWhite);
  EXPECT_EQ(At(8, 2), kBackground);  // nothing beyond the image's width
  // An index out of range draws nothing.
  images.Draw(target.Canvas(), 8, 0, 2);
  EXPECT_EQ(At(9, 1), kBackground);
}

TEST_F(ImageListTest, DisabledImagesAreEmbossedInTheButtonColours) {
  images.AddMasked(Strip(1, clNavy), clFuchsia);
  images.Draw(target.Canvas(), 0, 0, 0, false);
  TColor shadow = ColorToRGB(clBtnShadow), highlight = ColorToRGB(clBtnHighlight);
  EXPECT_EQ(At(0, 0), shadow);  // ink
  EXPECT_EQ(At(3, 3), shadow);
  // The see-through pixel (1, 1) and the white one (2, 2) are no ink: the
  // first takes the highlight cast by the ink above left of it, the second
  // (below left of nothing) keeps the canvas.
  EXPECT_EQ(At(1, 1), highlight);
  EXPECT_EQ(At(2, 2), kBackground);
  EXPECT_EQ(At(4, 0), kBackground);
}

TEST_F(ImageListTest, GetBitmapCopiesTheImageAsAdded) {
  images.AddMasked(Strip(2, clRed), clFuchsia);
  TBitmap copy;
  ASSERT_TRUE(images.GetBitmap(1, copy));
  EXPECT_EQ(copy.Width(), 4);
  EXPECT_EQ(copy.Canvas().Pixel(0, 0), clRed);
  EXPECT_EQ(copy.Canvas().Pixel(1, 1), clFuchsia);
  EXPECT_FALSE(images.GetBitmap(2, copy));
}

}  // namespace
}  // namespace kestrova::framework
