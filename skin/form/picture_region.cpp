#include "skin/form/picture_region.h"

#include <algorithm>

namespace kestrova::skin {

namespace {

bool Opaque(Pixel p, uint32_t transparent) { return PixelToColor(p) != transparent; }

// A band's pictured rows: whole rows above the first scanned row, the
// scanned rows, whole rows below the last one. Rows the band gives beyond
// its picture are not read.
void AddBand(const RegionBand& band, int width, int yOffset, uint32_t transparent,
             std::vector<Rect>& out) {
  const int height = band.picture.height;
  const int first = std::clamp(band.minY == -1 ? 0 : band.minY, 0, height);
  const int end = band.minY >= band.maxY ? height : std::clamp(band.maxY + 1, first, height);
  if (band.minY >= 1) AddFullRows(yOffset, yOffset + first, width, out);
  AddOpaqueRuns(band.picture, transparent, first, end, yOffset, out);
  if (end < height) AddFullRows(yOffset + end, yOffset + height, width, out);
}

}  // namespace

void AddRowRuns(PixelView picture, uint32_t transparent, int y, int yOffset,
                std::vector<Rect>& out) {
  const Pixel* row = picture.Row(y);
  int x = 0;
  while (x < picture.width) {
    while (x < picture.width && !Opaque(row[x], transparent)) ++x;
    const int start = x;
    while (x < picture.width && Opaque(row[x], transparent)) ++x;
    if (x > start) out.push_back(Rect{start, y + yOffset, x, y + yOffset + 1});
  }
}

void AddOpaqueRuns(PixelView picture, uint32_t transparent, int first, int end, int yOffset,
                   std::vector<Rect>& out) {
  first = std::max(first, 0);
  end = std::min(end, picture.height);
  for (int y = first; y < end; ++y) AddRowRuns(picture, transparent, y, yOffset, out);
}

void AddFullRows(int top, int bottom, int width, std::vector<Rect>& out) {
  if (bottom > top && width > 0) out.push_back(Rect{0, top, width, bottom});
}

std::vector<Rect> PictureRegionRects(const RegionBand& title, const RegionBand& bottom, int width,
                                     int height, uint32_t transparent) {
  std::vector<Rect> rects;
  const int titleHeight = title.needRegion ? title.picture.height : 0;
  const int bottomHeight = bottom.needRegion ? bottom.picture.height : 0;
  if (title.needRegion) AddBand(title, width, 0, transparent, rects);
  AddFullRows(titleHeight, height - bottomHeight, width, rects);
  if (bottom.needRegion) AddBand(bottom, width, height - bottomHeight, transparent, rects);
  return rects;
}

}  // namespace kestrova::skin
