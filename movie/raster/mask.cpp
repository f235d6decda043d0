// Clip-depth masks: 8-bit coverage per target pixel.
#include <algorithm>
#include <cstring>

#include "movie/raster/pixel_math.h"
#include "movie/raster/raster.h"

namespace kestrova::raster {

Mask::Mask(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      coverage_(size_t(width_) * height_, 0) {}

void Mask::Intersect(const Mask& other) {
  for (int y = 0; y < height_; ++y) {
    uint8_t* row = Row(y);
    if (y >= other.height_) {
      std::memset(row, 0, width_);
      continue;
    }
    const uint8_t* o = other.Row(y);
    const int shared = std::min(width_, other.width_);
    for (int x = 0; x < shared; ++x) row[x] = uint8_t(Div255(uint32_t(row[x]) * o[x]));
    std::memset(row + shared, 0, width_ - shared);
  }
}

}  // namespace kestrova::raster
