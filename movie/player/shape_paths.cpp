#include "movie/player/shape_paths.h"

#include <map>
#include <unordered_map>

namespace kestrova::movie {

namespace {

struct Segment {
  swf::TwipsPoint from, control, to;
  bool curve;
};

uint64_t Key(swf::TwipsPoint p) {
  return (uint64_t(uint32_t(p.x.value)) << 32) | uint32_t(p.y.value);
}

raster::Point ToPoint(swf::TwipsPoint p) {
  return {static_cast<float>(p.x.value), static_cast<float>(p.y.value)};
}

void Emit(raster::Path& path, const Segment& s) {
  if (s.curve)
    path.QuadTo(ToPoint(s.control), ToPoint(s.to));
  else
    path.LineTo(ToPoint(s.to));
}

// Edges bounding one fill, directed so the fill lies on the same side of
// each, chained end to start into closed contours. Chains that do not
// close (broken files) are closed straight.
raster::Path ChainFill(const std::vector<Segment>& segments) {
  std::unordered_multimap<uint64_t, size_t> starts;
  for (size_t i = 0; i < segments.size(); ++i) starts.emplace(Key(segments[i].from), i);
  std::vector<bool> used(segments.size(), false);
  raster::Path path;
  for (size_t first = 0; first < segments.size(); ++first) {
    if (used[first]) continue;
    used[first] = true;
    uint64_t startKey = Key(segments[first].from);
    path.MoveTo(ToPoint(segments[first].from));
    Emit(path, segments[first]);
    uint64_t at = Key(segments[first].to);
    while (at != startKey) {
      auto [begin, end] = starts.equal_range(at);
      size_t next = segments.size();
      for (auto it = begin; it != end; ++it)
        if (!used[it->second]) {
          next = it->second;
          break;
        }
      if (next == segments.size()) break;
      used[next] = true;
      Emit(path, segments[next]);
      at = Key(segments[next].to);
    }
    path.Close();
  }
  return path;
}

void AddFills(const swf::Shape& shape, size_t begin, size_t end, PathLayer& layer) {
  std::map<uint16_t, std::vector<Segment>> byStyle;
  for (size_t i = begin; i < end; ++i) {
    const swf::Edge& e = shape.edges[i];
    // The same fill on both sides (a line drawn across a fill) bounds
    // nothing: adding it once would cut the fill under even-odd.
    if (e.fill0 == e.fill1) continue;
    if (e.fill1) byStyle[e.fill1].push_back({e.from, e.control, e.to, e.curve});
    if (e.fill0) byStyle[e.fill0].push_back({e.to, e.control, e.from, e.curve});
  }
  for (auto& [style, segments] : byStyle) layer.fills.push_back({style, ChainFill(segments)});
}

// Lines follow the record order; a new sub-path starts wherever the pen
// jumps or the line style changes.
void AddStrokes(const swf::Shape& shape, size_t begin, size_t end, PathLayer& layer) {
  std::map<uint16_t, raster::Path> byStyle;
  std::map<uint16_t, std::pair<swf::TwipsPoint, swf::TwipsPoint>> open;  // start, pen
  auto finish = [&](uint16_t style) {
    auto it = open.find(style);
    if (it == open.end()) return;
    const swf::LineStyle& line = shape.lines[style - 1];
    if (it->second.first == it->second.second && !line.noClose) byStyle[style].Close();
    open.erase(it);
  };
  for (size_t i = begin; i < end; ++i) {
    const swf::Edge& e = shape.edges[i];
    if (!e.line || e.line > shape.lines.size()) continue;
    auto it = open.find(e.line);
    if (it == open.end() || !(it->second.second == e.from)) {
      finish(e.line);
      byStyle[e.line].MoveTo(ToPoint(e.from));
      open[e.line] = {e.from, e.from};
    }
    Emit(byStyle[e.line], {e.from, e.control, e.to, e.curve});
    open[e.line].second = e.to;
  }
  while (!open.empty()) finish(open.begin()->first);
  for (auto& [style, path] : byStyle) layer.strokes.push_back({style, std::move(path)});
}

}  // namespace

ShapePaths BuildShapePaths(const swf::Shape& shape) {
  ShapePaths paths;
  size_t begin = 0;
  while (begin < shape.edges.size()) {
    uint16_t group = shape.edges[begin].group;
    size_t end = begin;
    while (end < shape.edges.size() && shape.edges[end].group == group) ++end;
    PathLayer layer;
    AddFills(shape, begin, end, layer);
    AddStrokes(shape, begin, end, layer);
    paths.layers.push_back(std::move(layer));
    begin = end;
  }
  return paths;
}

}  // namespace kestrova::movie
