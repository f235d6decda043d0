// Random drawing for the rasterizer: a small canvas, then commands that
// build a path, pick a paint and fill, stroke or mask with it. Coordinates
// are mostly moderate numbers and sometimes raw floats (NaN, infinities,
// 1e38), so clipping, flattening and the samplers see hostile values.
//
// Layout: width byte, height byte, then commands, one byte each followed by
// their operands; a missing operand byte reads as zero.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "movie/raster/raster.h"

namespace {

using namespace kestrova;
using namespace kestrova::raster;

class Bytes {
 public:
  Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool Done() const { return at_ >= size_; }
  uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  uint32_t Word() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v = v << 8 | Byte();
    return v;
  }
  float Number() {
    uint8_t tag = Byte();
    if (tag >= 224) {
      uint32_t bits = Word();
      float f;
      std::memcpy(&f, &bits, sizeof f);
      return f;
    }
    int16_t v = int16_t(uint16_t(Byte() << 8 | Byte()));
    return tag >= 192 ? float(v) : float(v) / 256.0f;
  }
  Point At() {
    float x = Number();
    return {x, Number()};
  }
  Matrix Transform() {
    Matrix m;
    m.a = Number();
    m.b = Number();
    m.c = Number();
    m.d = Number();
    m.tx = Number();
    m.ty = Number();
    return m;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

Paint GradientPaint(Bytes& in) {
  Paint paint;
  paint.kind = Paint::Kind::Gradient;
  uint8_t mode = in.Byte();
  paint.gradient.kind = Gradient::Kind(mode % 3);
  paint.gradient.spread = Spread(mode / 3 % 3);
  paint.gradient.interpolation = Interpolation(mode / 9 % 2);
  paint.gradient.focal = in.Number();
  for (int n = in.Byte() % 16; n > 0; --n) paint.gradient.stops.push_back({in.Byte(), in.Word()});
  paint.gradient.pixelToGradient = in.Transform();
  return paint;
}

Paint BitmapPaint(Bytes& in) {
  Paint paint;
  paint.kind = Paint::Kind::Bitmap;
  uint8_t size = in.Byte();
  auto image = std::make_shared<Image>();
  image->pixels = PixelBuffer(size % 8, size / 8 % 8);
  for (int y = 0; y < image->pixels.Height(); ++y)
    for (int x = 0; x < image->pixels.Width(); ++x) image->pixels.At(x, y) = in.Word();
  paint.bitmap.image = image;
  paint.bitmap.repeat = size & 64;
  paint.bitmap.smooth = size & 128;
  paint.bitmap.pixelToImage = in.Transform();
  return paint;
}

StrokeStyle Style(Bytes& in) {
  uint8_t mode = in.Byte();
  StrokeStyle style;
  style.width = in.Number();
  style.startCap = Cap(mode % 3);
  style.endCap = Cap(mode / 3 % 3);
  style.join = Join(mode / 9 % 3);
  style.miterLimit = in.Number();
  return style;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Bytes in(data, size);
  const int width = 1 + in.Byte() % 64, height = 1 + in.Byte() % 64;
  PixelBuffer target(width, height);
  Canvas canvas(target.View());
  Mask masks[2] = {Mask(width, height), Mask(width / 2 + 1, height)};
  Path path;
  Paint paint = Paint::Solid(0xFF808080);
  ColorTransform cx;
  for (int commands = 0; !in.Done() && commands < 256; ++commands) {
    switch (in.Byte() % 17) {
      case 0:
        path.MoveTo(in.At());
        break;
      case 1:
        path.LineTo(in.At());
        break;
      case 2: {
        Point control = in.At();
        path.QuadTo(control, in.At());
        break;
      }
      case 3:
        path.Close();
        break;
      case 4:
        canvas.Fill(path, FillRule(in.Byte() % 2), paint, cx);
        break;
      case 5:
        canvas.Stroke(path, Style(in), paint, cx);
        break;
      case 6:
        canvas.FillMask(masks[in.Byte() % 2], path, FillRule(in.Byte() % 2));
        break;
      case 7:
        canvas.StrokeMask(masks[in.Byte() % 2], path, Style(in));
        break;
      case 8: {
        uint8_t which = in.Byte() % 3;
        canvas.SetMask(which == 2 ? nullptr : &masks[which]);
        break;
      }
      case 9:
        paint = GradientPaint(in);
        break;
      case 10:
        paint = BitmapPaint(in);
        break;
      case 11:
        paint = Paint::Solid(in.Word());
        break;
      case 12:
        cx = {in.Number(), in.Number(), in.Number(), in.Number(),
              in.Number(), in.Number(), in.Number(), in.Number()};
        break;
      case 13:
        masks[0].Intersect(masks[1]);
        break;
      case 14:
        path.Transform(in.Transform());
        break;
      case 15:
        path = Path();
        break;
      case 16: {
        std::vector<ShapeFill> fills(2);
        fills[0] = {path, FillRule(in.Byte() % 2), paint};
        fills[1] = {path, FillRule::NonZero, Paint::Solid(in.Word())};
        fills[1].path.Transform(in.Transform());
        canvas.FillShape(fills, cx);
        break;
      }
    }
  }
  return 0;
}
