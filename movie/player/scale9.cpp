#include "movie/player/scale9.h"

#include <algorithm>
#include <cmath>

namespace kestrova::movie {

namespace {

// The corners keep their size while they fit; when the placement is
// smaller than the two corners together, they shrink alike and the
// middle vanishes.
float Lerp(float v, float a, float b, float to0, float to1) {
  return b > a ? to0 + (v - a) * (to1 - to0) / (b - a) : to0;
}

bool Plain(const raster::Matrix& m) { return m.b == 0 && m.c == 0 && m.a > 0 && m.d > 0; }

Scale9Axis MakeAxis(float from0, float from1, float grid0, float grid1, float scale, float offset,
                    float corner) {
  Scale9Axis axis;
  axis.from0 = from0;
  axis.from1 = from1;
  axis.grid0 = std::clamp(grid0, from0, from1);
  axis.grid1 = std::clamp(grid1, axis.grid0, from1);
  axis.to0 = from0 * scale + offset;
  axis.to1 = from1 * scale + offset;
  axis.corner = corner;
  return axis;
}

// Where a path point lands: the path rebuilt through the map.
raster::Path Mapped(const raster::Path& path, const Scale9Map& map) {
  raster::Path out;
  const auto& points = path.Points();
  size_t at = 0;
  for (raster::Path::Verb verb : path.Verbs()) {
    switch (verb) {
      case raster::Path::Verb::Move:
        out.MoveTo(map.Apply(points[at++]));
        break;
      case raster::Path::Verb::Line:
        out.LineTo(map.Apply(points[at++]));
        break;
      case raster::Path::Verb::Quad:
        out.QuadTo(map.Apply(points[at]), map.Apply(points[at + 1]));
        at += 2;
        break;
      case raster::Path::Verb::Close:
        out.Close();
        break;
    }
  }
  return out;
}

}  // namespace

float Scale9Axis::Map(float v) const {
  float left = (grid0 - from0) * corner, right = (from1 - grid1) * corner;
  const float total = to1 - to0;
  if (left + right > total && left + right > 0) {
    const float k = total / (left + right);
    left *= k;
    right *= k;
  }
  if (v <= grid0) return Lerp(v, from0, grid0, to0, to0 + left);
  if (v >= grid1) return Lerp(v, grid1, from1, to1 - right, to1);
  return Lerp(v, grid0, grid1, to0 + left, to1 - right);
}

std::optional<Scale9Map> MakeScale9(const swf::TwipsRect& bounds, const swf::TwipsRect& grid,
                                    const raster::Matrix& parent, const raster::Matrix& world) {
  if (!Plain(parent) || !Plain(world)) return std::nullopt;
  if (bounds.xMax.value <= bounds.xMin.value || bounds.yMax.value <= bounds.yMin.value)
    return std::nullopt;
  if (grid.xMax.value <= grid.xMin.value || grid.yMax.value <= grid.yMin.value) return std::nullopt;
  Scale9Map map;
  map.x = MakeAxis(float(bounds.xMin.value), float(bounds.xMax.value), float(grid.xMin.value),
                   float(grid.xMax.value), world.a, world.tx, parent.a);
  map.y = MakeAxis(float(bounds.yMin.value), float(bounds.yMax.value), float(grid.yMin.value),
                   float(grid.yMax.value), world.d, world.ty, parent.d);
  return map;
}

DeviceShape BuildScale9Shape(const swf::Shape& shape, const ShapePaths& paths,
                             const raster::Matrix& child, const raster::Matrix& world,
                             const Scale9Map& map, const ImageLookup& images) {
  // Paints and lines are made for the sprite's own placement; the outlines
  // then go back to sprite twips and through the map, so a line in a
  // corner keeps the corner's pen.
  DeviceShape device = BuildDeviceShape(shape, paths, world * child, images);
  const raster::Matrix back = world.Inverse();
  for (DeviceGroup& group : device.groups)
    for (auto* list : {&group.fills, &group.lines})
      for (raster::ShapeFill& fill : *list) {
        fill.path.Transform(back);
        fill.path = Mapped(fill.path, map);
      }
  return device;
}

}  // namespace kestrova::movie
