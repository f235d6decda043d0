// Exact-area coverage by signed-area accumulation.
//
// Each edge adds, to the cells of the rows it crosses, the signed area it
// sweeps to its right; a running sum along a row then gives every pixel its
// covered area (times the winding number), which the fill rule folds into
// 0..255. Edges are clipped to the target first: what lies left of it
// becomes a vertical edge on its left side, the rest outside is dropped.
#pragma once

#include <cstdint>
#include <vector>

#include "movie/raster/flatten.h"
#include "movie/raster/raster.h"

namespace kestrova::raster {

// Receives the coverage of one fill, row by row, left to right. Spans never
// overlap and lie inside the target.
class SpanSink {
 public:
  virtual ~SpanSink() = default;
  virtual void Constant(int y, int x, int count, uint8_t cover) = 0;
  virtual void Varying(int y, int x, int count, const uint8_t* cover) = 0;
};

// Folds an accumulated area into 0..255 coverage.
inline uint8_t FoldCoverage(float area, FillRule rule) {
  float a = area < 0 ? -area : area;
  if (rule == FillRule::EvenOdd) {
    a -= 2.0f * float(int(a * 0.5f));
    if (a > 1) a = 2 - a;
  } else if (a > 1) {
    a = 1;
  }
  return uint8_t(a * 255.0f + 0.5f);
}

// Reusable between fills (its buffers keep their capacity).
class CoverageRasterizer final : private ContourSink {
 public:
  void Reset(int width, int height);
  void AddContours(const std::vector<Contour>& contours);
  // The path flattened for the target (as AddContours of FlattenContours
  // with Clip(), without building the contours).
  void AddPath(const Path& path, float tolerance);
  void AddLine(Point a, Point b);
  // Emits the coverage of everything added, then forgets the edges.
  void Sweep(FillRule rule, SpanSink& sink);
  ClipBox Clip() const { return {0, 0, float(width_), float(height_)}; }

 private:
  struct Edge {
    float x0, y0, x1, y1;  // y0 < y1
    float dir;             // +1 downwards in the source path, -1 upwards
  };
  struct Run {
    int first, last;  // cells touched in one row, inclusive
  };
  static constexpr int kBandRows = 16;

  void Add(const std::vector<Point>& points, bool closed) override;
  void AddClipped(double x0, double y0, double x1, double y1);
  void AddEdge(double xa, double ya, double xb, double yb, float dir);
  void SortIntoBands(int top, int bottom);
  void Accumulate(const Edge& e, float top, float bottom, int bandTop);
  void EmitRow(int y, float* cells, std::vector<Run>& runs, FillRule rule, SpanSink& sink);

  int width_ = 0, height_ = 0;
  std::vector<Edge> edges_;
  float minX_ = 0, maxX_ = 0, minY_ = 0, maxY_ = 0;
  int left_ = 0, cellsPerRow_ = 0;  // band geometry of the current sweep
  std::vector<float> cells_;
  std::vector<std::vector<Run>> runs_;
  std::vector<uint8_t> cover_;
  std::vector<size_t> active_;
  std::vector<Edge> sorted_;
  std::vector<size_t> bandStart_;  // first edge of each band after sorting
  std::vector<Point> flat_;        // the contour AddPath is flattening
};

}  // namespace kestrova::raster
