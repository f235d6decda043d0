// SWF 8 filters drawn on a placed object's layer.
//
//   PixelBuffer layer(w, h);            // the object drawn alone, premultiplied
//   movie::ApplyFilters(layer.View(), object.filters, stageScale, cx);
//   raster::Blend(target, layer.View(), mode, mask);
//
// Filters run in list order, each on the result of the one before. Blur
// widths and distances are stage pixels (a filter keeps its size when the
// object is scaled); `scale` is target pixels per stage pixel. The area a
// filter works on is what the object drew, grown by how far the filters
// reach (a shadow's blur and offset), within the layer.
#pragma once

#include <vector>

#include "common/pixels.h"
#include "movie/raster/raster.h"
#include "movie/swf/filter.h"

namespace kestrova::movie {

// `cx` (the object's colour transform, drawn without it) colours the result.
void ApplyFilters(PixelView layer, const std::vector<swf::Filter>& filters, float scale,
                  const raster::ColorTransform& cx = {});

// Kernels larger than this on either side are not drawn (the largest
// Flash makes); a bigger one in a file would cost without bound.
constexpr int kMaxKernelSide = 15;

}  // namespace kestrova::movie
