// SWF 8 filters of a placed object (PlaceObject3's filter list), as read;
// the renderer applies them in list order.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "common/pixels.h"

namespace kestrova::swf {

struct FilterStop {
  uint8_t ratio = 0;
  Pixel color = 0;  // straight 0xAARRGGBB
};

struct Filter {
  enum class Kind : uint8_t {
    DropShadow,
    Blur,
    Glow,
    Bevel,
    GradientGlow,
    Convolution,
    ColorMatrix,
    GradientBevel,
  };
  Kind kind = Kind::Blur;
  Pixel color = 0xFF000000;      // shadow, glow; bevel: the shadow colour
  Pixel highlight = 0xFFFFFFFF;  // bevel
  float blurX = 0, blurY = 0;    // pixels
  float angle = 0;               // radians
  float distance = 0;            // pixels
  float strength = 1;
  int passes = 1;  // box blur passes (the quality setting)
  bool inner = false, knockout = false, compositeSource = true, onTop = false;
  std::vector<FilterStop> gradient;  // gradient glow and bevel
  std::array<float, 20> matrix{};    // colour matrix, row by row
  // Convolution: a columns x rows kernel.
  int columns = 0, rows = 0;
  std::vector<float> kernel;
  float divisor = 1, bias = 0;
  Pixel defaultColor = 0;
  bool clamp = true, preserveAlpha = false;
};

}  // namespace kestrova::swf
