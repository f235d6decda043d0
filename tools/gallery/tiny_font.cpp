#include "tools/gallery/tiny_font.h"

#include "common/pixel_font.h"

namespace kestrova::gallery {

void DrawText(PixelView target, int x, int y, std::string_view text, Pixel color, int scale) {
  for (char c : text) {
    if (const char* const* rows = PixelGlyphRows(static_cast<unsigned char>(c))) {
      for (int gy = 0; gy < kGlyphHeight; ++gy)
        for (int gx = 0; gx < kGlyphWidth; ++gx) {
          if (rows[gy][gx] != '#') continue;
          for (int sy = 0; sy < scale; ++sy)
            for (int sx = 0; sx < scale; ++sx) {
              const int px = x + gx * scale + sx, py = y + gy * scale + sy;
              if (target.Contains(px, py)) target.At(px, py) = color;
            }
        }
    }
    x += kGlyphAdvance * scale;
  }
}

int TextWidth(std::string_view text, int scale) {
  return text.empty() ? 0 : (static_cast<int>(text.size()) * kGlyphAdvance - 1) * scale;
}

}  // namespace kestrova::gallery
