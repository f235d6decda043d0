#include "movie/player/line_outline.h"

#include <algorithm>
#include <cmath>

namespace kestrova::movie {

namespace {

raster::Cap ToCap(swf::CapStyle cap) {
  switch (cap) {
    case swf::CapStyle::None:
      return raster::Cap::None;
    case swf::CapStyle::Square:
      return raster::Cap::Square;
    default:
      return raster::Cap::Round;
  }
}

raster::Join ToJoin(swf::JoinStyle join) {
  switch (join) {
    case swf::JoinStyle::Bevel:
      return raster::Join::Bevel;
    case swf::JoinStyle::Miter:
      return raster::Join::Miter;
    default:
      return raster::Join::Round;
  }
}

// The largest and smallest stretch of the matrix's linear part.
std::pair<float, float> SingularValues(const raster::Matrix& m) {
  const float e = (m.a + m.d) / 2, f = (m.a - m.d) / 2;
  const float g = (m.b + m.c) / 2, h = (m.b - m.c) / 2;
  const float q = std::hypot(e, h), r = std::hypot(f, g);
  return {q + r, std::fabs(q - r)};
}

}  // namespace

// A uniformly scaled placement strokes in target pixels directly. Otherwise
// the line is stroked in a space scaled by the largest stretch (fine enough
// for the curves) and the outline is squeezed from there into place, so
// the pen is squeezed with the shape.
raster::Path LineOutline(const raster::Path& path, const swf::LineStyle& line,
                         const raster::Matrix& world) {
  const auto [large, small] = SingularValues(world);
  raster::StrokeStyle style;
  style.startCap = ToCap(line.startCap);
  style.endCap = ToCap(line.endCap);
  style.join = ToJoin(line.join);
  style.miterLimit = line.miterLimit;
  raster::Path local = path;
  if (!(large > 0) || small >= large * 0.99f) {
    style.width = line.width.value * std::sqrt(large * small);
    local.Transform(world);
    return raster::StrokeToPath(local, style);
  }
  style.width = line.width.value * large;
  local.Transform({large, 0, 0, large, 0, 0});
  raster::Path outline = raster::StrokeToPath(local, style);
  const float inv = 1 / large;
  outline.Transform(
      {world.a * inv, world.b * inv, world.c * inv, world.d * inv, world.tx, world.ty});
  return outline;
}

}  // namespace kestrova::movie
