// The system's menu font, from the non-client metrics.
//
//   GetSystemMenuFont(canvas.Font());
#pragma once

#include "framework/graphics.h"

namespace kestrova::framework {

// Gives `font` the name, height, style and character set of the menu font.
void GetSystemMenuFont(TFont& font);

}  // namespace kestrova::framework
