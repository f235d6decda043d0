// The player's own device font: the text a field shows without an embedded
// font is drawn from these blocky outlines (capitals, small capitals for
// lower case, digits and punctuation). Units: one EM, baseline at y = 0,
// y downwards.
#pragma once

#include "movie/raster/raster.h"

namespace kestrova::text {

constexpr float kDeviceAscent = 0.86f;
constexpr float kDeviceDescent = 0.22f;
constexpr float kDeviceAdvance = 0.62f;
constexpr float kDeviceSpace = 0.28f;

// Empty for characters the font does not draw (space among them).
raster::Path DeviceGlyph(char32_t code);
float DeviceAdvance(char32_t code);

}  // namespace kestrova::text
