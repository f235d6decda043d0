// Strokes to polygons.
//
// Each contour is flattened; an open one becomes a single outline: its left
// offset forwards, the end cap, its right offset backwards (the left offset
// of the reversed polyline), the start cap. A closed one becomes two rings,
// the left offsets of the polyline and of its reverse, which wind in
// opposite directions so the non-zero rule leaves the hole empty. The outer
// side of a corner gets the join; the inner side meets at the offset lines'
// crossing, or, where the segments are too short for that, goes through the
// corner itself (the loops this makes only ever add winding).
#include <algorithm>
#include <cmath>

#include "movie/raster/flatten.h"
#include "movie/raster/raster.h"

namespace kestrova::raster {
namespace {

constexpr float kStrokeTolerance = 0.05f;
constexpr float kPi = 3.14159265f;
constexpr int kMaxArcSteps = 128;  // per half turn, whatever the width
constexpr float kMaxWidth = 1e7f;

Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
Point operator*(Point a, float s) { return {a.x * s, a.y * s}; }
float Dot(Point a, Point b) { return a.x * b.x + a.y * b.y; }
float Cross(Point a, Point b) { return a.x * b.y - a.y * b.x; }
float Length(Point a) { return std::sqrt(Dot(a, a)); }
Point Normal(Point d) { return {-d.y, d.x}; }  // the left of d, unit when d is
Point Rotate(Point a, float angle) {
  float c = std::cos(angle), s = std::sin(angle);
  return {a.x * c - a.y * s, a.x * s + a.y * c};
}

class Stroker {
 public:
  explicit Stroker(const StrokeStyle& style) : style_(style) {
    float width = std::isfinite(style.width) ? style.width : 1;
    // Hairlines draw one pixel wide; a stroke wider than ten million pixels
    // already covers any target it comes near.
    half_ = std::clamp(width, 1.0f, kMaxWidth) / 2;
    float step = half_ > kStrokeTolerance ? 2 * std::acos(1 - kStrokeTolerance / half_) : kPi;
    arcStep_ = std::max(step, kPi / kMaxArcSteps);
  }

  void Add(const Contour& contour);
  Path Take() { return std::move(path_); }

 private:
  struct Polyline {
    std::vector<Point> points;
    std::vector<Point> dirs;  // unit direction of segment i (to the next point)
    std::vector<float> lengths;
  };
  static Polyline Segments(const std::vector<Point>& points, bool closed);
  void Side(const Polyline& line, bool closed, std::vector<Point>& out) const;
  void Join(Point v, Point dIn, Point dOut, float lenIn, float lenOut,
            std::vector<Point>& out) const;
  void Arc(Point centre, Point from, float angle, std::vector<Point>& out) const;
  void AddCap(Point end, Point outward, Cap cap, std::vector<Point>& out) const;
  void AddDot(Point centre);
  void Emit(const std::vector<Point>& outline);

  const StrokeStyle& style_;
  float half_;
  float arcStep_;
  Path path_;
};

Stroker::Polyline Stroker::Segments(const std::vector<Point>& points, bool closed) {
  Polyline line;
  for (Point p : points) {
    if (!line.points.empty() && Length(p - line.points.back()) < 1e-5f) continue;
    line.points.push_back(p);
  }
  if (closed && line.points.size() > 1 && Length(line.points.back() - line.points[0]) < 1e-5f)
    line.points.pop_back();
  size_t n = line.points.size();
  size_t segments = closed ? n : n - 1;
  for (size_t i = 0; n > 1 && i < segments; ++i) {
    // In double: the difference of two far-apart floats may not be a float.
    Point a = line.points[i], b = line.points[(i + 1) % n];
    double dx = double(b.x) - a.x, dy = double(b.y) - a.y;
    double len = std::sqrt(dx * dx + dy * dy);
    line.dirs.push_back({float(dx / len), float(dy / len)});
    line.lengths.push_back(float(len));
  }
  return line;
}

// The left offset of the polyline with the joins at its inner corners.
void Stroker::Side(const Polyline& line, bool closed, std::vector<Point>& out) const {
  const std::vector<Point>& p = line.points;
  const size_t segments = line.dirs.size();
  if (!closed) out.push_back(p[0] + Normal(line.dirs[0]) * half_);
  for (size_t i = closed ? 0 : 1; i < segments; ++i) {  // the corner at point i
    size_t prev = (i + segments - 1) % segments;
    Join(p[i], line.dirs[prev], line.dirs[i], line.lengths[prev], line.lengths[i], out);
  }
  if (!closed) out.push_back(p.back() + Normal(line.dirs.back()) * half_);
}

void Stroker::Join(Point v, Point dIn, Point dOut, float lenIn, float lenOut,
                   std::vector<Point>& out) const {
  const Point a = v + Normal(dIn) * half_, b = v + Normal(dOut) * half_;
  const float cross = Cross(dIn, dOut), dot = Dot(dIn, dOut);
  // A U-turn counts as an outer corner on both sides: rounded (or cut)
  // past the end.
  const bool uTurn = dot < 0 && std::fabs(cross) < 1e-4f;
  if (!uTurn && std::fabs(cross) < 1e-4f) {
    out.push_back(a);
    return;
  }
  if (cross > 0 && !uTurn) {  // turning towards this side: the inner corner
    const float tanHalf = cross / (1 + dot);
    if (half_ * tanHalf <= std::min(lenIn, lenOut)) {
      out.push_back(v + (Normal(dIn) + Normal(dOut)) * (half_ / (1 + dot)));
    } else {
      out.push_back(a);
      out.push_back(v);
      out.push_back(b);
    }
    return;
  }
  out.push_back(a);
  switch (style_.join) {
    case Join::Round:
      Arc(v, a - v, uTurn ? -kPi : std::atan2(cross, dot), out);
      return;
    case Join::Bevel:
      break;
    case Join::Miter: {
      // The tip is cut off miterLimit widths from the corner (the Flash
      // player's rule), across the bisector.
      const Point bisector = Normal(dIn) + Normal(dOut);
      const Point unit = uTurn ? dIn : bisector * (1 / Length(bisector));
      const float cosHalf = std::sqrt(std::max(0.0f, (1 + dot) / 2));
      const float factor = style_.miterLimit >= 1 ? style_.miterLimit : 1;  // NaN too
      const float limit = factor * 2 * half_;
      if (half_ <= limit * cosHalf) {
        out.push_back(v + unit * (half_ / cosHalf));
      } else {
        const float along = (limit - half_ * cosHalf) / Dot(dIn, unit);
        out.push_back(a + dIn * along);
        out.push_back(b - dOut * along);
      }
      break;
    }
  }
  out.push_back(b);
}

// Points on the circle around `centre` after `from`, turning by `angle`,
// ending exactly at the turned `from`. The points between lie a little
// outside the circle, where the polygon's area equals the circle's.
void Stroker::Arc(Point centre, Point from, float angle, std::vector<Point>& out) const {
  float count = std::ceil(std::fabs(angle) / arcStep_);
  int steps = count >= 1 ? int(std::min(count, 2.0f * kMaxArcSteps)) : 1;
  float step = std::fabs(angle) / float(steps);
  float scale = std::sqrt(step / std::sin(step));
  for (int i = 1; i <= steps; ++i) {
    Point p = Rotate(from, angle * float(i) / float(steps));
    out.push_back(centre + (i < steps ? p * scale : p));
  }
}

// From the left offset at `end` round to the right offset; `outward` is
// the unit direction leaving the line.
void Stroker::AddCap(Point end, Point outward, Cap cap, std::vector<Point>& out) const {
  const Point n = Normal(outward) * half_;  // the left of the line arriving here
  switch (cap) {
    case Cap::None:
      break;
    case Cap::Square:
      out.push_back(end + n + outward * half_);
      out.push_back(end - n + outward * half_);
      break;
    case Cap::Round:
      Arc(end, n, -kPi, out);
      out.pop_back();
      break;
  }
}

// A zero-length stroke: a dot in the shape of its start cap.
void Stroker::AddDot(Point c) {
  std::vector<Point> outline;
  if (style_.startCap == Cap::Round) {
    Arc(c, {half_, 0}, 2 * kPi, outline);
    outline.pop_back();  // the start again, on the circle
    float step = 2 * kPi / float(outline.size() + 1);
    outline.push_back(c + Point{half_, 0} * std::sqrt(step / std::sin(step)));
  } else if (style_.startCap == Cap::Square) {
    outline = {{c.x - half_, c.y - half_},
               {c.x + half_, c.y - half_},
               {c.x + half_, c.y + half_},
               {c.x - half_, c.y + half_}};
  }
  Emit(outline);
}

void Stroker::Emit(const std::vector<Point>& outline) {
  if (outline.size() < 3) return;
  path_.MoveTo(outline[0]);
  for (size_t i = 1; i < outline.size(); ++i) path_.LineTo(outline[i]);
  path_.Close();
}

void Stroker::Add(const Contour& contour) {
  const std::vector<Point>& points = contour.points;
  // A stroke that comes back to where it started is closed: it gets a join
  // there, not two caps.
  bool closed = contour.closed || (points.size() > 2 && points.back().x == points[0].x &&
                                   points.back().y == points[0].y);
  Polyline forward = Segments(points, closed);
  if (forward.points.size() < 2) {
    AddDot(points[0]);
    return;
  }
  if (closed && forward.points.size() == 2) {
    closed = false;  // there and back: a line with caps
    forward = Segments(points, false);
  }
  std::vector<Point> reversedPoints(forward.points.rbegin(), forward.points.rend());
  Polyline backward = Segments(reversedPoints, closed);
  std::vector<Point> outline;
  Side(forward, closed, outline);
  if (closed) {
    Emit(outline);
    outline.clear();
    Side(backward, true, outline);
    Emit(outline);
    return;
  }
  AddCap(forward.points.back(), forward.dirs.back(), style_.endCap, outline);
  Side(backward, false, outline);
  AddCap(forward.points[0], forward.dirs[0] * -1, style_.startCap, outline);
  Emit(outline);
}

}  // namespace

Path StrokeToPath(const Path& path, const StrokeStyle& style) {
  Stroker stroker(style);
  for (const Contour& contour : FlattenContours(path, kStrokeTolerance)) stroker.Add(contour);
  return stroker.Take();
}

}  // namespace kestrova::raster
