// Shared helpers of the rasterizer tests: shapes and pixel comparisons.
#pragma once

#include <cstdlib>
#include <initializer_list>
#include <string>

#include "common/pixels.h"
#include "movie/raster/raster.h"

namespace kestrova::raster::testing {

inline Path Polygon(std::initializer_list<Point> points) {
  Path path;
  bool first = true;
  for (Point p : points) {
    if (first)
      path.MoveTo(p);
    else
      path.LineTo(p);
    first = false;
  }
  path.Close();
  return path;
}

inline Path Rect(float x0, float y0, float x1, float y1) {
  return Polygon({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
}

// The largest per-channel difference between two pictures of one size.
inline int MaxDifference(PixelView a, PixelView b) {
  int worst = 0;
  for (int y = 0; y < a.height; ++y)
    for (int x = 0; x < a.width; ++x)
      for (int shift = 0; shift < 32; shift += 8)
        worst = std::max(
            worst, std::abs(int((a.At(x, y) >> shift) & 0xFF) - int((b.At(x, y) >> shift) & 0xFF)));
  return worst;
}

// Coverage of a white-on-transparent fill, as the alpha channel.
inline int Alpha(const PixelBuffer& buffer, int x, int y) { return PixelA(buffer.At(x, y)); }

}  // namespace kestrova::raster::testing
