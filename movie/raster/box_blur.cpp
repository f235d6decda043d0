#include "movie/raster/box_blur.h"

#include <algorithm>
#include <cmath>

namespace kestrova::raster {

namespace {

int BoxWidth(float blur) {
  if (!(blur > 0)) return 0;
  return int(std::lround(std::min(blur, float(kMaxBlurWidth))));
}

// One pass of a box `width` wide over `count` values `step` apart: each
// output is the rounded mean of the window that centres on it (an even
// window leans left), zero beyond both ends. `scratch` holds a copy.
void BoxPass(uint8_t* values, int count, size_t step, int width, std::vector<uint32_t>& scratch) {
  scratch.resize(size_t(count));
  for (int i = 0; i < count; ++i) scratch[size_t(i)] = values[size_t(i) * step];
  const int before = width / 2, after = width - 1 - before;
  uint32_t sum = 0;
  for (int i = 0; i < std::min(after, count); ++i) sum += scratch[size_t(i)];
  const uint32_t half = uint32_t(width) / 2;
  for (int i = 0; i < count; ++i) {
    if (i + after < count) sum += scratch[size_t(i + after)];
    values[size_t(i) * step] = uint8_t((sum + half) / uint32_t(width));
    if (i - before >= 0) sum -= scratch[size_t(i - before)];
  }
}

}  // namespace

int BlurReach(float blur, int passes) {
  const int width = BoxWidth(blur);
  return width < 2 ? 0 : std::max(passes, 0) * (width / 2);
}

void BoxBlur(Plane& plane, float blurX, float blurY, int passes) {
  if (plane.values.empty()) return;
  const int wx = BoxWidth(blurX), wy = BoxWidth(blurY);
  std::vector<uint32_t> scratch;
  for (int pass = 0; pass < passes; ++pass) {
    if (wx >= 2)
      for (int y = 0; y < plane.height; ++y) BoxPass(&plane.At(0, y), plane.width, 1, wx, scratch);
    if (wy >= 2)
      for (int x = 0; x < plane.width; ++x)
        BoxPass(&plane.At(x, 0), plane.height, size_t(plane.width), wy, scratch);
  }
}

}  // namespace kestrova::raster
