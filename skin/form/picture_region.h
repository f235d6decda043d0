// The outline of a window cut from its skin pictures (portable pixel work).
//
// Every maximal run of horizontally adjacent pixels that are not the
// transparent colour becomes one rectangle one row high; rows that the
// pictures leave unshaped are taken whole (x 0 to the window width). The
// rectangles, in window coordinates, are then combined into one region by
// the caller in a single call.
//
//   std::vector<Rect> rects;
//   AddOpaqueRuns(picture, 0xFF00FF, 0, picture.height, 0, rects);
#pragma once

#include <cstdint>
#include <vector>

#include "common/pixels.h"
#include "skin/skin_rect.h"

namespace kestrova::skin {

// One row of `picture` shifted down by `yOffset`: a rectangle (first, y) -
// (last + 1, y + 1) per run of pixels whose colour (0x00BBGGRR, alpha
// ignored) is not `transparent`.
void AddRowRuns(PixelView picture, uint32_t transparent, int y, int yOffset,
                std::vector<Rect>& out);

// Rows first..end-1 of the picture (clipped to the picture), each as above.
void AddOpaqueRuns(PixelView picture, uint32_t transparent, int first, int end, int yOffset,
                   std::vector<Rect>& out);

// Rows top..bottom-1 taken whole across `width`, as one rectangle.
void AddFullRows(int top, int bottom, int width, std::vector<Rect>& out);

// One shaped picture band of the window: the picture, its vertical place in
// the window and the rows of it that are scanned (-1 for "no row given").
struct RegionBand {
  PixelView picture;
  bool needRegion = false;
  int minY = -1;
  int maxY = -1;
};

// The rectangles of a window `width` x `height` whose title band is scanned
// from the top and whose bottom band ends at the window's bottom edge; the
// rows between them are whole.
std::vector<Rect> PictureRegionRects(const RegionBand& title, const RegionBand& bottom, int width,
                                     int height, uint32_t transparent);

}  // namespace kestrova::skin
