#include "movie/player/filters.h"

#include <algorithm>
#include <cmath>

#include "movie/player/filter_ops.h"
#include "movie/raster/box_blur.h"
#include "movie/raster/pixel_math.h"

namespace kestrova::movie {

namespace {

using swf::Filter;

struct Box {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom excluded
  bool Empty() const { return right <= left || bottom <= top; }
};

Box ContentBox(PixelView view) {
  Box box{view.width, view.height, 0, 0};
  for (int y = 0; y < view.height; ++y) {
    const Pixel* row = view.Row(y);
    int x = 0;
    while (x < view.width && row[x] == 0) ++x;
    if (x == view.width) continue;
    int end = view.width;
    while (row[end - 1] == 0) --end;
    box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, end),
           std::max(box.bottom, y + 1)};
  }
  return box;
}

bool Shadowing(Filter::Kind kind) {
  return kind == Filter::Kind::DropShadow || kind == Filter::Kind::Glow ||
         kind == Filter::Kind::GradientGlow || kind == Filter::Kind::Bevel ||
         kind == Filter::Kind::GradientBevel;
}

// How far a filter spreads what the object drew, in target pixels; an
// inner shadow reads twice as far (what lies outside shades the inside).
void Grow(const Filter& f, float scale, int limit, int& x, int& y) {
  if (f.kind != Filter::Kind::Blur && !Shadowing(f.kind)) return;
  const float distance = std::clamp(f.distance * scale, -float(limit), float(limit));
  const int offsetX = int(std::ceil(std::fabs(std::cos(f.angle) * distance)));
  const int offsetY = int(std::ceil(std::fabs(std::sin(f.angle) * distance)));
  const int reachX = raster::BlurReach(f.blurX * scale, f.passes) + offsetX;
  const int reachY = raster::BlurReach(f.blurY * scale, f.passes) + offsetY;
  const int times = f.inner ? 2 : 1;
  x = std::min(limit, x + reachX * times);
  y = std::min(limit, y + reachY * times);
}

void ApplyOne(PixelBuffer& image, const Filter& f, float scale) {
  switch (f.kind) {
    case Filter::Kind::Blur:
      filter_ops::Blur(image, f, scale);
      break;
    case Filter::Kind::DropShadow:
    case Filter::Kind::Glow:
    case Filter::Kind::GradientGlow:
      filter_ops::Shadow(image, f, scale);
      break;
    case Filter::Kind::Bevel:
    case Filter::Kind::GradientBevel:
      filter_ops::Bevel(image, f, scale);
      break;
    case Filter::Kind::ColorMatrix:
      filter_ops::ColorMatrix(image, f);
      break;
    case Filter::Kind::Convolution:
      filter_ops::Convolution(image, f);
      break;
  }
}

// The colour transform of a filtered object colours the filters' result,
// its shadows and glows too.
void Recolour(PixelBuffer& image, const raster::ColorTransform& cx) {
  if (cx.IsIdentity()) return;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      Pixel& p = image.At(x, y);
      if (p != 0) p = raster::Premultiply(cx.Apply(raster::Unpremultiply(p)));
    }
}

}  // namespace

void ApplyFilters(PixelView layer, const std::vector<swf::Filter>& filters, float scale,
                  const raster::ColorTransform& cx) {
  if (filters.empty() || layer.Empty()) return;
  Box box = ContentBox(layer);
  if (box.Empty()) return;
  int growX = 0, growY = 0;
  const int limit = std::max(layer.width, layer.height);
  for (const Filter& f : filters) Grow(f, scale, limit, growX, growY);
  box = {std::max(0, box.left - growX), std::max(0, box.top - growY),
         std::min(layer.width, box.right + growX), std::min(layer.height, box.bottom + growY)};
  PixelBuffer image(box.right - box.left, box.bottom - box.top);
  for (int y = 0; y < image.Height(); ++y)
    std::copy_n(layer.Row(box.top + y) + box.left, image.Width(), &image.At(0, y));
  for (const Filter& f : filters) ApplyOne(image, f, scale);
  Recolour(image, cx);
  for (int y = 0; y < image.Height(); ++y)
    std::copy_n(&image.At(0, y), image.Width(), layer.Row(box.top + y) + box.left);
}

}  // namespace kestrova::movie
