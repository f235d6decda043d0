#include "skin/blit.h"

namespace kestrova::skin {
namespace {

// Source coordinate sampled for target offset d of a span of `to` pixels
// mapped from `from` pixels: the pixel under the centre of the target pixel.
int Sample(int d, int from, int to) {
  return static_cast<int>((2 * static_cast<int64_t>(d) + 1) * from /
                          (2 * static_cast<int64_t>(to)));
}

}  // namespace

void Blit(PixelView source, Rect from, PixelView target, Rect to,
          std::optional<uint32_t> maskColor) {
  if (from.Empty() || to.Empty()) return;
  const Rect visible = Intersect(to, {0, 0, target.width, target.height});
  for (int y = visible.top; y < visible.bottom; ++y) {
    const int sy = from.top + Sample(y - to.top, from.Height(), to.Height());
    if (sy < 0 || sy >= source.height) continue;
    const Pixel* sourceRow = source.Row(sy);
    Pixel* targetRow = target.Row(y);
    for (int x = visible.left; x < visible.right; ++x) {
      const int sx = from.left + Sample(x - to.left, from.Width(), to.Width());
      if (sx < 0 || sx >= source.width) continue;
      const Pixel p = sourceRow[sx];
      if (maskColor && IsColor(p, *maskColor)) continue;
      targetRow[x] = p;
    }
  }
}

void FillRect(PixelView target, Rect area, uint32_t color) {
  const Rect visible = Intersect(area, {0, 0, target.width, target.height});
  const Pixel p = ColorToPixel(color);
  for (int y = visible.top; y < visible.bottom; ++y) {
    Pixel* row = target.Row(y);
    for (int x = visible.left; x < visible.right; ++x) row[x] = p;
  }
}

}  // namespace kestrova::skin
