#include "movie/raster/gradient.h"

#include <algorithm>
#include <cmath>

#include "movie/raster/pixel_math.h"

namespace kestrova::raster {
namespace {

constexpr float kGradientSquare = 16384.0f;
constexpr int kLinearSteps = 4096;

float SrgbToLinear(float c) {
  return c <= 0.04045f ? c / 12.92f : std::pow((c + 0.055f) / 1.055f, 2.4f);
}
float LinearToSrgb(float c) {
  return c <= 0.0031308f ? c * 12.92f : 1.055f * std::pow(c, 1 / 2.4f) - 0.055f;
}

// Immutable tables, built once on first use.
const std::array<float, 256>& ToLinear() {
  static const std::array<float, 256> table = [] {
    std::array<float, 256> t{};
    for (int i = 0; i < 256; ++i) t[i] = SrgbToLinear(float(i) / 255);
    return t;
  }();
  return table;
}
const std::array<uint8_t, kLinearSteps + 1>& FromLinear() {
  static const std::array<uint8_t, kLinearSteps + 1> table = [] {
    std::array<uint8_t, kLinearSteps + 1> t{};
    for (int i = 0; i <= kLinearSteps; ++i)
      t[i] = uint8_t(LinearToSrgb(float(i) / kLinearSteps) * 255 + 0.5f);
    return t;
  }();
  return table;
}

Pixel Mix(Pixel p0, Pixel p1, float w, Interpolation interpolation) {
  auto lerp = [w](float a, float b) { return a + (b - a) * w; };
  uint8_t alpha = uint8_t(lerp(PixelA(p0), PixelA(p1)) + 0.5f);
  if (interpolation == Interpolation::Normal) {
    return MakePixel(uint8_t(lerp(PixelR(p0), PixelR(p1)) + 0.5f),
                     uint8_t(lerp(PixelG(p0), PixelG(p1)) + 0.5f),
                     uint8_t(lerp(PixelB(p0), PixelB(p1)) + 0.5f), alpha);
  }
  const auto& in = ToLinear();
  const auto& out = FromLinear();
  auto channel = [&](uint8_t a, uint8_t b) {
    return out[int(lerp(in[a], in[b]) * kLinearSteps + 0.5f)];
  };
  return MakePixel(channel(PixelR(p0), PixelR(p1)), channel(PixelG(p0), PixelG(p1)),
                   channel(PixelB(p0), PixelB(p1)), alpha);
}

float SpreadPosition(float t, Spread spread) {
  if (!(t == t)) return 0;  // NaN
  switch (spread) {
    case Spread::Pad:
      return std::clamp(t, 0.0f, 1.0f);
    case Spread::Repeat:
      if (t >= 0 && t < 1) return t;
      t -= std::floor(t);
      return std::isfinite(t) ? t : 0;
    case Spread::Reflect:
      t = std::fabs(t);
      if (t <= 1) return t;
      t -= 2 * std::floor(t * 0.5f);
      if (!std::isfinite(t)) return 0;
      return t > 1 ? 2 - t : t;
  }
  return 0;
}

// Stops are taken in file order, as the original player takes them. A
// rising ratio ends a segment interpolated from the stop before (at that
// stop's own ratio); a stop whose ratio does not rise is a hard step that
// takes the next free entry, unless it starts the next rise. Entries past
// the last stop hold its colour.
class RampWriter {
 public:
  RampWriter(Ramp& ramp, Interpolation interpolation, const ColorTransform& cx)
      : ramp_(ramp), interpolation_(interpolation), cx_(cx) {}
  void Fill(const std::vector<GradientStop>& stops) {
    const size_t n = stops.size();
    for (size_t k = 0; k < n; ++k) {
      const GradientStop& s = stops[k];
      if (k == 0) {
        while (next_ <= s.ratio) Put(s.color);
      } else if (s.ratio > stops[k - 1].ratio) {
        const GradientStop& a = stops[k - 1];
        const float span = float(s.ratio - a.ratio);
        while (next_ <= s.ratio)
          Put(Mix(a.color, s.color, float(next_ - a.ratio) / span, interpolation_));
      } else if (k + 1 == n || stops[k + 1].ratio <= s.ratio) {
        if (next_ < 256) Put(s.color);
      }
    }
    while (next_ < 256) Put(stops.back().color);
  }

 private:
  void Put(Pixel straight) {
    ramp_[next_++] = Premultiply(cx_.IsIdentity() ? straight : cx_.Apply(straight));
  }
  Ramp& ramp_;
  Interpolation interpolation_;
  const ColorTransform& cx_;
  int next_ = 0;
};

}  // namespace

Ramp BuildRamp(const Gradient& gradient, const ColorTransform& cx) {
  Ramp ramp{};
  if (!gradient.stops.empty()) RampWriter(ramp, gradient.interpolation, cx).Fill(gradient.stops);
  return ramp;
}

GradientShader::GradientShader(const Gradient& gradient, const ColorTransform& cx)
    : ramp_(BuildRamp(gradient, cx)),
      kind_(gradient.kind),
      spread_(gradient.spread),
      toGradient_(gradient.pixelToGradient),
      focal_(std::clamp(gradient.focal == gradient.focal ? gradient.focal : 0, -0.998f, 0.998f)) {
  opaque_ = std::all_of(ramp_.begin(), ramp_.end(), [](Pixel p) { return (p >> 24) == 255; });
}

float GradientShader::Position(float px, float py) const {
  const Matrix& m = toGradient_;
  float gx = (m.a * px + m.c * py + m.tx) / kGradientSquare;
  float gy = (m.b * px + m.d * py + m.ty) / kGradientSquare;
  switch (kind_) {
    case Gradient::Kind::Linear:
      return (gx + 1) * 0.5f;
    case Gradient::Kind::Radial:
      return std::sqrt(gx * gx + gy * gy);
    case Gradient::Kind::Focal: {
      // The ray from the focal point F = (f, 0) through the point meets the
      // unit circle at F + k (P - F); the position is 1 / k.
      float dx = gx - focal_, dy = gy, f = focal_;
      float dd = dx * dx + dy * dy;
      if (dd == 0) return 0;
      float root = std::sqrt(f * f * dx * dx + (1 - f * f) * dd);
      return dd / (root - f * dx);
    }
  }
  return 0;
}

Pixel GradientShader::At(float position) const {
  return ramp_[std::min(int(SpreadPosition(position, spread_) * 256), 255)];
}

// Linear gradients step evenly along a row; padding, the common case,
// needs no floor.
void GradientShader::FetchLinear(float t, float step, int count, Pixel* out) const {
  const float last = t + float(count) * step;
  if (spread_ != Spread::Pad || !std::isfinite(t) || !std::isfinite(last)) {
    for (int i = 0; i < count; ++i) out[i] = At(t + float(i) * step);
    return;
  }
  const float start = t * 256, delta = step * 256;
  for (int i = 0; i < count; ++i) {
    float v = start + float(i) * delta;
    v = v > 0 ? v : 0;
    v = v < 255 ? v : 255;
    out[i] = ramp_[int(v)];
  }
}

void GradientShader::Fetch(int y, int x, int count, Pixel* out) const {
  const float py = float(y) + 0.5f;
  if (kind_ == Gradient::Kind::Linear) {
    FetchLinear(Position(float(x) + 0.5f, py), toGradient_.a / (2 * kGradientSquare), count, out);
    return;
  }
  if (kind_ == Gradient::Kind::Radial && spread_ == Spread::Pad) {
    FetchRadialPad(float(x) + 0.5f, py, count, out);
    return;
  }
  for (int i = 0; i < count; ++i) out[i] = At(Position(float(x + i) + 0.5f, py));
}

// The distance from the centre in ramp units, stepped along the row.
void GradientShader::FetchRadialPad(float px, float py, int count, Pixel* out) const {
  const Matrix& m = toGradient_;
  const float scale = 256 / kGradientSquare;
  const float gx = (m.a * px + m.c * py + m.tx) * scale, gy = (m.b * px + m.d * py + m.ty) * scale;
  const float dx = m.a * scale, dy = m.b * scale;
  for (int i = 0; i < count; ++i) {
    const float x = gx + float(i) * dx, y = gy + float(i) * dy;
    float v = std::sqrt(x * x + y * y);
    v = v < 255 ? v : (v >= 255 ? 255 : 0);  // NaN: the first entry, as At gives
    out[i] = ramp_[int(v)];
  }
}

}  // namespace kestrova::raster
