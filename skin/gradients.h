// Two-colour gradient fills (portable pixel work). Colours are resolved
// TColors (0x00BBGGRR, no system colours). The first line is always the
// first colour and the last line the second, so a fill one line high shows
// only the second colour.
#pragma once

#include <cstdint>

#include "common/pixels.h"
#include "skin/skin_rect.h"

namespace kestrova::skin {

// Rows from `top` colour at area.top to `bottom` colour at area.bottom - 1.
void DrawVerticalGradient(PixelView target, Rect area, uint32_t top, uint32_t bottom);

// Columns from `left` colour at area.left to `right` colour at area.right - 1.
void DrawHorizontalGradient(PixelView target, Rect area, uint32_t left, uint32_t right);

// The colour of step `factor` of `span` between two colours: each channel
// moves by trunc((c2 - c1) / span * factor), in floating point.
uint32_t GradientStep(uint32_t c1, uint32_t c2, int span, int factor);

}  // namespace kestrova::skin
