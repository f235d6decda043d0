#include "skin/form/tile.h"

#include <algorithm>

namespace kestrova::skin {

// Each target row is built once from its tile row, a tile's width at a time.
void TilePicture(PixelView tile, PixelView target) {
  if (tile.Empty() || target.Empty()) return;
  for (int y = 0; y < target.height; ++y) {
    const Pixel* from = tile.Row(y % tile.height);
    Pixel* to = target.Row(y);
    for (int x = 0; x < target.width; x += tile.width)
      std::copy_n(from, std::min(tile.width, target.width - x), to + x);
  }
}

}  // namespace kestrova::skin
