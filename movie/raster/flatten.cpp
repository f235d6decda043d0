#include "movie/raster/flatten.h"

#include <algorithm>
#include <cmath>

namespace kestrova::raster {
namespace {

bool Finite(Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }

bool OutsideClip(Point p0, Point p1, Point p2, const ClipBox* clip) {
  if (!clip) return false;
  float minx = std::min({p0.x, p1.x, p2.x}), maxx = std::max({p0.x, p1.x, p2.x});
  float miny = std::min({p0.y, p1.y, p2.y}), maxy = std::max({p0.y, p1.y, p2.y});
  return maxx < clip->x0 || minx > clip->x1 || maxy < clip->y0 || miny > clip->y1;
}

// Uniform steps: a quadratic's chord error after n steps is |p0 - 2p1 + p2| / (4 n^2).
int CurveSteps(Point p0, Point p1, Point p2, float tolerance) {
  double ddx = double(p0.x) - 2.0 * p1.x + p2.x, ddy = double(p0.y) - 2.0 * p1.y + p2.y;
  double error = std::sqrt(ddx * ddx + ddy * ddy) / 4.0;
  double steps = std::ceil(std::sqrt(error / std::max(tolerance, 1e-3f)));
  if (!(steps >= 1)) return 1;
  return int(std::min<double>(steps, kMaxCurveSegments));
}

// Uniform steps leave every chord the same distance from its arc: the arc
// bulges by -dd h^2 / 4 (dd = p0 - 2 p1 + p2, h = 1 / steps). Moving the
// inner points two thirds of that towards the arc makes each chord straddle
// it, so the area lost inside a chord is won back beside it.
void AppendCurve(std::vector<Point>& out, Point p0, Point p1, Point p2, float tolerance,
                 const ClipBox* clip) {
  int steps = OutsideClip(p0, p1, p2, clip) ? 1 : CurveSteps(p0, p1, p2, tolerance);
  float h = 1.0f / float(steps);
  float shift = -h * h / 6;
  Point offset{(p0.x - 2 * p1.x + p2.x) * shift, (p0.y - 2 * p1.y + p2.y) * shift};
  for (int i = 1; i < steps; ++i) {
    float t = float(i) * h, u = 1 - t;
    out.push_back({u * u * p0.x + 2 * u * t * p1.x + t * t * p2.x + offset.x,
                   u * u * p0.y + 2 * u * t * p1.y + t * t * p2.y + offset.y});
  }
  out.push_back(p2);
}

class ContourBuilder {
 public:
  ContourBuilder(std::vector<Point>& points, ContourSink& sink) : points_(points), sink_(sink) {
    points_.clear();
  }

  void Start(Point p) {
    Finish(false);
    points_.assign(1, p);
    start_ = p;
    finite_ = Finite(p);
  }
  Point Last() const { return points_.empty() ? start_ : points_.back(); }
  std::vector<Point>& Points() {
    if (points_.empty()) Start(start_);
    return points_;
  }
  void Check(Point p) { finite_ = finite_ && Finite(p); }
  void Finish(bool closed) {
    if (points_.size() >= 2 && finite_) {
      if (closed && points_.size() > 2 && points_.back().x == points_.front().x &&
          points_.back().y == points_.front().y)
        points_.pop_back();
      sink_.Add(points_, closed);
    }
    points_.clear();
    finite_ = true;
  }

 private:
  std::vector<Point>& points_;
  ContourSink& sink_;
  Point start_{};
  bool finite_ = true;
};

class ContourList final : public ContourSink {
 public:
  explicit ContourList(std::vector<Contour>& out) : out_(out) {}
  void Add(const std::vector<Point>& points, bool closed) override {
    out_.push_back({points, closed});
  }

 private:
  std::vector<Contour>& out_;
};

}  // namespace

void FlattenEach(const Path& path, float tolerance, const ClipBox* clip, std::vector<Point>& points,
                 ContourSink& sink) {
  ContourBuilder builder(points, sink);
  const std::vector<Point>& pts = path.Points();
  size_t i = 0;
  for (Path::Verb verb : path.Verbs()) {
    switch (verb) {
      case Path::Verb::Move:
        builder.Start(pts[i++]);
        break;
      case Path::Verb::Line:
        builder.Points().push_back(pts[i]);
        builder.Check(pts[i++]);
        break;
      case Path::Verb::Quad: {
        Point from = builder.Last();
        std::vector<Point>& out = builder.Points();
        builder.Check(pts[i]);
        builder.Check(pts[i + 1]);
        if (Finite(pts[i]) && Finite(pts[i + 1]) && Finite(from))
          AppendCurve(out, from, pts[i], pts[i + 1], tolerance, clip);
        else
          out.push_back(pts[i + 1]);
        i += 2;
        break;
      }
      case Path::Verb::Close: {
        Point start = builder.Points().front();
        builder.Finish(true);
        builder.Start(start);
        break;
      }
    }
  }
  builder.Finish(false);
}

std::vector<Contour> FlattenContours(const Path& path, float tolerance, const ClipBox* clip) {
  std::vector<Contour> contours;
  std::vector<Point> points;
  ContourList list(contours);
  FlattenEach(path, tolerance, clip, points, list);
  return contours;
}

std::vector<std::vector<Point>> Flatten(const Path& path, float tolerance) {
  std::vector<std::vector<Point>> result;
  for (Contour& contour : FlattenContours(path, tolerance)) {
    if (contour.closed) contour.points.push_back(contour.points.front());
    result.push_back(std::move(contour.points));
  }
  return result;
}

}  // namespace kestrova::raster
