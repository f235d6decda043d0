// Shapes in target pixels: a shape's fills (paths transformed, paints
// made) and its lines (stroked to outlines) for one world matrix. Building
// them costs more than drawing them, so the renderer keeps each one while
// the shape's placement stays (most shapes of a movie do not move).
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "movie/player/paint.h"
#include "movie/player/shape_paths.h"
#include "movie/raster/raster.h"

namespace kestrova::movie {

// One new-style group: fills drawn as one, then lines (outlines filled
// non-zero with the line's paint).
struct DeviceGroup {
  std::vector<raster::ShapeFill> fills;
  std::vector<raster::ShapeFill> lines;
};

struct DeviceShape {
  std::vector<DeviceGroup> groups;
};

DeviceShape BuildDeviceShape(const swf::Shape& shape, const ShapePaths& paths,
                             const raster::Matrix& world, const ImageLookup& images);

// Device shapes by character and exact world matrix. An entry not asked
// for during a frame is dropped at its end, so the cache holds what one
// frame draws.
class DeviceShapeCache {
 public:
  // The held shape, or nullptr; a hit keeps the entry for this frame.
  const DeviceShape* Find(uint16_t id, const raster::Matrix& world);
  const DeviceShape& Insert(uint16_t id, const raster::Matrix& world, DeviceShape shape);
  void EndFrame();
  size_t Size() const { return entries_.size(); }

 private:
  struct Key {
    uint16_t id;
    raster::Matrix world;
    bool operator==(const Key& o) const;
  };
  struct KeyHash {
    size_t operator()(const Key& k) const;
  };
  struct Entry {
    DeviceShape shape;
    uint64_t frame;
  };
  std::unordered_map<Key, Entry, KeyHash> entries_;
  uint64_t frame_ = 0;
};

}  // namespace kestrova::movie
