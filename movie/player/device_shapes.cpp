#include "movie/player/device_shapes.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "movie/player/line_outline.h"
#include "movie/raster/flatten.h"

namespace kestrova::movie {

raster::Path FlattenedPath(const raster::Path& path) {
  const auto& verbs = path.Verbs();
  if (std::find(verbs.begin(), verbs.end(), raster::Path::Verb::Quad) == verbs.end()) return path;
  raster::Path out;
  for (const raster::Contour& contour : raster::FlattenContours(path, raster::kFillTolerance)) {
    out.MoveTo(contour.points.front());
    for (size_t i = 1; i < contour.points.size(); ++i) out.LineTo(contour.points[i]);
    if (contour.closed) out.Close();
  }
  return out;
}

DeviceShape BuildDeviceShape(const swf::Shape& shape, const ShapePaths& paths,
                             const raster::Matrix& world, const ImageLookup& images) {
  const raster::FillRule rule =
      shape.nonZero ? raster::FillRule::NonZero : raster::FillRule::EvenOdd;
  DeviceShape out;
  out.groups.reserve(paths.layers.size());
  for (const PathLayer& layer : paths.layers) {
    DeviceGroup& group = out.groups.emplace_back();
    for (const StyledPath& fill : layer.fills) {
      if (fill.style < 1 || fill.style > shape.fills.size()) continue;
      raster::ShapeFill device;
      if (!MakePaint(shape.fills[fill.style - 1], world, images, device.paint)) continue;
      device.path = fill.path;
      device.path.Transform(world);
      device.rule = rule;
      group.fills.push_back(std::move(device));
    }
    for (const StyledPath& stroke : layer.strokes) {
      if (stroke.style < 1 || stroke.style > shape.lines.size()) continue;
      const swf::LineStyle& line = shape.lines[stroke.style - 1];
      raster::ShapeFill device;
      if (line.hasFill) {
        if (!MakePaint(line.fill, world, images, device.paint)) continue;
      } else {
        device.paint = raster::Paint::Solid(line.color);
      }
      device.path = LineOutline(stroke.path, line, world);
      device.rule = raster::FillRule::NonZero;
      group.lines.push_back(std::move(device));
    }
  }
  return out;
}

namespace {

uint32_t Bits(float f) {
  uint32_t b;
  std::memcpy(&b, &f, sizeof b);
  return b;
}

bool Same(raster::Point p, raster::Point q) {
  return Bits(p.x) == Bits(q.x) && Bits(p.y) == Bits(q.y);
}

// Paint matrices map target pixels to paint space: a shape moved by
// `shift` reads its paint from where it was.
void Shift(raster::Paint& paint, raster::Point shift) {
  const raster::Matrix back{1, 0, 0, 1, -shift.x, -shift.y};
  if (paint.kind == raster::Paint::Kind::Gradient)
    paint.gradient.pixelToGradient = paint.gradient.pixelToGradient * back;
  if (paint.kind == raster::Paint::Kind::Bitmap)
    paint.bitmap.pixelToImage = paint.bitmap.pixelToImage * back;
}

void Shifted(const std::vector<raster::ShapeFill>& from, raster::Point shift,
             std::vector<raster::ShapeFill>& to) {
  to.resize(from.size());
  const raster::Matrix move{1, 0, 0, 1, shift.x, shift.y};
  for (size_t i = 0; i < from.size(); ++i) {
    to[i] = from[i];  // reuses what `to` holds
    to[i].path.Transform(move);
    Shift(to[i].paint, shift);
  }
}

}  // namespace

// Matrices compare by their bits: the same placement gives the same floats.
bool DeviceShapeCache::Key::operator==(const Key& o) const {
  return id == o.id && Bits(a) == Bits(o.a) && Bits(b) == Bits(o.b) && Bits(c) == Bits(o.c) &&
         Bits(d) == Bits(o.d);
}

size_t DeviceShapeCache::KeyHash::operator()(const Key& k) const {
  size_t h = k.id;
  for (float f : {k.a, k.b, k.c, k.d}) h = h * 1000003u ^ std::hash<uint32_t>{}(Bits(f));
  return h;
}

DeviceShape& DeviceShapeCache::Place(Entry& entry, raster::Point at) {
  entry.frame = frame_;
  if (Same(at, entry.builtAt)) return entry.built;
  if (entry.hasPlaced && Same(at, entry.placedAt)) return entry.placed;
  const raster::Point shift{at.x - entry.builtAt.x, at.y - entry.builtAt.y};
  entry.placed.groups.resize(entry.built.groups.size());
  for (size_t g = 0; g < entry.built.groups.size(); ++g) {
    DeviceGroup& placed = entry.placed.groups[g];
    Shifted(entry.built.groups[g].fills, shift, placed.fills);
    Shifted(entry.built.groups[g].lines, shift, placed.lines);
    placed.fillsKept.Forget();
    for (raster::KeptCoverage& kept : placed.linesKept) kept.Forget();
  }
  entry.placedAt = at;
  entry.hasPlaced = true;
  return entry.placed;
}

// The entry already at `world`'s translation, else one this frame has not
// used yet (moved there), else a new one (copied from one of the same
// scale and rotation when there is one).
DeviceShape& DeviceShapeCache::Get(uint16_t id, const raster::Matrix& world, const Build& build) {
  std::vector<Entry>& list = entries_[Key{id, world.a, world.b, world.c, world.d}];
  const raster::Point at{world.tx, world.ty};
  for (Entry& entry : list)
    if (Same(at, entry.builtAt) || (entry.hasPlaced && Same(at, entry.placedAt)))
      return Place(entry, at);
  for (Entry& entry : list)
    if (entry.frame != frame_) return Place(entry, at);
  // Another instance of the shape, elsewhere: a copy of one already built
  // costs no stroking.
  Entry made;
  if (list.empty()) {
    made.built = build();
    made.builtAt = at;
  } else {
    made.built = list.front().built;
    made.builtAt = list.front().builtAt;
  }
  return Place(list.emplace_back(std::move(made)), at);
}

void DeviceShapeCache::EndFrame() {
  for (auto it = entries_.begin(); it != entries_.end();) {
    std::erase_if(it->second, [this](const Entry& e) { return e.frame != frame_; });
    it = it->second.empty() ? entries_.erase(it) : std::next(it);
  }
  ++frame_;
}

size_t DeviceShapeCache::Size() const {
  size_t n = 0;
  for (const auto& [key, list] : entries_) n += list.size();
  return n;
}

}  // namespace kestrova::movie
