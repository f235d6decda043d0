// SWF styles and transforms to the rasterizer's paints, matrices and
// colour transforms.
#pragma once

#include <functional>
#include <memory>

#include "movie/raster/raster.h"
#include "movie/swf/movie.h"

namespace kestrova::movie {

// Twips and scale terms as they are: shapes are drawn in twips.
raster::Matrix ToRaster(const swf::Matrix& m);
raster::ColorTransform ToRaster(const swf::ColorTransform& cx);

using ImageLookup = std::function<std::shared_ptr<const raster::Image>(uint16_t bitmapId)>;

// `world` maps the shape's twips to target pixels. A bitmap fill whose
// bitmap is missing yields nothing (false).
bool MakePaint(const swf::FillStyle& fill, const raster::Matrix& world, const ImageLookup& images,
               raster::Paint& paint);

}  // namespace kestrova::movie
