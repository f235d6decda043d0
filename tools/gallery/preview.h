// A small window of one style put together from its pictures the way the
// skinned components use them: title bar pieces and buttons, a frame, push
// buttons stretched in nine parts, check boxes and radio buttons.
#pragma once

#include <vector>

#include "common/pixels.h"
#include "skin/style_table.h"
#include "tools/skinart/catalog.h"

namespace kestrova::gallery {

PixelBuffer StylePreview(skin::TsuiUIStyle style, const std::vector<skinart::Picture>& pictures);

}  // namespace kestrova::gallery
