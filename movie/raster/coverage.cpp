#include "movie/raster/coverage.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kestrova::raster {

void CoverageRasterizer::Reset(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  edges_.clear();
  minX_ = minY_ = std::numeric_limits<float>::max();
  maxX_ = maxY_ = std::numeric_limits<float>::lowest();
}

void CoverageRasterizer::AddContours(const std::vector<Contour>& contours) {
  for (const Contour& contour : contours) Add(contour.points, contour.closed);
}

void CoverageRasterizer::AddPath(const Path& path, float tolerance) {
  const ClipBox clip = Clip();
  FlattenEach(path, tolerance, &clip, flat_, *this);
}

// Every contour is filled closed, whether or not its path closed it.
void CoverageRasterizer::Add(const std::vector<Point>& p, bool) {
  for (size_t i = 0; i + 1 < p.size(); ++i) AddLine(p[i], p[i + 1]);
  AddLine(p.back(), p.front());
}

void CoverageRasterizer::AddLine(Point a, Point b) {
  if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y))
    return;
  if (a.y == b.y || width_ == 0 || height_ == 0) return;
  AddClipped(a.x, a.y, b.x, b.y);
}

// Clips in double so that coordinates far outside the target lose nothing.
void CoverageRasterizer::AddClipped(double x0, double y0, double x1, double y1) {
  float dir = 1;
  if (y0 > y1) {
    std::swap(x0, x1);
    std::swap(y0, y1);
    dir = -1;
  }
  const double h = height_, w = width_;
  if (y1 <= 0 || y0 >= h) return;
  const double dxdy = (x1 - x0) / (y1 - y0);
  // Inside the target: one piece, worked out as the split below would.
  if (y0 >= 0 && y1 <= h && x0 >= 0 && x1 >= 0 && x0 < w && x1 < w) {
    AddEdge(x0, y0, x0 + (y1 - y0) * dxdy, y1, dir);
    return;
  }
  if (y0 < 0) x0 += (0 - y0) * dxdy, y0 = 0;
  if (y1 > h) x1 -= (y1 - h) * dxdy, y1 = h;
  if (x0 >= w && x1 >= w) return;
  // Split where the edge crosses x = 0 and x = w; the part left of the
  // target still counts, as a vertical edge on its border.
  double ys[4] = {y0, y0, y0, y1};
  int n = 1;
  for (double bound : {0.0, w}) {
    if ((x0 < bound) != (x1 < bound) && x0 != x1) ys[n++] = y0 + (bound - x0) / dxdy;
  }
  if (n == 3 && ys[2] < ys[1]) std::swap(ys[1], ys[2]);
  ys[n++] = y1;
  for (int i = 0; i + 1 < n; ++i) {
    double ya = std::clamp(ys[i], y0, y1), yb = std::clamp(ys[i + 1], y0, y1);
    if (yb <= ya) continue;
    AddEdge(x0 + (ya - y0) * dxdy, ya, x0 + (yb - y0) * dxdy, yb, dir);
  }
}

// One piece of an edge within the target's rows, its ends' x found.
void CoverageRasterizer::AddEdge(double xa, double ya, double xb, double yb, float dir) {
  const double w = width_;
  const double xm = 0.5 * (xa + xb);
  if (xm >= w) return;
  if (xm <= 0) xa = xb = 0;
  Edge e{float(std::clamp(xa, 0.0, w)), float(ya), float(std::clamp(xb, 0.0, w)), float(yb), dir};
  if (e.y1 <= e.y0) return;
  minX_ = std::min({minX_, e.x0, e.x1});
  maxX_ = std::max({maxX_, e.x0, e.x1});
  minY_ = std::min(minY_, e.y0);
  maxY_ = std::max(maxY_, e.y1);
  edges_.push_back(e);
}

// The font-rs accumulation: the area right of the edge within each cell of
// each row it crosses; every row's areas add up to the edge's height there.
void CoverageRasterizer::Accumulate(const Edge& e, float top, float bottom, int bandTop) {
  const float dxdy = (e.x1 - e.x0) / (e.y1 - e.y0);
  const float origin = float(left_);
  const float xTop = (top == e.y0 ? e.x0 : e.x0 + (top - e.y0) * dxdy) - origin;
  const float xBottom = (bottom == e.y1 ? e.x1 : e.x0 + (bottom - e.y0) * dxdy) - origin;
  const float maxX = float(cellsPerRow_ - 2);
  const int rowEnd = int(std::ceil(bottom));
  float x = xTop;
  for (int row = int(top); row < rowEnd; ++row) {
    const float y0 = std::max(float(row), top), y1 = std::min(float(row + 1), bottom);
    const float xNext = y1 == bottom ? xBottom : xTop + (y1 - top) * dxdy;
    const float d = (y1 - y0) * e.dir;
    const float lo = std::clamp(std::min(x, xNext), 0.0f, maxX);
    const float hi = std::clamp(std::max(x, xNext), 0.0f, maxX);
    x = xNext;
    if (d == 0) continue;
    float* cell = cells_.data() + size_t(row - bandTop) * cellsPerRow_;
    const int loI = int(lo);
    const int hiI = int(std::ceil(hi));
    if (hiI <= loI + 1) {
      const float xm = 0.5f * (lo + hi) - float(loI);
      cell[loI] += d - d * xm;
      cell[loI + 1] += d * xm;
      runs_[row - bandTop].push_back({loI, loI + 1});
      continue;
    }
    const float s = 1.0f / (hi - lo);
    const float f0 = lo - float(loI);
    const float a0 = 0.5f * s * (1 - f0) * (1 - f0);
    const float f1 = hi - float(hiI) + 1;
    const float am = 0.5f * s * f1 * f1;
    cell[loI] += d * a0;
    if (hiI == loI + 2) {
      cell[loI + 1] += d * (1 - a0 - am);
    } else {
      const float a1 = s * (1.5f - f0);
      cell[loI + 1] += d * (a1 - a0);
      for (int i = loI + 2; i < hiI - 1; ++i) cell[i] += d * s;
      const float a2 = a1 + float(hiI - loI - 3) * s;
      cell[hiI - 1] += d * (1 - a2 - am);
    }
    cell[hiI] += d * am;
    runs_[row - bandTop].push_back({loI, hiI});
  }
}

void CoverageRasterizer::EmitRow(int y, float* cells, std::vector<Run>& runs, FillRule rule,
                                 SpanSink& sink) {
  std::sort(runs.begin(), runs.end(), [](Run a, Run b) { return a.first < b.first; });
  const int limit = width_ - left_;  // pixels from the band's left to the target's right
  float area = 0;
  int x = 0;
  size_t i = 0;
  while (i < runs.size()) {
    int first = runs[i].first, last = runs[i].last;
    for (++i; i < runs.size() && runs[i].first <= last + 1; ++i)
      last = std::max(last, runs[i].last);
    if (first > x) {
      uint8_t c = FoldCoverage(area, rule);
      if (c) sink.Constant(y, left_ + x, std::min(first, limit) - x, c);
    }
    uint8_t* cover = cover_.data();
    for (int c = first; c <= last; ++c) {
      area += cells[c];
      cells[c] = 0;
      cover[c - first] = FoldCoverage(area, rule);
    }
    int end = std::min(last + 1, limit);
    if (end > first) sink.Varying(y, left_ + first, end - first, cover);
    x = last + 1;
  }
  if (x < limit) {
    uint8_t c = FoldCoverage(area, rule);
    if (c) sink.Constant(y, left_ + x, limit - x, c);
  }
  runs.clear();
}

// A counting sort by the band each edge starts in: all a sweep needs.
void CoverageRasterizer::SortIntoBands(int top, int bottom) {
  const int bands = (bottom - top + kBandRows - 1) / kBandRows;
  auto bandOf = [&](const Edge& e) {
    return std::clamp((int(e.y0) - top) / kBandRows, 0, bands - 1);
  };
  bandStart_.assign(size_t(bands) + 2, 0);
  for (const Edge& e : edges_) ++bandStart_[bandOf(e) + 2];
  for (size_t b = 2; b < bandStart_.size(); ++b) bandStart_[b] += bandStart_[b - 1];
  sorted_.resize(edges_.size());
  for (const Edge& e : edges_) sorted_[bandStart_[bandOf(e) + 1]++] = e;
  edges_.swap(sorted_);
}

void CoverageRasterizer::Sweep(FillRule rule, SpanSink& sink) {
  if (edges_.empty()) return;
  left_ = std::clamp(int(std::floor(minX_)), 0, width_);
  const int right = std::clamp(int(std::ceil(maxX_)), left_, width_);
  cellsPerRow_ = right - left_ + 2;
  cells_.assign(size_t(cellsPerRow_) * kBandRows, 0.0f);
  cover_.resize(cellsPerRow_);
  runs_.resize(kBandRows);
  const int top = std::clamp(int(std::floor(minY_)), 0, height_);
  const int bottom = std::clamp(int(std::ceil(maxY_)), top, height_);
  if (bottom <= top) {
    edges_.clear();
    return;
  }
  SortIntoBands(top, bottom);
  active_.clear();
  size_t next = 0;
  for (int bandTop = top; bandTop < bottom; bandTop += kBandRows) {
    const int bandBottom = std::min(bandTop + kBandRows, bottom);
    const size_t bandEnd = bandStart_[(bandTop - top) / kBandRows + 1];
    for (; next < bandEnd; ++next) active_.push_back(next);
    size_t keep = 0;
    for (size_t index : active_) {
      const Edge& e = edges_[index];
      const float t = std::max(e.y0, float(bandTop)), b = std::min(e.y1, float(bandBottom));
      if (b > t) Accumulate(e, t, b, bandTop);
      if (e.y1 > float(bandBottom)) active_[keep++] = index;
    }
    active_.resize(keep);
    for (int row = 0; row < bandBottom - bandTop; ++row)
      EmitRow(bandTop + row, cells_.data() + size_t(row) * cellsPerRow_, runs_[row], rule, sink);
  }
  edges_.clear();
}

}  // namespace kestrova::raster
