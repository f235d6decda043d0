#include "movie/text/device_font.h"

#include <cctype>

#include "common/pixel_font.h"

namespace kestrova::text {

namespace {

constexpr int kRows = kPixelGlyphRows;
constexpr int kColumns = kPixelGlyphColumns;
// One font pixel, in EM units: seven rows of capitals over the baseline.
constexpr float kUnit = 0.11f;
static_assert(kUnit * kRows <= kDeviceAscent, "capitals fit under the ascent");
static_assert(kUnit * (kColumns + 0.2f) <= kDeviceAdvance, "glyphs keep a gap");

void AddSquare(raster::Path& path, float x, float y, float w, float h) {
  path.MoveTo({x, y});
  path.LineTo({x + w, y});
  path.LineTo({x + w, y + h});
  path.LineTo({x, y + h});
  path.Close();
}

}  // namespace

// Lit pixels become squares (drawn non-zero, so neighbours merge); lower
// case is the capital at five rows high.
raster::Path DeviceGlyph(char32_t code) {
  raster::Path path;
  const char* const* rows = PixelGlyphRows(code);
  if (!rows) return path;
  bool small = code < 0x80 && std::islower(static_cast<int>(code));
  float height = small ? kUnit * 5 / kRows : kUnit;
  float left = (kDeviceAdvance - kUnit * kColumns) / 2;
  for (int row = 0; row < kRows; ++row)
    for (int column = 0; column < kColumns; ++column)
      if (rows[row][column] == '#')
        AddSquare(path, left + column * kUnit, (row - kRows) * height, kUnit, height);
  return path;
}

float DeviceAdvance(char32_t code) { return code == ' ' ? kDeviceSpace : kDeviceAdvance; }

}  // namespace kestrova::text
