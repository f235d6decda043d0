// Rectangle copies between pixel views, the portable counterparts of the
// canvas copies the skin components use: unscaled or stretched (nearest
// pixel, as StretchBlt in its colour-on-colour mode), opaque or leaving
// every pixel of one colour unpainted.
#pragma once

#include <cstdint>
#include <optional>

#include "common/pixels.h"
#include "skin/skin_rect.h"

namespace kestrova::skin {

// The see-through colour of the built-in pictures (TColor 0x00BBGGRR).
constexpr uint32_t kMagenta = 0xFF00FF;

// Whether a pixel shows the colour `color` (TColor); alpha is ignored, as a
// DIB's fourth byte is not part of its colour.
constexpr bool IsColor(Pixel p, uint32_t color) { return PixelToColor(p) == (color & 0xFFFFFF); }

// Copies `source` rectangle `from` onto `target` rectangle `to`, stretching
// when the sizes differ. With a mask colour, source pixels of that colour
// leave the target unchanged. Parts of either rectangle outside their views
// are skipped, never read or written.
void Blit(PixelView source, Rect from, PixelView target, Rect to,
          std::optional<uint32_t> maskColor = std::nullopt);

// Unscaled copy of `from` with its top-left corner at (x, y).
inline void BlitAt(PixelView source, Rect from, PixelView target, int x, int y,
                   std::optional<uint32_t> maskColor = std::nullopt) {
  Blit(source, from, target, {x, y, x + from.Width(), y + from.Height()}, maskColor);
}

// Fills the part of `area` inside the view with one TColor.
void FillRect(PixelView target, Rect area, uint32_t color);

}  // namespace kestrova::skin
