// One filter of each kind over an image (premultiplied), in place. The
// image is the area the filters work on; outside it is transparent.
#pragma once

#include "common/pixels.h"
#include "movie/swf/filter.h"

namespace kestrova::movie::filter_ops {

void Blur(PixelBuffer& image, const swf::Filter& f, float scale);
// Drop shadow, glow and gradient glow.
void Shadow(PixelBuffer& image, const swf::Filter& f, float scale);
// Bevel and gradient bevel.
void Bevel(PixelBuffer& image, const swf::Filter& f, float scale);
void ColorMatrix(PixelBuffer& image, const swf::Filter& f);
void Convolution(PixelBuffer& image, const swf::Filter& f);

}  // namespace kestrova::movie::filter_ops
