// Repeating a small picture over a larger one (portable pixel work): the
// skinned frame's patterned background.
#pragma once

#include "common/pixels.h"

namespace kestrova::skin {

// Fills all of `target` with `tile` repeated from the target's origin, so
// target pixel (x, y) is tile pixel (x mod width, y mod height). Nothing
// happens with an empty tile.
void TilePicture(PixelView tile, PixelView target);

}  // namespace kestrova::skin
