// Shared helpers of the rasterizer tests: shapes and pixel comparisons.
#pragma once

#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <numbers>
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

// A star of `points` tips, alternating outer and inner radius.
inline Path Star(float cx, float cy, float outer, float inner, int points) {
  Path path;
  for (int i = 0; i < 2 * points; ++i) {
    double a = -std::numbers::pi / 2 + i * std::numbers::pi / points;
    float r = i % 2 ? inner : outer;
    Point p{cx + r * float(std::cos(a)), cy + r * float(std::sin(a))};
    if (i == 0)
      path.MoveTo(p);
    else
      path.LineTo(p);
  }
  path.Close();
  return path;
}

// A circle of eight quadratics, control points at r / cos(22.5 deg).
inline Path Circle(float cx, float cy, float r) {
  Path path;
  const float k = r / float(std::cos(std::numbers::pi / 8));
  path.MoveTo({cx + r, cy});
  for (int i = 1; i <= 8; ++i) {
    double a = i * std::numbers::pi / 4, m = a - std::numbers::pi / 8;
    path.QuadTo({cx + k * float(std::cos(m)), cy + k * float(std::sin(m))},
                {cx + r * float(std::cos(a)), cy + r * float(std::sin(a))});
  }
  path.Close();
  return path;
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
