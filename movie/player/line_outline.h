// Shape lines to the outlines the canvas fills: the line style's width,
// caps and joins, with the pen scaled by the placement as the original
// player scales it (a clip squeezed on one axis keeps its line width on
// the other).
#pragma once

#include "movie/raster/raster.h"
#include "movie/swf/movie.h"

namespace kestrova::movie {

// `path` in shape twips; the outline in target pixels, filled non-zero.
raster::Path LineOutline(const raster::Path& path, const swf::LineStyle& line,
                         const raster::Matrix& world);

}  // namespace kestrova::movie
