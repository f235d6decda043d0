#include "skin/form/picture_region.h"

#include <gtest/gtest.h>

#include <vector>

#include "skin/form/tile.h"

namespace kestrova::skin {
namespace {

constexpr uint32_t kMagenta = 0xFF00FF;
constexpr Pixel kSeeThrough = ColorToPixel(kMagenta);
constexpr Pixel kInk = MakePixel(10, 20, 30);

// A picture from rows of '.' (see-through) and '#' (opaque).
PixelBuffer Picture(const std::vector<const char*>& rows) {
  const int width = int(std::char_traits<char>::length(rows[0]));
  PixelBuffer picture(width, int(rows.size()));
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < width; ++x) picture.At(x, y) = rows[y][x] == '#' ? kInk : kSeeThrough;
  return picture;
}

// The pixels the rectangles cover, as a width x height mask.
std::vector<std::string> Covered(const std::vector<Rect>& rects, int width, int height) {
  std::vector<std::string> out(height, std::string(width, '.'));
  for (const Rect& r : rects)
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        if (y >= 0 && y < height && x >= 0 && x < width) out[y][x] = '#';
  return out;
}

TEST(PictureRegionRuns, OneRectanglePerRunOfOpaquePixels) {
  PixelBuffer p = Picture({"..##.#..", "########", "........", ".......#", "#......."});
  std::vector<Rect> rects;
  AddOpaqueRuns(p.View(), kMagenta, 0, p.Height(), 10, rects);
  const std::vector<Rect> expected{
      {2, 10, 4, 11}, {5, 10, 6, 11}, {0, 11, 8, 12}, {7, 13, 8, 14}, {0, 14, 1, 15}};
  EXPECT_EQ(rects, expected);

  // Alpha is not part of the colour: a DIB's fourth byte varies.
  PixelBuffer q(3, 1, kSeeThrough & 0x00FFFFFF);
  q.At(1, 0) = kInk & 0x00FFFFFF;
  rects.clear();
  AddOpaqueRuns(q.View(), kMagenta, 0, 1, 0, rects);
  EXPECT_EQ(rects, (std::vector<Rect>{{1, 0, 2, 1}}));

  // Rows beyond the picture are never read.
  rects.clear();
  AddOpaqueRuns(p.View(), kMagenta, -3, 100, 0, rects);
  EXPECT_EQ(rects.size(), 5u);
}

TEST(PictureRegionRuns, TitleAndBottomBandsAroundWholeRows) {
  PixelBuffer title = Picture({"..####..", ".######.", "########"});
  PixelBuffer bottom = Picture({"########", ".######."});
  RegionBand t{title.View(), true, -1, -1};
  RegionBand b{bottom.View(), true, -1, -1};
  std::vector<std::string> mask = Covered(PictureRegionRects(t, b, 8, 8, kMagenta), 8, 8);
  const std::vector<std::string> expected{"..####..", ".######.", "########", "########",
                                          "########", "########", "########", ".######."};
  EXPECT_EQ(mask, expected);

  // Rows above the first given row are whole; with min >= max the scan
  // runs from min to the picture's end, else from min to max.
  PixelBuffer holes = Picture({"..####..", ".######.", "#.####.#"});
  t.picture = holes.View();
  t.minY = 1;
  t.maxY = 1;
  mask = Covered(PictureRegionRects(t, b, 8, 8, kMagenta), 8, 8);
  EXPECT_EQ(mask[0], "########");
  EXPECT_EQ(mask[1], ".######.");
  EXPECT_EQ(mask[2], "#.####.#");
  t.minY = 0;
  t.maxY = 1;
  mask = Covered(PictureRegionRects(t, b, 8, 8, kMagenta), 8, 8);
  EXPECT_EQ(mask[0], "..####..");
  EXPECT_EQ(mask[1], ".######.");
  EXPECT_EQ(mask[2], "########");

  // A band not asked for leaves its rows whole; neither gives the rectangle.
  b.needRegion = false;
  t.needRegion = false;
  EXPECT_EQ(PictureRegionRects(t, b, 8, 8, kMagenta), (std::vector<Rect>{{0, 0, 8, 8}}));
}

TEST(PictureRegionRuns, RowsGivenBeyondThePictureAreNotRead) {
  PixelBuffer title = Picture({"...#", "#..."});
  RegionBand t{title.View(), true, 0, 40};  // a skin naming rows it does not have
  RegionBand none;
  std::vector<Rect> rects = PictureRegionRects(t, none, 4, 5, kMagenta);
  EXPECT_EQ(Covered(rects, 4, 5),
            (std::vector<std::string>{"...#", "#...", "####", "####", "####"}));
  t.minY = 9;  // first row past the picture: all of it whole
  t.maxY = 12;
  rects = PictureRegionRects(t, none, 4, 5, kMagenta);
  EXPECT_EQ(Covered(rects, 4, 5), std::vector<std::string>(5, "####"));
}

TEST(PictureTiling, RepeatsFromTheOriginAndClipsTheLastTile) {
  PixelBuffer tile(3, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) tile.At(x, y) = MakePixel(uint8_t(x), uint8_t(y), 1);
  PixelBuffer target(8, 5);
  TilePicture(tile.View(), target.View());
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 8; ++x) ASSERT_EQ(target.At(x, y), tile.At(x % 3, y % 2)) << x << "," << y;
  PixelBuffer untouched(4, 4, kInk);
  TilePicture(PixelBuffer().View(), untouched.View());
  EXPECT_EQ(untouched.At(3, 3), kInk);
}

}  // namespace
}  // namespace kestrova::skin
