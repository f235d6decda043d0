// Scale-9 grids (DefineScalingGrid): a sprite scaled unevenly keeps its
// corners at its parent's scale, its edges stretch along their own axis
// only and the centre takes up the rest. Its shapes are mapped region by
// region, piecewise linear along each axis.
//
//   if (auto map = MakeScale9(bounds, grid, parentWorld, world)) {
//     DeviceShape mapped = BuildScale9Shape(shape, paths, child, world, *map, images);
//     DrawShape(mapped, cx, context);
//   }
#pragma once

#include <optional>

#include "movie/player/device_shapes.h"
#include "movie/swf/movie.h"

namespace kestrova::movie {

// One axis: sprite twips to target pixels.
struct Scale9Axis {
  float from0 = 0, grid0 = 0, grid1 = 0, from1 = 0;  // bounds and grid lines, twips
  float to0 = 0, to1 = 0;                            // where the bounds land, pixels
  float corner = 0;                                  // pixels per twip outside the grid
  float Map(float v) const;
};

struct Scale9Map {
  Scale9Axis x, y;
  raster::Point Apply(raster::Point p) const { return {x.Map(p.x), y.Map(p.y)}; }
};

// The map of a sprite whose shapes lie in `bounds` (its twips) drawn at
// `world` under `parent`. Nothing when the grid cannot apply: a rotated,
// skewed or mirrored placement, or empty bounds or grid.
std::optional<Scale9Map> MakeScale9(const swf::TwipsRect& bounds, const swf::TwipsRect& grid,
                                    const raster::Matrix& parent, const raster::Matrix& world);

// A child shape of the sprite (placed by `child` in the sprite's twips)
// in target pixels through the map.
DeviceShape BuildScale9Shape(const swf::Shape& shape, const ShapePaths& paths,
                             const raster::Matrix& child, const raster::Matrix& world,
                             const Scale9Map& map, const ImageLookup& images);

}  // namespace kestrova::movie
