// The movie player's anti-aliased vector rasterizer (portable core).
//
// Usage:
//   raster::Path path;                      // pixel coordinates
//   path.MoveTo({10, 10}); path.QuadTo({50, 0}, {90, 10}); path.LineTo({50, 80}); path.Close();
//   raster::Canvas canvas(buffer.View());   // premultiplied 0xAARRGGBB target
//   canvas.Fill(path, raster::FillRule::NonZero, raster::Paint::Solid(0xFF3366CC));
//   canvas.Stroke(path, {.width = 2}, raster::Paint::Solid(0xFF000000));
//
// Coverage is exact area coverage (signed-area accumulation); curves are
// flattened adaptively; strokes become polygons filled non-zero. The target
// holds premultiplied alpha; paints take straight (non-premultiplied) colours.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "common/pixels.h"

namespace kestrova::raster {

struct Point {
  float x = 0;
  float y = 0;
};

// x' = a*x + c*y + tx, y' = b*x + d*y + ty (the SWF MATRIX layout).
struct Matrix {
  float a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;
  Point Apply(Point p) const { return {a * p.x + c * p.y + tx, b * p.x + d * p.y + ty}; }
  // (this * other) applies `other` first, then this.
  Matrix operator*(const Matrix& o) const {
    return {a * o.a + c * o.b, b * o.a + d * o.b,        a * o.c + c * o.d,
            b * o.c + d * o.d, a * o.tx + c * o.ty + tx, b * o.tx + d * o.ty + ty};
  }
  Matrix Inverse() const;  // identity-like fallback for singular matrices
};

// Move/line/quadratic segments in one list of contours.
class Path {
 public:
  enum class Verb : uint8_t { Move, Line, Quad, Close };
  void MoveTo(Point p);
  void LineTo(Point p);
  void QuadTo(Point control, Point p);
  void Close();
  void Transform(const Matrix& m);  // applies m to every point
  bool Empty() const { return verbs_.empty(); }
  const std::vector<Verb>& Verbs() const { return verbs_; }
  const std::vector<Point>& Points() const { return points_; }

 private:
  std::vector<Verb> verbs_;
  std::vector<Point> points_;
};

enum class FillRule { NonZero, EvenOdd };

// SWF colour transform: c' = clamp(c * mult + add), per channel, on straight
// colour, add terms in 0..255 units; applied in 8.8 fixed point, the
// product truncated, as the original player does.
struct ColorTransform {
  float mr = 1, mg = 1, mb = 1, ma = 1;
  float ar = 0, ag = 0, ab = 0, aa = 0;
  ColorTransform operator*(const ColorTransform& inner) const;  // inner first
  Pixel Apply(Pixel straight) const;
  bool IsIdentity() const;
};

enum class Spread { Pad, Reflect, Repeat };
enum class Interpolation { Normal, Linear };  // sRGB, linear RGB

struct GradientStop {
  uint8_t ratio = 0;  // 0..255 along the gradient
  Pixel color = 0;    // straight 0xAARRGGBB
};

struct Gradient {
  enum class Kind { Linear, Radial, Focal } kind = Kind::Linear;
  std::vector<GradientStop> stops;
  // Pixel space to gradient space, where a linear gradient runs from x=-16384
  // to x=16384 and a radial one has radius 16384 around the origin.
  Matrix pixelToGradient;
  Spread spread = Spread::Pad;
  Interpolation interpolation = Interpolation::Normal;
  float focal = 0;  // -1..1, Focal only
};

// Source picture for bitmap fills. Channels above alpha are read as alpha.
struct Image {
  PixelBuffer pixels;  // premultiplied 0xAARRGGBB
};

struct BitmapFill {
  std::shared_ptr<const Image> image;
  Matrix pixelToImage;  // pixel space to image pixel space
  bool repeat = true;
  bool smooth = true;
};

struct Paint {
  enum class Kind { Solid, Gradient, Bitmap } kind = Kind::Solid;
  Pixel color = 0xFF000000;  // straight 0xAARRGGBB
  Gradient gradient;
  BitmapFill bitmap;
  static Paint Solid(Pixel straight) {
    Paint p;
    p.color = straight;
    return p;
  }
};

enum class Cap { Round, None, Square };
enum class Join { Round, Bevel, Miter };

struct StrokeStyle {
  float width = 1;  // pixels; widths under 1 draw as 1 (hairlines)
  Cap startCap = Cap::Round;
  Cap endCap = Cap::Round;
  Join join = Join::Round;
  // A miter's tip is cut off this many widths from the corner (at least 1).
  float miterLimit = 3;
};

// 8-bit coverage of the target's size; clip-depth masks are masks.
class Mask {
 public:
  Mask(int width, int height);
  uint8_t* Row(int y) { return coverage_.data() + static_cast<size_t>(y) * width_; }
  const uint8_t* Row(int y) const { return coverage_.data() + static_cast<size_t>(y) * width_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void Intersect(const Mask& other);  // coverage multiplied

 private:
  int width_, height_;
  std::vector<uint8_t> coverage_;
};

// One fill of a shape, for Canvas::FillShape.
struct ShapeFill {
  Path path;
  FillRule rule = FillRule::NonZero;
  Paint paint;
};

class CoverageRasterizer;
class ShapeLayer;
struct KeptCoverage;
struct CoverageBudget;

class Canvas {
 public:
  explicit Canvas(PixelView target);

  void Clear(Pixel straight);
  void Fill(const Path& path, FillRule rule, const Paint& paint, const ColorTransform& cx = {});
  void Stroke(const Path& path, const StrokeStyle& style, const Paint& paint,
              const ColorTransform& cx = {});
  // Fills that tile one shape, drawn as one: a pixel split between fills
  // takes each fill's share, so an edge two fills share shows no seam of
  // what lies below (as it does when they are drawn one by one). Where
  // fills overlap, later ones go over earlier ones. With `kept`, the
  // fills' coverage is kept there and reused while the fills and the
  // target's size stay the same (kept_coverage.h).
  void FillShape(std::span<const ShapeFill> fills, const ColorTransform& cx = {},
                 KeptCoverage* kept = nullptr);
  // Coverage of a path (union with what the mask holds) for clip layers.
  void FillMask(Mask& mask, const Path& path, FillRule rule) const;
  void StrokeMask(Mask& mask, const Path& path, const StrokeStyle& style) const;
  // What the coverage kept through this canvas (and the canvases sharing
  // its buffers) may take at most, and takes now.
  void LimitKeptCoverage(size_t bytes);
  size_t KeptCoverageBytes() const;
  // While set, every Fill/Stroke is multiplied by the mask (nullptr: none).
  void SetMask(const Mask* mask) { mask_ = mask; }

  PixelView Target() const { return target_; }
  // A canvas on `target` that shares this one's scratch buffers: a
  // renderer keeps one canvas and draws every frame and layer through it.
  Canvas Retargeted(PixelView target) const {
    Canvas canvas = *this;
    canvas.target_ = target;
    canvas.mask_ = nullptr;
    return canvas;
  }

 private:
  struct Geometry;
  Geometry Measure(std::span<const ShapeFill> fills);
  bool Keep(std::span<const ShapeFill> fills, KeptCoverage& kept);
  void PaintKept(std::span<const ShapeFill> fills, const ColorTransform& cx,
                 const KeptCoverage& kept);

  PixelView target_;
  const Mask* mask_ = nullptr;
  // Scratch buffers kept between fills (copies of a canvas share them).
  std::shared_ptr<CoverageRasterizer> rasterizer_;
  std::shared_ptr<ShapeLayer> layer_;
  std::shared_ptr<CoverageBudget> budget_;
};

// Converts a stroke to the polygon outline filled non-zero (exposed for tests
// and for benchmarks against other rasterizers). A contour ended by Close, or
// one that comes back to its start, is joined there instead of capped; a
// zero-length one is a dot shaped like its start cap.
Path StrokeToPath(const Path& path, const StrokeStyle& style);

// Flattens curves into line segments within `tolerance` pixels. A closed
// contour ends with its first point again; contours with a non-finite
// coordinate are left out.
std::vector<std::vector<Point>> Flatten(const Path& path, float tolerance = 0.2f);

}  // namespace kestrova::raster
