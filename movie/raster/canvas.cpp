// The canvas: paths flattened, rasterized and painted or gathered into masks.
#include <algorithm>
#include <cmath>

#include "movie/raster/compositor.h"
#include "movie/raster/coverage.h"
#include "movie/raster/flatten.h"
#include "movie/raster/pixel_math.h"
#include "movie/raster/raster.h"
#include "movie/raster/shape_layer.h"

namespace kestrova::raster {
namespace {

void AddPath(CoverageRasterizer& rasterizer, const Path& path, int width, int height) {
  rasterizer.Reset(width, height);
  ClipBox clip = rasterizer.Clip();
  rasterizer.AddContours(FlattenContours(path, kFillTolerance, &clip));
}

// Fills whose pixel boxes do not meet cannot share a pixel, so drawing
// them one by one leaves no seam. Checked for a few fills only.
bool ApartInPixels(const std::vector<ClipBox>& boxes) {
  constexpr size_t kMaxChecked = 16;
  if (boxes.size() > kMaxChecked) return false;
  auto meet = [](const ClipBox& a, const ClipBox& b) {
    return std::floor(a.x0) < std::ceil(b.x1) && std::floor(b.x0) < std::ceil(a.x1) &&
           std::floor(a.y0) < std::ceil(b.y1) && std::floor(b.y0) < std::ceil(a.y1);
  };
  for (size_t i = 0; i < boxes.size(); ++i)
    for (size_t j = i + 1; j < boxes.size(); ++j)
      if (meet(boxes[i], boxes[j])) return false;
  return true;
}

}  // namespace

Canvas::Canvas(PixelView target)
    : target_(target),
      rasterizer_(std::make_shared<CoverageRasterizer>()),
      layer_(std::make_shared<ShapeLayer>()) {}

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

void Canvas::FillShape(const std::vector<ShapeFill>& fills, const ColorTransform& cx) {
  if (target_.Empty() || fills.empty()) return;
  if (fills.size() == 1) {  // no edge to share: straight to the target
    Fill(fills[0].path, fills[0].rule, fills[0].paint, cx);
    return;
  }
  const ClipBox clip{0, 0, float(target_.width), float(target_.height)};
  std::vector<std::vector<Contour>> contours;
  std::vector<ClipBox> boxes;
  ClipBox box{clip.x1, clip.y1, clip.x0, clip.y0};
  for (const ShapeFill& fill : fills) {
    contours.push_back(FlattenContours(fill.path, kFillTolerance, &clip));
    ClipBox own{clip.x1, clip.y1, clip.x0, clip.y0};
    for (const Contour& contour : contours.back())
      for (Point p : contour.points) {
        own = {std::min(own.x0, p.x), std::min(own.y0, p.y), std::max(own.x1, p.x),
               std::max(own.y1, p.y)};
      }
    boxes.push_back(own);
    box = {std::min(box.x0, own.x0), std::min(box.y0, own.y0), std::max(box.x1, own.x1),
           std::max(box.y1, own.y1)};
  }
  if (ApartInPixels(boxes)) {  // no pixel shared: each fill straight to the target
    for (size_t i = 0; i < fills.size(); ++i) {
      Shader shader(fills[i].paint, cx);
      if (shader.Invisible()) continue;
      rasterizer_->Reset(target_.width, target_.height);
      rasterizer_->AddContours(contours[i]);
      PaintSink sink(target_, shader, mask_);
      rasterizer_->Sweep(fills[i].rule, sink);
    }
    return;
  }
  auto inside = [](float v, float limit) { return int(std::clamp(v, 0.0f, limit)); };
  const int left = inside(std::floor(box.x0), clip.x1), right = inside(std::ceil(box.x1), clip.x1);
  const int top = inside(std::floor(box.y0), clip.y1), bottom = inside(std::ceil(box.y1), clip.y1);
  if (right <= left || bottom <= top) return;
  ShapeLayer& layer = *layer_;
  layer.Reset(left, top, right - left, bottom - top);
  for (size_t i = 0; i < fills.size(); ++i) {
    Shader shader(fills[i].paint, cx);
    if (shader.Invisible()) continue;
    rasterizer_->Reset(target_.width, target_.height);
    rasterizer_->AddContours(contours[i]);
    LayerSink sink(layer, shader, mask_);
    rasterizer_->Sweep(fills[i].rule, sink);
  }
  layer.CompositeInto(target_);
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
