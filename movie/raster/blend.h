// Blend modes of SWF 8: a layer (an object drawn on its own, transparent
// elsewhere) composited into what lies below it.
//
//   PixelBuffer layer(w, h);                     // drawn through its own Canvas
//   raster::Blend(target, layer.View(), raster::BlendMode::Multiply, mask);
#pragma once

#include <cstdint>

#include "common/pixels.h"
#include "movie/raster/raster.h"

namespace kestrova::raster {

// The values PlaceObject3 stores.
enum class BlendMode : uint8_t {
  Normal = 1,
  Layer,
  Multiply,
  Screen,
  Lighten,
  Darken,
  Difference,
  Add,
  Subtract,
  Invert,
  Alpha,
  Erase,
  Overlay,
  HardLight,
};

// Out-of-range values (0 too) are Normal.
BlendMode ToBlendMode(uint8_t value);

// `layer` (premultiplied, the target's size) blended into `target`, its
// coverage multiplied by `mask` where one is given. Alpha and Erase keep
// the target's colours and set how much of them stays.
void Blend(PixelView target, PixelView layer, BlendMode mode, const Mask* mask);

}  // namespace kestrova::raster
