// Signed distance shapes (pixel units, negative inside) and the paints the
// built-in pictures use.
#pragma once

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>
#include <vector>

#include "tools/skinart/art.h"

namespace kestrova::skinart {

// A rounded box over the pixel area [x0, x1) x [y0, y1).
inline Shape RoundBox(float x0, float y0, float x1, float y1, float radius) {
  return [=](float x, float y) {
    const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const float r = std::min({radius, (x1 - x0) / 2, (y1 - y0) / 2});
    const float qx = std::abs(x - cx) - (x1 - x0) / 2 + r;
    const float qy = std::abs(y - cy) - (y1 - y0) / 2 + r;
    return std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) -
           r;
  };
}

inline Shape Box(float x0, float y0, float x1, float y1) { return RoundBox(x0, y0, x1, y1, 0); }

inline Shape Circle(float cx, float cy, float r) {
  return [=](float x, float y) { return std::hypot(x - cx, y - cy) - r; };
}

// A line from a to b with round ends, `width` thick.
inline Shape Segment(float ax, float ay, float bx, float by, float width) {
  return [=](float x, float y) {
    const float dx = bx - ax, dy = by - ay;
    const float len2 = dx * dx + dy * dy;
    const float t = len2 > 0 ? std::clamp(((x - ax) * dx + (y - ay) * dy) / len2, 0.0f, 1.0f) : 0;
    return std::hypot(x - (ax + t * dx), y - (ay + t * dy)) - width / 2;
  };
}

// A polyline of round-jointed segments.
inline Shape Polyline(std::vector<std::pair<float, float>> points, float width) {
  return [=](float x, float y) {
    float d = 1e9f;
    for (size_t i = 1; i < points.size(); ++i) {
      d = std::min(d, Segment(points[i - 1].first, points[i - 1].second, points[i].first,
                              points[i].second, width)(x, y));
    }
    return d;
  };
}

inline Shape Union(Shape a, Shape b) {
  return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}
inline Shape Intersect(Shape a, Shape b) {
  return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}
inline Shape Subtract(Shape a, Shape b) {
  return [=](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}
// The shape shrunk by `d` pixels on every side.
inline Shape Inset(Shape a, float d) {
  return [=](float x, float y) { return a(x, y) + d; };
}
// The outline of a shape, `width` thick, inside its edge.
inline Shape Outline(Shape a, float width) { return Subtract(a, Inset(a, width)); }
// Everything above the line y = y0 (for gloss bands and halves).
inline Shape Above(float y0) {
  return [=](float, float y) { return y - y0; };
}

struct Stop {
  float at;  // 0..1
  Rgba color;
};

// A vertical gradient through `stops` from y0 (0) to y1 (1).
inline Paint VGradient(float y0, float y1, std::vector<Stop> stops) {
  return [=](float, float y) {
    const float t = std::clamp((y - y0) / (y1 - y0), 0.0f, 1.0f);
    if (t <= stops.front().at) return stops.front().color;
    for (size_t i = 1; i < stops.size(); ++i) {
      if (t <= stops[i].at) {
        const float span = stops[i].at - stops[i - 1].at;
        return Mix(stops[i - 1].color, stops[i].color, span > 0 ? (t - stops[i - 1].at) / span : 1);
      }
    }
    return stops.back().color;
  };
}

// A radial glow around (cx, cy) fading to transparent at `radius`.
inline Paint Glow(float cx, float cy, float radius, Rgba color) {
  return [=](float x, float y) {
    const float t = std::clamp(1 - std::hypot(x - cx, y - cy) / radius, 0.0f, 1.0f);
    return WithAlpha(color, color.a * t * t);
  };
}

}  // namespace kestrova::skinart
