// Shape to paths: the SWF edge soup (each edge naming the fill on either
// side and its line) turned into closed contours per fill style and
// polylines per line style, in twips, ready for raster::Canvas.
#pragma once

#include <cstdint>
#include <vector>

#include "movie/raster/raster.h"
#include "movie/swf/movie.h"

namespace kestrova::movie {

struct StyledPath {
  uint16_t style = 0;  // 1-based index into the shape's fills or lines
  raster::Path path;
};

// One new-style group: its fills are drawn first, then its lines.
struct PathLayer {
  std::vector<StyledPath> fills;
  std::vector<StyledPath> strokes;
};

struct ShapePaths {
  std::vector<PathLayer> layers;
};

ShapePaths BuildShapePaths(const swf::Shape& shape);

}  // namespace kestrova::movie
