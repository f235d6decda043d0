#include "movie/player/drawing.h"

#include <algorithm>
#include <cmath>

namespace kestrova::movie {

namespace {

constexpr size_t kMaxStyles = 65535;  // style indexes are 16 bits

swf::TwipsPoint Midpoint(swf::TwipsPoint a, swf::TwipsPoint b) {
  return {{int32_t((int64_t(a.x.value) + b.x.value) / 2)},
          {int32_t((int64_t(a.y.value) + b.y.value) / 2)}};
}

// The extreme of a quadratic on one axis, if it lies inside the curve.
std::optional<double> QuadExtreme(double p0, double p1, double p2) {
  double denominator = p0 - 2 * p1 + p2;
  if (denominator == 0) return std::nullopt;
  double t = (p0 - p1) / denominator;
  if (!(t > 0 && t < 1)) return std::nullopt;
  return (1 - t) * (1 - t) * p0 + 2 * t * (1 - t) * p1 + t * t * p2;
}

}  // namespace

void Drawing::BeginFill(const swf::FillStyle& fill) {
  EndFill();
  if (shape_.fills.size() >= kMaxStyles) return;
  shape_.fills.push_back(fill);
  fill_ = static_cast<uint16_t>(shape_.fills.size());
  contourStart_ = pen_;
  ++group_;
}

void Drawing::EndFill() {
  if (!fill_) return;
  CloseContour();
  fill_ = 0;
  ++group_;  // later lines lie over this fill
}

void Drawing::SetLine(const std::optional<swf::LineStyle>& line) {
  if (!line) {
    line_ = 0;
    return;
  }
  if (shape_.lines.size() >= kMaxStyles) return;
  shape_.lines.push_back(*line);
  line_ = static_cast<uint16_t>(shape_.lines.size());
}

void Drawing::MoveTo(swf::TwipsPoint to) {
  CloseContour();
  pen_ = contourStart_ = to;
}

void Drawing::LineTo(swf::TwipsPoint to) { Add(Midpoint(pen_, to), to, false); }

void Drawing::CurveTo(swf::TwipsPoint control, swf::TwipsPoint to) { Add(control, to, true); }

void Drawing::Clear() {
  edges_ -= shape_.edges.size();
  shape_ = {};
  pen_ = contourStart_ = {};
  fill_ = line_ = group_ = 0;
  Changed();
}

void Drawing::CopyFrom(const Drawing& other) {
  if (&other == this) return;
  Clear();
  if (edges_ + other.shape_.edges.size() > kMaxDrawnEdges) return;
  shape_ = other.shape_;
  edges_ += shape_.edges.size();
  pen_ = other.pen_;
  contourStart_ = other.contourStart_;
  fill_ = other.fill_;
  line_ = other.line_;
  group_ = other.group_;
  Changed();
}

// The straight edge back to the contour's start bounds the fill; it is
// not stroked.
void Drawing::CloseContour() {
  if (!fill_ || pen_ == contourStart_) return;
  const uint16_t line = line_;
  line_ = 0;
  Add(Midpoint(pen_, contourStart_), contourStart_, false);
  line_ = line;
}

void Drawing::Add(swf::TwipsPoint control, swf::TwipsPoint to, bool curve) {
  const swf::TwipsPoint from = pen_;
  pen_ = to;
  if ((!fill_ && !line_) || edges_ >= kMaxDrawnEdges) return;
  swf::Edge edge;
  edge.from = from;
  edge.control = control;
  edge.to = to;
  edge.curve = curve;
  edge.fill1 = fill_;
  edge.line = line_;
  edge.group = group_;
  shape_.edges.push_back(edge);
  ++edges_;
  Changed();
}

const swf::Shape& Drawing::Shape() const { return shape_; }

std::shared_ptr<const ShapePaths> Drawing::SharedPaths() const {
  if (!paths_) paths_ = std::make_shared<const ShapePaths>(BuildShapePaths(shape_));
  return paths_;
}

std::optional<swf::TwipsRect> Drawing::Bounds() const {
  if (shape_.edges.empty()) return std::nullopt;
  double x0 = INFINITY, y0 = INFINITY, x1 = -INFINITY, y1 = -INFINITY;
  auto extend = [&](double x, double y, double half) {
    x0 = std::min(x0, x - half), y0 = std::min(y0, y - half);
    x1 = std::max(x1, x + half), y1 = std::max(y1, y + half);
  };
  for (const swf::Edge& e : shape_.edges) {
    const double half = e.line ? shape_.lines[e.line - 1].width.value / 2.0 : 0;
    extend(e.from.x.value, e.from.y.value, half);
    extend(e.to.x.value, e.to.y.value, half);
    if (!e.curve) continue;
    if (auto x = QuadExtreme(e.from.x.value, e.control.x.value, e.to.x.value))
      extend(*x, e.from.y.value, half);
    if (auto y = QuadExtreme(e.from.y.value, e.control.y.value, e.to.y.value))
      extend(e.from.x.value, *y, half);
  }
  auto twips = [](double v) { return swf::Twips{static_cast<int32_t>(std::lround(v))}; };
  return swf::TwipsRect{twips(x0), twips(x1), twips(y0), twips(y1)};
}

}  // namespace kestrova::movie
