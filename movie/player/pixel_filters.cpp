// Filters that work on the object's pixels themselves: blur, colour
// matrix and convolution.
#include <algorithm>
#include <cmath>

#include "movie/player/filter_ops.h"
#include "movie/player/filters.h"
#include "movie/raster/box_blur.h"
#include "movie/raster/pixel_math.h"

namespace kestrova::movie::filter_ops {

namespace {

// A matrix or kernel from the file may hold NaN or infinities.
uint8_t ToChannel(float v) {
  if (!(v > 0)) return 0;
  return v >= 255 ? 255 : uint8_t(std::lround(v));
}

// Straight channels r, g, b, a.
std::array<float, 4> Channels(Pixel straight) {
  return {float(PixelR(straight)), float(PixelG(straight)), float(PixelB(straight)),
          float(PixelA(straight))};
}

Pixel FromChannels(const std::array<float, 4>& c) {
  return raster::Premultiply(
      MakePixel(ToChannel(c[0]), ToChannel(c[1]), ToChannel(c[2]), ToChannel(c[3])));
}

}  // namespace

// Every channel of the premultiplied pixels blurred alike, so colours keep
// their weight by coverage.
void Blur(PixelBuffer& image, const swf::Filter& f, float scale) {
  const int w = image.Width(), h = image.Height();
  std::array<raster::Plane, 4> planes{raster::Plane(w, h), raster::Plane(w, h), raster::Plane(w, h),
                                      raster::Plane(w, h)};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      for (int c = 0; c < 4; ++c) planes[size_t(c)].At(x, y) = uint8_t(image.At(x, y) >> (8 * c));
  for (raster::Plane& plane : planes)
    raster::BoxBlur(plane, f.blurX * scale, f.blurY * scale, f.passes);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      Pixel p = 0;
      for (int c = 0; c < 4; ++c) p |= Pixel(planes[size_t(c)].At(x, y)) << (8 * c);
      image.At(x, y) = raster::ClampToAlpha(p);
    }
}

// A 4 x 5 matrix over straight r, g, b, a; the fifth column adds 0..255.
void ColorMatrix(PixelBuffer& image, const swf::Filter& f) {
  const auto& m = f.matrix;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      const auto c = Channels(raster::Unpremultiply(image.At(x, y)));
      std::array<float, 4> out{};
      for (size_t row = 0; row < 4; ++row) {
        const float* k = &m[row * 5];
        out[row] = k[0] * c[0] + k[1] * c[1] + k[2] * c[2] + k[3] * c[3] + k[4];
      }
      image.At(x, y) = FromChannels(out);
    }
}

// Each pixel the kernel's weighted sum of its neighbours (straight
// colours), divided and biased; beyond the edges the nearest edge pixel
// (clamp) or the default colour.
void Convolution(PixelBuffer& image, const swf::Filter& f) {
  if (f.columns <= 0 || f.rows <= 0 || f.columns > kMaxKernelSide || f.rows > kMaxKernelSide ||
      f.kernel.size() != size_t(f.columns) * size_t(f.rows))
    return;
  const int w = image.Width(), h = image.Height();
  std::vector<std::array<float, 4>> source(size_t(w) * size_t(h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      source[size_t(y) * size_t(w) + size_t(x)] = Channels(raster::Unpremultiply(image.At(x, y)));
  const auto outside = Channels(f.defaultColor);
  const float divisor = f.divisor == 0 ? 1 : f.divisor;
  auto at = [&](int x, int y) -> const std::array<float, 4>& {
    if (x < 0 || y < 0 || x >= w || y >= h) {
      if (!f.clamp) return outside;
      x = std::clamp(x, 0, w - 1);
      y = std::clamp(y, 0, h - 1);
    }
    return source[size_t(y) * size_t(w) + size_t(x)];
  };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      std::array<float, 4> sum{};
      for (int j = 0; j < f.rows; ++j)
        for (int i = 0; i < f.columns; ++i) {
          const float k = f.kernel[size_t(j) * size_t(f.columns) + size_t(i)];
          const auto& s = at(x + i - f.columns / 2, y + j - f.rows / 2);
          for (size_t c = 0; c < 4; ++c) sum[c] += k * s[c];
        }
      for (float& c : sum) c = c / divisor + f.bias;
      if (f.preserveAlpha) sum[3] = at(x, y)[3];
      image.At(x, y) = FromChannels(sum);
    }
}

}  // namespace kestrova::movie::filter_ops
