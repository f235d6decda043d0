// Curve flattening: paths to polylines.
#pragma once

#include <vector>

#include "movie/raster/raster.h"

namespace kestrova::raster {

struct Contour {
  std::vector<Point> points;  // at least two; a closed contour does not repeat its start
  bool closed = false;        // ended by Close
};

// The region that matters to a fill; curves whose control points lie wholly
// outside it need only their chord (their coverage inside is the same).
struct ClipBox {
  float x0, y0, x1, y1;
};

// Curve flattening for fills: a twentieth of a pixel keeps the coverage of
// a curve within a few levels of the true curve's.
constexpr float kFillTolerance = 0.05f;

// The most line segments one quadratic becomes, whatever its size.
constexpr int kMaxCurveSegments = 256;

// Contours holding a non-finite coordinate are dropped whole, so a dropped
// edge can never leave a contour open.
std::vector<Contour> FlattenContours(const Path& path, float tolerance,
                                     const ClipBox* clip = nullptr);

// Receives the contours FlattenContours returns, one at a time.
class ContourSink {
 public:
  virtual ~ContourSink() = default;
  virtual void Add(const std::vector<Point>& points, bool closed) = 0;
};

// FlattenContours without its vectors: each contour is built in `points`
// (whose memory serves every call) and handed to `sink`.
void FlattenEach(const Path& path, float tolerance, const ClipBox* clip, std::vector<Point>& points,
                 ContourSink& sink);

}  // namespace kestrova::raster
