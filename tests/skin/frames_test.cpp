#include "skin/frames.h"

#include <gtest/gtest.h>

#include "skin/blit.h"
#include "tests/skin/pixel_test_util.h"

namespace kestrova::skin {
namespace {

using testing::Coord;
using testing::CoordPicture;
using testing::kBackground;
using testing::SourceX;
using testing::SourceY;

const Pixel kMagentaPixel = ColorToPixel(kMagenta);

TEST(CutFrame, TitleButtonStripGivesSquareFramesAndFlushLastFrame) {
  EXPECT_EQ(FrameRect(306, 17, 18, 1), (Rect{0, 0, 17, 17}));
  EXPECT_EQ(FrameRect(306, 17, 18, 17), (Rect{272, 0, 289, 17}));
  EXPECT_EQ(FrameRect(306, 17, 18, 18), (Rect{289, 0, 306, 17}));

  const PixelBuffer strip = CoordPicture(306, 17);
  const PixelBuffer last = CutFrame(strip.View(), 18, 18);
  ASSERT_EQ(last.Width(), 17);
  ASSERT_EQ(last.Height(), 17);
  EXPECT_EQ(last.At(0, 0), Coord(289 & 0xFF, 0));
  EXPECT_EQ(last.At(16, 16), Coord(305 & 0xFF, 16));
}

TEST(CutFrame, RemainderIsSkippedJustBeforeTheLastFrame) {
  const PixelBuffer strip = CoordPicture(100, 2);
  std::vector<int> used(100, 0);
  for (int k = 1; k <= 3; ++k) {
    const PixelBuffer frame = CutFrame(strip.View(), 3, k);
    ASSERT_EQ(frame.Width(), 33);
    for (int x = 0; x < frame.Width(); ++x) ++used[SourceX(frame.At(x, 0))];
  }
  EXPECT_EQ(SourceX(CutFrame(strip.View(), 3, 2).At(0, 0)), 33);
  EXPECT_EQ(SourceX(CutFrame(strip.View(), 3, 3).At(0, 0)), 67);
  for (int x = 0; x < 100; ++x) EXPECT_EQ(used[x], x == 66 ? 0 : 1) << "column " << x;
}

TEST(CutFrame, BadCountsGiveEmptyOrBlankFramesWithoutReadingOutside) {
  const PixelBuffer strip = CoordPicture(30, 4);
  EXPECT_TRUE(CutFrame(strip.View(), 0, 1).Empty());
  EXPECT_TRUE(CutFrame(strip.View(), -2, 1).Empty());
  const PixelBuffer beyond = CutFrame(strip.View(), 3, 5);  // x 40..50
  ASSERT_EQ(beyond.Width(), 10);
  for (Pixel p : beyond.Data()) EXPECT_EQ(p, 0u);
  EXPECT_TRUE(CutFrame(PixelView{}, 3, 1).Empty());
}

// Draws `picture` in nine parts over a W x H background.
PixelBuffer NinePart(const PixelBuffer& picture, int W, int H, bool transparent) {
  PixelBuffer target(W, H, kBackground);
  DrawNinePart(picture.View(), target.View(), {0, 0, W, H}, transparent);
  return target;
}

TEST(NinePart, ButtonFrameIntoLargerButtonPlacesCornersAndEdgesExactly) {
  const PixelBuffer frame = CoordPicture(84, 23);
  const PixelBuffer out = NinePart(frame, 80, 27, false);

  // Top-left corner: 40 x 11 unscaled at (0, 0).
  EXPECT_EQ(out.At(0, 0), Coord(0, 0));
  EXPECT_EQ(out.At(39, 10), Coord(39, 10));
  // Bottom-left corner: source rows 13-22 drawn from y = 17.
  EXPECT_EQ(out.At(0, 17), Coord(0, 13));
  EXPECT_EQ(out.At(38, 26), Coord(38, 22));
  // Left edge: rows 11-16 all from source row 11, cut to 40 columns (its
  // last column is drawn over by the bottom edge from row 16 on).
  for (int y = 11; y <= 16; ++y) EXPECT_EQ(out.At(0, y), Coord(0, 11)) << y;
  for (int y = 11; y <= 15; ++y) EXPECT_EQ(out.At(39, y), Coord(39, 11)) << y;
  // Right-hand corners: 39 wide, the picture's right side, flush right.
  EXPECT_EQ(out.At(79, 0), Coord(83, 0));
  EXPECT_EQ(out.At(41, 0), Coord(45, 0));
  EXPECT_EQ(out.At(79, 26), Coord(83, 22));
  // Right edge: from source row 12 (hy + 1 for an odd height).
  EXPECT_EQ(out.At(79, 11), Coord(83, 12));
  EXPECT_EQ(out.At(79, 16), Coord(83, 12));
  // Top edge and centre: column 42 alone (even width).
  EXPECT_EQ(out.At(40, 0), Coord(42, 0));
  EXPECT_EQ(out.At(40, 13), Coord(42, 11));
  // Bottom edge starts one row above the bottom-left corner and one column
  // left of the top-left corner's right side.
  EXPECT_EQ(out.At(39, 16), Coord(42, 12));
  EXPECT_EQ(out.At(40, 26), Coord(42, 22));
}

TEST(NinePart, EveryTargetPixelIsPaintedForOddPictures) {
  for (auto [pw, ph] : {std::pair{84, 23}, {77, 27}, {18, 21}, {74, 21}}) {
    const PixelBuffer frame = CoordPicture(pw, ph);
    for (int W = 1; W <= 100; W += 3) {
      for (int H = 1; H <= 40; ++H) {
        const PixelBuffer out = NinePart(frame, W, H, false);
        for (int y = 0; y < H; ++y)
          for (int x = 0; x < W; ++x)
            ASSERT_NE(out.At(x, y), kBackground)
                << pw << "x" << ph << " into " << W << "x" << H << " at " << x << "," << y;
      }
    }
  }
}

TEST(NinePart, SmallerThanThePictureCutsCornersKeepingTheOutside) {
  const PixelBuffer frame = CoordPicture(84, 23);
  const PixelBuffer out = NinePart(frame, 20, 10, false);
  EXPECT_EQ(out.At(0, 0), Coord(0, 0));
  EXPECT_EQ(out.At(9, 4), Coord(9, 4));    // top-left 10 x 5
  EXPECT_EQ(out.At(19, 0), Coord(83, 0));  // top-right 9 wide, flush right
  EXPECT_EQ(out.At(11, 0), Coord(75, 0));
  EXPECT_EQ(out.At(0, 9), Coord(0, 22));  // bottom-left 4 rows, bottom kept
  EXPECT_EQ(out.At(0, 6), Coord(0, 19));
  EXPECT_EQ(out.At(19, 9), Coord(83, 22));  // bottom-right
  EXPECT_EQ(out.At(0, 5), Coord(0, 11));    // left edge, one row
  // A 1 x 1 target has no corners; the bottom edge, one column left of it,
  // still reaches it. An empty target draws nothing and reads nothing.
  EXPECT_EQ(NinePart(frame, 1, 1, false).At(0, 0), Coord(42, 22));
  EXPECT_TRUE(NinePart(frame, 0, 0, false).Empty());
}

// Larger on both axes: every target pixel, from the piece table worked out
// by hand for an 84 x 23 picture (hx 42, hy 11) into 200 x 60.
Pixel NinePartInto200x60(int x, int y) {
  if (x >= 41 && x < 159 && y >= 49) return Coord(42, 12 + y - 49);  // bottom edge, drawn last
  const bool left = x < 42, right = x >= 159;
  const int rx = 43 + x - 159;  // source column of the right-hand pieces
  if (y < 11) return left ? Coord(x, y) : right ? Coord(rx, y) : Coord(42, y);
  if (y < 50) return left ? Coord(x, 11) : right ? Coord(rx, 12) : Coord(42, 11);
  return left ? Coord(x, 13 + y - 50) : Coord(rx, 13 + y - 50);
}

TEST(NinePart, LargerThanThePictureOnBothAxesPlacesEveryPiece) {
  const PixelBuffer out = NinePart(CoordPicture(84, 23), 200, 60, false);
  int wrong = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 200; ++x)
      if (out.At(x, y) != NinePartInto200x60(x, y) && ++wrong <= 5)
        ADD_FAILURE() << "at " << x << "," << y << ": source " << SourceX(out.At(x, y)) << ","
                      << SourceY(out.At(x, y));
  EXPECT_EQ(wrong, 0);
}

// A picture with magenta in its four corner pixels and across its middle
// row and column, which lie in the edges and centre.
PixelBuffer MagentaPicture(int w, int h) {
  PixelBuffer picture = CoordPicture(w, h);
  for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
    picture.At(x, y) = kMagentaPixel;
  for (int x = 0; x < w; ++x) picture.At(x, h / 2) = picture.At(x, h / 2 + 1) = kMagentaPixel;
  for (int y = 0; y < h; ++y) picture.At(w / 2, y) = picture.At(w / 2 + 1, y) = kMagentaPixel;
  return picture;
}

TEST(NinePart, MagentaCornersFollowTheFlagAndNeverShowElsewhere) {
  const PixelBuffer picture = MagentaPicture(84, 23);
  for (bool transparent : {false, true}) {
    const PixelBuffer out = NinePart(picture, 120, 40, transparent);
    const Pixel corner = transparent ? kBackground : kMagentaPixel;
    EXPECT_EQ(out.At(0, 0), corner);
    EXPECT_EQ(out.At(119, 0), corner);
    EXPECT_EQ(out.At(0, 39), corner);
    EXPECT_EQ(out.At(119, 39), corner);
    const auto pieces = NinePartPieces(84, 23, 120, 40);
    for (const NinePiece& piece : pieces) {
      if (piece.kind != NinePiece::Kind::Stretched) continue;
      for (int y = piece.target.top; y < piece.target.bottom; ++y)
        for (int x = piece.target.left; x < piece.target.right; ++x)
          EXPECT_FALSE(IsColor(out.At(x, y), kMagenta)) << x << "," << y;
    }
  }
}

TEST(ThreePart, NarrowRectangleDrawsOnlyTheLeftOfTheFirstFrameOpaque) {
  PixelBuffer picture = CoordPicture(30, 5);
  picture.At(0, 0) = kMagentaPixel;
  PixelBuffer out(20, 8, kBackground);
  DrawThreePart(picture.View(), out.View(), {2, 1, 8, 8}, kMagenta, true);
  EXPECT_EQ(out.At(2, 1), kMagentaPixel);  // not masked in the narrow case
  EXPECT_EQ(out.At(7, 5), Coord(5, 4));
  EXPECT_EQ(out.At(8, 1), kBackground);
  EXPECT_EQ(out.At(2, 6), kBackground);  // the height is never stretched
}

TEST(ThreePart, WideRectangleKeepsCapsAndStretchesTheMiddle) {
  PixelBuffer picture = CoordPicture(30, 5);
  picture.At(0, 0) = picture.At(29, 0) = picture.At(15, 0) = kMagentaPixel;
  for (bool masked : {false, true}) {
    PixelBuffer out(60, 5, kBackground);
    DrawThreePart(picture.View(), out.View(), {0, 0, 50, 99}, kMagenta, masked);
    EXPECT_EQ(out.At(0, 0), masked ? kBackground : kMagentaPixel);
    EXPECT_EQ(out.At(49, 0), masked ? kBackground : kMagentaPixel);
    EXPECT_EQ(out.At(40, 3), Coord(20, 3));  // right cap from x = 20
    EXPECT_EQ(out.At(10, 3), Coord(10, 3));  // middle starts at frame 2
    EXPECT_EQ(out.At(39, 3), Coord(19, 3));
    EXPECT_EQ(out.At(50, 0), kBackground);
    bool middleMagenta = false;  // the middle is opaque
    for (int x = 10; x < 40; ++x) middleMagenta |= out.At(x, 0) == kMagentaPixel;
    EXPECT_TRUE(middleMagenta);
  }
}

// At exactly one frame's width the wide rule applies: the right cap lands on
// the left one (showing it through its see-through pixels) and no middle is
// drawn; one pixel wider, the reversed middle rectangle still draws nothing.
TEST(ThreePart, WidthOfOneFrameDrawsTheRightCapOverTheLeft) {
  PixelBuffer picture = CoordPicture(30, 5);
  picture.At(20, 0) = kMagentaPixel;
  for (int width : {9, 10, 11}) {
    PixelBuffer out(20, 5, kBackground);
    DrawThreePart(picture.View(), out.View(), {2, 0, 2 + width, 5}, kMagenta, true);
    SCOPED_TRACE(width);
    EXPECT_EQ(out.At(1, 2), kBackground);
    EXPECT_EQ(out.At(2 + width, 2), kBackground);
    if (width == 9) {
      for (int x = 0; x < 9; ++x) EXPECT_EQ(out.At(2 + x, 3), Coord(x, 3)) << x;
      continue;
    }
    const int capLeft = 2 + width - 10;
    for (int x = 0; x < 10; ++x) EXPECT_EQ(out.At(capLeft + x, 3), Coord(20 + x, 3)) << x;
    EXPECT_EQ(out.At(capLeft, 0), width == 10 ? Coord(0, 0) : Coord(1, 0));
    EXPECT_EQ(out.At(2, 3), width == 10 ? Coord(20, 3) : Coord(0, 3));
  }
}

TEST(Blit, StretchesByNearestPixelAndClipsBothSides) {
  const PixelBuffer source = CoordPicture(2, 1);
  PixelBuffer out(4, 1, kBackground);
  Blit(source.View(), {0, 0, 2, 1}, out.View(), {0, 0, 4, 1});
  EXPECT_EQ(out.At(1, 0), Coord(0, 0));
  EXPECT_EQ(out.At(2, 0), Coord(1, 0));
  // Both rectangles start outside their views: only the overlap is copied.
  PixelBuffer clipped(4, 1, kBackground);
  Blit(source.View(), {-5, 0, 2, 1}, clipped.View(), {-3, 0, 4, 1});
  EXPECT_EQ(clipped.At(0, 0), kBackground);
  EXPECT_EQ(clipped.At(1, 0), kBackground);
  EXPECT_EQ(clipped.At(2, 0), Coord(0, 0));
  EXPECT_EQ(clipped.At(3, 0), Coord(1, 0));
  PixelBuffer small(2, 2, kBackground);
  BlitAt(CoordPicture(5, 5).View(), {0, 0, 5, 5}, small.View(), 1, 1);
  EXPECT_EQ(small.At(1, 1), Coord(0, 0));
  EXPECT_EQ(small.At(0, 0), kBackground);
}

}  // namespace
}  // namespace kestrova::skin
