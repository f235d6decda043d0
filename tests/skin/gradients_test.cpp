#include "skin/gradients.h"

#include <gtest/gtest.h>

namespace kestrova::skin {
namespace {

const Pixel kBackground = MakePixel(7, 7, 7);

uint32_t ColorAt(const PixelBuffer& b, int x, int y) { return PixelToColor(b.At(x, y)); }

TEST(Gradient, OneLineAreaShowsOnlyTheSecondColour) {
  PixelBuffer out(6, 6, kBackground);
  DrawVerticalGradient(out.View(), {1, 2, 5, 3}, 0x0000FF, 0xFF0000);
  for (int x = 1; x < 5; ++x) EXPECT_EQ(ColorAt(out, x, 2), 0xFF0000u);
  EXPECT_EQ(out.At(0, 2), kBackground);
  EXPECT_EQ(out.At(5, 2), kBackground);
  EXPECT_EQ(out.At(1, 1), kBackground);
  EXPECT_EQ(out.At(1, 3), kBackground);

  DrawHorizontalGradient(out.View(), {3, 0, 4, 6}, 0x0000FF, 0x00FF00);
  for (int y = 0; y < 6; ++y) EXPECT_EQ(ColorAt(out, 3, y), 0x00FF00u);
}

TEST(Gradient, EmptyAreasDrawNothing) {
  PixelBuffer out(4, 4, kBackground);
  DrawVerticalGradient(out.View(), {0, 2, 4, 2}, 0, 0xFFFFFF);
  DrawVerticalGradient(out.View(), {0, 3, 4, 1}, 0, 0xFFFFFF);
  DrawHorizontalGradient(out.View(), {2, 0, 2, 4}, 0, 0xFFFFFF);
  for (Pixel p : out.Data()) EXPECT_EQ(p, kBackground);
}

// The vertical fill steps by (y - top - 1), the horizontal one by (x - left):
// with a span of 5 from 0 to 255 the second line is still the first colour
// in the vertical fill but one step on in the horizontal one.
TEST(Gradient, VerticalAndHorizontalStepsDifferByOneLine) {
  PixelBuffer v(1, 5), h(5, 1);
  DrawVerticalGradient(v.View(), {0, 0, 1, 5}, 0x000000, 0x0000FF);
  DrawHorizontalGradient(h.View(), {0, 0, 5, 1}, 0x000000, 0x0000FF);
  const uint32_t vertical[] = {0, 0, 51, 102, 255};
  const uint32_t horizontal[] = {0, 51, 102, 153, 255};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(ColorAt(v, 0, i), vertical[i]) << i;
    EXPECT_EQ(ColorAt(h, i, 0), horizontal[i]) << i;
  }
}

TEST(Gradient, FallingChannelsTruncateTowardZero) {
  // (0 - 255) / 7 * 1 = -36.4: truncation gives 219, flooring would give 218.
  EXPECT_EQ(GradientStep(0x0000FF, 0x000000, 7, 1), 219u);
  EXPECT_EQ(GradientStep(0xFF0000, 0x000000, 7, 1), 219u << 16);
  EXPECT_EQ(GradientStep(0x10FF20, 0x10FF20, 9, 4), 0x10FF20u);
}

TEST(Gradient, ClipsToTheTarget) {
  PixelBuffer out(3, 3, kBackground);
  DrawVerticalGradient(out.View(), {-5, -5, 10, 10}, 0x000000, 0xFFFFFF);
  EXPECT_EQ(ColorAt(out, 0, 0), GradientStep(0, 0xFFFFFF, 15, 4));
}

}  // namespace
}  // namespace kestrova::skin
