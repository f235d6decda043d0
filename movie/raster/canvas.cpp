// The canvas: paths flattened, rasterized and painted or gathered into masks.
#include <algorithm>
#include <cmath>

#include "movie/raster/compositor.h"
#include "movie/raster/coverage.h"
#include "movie/raster/flatten.h"
#include "movie/raster/kept_coverage.h"
#include "movie/raster/pixel_math.h"
#include "movie/raster/raster.h"
#include "movie/raster/shape_layer.h"

namespace kestrova::raster {
namespace {

void AddPath(CoverageRasterizer& rasterizer, const Path& path, int width, int height) {
  rasterizer.Reset(width, height);
  rasterizer.AddPath(path, kFillTolerance);
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
      layer_(std::make_shared<ShapeLayer>()),
      budget_(std::make_shared<CoverageBudget>()) {}

void Canvas::LimitKeptCoverage(size_t bytes) { budget_->limit = bytes; }

size_t Canvas::KeptCoverageBytes() const { return budget_->used; }

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

// A shape's fills in the target: their contours clipped to it, and
// whether they can go straight to it one by one or share a layer (the
// layer's box, in target pixels).
struct Canvas::Geometry {
  std::vector<std::vector<Contour>> contours;
  bool apart = true;
  int left = 0, top = 0, right = 0, bottom = 0;
};

Canvas::Geometry Canvas::Measure(std::span<const ShapeFill> fills) {
  const ClipBox clip{0, 0, float(target_.width), float(target_.height)};
  Geometry geometry;
  std::vector<ClipBox> boxes;
  ClipBox box{clip.x1, clip.y1, clip.x0, clip.y0};
  for (const ShapeFill& fill : fills) {
    geometry.contours.push_back(FlattenContours(fill.path, kFillTolerance, &clip));
    ClipBox own{clip.x1, clip.y1, clip.x0, clip.y0};
    for (const Contour& contour : geometry.contours.back())
      for (Point p : contour.points) {
        own = {std::min(own.x0, p.x), std::min(own.y0, p.y), std::max(own.x1, p.x),
               std::max(own.y1, p.y)};
      }
    boxes.push_back(own);
    box = {std::min(box.x0, own.x0), std::min(box.y0, own.y0), std::max(box.x1, own.x1),
           std::max(box.y1, own.y1)};
  }
  geometry.apart = ApartInPixels(boxes);
  auto inside = [](float v, float limit) { return int(std::clamp(v, 0.0f, limit)); };
  geometry.left = inside(std::floor(box.x0), clip.x1);
  geometry.right = inside(std::ceil(box.x1), clip.x1);
  geometry.top = inside(std::floor(box.y0), clip.y1);
  geometry.bottom = inside(std::ceil(box.y1), clip.y1);
  return geometry;
}

void Canvas::FillShape(std::span<const ShapeFill> fills, const ColorTransform& cx,
                       KeptCoverage* kept) {
  if (target_.Empty() || fills.empty()) return;
  if (kept && Keep(fills, *kept)) {
    PaintKept(fills, cx, *kept);
    if (kept->state == KeptCoverage::State::TooLarge) kept->fills = {};
    return;
  }
  if (fills.size() == 1) {  // no edge to share: straight to the target
    Fill(fills[0].path, fills[0].rule, fills[0].paint, cx);
    return;
  }
  const Geometry geometry = Measure(fills);
  if (geometry.apart) {  // no pixel shared: each fill straight to the target
    for (size_t i = 0; i < fills.size(); ++i) {
      Shader shader(fills[i].paint, cx);
      if (shader.Invisible()) continue;
      rasterizer_->Reset(target_.width, target_.height);
      rasterizer_->AddContours(geometry.contours[i]);
      PaintSink sink(target_, shader, mask_);
      rasterizer_->Sweep(fills[i].rule, sink);
    }
    return;
  }
  if (geometry.right <= geometry.left || geometry.bottom <= geometry.top) return;
  ShapeLayer& layer = *layer_;
  layer.Reset(geometry.left, geometry.top, geometry.right - geometry.left,
              geometry.bottom - geometry.top);
  for (size_t i = 0; i < fills.size(); ++i) {
    Shader shader(fills[i].paint, cx);
    if (shader.Invisible()) continue;
    rasterizer_->Reset(target_.width, target_.height);
    rasterizer_->AddContours(geometry.contours[i]);
    LayerSink sink(layer, shader, mask_);
    rasterizer_->Sweep(fills[i].rule, sink);
  }
  layer.CompositeInto(target_);
}

// Whether `kept` holds the fills' coverage for this target now. It is
// swept on the group's first draw at one size: every fill, the invisible
// ones too, since the next colour transform may show them.
bool Canvas::Keep(std::span<const ShapeFill> fills, KeptCoverage& kept) {
  if (kept.width != target_.width || kept.height != target_.height ||
      (kept.state == KeptCoverage::State::Held && kept.fills.size() != fills.size())) {
    kept.Forget();
    kept.width = target_.width;
    kept.height = target_.height;
  }
  if (kept.state == KeptCoverage::State::Held) return true;
  if (kept.state == KeptCoverage::State::TooLarge) return false;
  kept.fills.resize(fills.size());
  for (CoverageRecord& record : kept.fills) record.Clear();
  if (fills.size() == 1) {
    kept.apart = true;
    AddPath(*rasterizer_, fills[0].path, target_.width, target_.height);
    rasterizer_->Sweep(fills[0].rule, kept.fills[0]);
  } else {
    const Geometry geometry = Measure(fills);
    kept.apart = geometry.apart;
    kept.left = geometry.left, kept.top = geometry.top;
    kept.right = geometry.right, kept.bottom = geometry.bottom;
    for (size_t i = 0; i < fills.size(); ++i) {
      rasterizer_->Reset(target_.width, target_.height);
      rasterizer_->AddContours(geometry.contours[i]);
      rasterizer_->Sweep(fills[i].rule, kept.fills[i]);
    }
  }
  kept.state = kept.Charge(budget_) ? KeptCoverage::State::Held : KeptCoverage::State::TooLarge;
  return true;
}

void Canvas::PaintKept(std::span<const ShapeFill> fills, const ColorTransform& cx,
                       const KeptCoverage& kept) {
  if (kept.apart) {
    for (size_t i = 0; i < fills.size(); ++i) {
      Shader shader(fills[i].paint, cx);
      if (shader.Invisible()) continue;
      PaintSink sink(target_, shader, mask_);
      kept.fills[i].Replay(sink);
    }
    return;
  }
  if (kept.right <= kept.left || kept.bottom <= kept.top) return;
  ShapeLayer& layer = *layer_;
  layer.Reset(kept.left, kept.top, kept.right - kept.left, kept.bottom - kept.top);
  for (size_t i = 0; i < fills.size(); ++i) {
    Shader shader(fills[i].paint, cx);
    if (shader.Invisible()) continue;
    LayerSink sink(layer, shader, mask_);
    kept.fills[i].Replay(sink);
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
