// The canvas: paths flattened, rasterized and painted or gathered into masks.
#include <algorithm>
#include <cstring>

#include "movie/raster/compositor.h"
#include "movie/raster/coverage.h"
#include "movie/raster/flatten.h"
#include "movie/raster/pixel_math.h"
#include "movie/raster/raster.h"

namespace kestrova::raster {
namespace {

void AddPath(CoverageRasterizer& rasterizer, const Path& path, int width, int height) {
  rasterizer.Reset(width, height);
  ClipBox clip = rasterizer.Clip();
  rasterizer.AddContours(FlattenContours(path, kFillTolerance, &clip));
}

}  // namespace

Mask::Mask(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      coverage_(size_t(width_) * height_, 0) {}

void Mask::Intersect(const Mask& other) {
  for (int y = 0; y < height_; ++y) {
    uint8_t* row = Row(y);
    if (y >= other.height_) {
      std::memset(row, 0, width_);
      continue;
    }
    const uint8_t* o = other.Row(y);
    const int shared = std::min(width_, other.width_);
    for (int x = 0; x < shared; ++x) row[x] = uint8_t(Div255(uint32_t(row[x]) * o[x]));
    std::memset(row + shared, 0, width_ - shared);
  }
}

Canvas::Canvas(PixelView target)
    : target_(target), rasterizer_(std::make_shared<CoverageRasterizer>()) {}

void Canvas::Clear(Pixel straight) {
  const Pixel p = Premultiply(straight);
  for (int y = 0; y < target_.height; ++y)
    std::fill(target_.Row(y), target_.Row(y) + target_.width, p);
}

void Canvas::Fill(const Path& path, FillRule rule, const Paint& paint, const ColorTransform& cx) {
  if (target_.Empty() || path.Empty()) return;
  Shader shader(paint, cx);
  if (shader.Invisible()) return;
  AddPath(*rasterizer_, path, target_.width, target_.height);
  PaintSink sink(target_, shader, mask_);
  rasterizer_->Sweep(rule, sink);
}

void Canvas::Stroke(const Path& path, const StrokeStyle& style, const Paint& paint,
                    const ColorTransform& cx) {
  Fill(StrokeToPath(path, style), FillRule::NonZero, paint, cx);
}

void Canvas::FillMask(Mask& mask, const Path& path, FillRule rule) const {
  if (path.Empty()) return;
  AddPath(*rasterizer_, path, mask.Width(), mask.Height());
  MaskSink sink(mask);
  rasterizer_->Sweep(rule, sink);
}

void Canvas::StrokeMask(Mask& mask, const Path& path, const StrokeStyle& style) const {
  FillMask(mask, StrokeToPath(path, style), FillRule::NonZero);
}

}  // namespace kestrova::raster
