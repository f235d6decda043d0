// Text fields: background, border and the laid-out glyphs, embedded
// outlines or the device font's.
#include <cmath>
#include <memory>

#include "movie/player/paint.h"
#include "movie/player/renderer.h"
#include "movie/text/device_font.h"
#include "movie/text/text_layout.h"

namespace kestrova::movie {

namespace {

raster::Path Rectangle(float x0, float y0, float x1, float y1) {
  raster::Path path;
  path.MoveTo({x0, y0});
  path.LineTo({x1, y0});
  path.LineTo({x1, y1});
  path.LineTo({x0, y1});
  path.Close();
  return path;
}

raster::Path BoxPath(const swf::TwipsRect& box, const raster::Matrix& world) {
  raster::Path path = Rectangle(float(box.xMin.value), float(box.yMin.value), float(box.xMax.value),
                                float(box.yMax.value));
  path.Transform(world);
  return path;
}

// A one-pixel frame just inside the box, in target pixels.
raster::Path BorderPath(const swf::TwipsRect& box, const raster::Matrix& world) {
  raster::Path path = BoxPath(box, world);
  raster::Point a = world.Apply({float(box.xMin.value), float(box.yMin.value)});
  raster::Point b = world.Apply({float(box.xMax.value), float(box.yMax.value)});
  float x0 = std::min(a.x, b.x) + 1, y0 = std::min(a.y, b.y) + 1;
  float x1 = std::max(a.x, b.x) - 1, y1 = std::max(a.y, b.y) - 1;
  if (x1 > x0 && y1 > y0) {
    path.MoveTo({x0, y0});
    path.LineTo({x0, y1});
    path.LineTo({x1, y1});
    path.LineTo({x1, y0});
    path.Close();
  }
  return path;
}

}  // namespace

template <typename F>
void Renderer::EachFieldGlyph(const text::TextField& field, const raster::Matrix& world, F&& f) {
  const text::TextLayout& layout = field.Layout();
  const swf::TwipsRect& box = field.bounds;
  raster::Matrix base =
      world * raster::Matrix{1, 0, 0, 1, float(box.xMin.value), float(box.yMin.value)};
  // Lines that start below the box are not shown.
  const float bottom = float(box.Height().value);
  for (const text::PlacedGlyph& glyph : layout.glyphs) {
    if (glyph.lineTop >= bottom) break;
    float scale = glyph.size;
    const raster::Path* path = nullptr;
    if (glyph.fontId) {
      const ShapePaths* paths = GlyphPaths(glyph.fontId, glyph.index);
      if (!paths) continue;
      scale /= std::get<swf::Font>(*movie_->Find(glyph.fontId)).unitsPerEm;
      raster::Matrix m = base * raster::Matrix{scale, 0, 0, scale, glyph.x, glyph.y};
      for (const PathLayer& layer : paths->layers)
        for (const StyledPath& fill : layer.fills) {
          raster::Path out = fill.path;
          out.Transform(m);
          f(out, glyph.color);
        }
      continue;
    }
    auto it = deviceGlyphs_.find(glyph.code);
    if (it == deviceGlyphs_.end())
      it = deviceGlyphs_.emplace(glyph.code, text::DeviceGlyph(glyph.code)).first;
    path = &it->second;
    if (path->Empty()) continue;
    raster::Path out = *path;
    out.Transform(base * raster::Matrix{scale, 0, 0, scale, glyph.x, glyph.y});
    f(out, glyph.color);
  }
}

// Text that passes its box is cut at the box: a mask of the box (and of
// the mask already in force), made only for such fields.
void Renderer::DrawField(const text::TextField& field, const raster::Matrix& world,
                         const raster::ColorTransform& cx, const raster::Mask* mask,
                         raster::Canvas& canvas) {
  if (field.background)
    canvas.Fill(BoxPath(field.bounds, world), raster::FillRule::NonZero,
                raster::Paint::Solid(0xFF000000 | field.backgroundColor), cx);
  if (field.border)
    canvas.Fill(BorderPath(field.bounds, world), raster::FillRule::EvenOdd,
                raster::Paint::Solid(0xFF000000 | field.borderColor), cx);
  const text::TextLayout& layout = field.Layout();
  std::unique_ptr<raster::Mask> box;
  if (layout.width + 2 * text::kGutter > field.bounds.Width().value ||
      layout.height + 2 * text::kGutter > field.bounds.Height().value) {
    box = std::make_unique<raster::Mask>(canvas.Target().width, canvas.Target().height);
    canvas.FillMask(*box, BoxPath(field.bounds, world), raster::FillRule::NonZero);
    if (mask) box->Intersect(*mask);
    canvas.SetMask(box.get());
  }
  EachFieldGlyph(field, world, [&](const raster::Path& path, Pixel color) {
    canvas.Fill(path, raster::FillRule::NonZero, raster::Paint::Solid(color), cx);
  });
  canvas.SetMask(mask);
}

// A field as a mask covers where its glyphs are.
void Renderer::MaskField(const text::TextField& field, const raster::Matrix& world,
                         raster::Mask& mask, raster::Canvas& canvas) {
  EachFieldGlyph(field, world, [&](const raster::Path& path, Pixel) {
    canvas.FillMask(mask, path, raster::FillRule::NonZero);
  });
}

}  // namespace kestrova::movie
