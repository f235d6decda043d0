// Drawing: what a clip's scripts drew with the drawing API (beginFill,
// lineStyle, moveTo, lineTo, curveTo ...), kept as a shape in the clip's
// twips so that the renderer draws it like any other, beneath the clip's
// children.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "movie/player/shape_paths.h"
#include "movie/swf/movie.h"

namespace kestrova::movie {

class Drawing {
 public:
  // `edges` counts the edges of all of a player's drawings (the budget
  // against scripts that draw without end); it must outlive the drawing.
  explicit Drawing(size_t& edges) : edges_(edges) {}
  ~Drawing() { edges_ -= shape_.edges.size(); }
  Drawing(const Drawing&) = delete;
  Drawing& operator=(const Drawing&) = delete;

  // A fill starts at the pen and is closed back to where its contour began
  // at EndFill, at the next BeginFill or when the pen jumps.
  void BeginFill(const swf::FillStyle& fill);
  void EndFill();
  // No style: lines off.
  void SetLine(const std::optional<swf::LineStyle>& line);
  void MoveTo(swf::TwipsPoint to);
  void LineTo(swf::TwipsPoint to);
  void CurveTo(swf::TwipsPoint control, swf::TwipsPoint to);
  void Clear();
  // What `other` drew, with its pen and styles, in place of this drawing's
  // (duplicateMovieClip); nothing when the copy would pass the edge budget.
  void CopyFrom(const Drawing& other);

  bool Empty() const { return shape_.edges.empty(); }
  // Fills and lines so far; an open fill counts as closed.
  const swf::Shape& Shape() const;
  const ShapePaths& Paths() const { return *SharedPaths(); }
  // A new object after every change: holding it keeps its identity apart.
  std::shared_ptr<const ShapePaths> SharedPaths() const;
  // The edges' extent with half of each line's width; none when empty.
  std::optional<swf::TwipsRect> Bounds() const;

 private:
  void Add(swf::TwipsPoint control, swf::TwipsPoint to, bool curve);
  void CloseContour();
  void Changed() { paths_.reset(); }

  size_t& edges_;
  swf::Shape shape_;
  swf::TwipsPoint pen_, contourStart_;
  uint16_t fill_ = 0, line_ = 0, group_ = 0;
  mutable std::shared_ptr<const ShapePaths> paths_;
};

// Scripts may draw without end; a player's drawings keep this many edges
// at most, and what is drawn beyond them is not kept.
constexpr size_t kMaxDrawnEdges = 2 << 20;

}  // namespace kestrova::movie
