#include "movie/player/device_shapes.h"

#include <cstring>
#include <functional>

#include "movie/player/line_outline.h"

namespace kestrova::movie {

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

// Matrices compare by their bits: the same placement gives the same floats.
bool DeviceShapeCache::Key::operator==(const Key& o) const {
  return id == o.id && std::memcmp(&world, &o.world, sizeof world) == 0;
}

size_t DeviceShapeCache::KeyHash::operator()(const Key& k) const {
  static_assert(sizeof(raster::Matrix) == 6 * sizeof(float));
  uint32_t bits[6];
  std::memcpy(bits, &k.world, sizeof bits);
  size_t h = k.id;
  for (uint32_t b : bits) h = h * 1000003u ^ std::hash<uint32_t>{}(b);
  return h;
}

const DeviceShape* DeviceShapeCache::Find(uint16_t id, const raster::Matrix& world) {
  auto it = entries_.find(Key{id, world});
  if (it == entries_.end()) return nullptr;
  it->second.frame = frame_;
  return &it->second.shape;
}

const DeviceShape& DeviceShapeCache::Insert(uint16_t id, const raster::Matrix& world,
                                            DeviceShape shape) {
  Entry& entry = entries_[Key{id, world}];
  entry = {std::move(shape), frame_};
  return entry.shape;
}

void DeviceShapeCache::EndFrame() {
  std::erase_if(entries_, [this](const auto& item) { return item.second.frame != frame_; });
  ++frame_;
}

}  // namespace kestrova::movie
