// Matrices and path building.
#include <cmath>

#include "movie/raster/raster.h"

namespace kestrova::raster {

Matrix Matrix::Inverse() const {
  double det = double(a) * d - double(b) * c;
  if (!std::isfinite(det) || std::fabs(det) < 1e-12) return Matrix{1, 0, 0, 1, -tx, -ty};
  double ia = d / det, ib = -b / det, ic = -c / det, id = a / det;
  double itx = -(ia * tx + ic * ty), ity = -(ib * tx + id * ty);
  return {float(ia), float(ib), float(ic), float(id), float(itx), float(ity)};
}

void Path::MoveTo(Point p) {
  verbs_.push_back(Verb::Move);
  points_.push_back(p);
}

void Path::LineTo(Point p) {
  verbs_.push_back(Verb::Line);
  points_.push_back(p);
}

void Path::QuadTo(Point control, Point p) {
  verbs_.push_back(Verb::Quad);
  points_.push_back(control);
  points_.push_back(p);
}

void Path::Close() { verbs_.push_back(Verb::Close); }

void Path::Transform(const Matrix& m) {
  for (Point& p : points_) p = m.Apply(p);
}

}  // namespace kestrova::raster
