// Pixel buffers shared by the skin engine, the movie player and the
// framework's DIB-section bitmaps.
//
// A pixel is a uint32_t 0xAARRGGBB, i.e. bytes B, G, R, A in memory: the
// layout of a 32-bit top-down Windows DIB, so a PixelView can point straight
// into a DIB section. Rows run top-down; `stride` counts pixels per row.
// Colours of the component world (TColor) are 0x00BBGGRR; see ColorToPixel.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kestrova {

using Pixel = uint32_t;

constexpr Pixel MakePixel(uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) {
  return (Pixel(a) << 24) | (Pixel(r) << 16) | (Pixel(g) << 8) | b;
}
constexpr uint8_t PixelR(Pixel p) { return uint8_t(p >> 16); }
constexpr uint8_t PixelG(Pixel p) { return uint8_t(p >> 8); }
constexpr uint8_t PixelB(Pixel p) { return uint8_t(p); }
constexpr uint8_t PixelA(Pixel p) { return uint8_t(p >> 24); }

// TColor 0x00BBGGRR (already resolved, not a system colour) to an opaque pixel.
constexpr Pixel ColorToPixel(uint32_t color) {
  return MakePixel(uint8_t(color), uint8_t(color >> 8), uint8_t(color >> 16));
}
// An opaque pixel back to TColor 0x00BBGGRR (alpha dropped).
constexpr uint32_t PixelToColor(Pixel p) {
  return uint32_t(PixelR(p)) | (uint32_t(PixelG(p)) << 8) | (uint32_t(PixelB(p)) << 16);
}

// A non-owning view of pixels.
struct PixelView {
  Pixel* pixels = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;  // pixels per row, >= width

  Pixel* Row(int y) const { return pixels + static_cast<ptrdiff_t>(y) * stride; }
  Pixel& At(int x, int y) const { return Row(y)[x]; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  bool Empty() const { return width <= 0 || height <= 0; }
};

// Owning pixel storage, rows packed (stride == width).
class PixelBuffer {
 public:
  PixelBuffer() = default;
  PixelBuffer(int width, int height, Pixel fill = 0)
      : width_(width > 0 ? width : 0),
        height_(height > 0 ? height : 0),
        pixels_(static_cast<size_t>(width_) * height_, fill) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return pixels_.empty(); }
  PixelView View() { return {pixels_.data(), width_, height_, width_}; }
  PixelView View() const { return {const_cast<Pixel*>(pixels_.data()), width_, height_, width_}; }
  Pixel& At(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  Pixel At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  const std::vector<Pixel>& Data() const { return pixels_; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Pixel> pixels_;
};

}  // namespace kestrova
