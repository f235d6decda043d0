// Plain, slow versions of the fast paths, kept for tests to compare against:
// coverage by clipping every contour to every pixel square (no accumulation),
// compositing in floating point, one pixel at a time.
#pragma once

#include <vector>

#include "movie/raster/flatten.h"
#include "movie/raster/raster.h"

namespace kestrova::raster {

// Signed covered area (winding-weighted) of each pixel, row-major.
std::vector<double> ReferenceArea(const std::vector<Contour>& contours, int width, int height);

// Coverage 0..1 of a signed area under a fill rule.
double ReferenceFold(double area, FillRule rule);

// What Canvas::Fill does, the plain way.
void ReferenceFill(PixelView target, const Path& path, FillRule rule, const Paint& paint,
                   const ColorTransform& cx = {}, const Mask* mask = nullptr);

}  // namespace kestrova::raster
