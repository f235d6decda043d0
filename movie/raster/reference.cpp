#include "movie/raster/reference.h"

#include <algorithm>
#include <cmath>

#include "movie/raster/shader.h"

namespace kestrova::raster {
namespace {

struct DPoint {
  double x, y;
};

// Sutherland-Hodgman against one half-plane: keeps the side where
// `inside` holds; the signed area of the result is exact for any polygon.
template <typename Inside, typename Cut>
std::vector<DPoint> ClipHalf(const std::vector<DPoint>& in, Inside inside, Cut cut) {
  std::vector<DPoint> out;
  for (size_t i = 0; i < in.size(); ++i) {
    DPoint a = in[i], b = in[(i + 1) % in.size()];
    bool ia = inside(a), ib = inside(b);
    if (ia) out.push_back(a);
    if (ia != ib) out.push_back(cut(a, b));
  }
  return out;
}

double AreaInSquare(const std::vector<DPoint>& polygon, double x0, double y0) {
  const double x1 = x0 + 1, y1 = y0 + 1;
  auto atX = [](double x) {
    return [x](DPoint a, DPoint b) {
      return DPoint{x, a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x)};
    };
  };
  auto atY = [](double y) {
    return [y](DPoint a, DPoint b) {
      return DPoint{a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y), y};
    };
  };
  std::vector<DPoint> p = polygon;
  p = ClipHalf(
      p, [x0](DPoint q) { return q.x >= x0; }, atX(x0));
  p = ClipHalf(
      p, [x1](DPoint q) { return q.x <= x1; }, atX(x1));
  p = ClipHalf(
      p, [y0](DPoint q) { return q.y >= y0; }, atY(y0));
  p = ClipHalf(
      p, [y1](DPoint q) { return q.y <= y1; }, atY(y1));
  double twice = 0;
  for (size_t i = 0; i < p.size(); ++i) {
    DPoint a = p[i], b = p[(i + 1) % p.size()];
    twice += a.x * b.y - b.x * a.y;
  }
  return twice / 2;
}

}  // namespace

std::vector<double> ReferenceArea(const std::vector<Contour>& contours, int width, int height) {
  std::vector<double> area(size_t(std::max(width, 0)) * std::max(height, 0), 0.0);
  for (const Contour& contour : contours) {
    std::vector<DPoint> polygon;
    double minx = INFINITY, miny = INFINITY, maxx = -INFINITY, maxy = -INFINITY;
    for (Point p : contour.points) {
      polygon.push_back({p.x, p.y});
      minx = std::min<double>(minx, p.x), maxx = std::max<double>(maxx, p.x);
      miny = std::min<double>(miny, p.y), maxy = std::max<double>(maxy, p.y);
    }
    int x0 = int(std::clamp(std::floor(minx), 0.0, double(width)));
    int x1 = int(std::clamp(std::ceil(maxx), 0.0, double(width)));
    int y0 = int(std::clamp(std::floor(miny), 0.0, double(height)));
    int y1 = int(std::clamp(std::ceil(maxy), 0.0, double(height)));
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) area[size_t(y) * width + x] += AreaInSquare(polygon, x, y);
  }
  return area;
}

double ReferenceFold(double area, FillRule rule) {
  double a = std::fabs(area);
  if (rule == FillRule::NonZero) return std::min(a, 1.0);
  a = std::fmod(a, 2.0);
  return a > 1 ? 2 - a : a;
}

void ReferenceFill(PixelView target, const Path& path, FillRule rule, const Paint& paint,
                   const ColorTransform& cx, const Mask* mask) {
  std::vector<double> area =
      ReferenceArea(FlattenContours(path, kFillTolerance), target.width, target.height);
  Shader shader(paint, cx);
  for (int y = 0; y < target.height; ++y) {
    for (int x = 0; x < target.width; ++x) {
      double c = ReferenceFold(area[size_t(y) * target.width + x], rule);
      if (mask) c *= (x < mask->Width() && y < mask->Height()) ? mask->Row(y)[x] / 255.0 : 0.0;
      if (c == 0) continue;
      Pixel src = shader.At(x, y), dst = target.At(x, y);
      double keep = 1 - c * double(src >> 24) / 255;
      Pixel out = 0;
      for (int shift = 0; shift < 32; shift += 8) {
        double v = double((src >> shift) & 0xFF) * c + double((dst >> shift) & 0xFF) * keep;
        out |= Pixel(std::clamp(std::lround(v), 0l, 255l)) << shift;
      }
      target.At(x, y) = out;
    }
  }
}

}  // namespace kestrova::raster
