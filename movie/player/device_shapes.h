// Shapes in target pixels: a shape's fills (paths transformed, paints
// made) and its lines (stroked to outlines) for one world matrix. Building
// them costs more than drawing them, so the renderer keeps each one while
// the shape's placement stays (most shapes of a movie do not move).
#pragma once

#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

#include "movie/player/paint.h"
#include "movie/player/shape_paths.h"
#include "movie/raster/kept_coverage.h"
#include "movie/raster/raster.h"

namespace kestrova::movie {

// One new-style group: fills drawn as one, then lines (outlines filled
// non-zero with the line's paint). Their coverage is kept for as long as
// the group stays where it is; whoever changes a path forgets it.
struct DeviceGroup {
  std::vector<raster::ShapeFill> fills;
  std::vector<raster::ShapeFill> lines;
  raster::KeptCoverage fillsKept{};
  std::vector<raster::KeptCoverage> linesKept{};  // one per line once drawn
};

struct DeviceShape {
  std::vector<DeviceGroup> groups;
};

// Curves flattened once, as the canvas would flatten them on every draw.
raster::Path FlattenedPath(const raster::Path& path);

DeviceShape BuildDeviceShape(const swf::Shape& shape, const ShapePaths& paths,
                             const raster::Matrix& world, const ImageLookup& images);

// Device shapes by character and world matrix. A shape that only moved
// (the same scale, rotation and skew) is the one it was built as, shifted:
// no new paths, paints or strokes. An entry not used during a frame is
// dropped at its end, so the cache holds what one frame draws.
class DeviceShapeCache {
 public:
  using Build = std::function<DeviceShape()>;
  // The shape at `world`; valid until the next call. Its groups keep
  // their coverage between frames while it stays there.
  DeviceShape& Get(uint16_t id, const raster::Matrix& world, const Build& build);
  void EndFrame();
  size_t Size() const;

 private:
  struct Key {
    uint16_t id;
    float a, b, c, d;  // the world matrix but its translation
    bool operator==(const Key& o) const;
  };
  struct KeyHash {
    size_t operator()(const Key& k) const;
  };
  struct Entry {
    DeviceShape built;
    raster::Point builtAt;
    DeviceShape placed;  // `built` shifted to `placedAt`
    raster::Point placedAt;
    bool hasPlaced = false;
    uint64_t frame = 0;
  };
  DeviceShape& Place(Entry& entry, raster::Point at);

  std::unordered_map<Key, std::vector<Entry>, KeyHash> entries_;
  uint64_t frame_ = 0;
};

}  // namespace kestrova::movie
