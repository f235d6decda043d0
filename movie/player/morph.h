// A morph shape at a ratio: every coordinate, colour, width and matrix
// interpolated between the start and end shapes.
#pragma once

#include "movie/swf/movie.h"

namespace kestrova::movie {

// t in 0..1 (PlaceObject's ratio / 65535).
swf::Shape Interpolate(const swf::MorphShape& morph, float t);

}  // namespace kestrova::movie
