#include "tools/skinart/art.h"

#include <algorithm>
#include <cmath>

namespace kestrova::skinart {

Rgba Mix(Rgba a, Rgba b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
          a.a + (b.a - a.a) * t};
}

Rgba WithAlpha(Rgba c, float a) { return {c.r, c.g, c.b, a}; }

Art::Art(int width, int height)
    : width_(width),
      height_(height),
      pixels_(static_cast<size_t>(width) * height, Rgba{0, 0, 0, 0}) {}

void Art::Fill(const Shape& shape, const Paint& paint) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const float px = x + 0.5f, py = y + 0.5f;
      const float coverage = std::clamp(0.5f - shape(px, py), 0.0f, 1.0f);
      if (coverage <= 0) continue;
      const Rgba c = paint(px, py);
      const float a = c.a * coverage;
      Rgba& d = at(x, y);
      d = {c.r * a + d.r * (1 - a), c.g * a + d.g * (1 - a), c.b * a + d.b * (1 - a),
           a + d.a * (1 - a)};
    }
  }
}

void Art::Fill(const Shape& shape, Rgba color) {
  Fill(shape, [color](float, float) { return color; });
}

void Art::Set(int x, int y, Rgba c) {
  if (x >= 0 && y >= 0 && x < width_ && y < height_)
    at(x, y) = {c.r * c.a, c.g * c.a, c.b * c.a, c.a};
}

Pixel ToPixel(Rgba c) {
  auto channel = [](float v) { return uint8_t(std::lround(std::clamp(v, 0.0f, 1.0f) * 255)); };
  const Pixel p = MakePixel(channel(c.r), channel(c.g), channel(c.b));
  // A drawn pixel must never read as the see-through colour.
  return (p & 0xFFFFFF) == 0xFF00FF ? MakePixel(0xFE, 0x00, 0xFE) : p;
}

namespace {

// Pixels covered this little are left see-through: blending them onto the
// matte would only give a faint halo.
constexpr float kSeeThroughCoverage = 0.02f;

Pixel Over(Rgba d, Rgba matte) {
  return ToPixel({d.r + matte.r * (1 - d.a), d.g + matte.g * (1 - d.a), d.b + matte.b * (1 - d.a)});
}

}  // namespace

PixelBuffer Art::Flatten(uint32_t matte, bool seeThrough) const {
  PixelBuffer out(width_, height_);
  const Rgba m = Hex(matte);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const Rgba& d = at(x, y);
      out.At(x, y) =
          seeThrough && d.a < kSeeThroughCoverage ? MakePixel(0xFF, 0x00, 0xFF) : Over(d, m);
    }
  }
  return out;
}

PixelBuffer Art::Flatten(const std::vector<Rgba>& matteRows) const {
  PixelBuffer out(width_, height_);
  for (int y = 0; y < height_; ++y) {
    const Rgba m = y < static_cast<int>(matteRows.size()) ? matteRows[y] : Rgba{};
    for (int x = 0; x < width_; ++x) out.At(x, y) = Over(at(x, y), m);
  }
  return out;
}

void PlaceFrame(PixelBuffer& strip, const PixelBuffer& frame, int x0) {
  for (int y = 0; y < frame.Height() && y < strip.Height(); ++y) {
    for (int x = 0; x < frame.Width() && x0 + x < strip.Width(); ++x) {
      strip.At(x0 + x, y) = frame.At(x, y);
    }
  }
}

}  // namespace kestrova::skinart
