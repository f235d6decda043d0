#include "movie/raster/bitmap.h"

#include <cmath>

#include "movie/raster/pixel_math.h"

namespace kestrova::raster {

namespace {

Pixel Lerp(Pixel a, Pixel b, uint32_t w) {  // w in 0..256
  uint32_t rb = ((a & 0x00FF00FFu) * (256 - w) + (b & 0x00FF00FFu) * w) >> 8;
  uint32_t ag = ((a >> 8) & 0x00FF00FFu) * (256 - w) + ((b >> 8) & 0x00FF00FFu) * w;
  return (rb & 0x00FF00FFu) | (ag & 0xFF00FF00u);
}

}  // namespace

// Bilinear weights in 0..256. Interpolating keeps every channel within its
// texels' range, so one clamp to alpha at the end mends malformed texels.
Pixel BitmapShader::Blend4(Pixel p00, Pixel p10, Pixel p01, Pixel p11, uint32_t wx, uint32_t wy) {
  return ClampToAlpha(Lerp(Lerp(p00, p10, wx), Lerp(p01, p11, wx), wy));
}

BitmapShader::BitmapShader(const BitmapFill& fill, const ColorTransform& cx)
    : toImage_(fill.pixelToImage),
      repeat_(fill.repeat),
      smooth_(fill.smooth),
      transform_(!cx.IsIdentity()) {
  if (transform_)
    for (uint32_t i = 0; i < 256; ++i) table_[i] = cx.Apply(i * 0x01010101u);
  if (fill.image && !fill.image->pixels.Empty()) {
    image_ = fill.image->pixels.View();
    width_ = image_.width;
    height_ = image_.height;
  }
}

// Integer texel index along one axis: wrapped when repeating, else clamped
// to the edge (a clipped bitmap fill extends its border pixels). The float
// is reduced before conversion so that far-away points stay defined.
int BitmapShader::Wrap(float coordinate, int size) const {
  if (!std::isfinite(coordinate)) return 0;
  if (repeat_) {
    double c = coordinate - std::floor(double(coordinate) / size) * size;
    if (!(c >= 0 && c < size)) return 0;  // lost to rounding far from the origin
    return int(c);
  }
  if (coordinate <= 0) return 0;
  if (coordinate >= float(size - 1)) return size - 1;
  return int(coordinate);
}

Pixel BitmapShader::Transformed(Pixel premultiplied) const {
  const Pixel p = Unpremultiply(premultiplied);
  return Premultiply((table_[p >> 24] & 0xFF000000u) | (table_[(p >> 16) & 0xFF] & 0x00FF0000u) |
                     (table_[(p >> 8) & 0xFF] & 0x0000FF00u) | (table_[p & 0xFF] & 0x000000FFu));
}

Pixel BitmapShader::Texel(int ix, int iy) const { return ClampToAlpha(image_.At(ix, iy)); }

Pixel BitmapShader::Sample(float u, float v) const {
  if (!smooth_) return Texel(Wrap(std::floor(u), width_), Wrap(std::floor(v), height_));
  // Bilinear between the four texel centres around (u, v).
  float fu = u - 0.5f, fv = v - 0.5f;
  float u0 = std::floor(fu), v0 = std::floor(fv);
  if (!std::isfinite(u0) || !std::isfinite(v0)) return Texel(0, 0);
  uint32_t wx = uint32_t((fu - u0) * 256 + 0.5f), wy = uint32_t((fv - v0) * 256 + 0.5f);
  if (wx > 256) wx = 256;
  if (wy > 256) wy = 256;
  int x0 = Wrap(u0, width_), x1 = Wrap(u0 + 1, width_);
  int y0 = Wrap(v0, height_), y1 = Wrap(v0 + 1, height_);
  return Blend4(image_.At(x0, y0), image_.At(x1, y0), image_.At(x0, y1), image_.At(x1, y1), wx, wy);
}

Pixel BitmapShader::At(float px, float py) const {
  const Matrix& m = toImage_;
  Pixel p = Sample(m.a * px + m.c * py + m.tx, m.b * px + m.d * py + m.ty);
  return transform_ ? Transformed(p) : p;
}

void BitmapShader::Fetch(int y, int x, int count, Pixel* out) const {
  const Matrix& m = toImage_;
  const float py = float(y) + 0.5f, px = float(x) + 0.5f;
  const float u0 = m.a * px + m.c * py + m.tx, v0 = m.b * px + m.d * py + m.ty;
  if (!FetchFixed(u0, v0, m.a, m.b, count, out)) {
    for (int i = 0; i < count; ++i) out[i] = Sample(u0 + float(i) * m.a, v0 + float(i) * m.b);
  }
  if (transform_)
    for (int i = 0; i < count; ++i) out[i] = Transformed(out[i]);
}

namespace {

constexpr int kFraction = 16;  // fixed-point bits of a texel coordinate
constexpr double kFixedLimit = double(int64_t(1) << 40);

// One axis of a span in fixed point, wrapped into the image when repeating.
struct Axis {
  int64_t at, step, size;  // size: the image's extent in fixed point
  bool repeat;

  Axis(float start, float delta, int extent, bool wrap)
      : at(int64_t(std::llround(double(start) * (1 << kFraction)))),
        step(int64_t(std::llround(double(delta) * (1 << kFraction)))),
        size(int64_t(extent) << kFraction),
        repeat(wrap) {
    if (repeat) {
      at %= size;
      if (at < 0) at += size;
      step %= size;
    }
  }
  void Next() {
    at += step;
    if (repeat) {
      if (at >= size)
        at -= size;
      else if (at < 0)
        at += size;
    }
  }
  int Index(int64_t fixed, int extent) const {
    int64_t i = fixed >> kFraction;  // floor
    if (repeat) return int(i < 0 ? i + extent : (i >= extent ? i - extent : i));
    return int(i < 0 ? 0 : (i >= extent ? extent - 1 : i));
  }
};

// A span along an image row (scaled, not rotated or skewed): both rows and
// their weight are the same for the whole span.
void FetchScaledRow(const Axis& start, const Pixel* r0, const Pixel* r1, uint32_t wy, int width,
                    int count, Pixel* out) {
  Axis u = start;
  constexpr int64_t kOne = int64_t(1) << kFraction;
  if (wy == 0 && u.step == kOne && ((u.at >> (kFraction - 8)) & 0xFF) == 0) {
    // Texel for pixel (the bitmap drawn at its own size on its grid):
    // every weight rounds to zero, so the samples are the texels themselves.
    for (int i = 0; i < count; ++i, u.Next()) out[i] = ClampToAlpha(r0[u.Index(u.at, width)]);
    return;
  }
  if (wy != 0 && u.step >= 0 && u.step < kOne) {
    // Enlarged: neighbouring pixels read the same two texel columns, so
    // each column pair is blended between the rows once.
    int last0 = -1, last1 = -1;
    Pixel left = 0, right = 0;
    for (int i = 0; i < count; ++i, u.Next()) {
      const int x0 = u.Index(u.at, width), x1 = u.Index(u.at + kOne, width);
      if (x0 != last0 || x1 != last1) {  // at a clamped edge x1 moves alone
        left = Lerp(r0[x0], r1[x0], wy);
        right = Lerp(r0[x1], r1[x1], wy);
        last0 = x0;
        last1 = x1;
      }
      const uint32_t wx = uint32_t(u.at >> (kFraction - 8)) & 0xFF;
      out[i] = ClampToAlpha(Lerp(left, right, wx));
    }
    return;
  }
  for (int i = 0; i < count; ++i, u.Next()) {
    const int x0 = u.Index(u.at, width), x1 = u.Index(u.at + kOne, width);
    const uint32_t wx = uint32_t(u.at >> (kFraction - 8)) & 0xFF;
    const Pixel top = Lerp(r0[x0], r0[x1], wx);
    out[i] = ClampToAlpha(wy ? Lerp(top, Lerp(r1[x0], r1[x1], wx), wy) : top);
  }
}

}  // namespace

// The span in 48.16 fixed point: one add per axis and pixel. Entry
// assumptions (checked): the span's coordinates are finite and within 2^40
// texels, so no step can overflow.
bool BitmapShader::FetchFixed(float u0, float v0, float du, float dv, int count, Pixel* out) const {
  const double u1 = double(u0) + double(du) * count, v1 = double(v0) + double(dv) * count;
  for (double c : {double(u0), double(v0), u1, v1})
    if (!(std::fabs(c) < kFixedLimit)) return false;
  Axis u(smooth_ ? u0 - 0.5f : u0, du, width_, repeat_);
  Axis v(smooth_ ? v0 - 0.5f : v0, dv, height_, repeat_);
  if (smooth_ && v.step == 0) {
    constexpr int64_t kOne = int64_t(1) << kFraction;
    const int y0 = v.Index(v.at, height_), y1 = v.Index(v.at + kOne, height_);
    const uint32_t wy = uint32_t(v.at >> (kFraction - 8)) & 0xFF;
    FetchScaledRow(u, image_.Row(y0), image_.Row(y1), wy, width_, count, out);
    return true;
  }
  for (int i = 0; i < count; ++i, u.Next(), v.Next()) {
    if (!smooth_) {
      out[i] = Texel(u.Index(u.at, width_), v.Index(v.at, height_));
      continue;
    }
    const int x0 = u.Index(u.at, width_), x1 = u.Index(u.at + (int64_t(1) << kFraction), width_);
    const int y0 = v.Index(v.at, height_), y1 = v.Index(v.at + (int64_t(1) << kFraction), height_);
    const uint32_t wx = uint32_t(u.at >> (kFraction - 8)) & 0xFF;
    const uint32_t wy = uint32_t(v.at >> (kFraction - 8)) & 0xFF;
    out[i] =
        Blend4(image_.At(x0, y0), image_.At(x1, y0), image_.At(x0, y1), image_.At(x1, y1), wx, wy);
  }
  return true;
}

}  // namespace kestrova::raster
