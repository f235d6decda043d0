#include "movie/player/hit_test.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "movie/player/morph.h"
#include "movie/player/paint.h"

namespace kestrova::movie {

namespace {

constexpr int kCurveSteps = 8;
// A hairline still answers the mouse within a pixel.
constexpr float kHairlineHalfWidth = 20;

bool InRect(const swf::TwipsRect& r, raster::Point p, float margin = 0) {
  return p.x >= r.xMin.value - margin && p.x <= r.xMax.value + margin &&
         p.y >= r.yMin.value - margin && p.y <= r.yMax.value + margin;
}

raster::Point At(swf::TwipsPoint p) {
  return {static_cast<float>(p.x.value), static_cast<float>(p.y.value)};
}

float SegmentDistance(raster::Point p, raster::Point a, raster::Point b) {
  const float dx = b.x - a.x, dy = b.y - a.y;
  const float length = dx * dx + dy * dy;
  float t = length > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length : 0;
  t = std::clamp(t, 0.0f, 1.0f);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// Calls f(a, b) for the straight pieces an edge is flattened into.
template <typename F>
void EachSegment(const swf::Edge& edge, F&& f) {
  const raster::Point from = At(edge.from), control = At(edge.control), to = At(edge.to);
  if (!edge.curve) return f(from, to);
  raster::Point last = from;
  for (int i = 1; i <= kCurveSteps; ++i) {
    const float t = static_cast<float>(i) / kCurveSteps, u = 1 - t;
    raster::Point next{u * u * from.x + 2 * u * t * control.x + t * t * to.x,
                       u * u * from.y + 2 * u * t * control.y + t * t * to.y};
    f(last, next);
    last = next;
  }
}

bool StateHit(const swf::Movie& movie, const swf::Timeline& state, raster::Point local,
              int nesting);

// A character as it is first shown: a sprite by its first frame.
bool CharacterHit(const swf::Movie& movie, uint16_t id, uint16_t ratio, raster::Point local,
                  int nesting) {
  const swf::Character* c = movie.Find(id);
  if (!c || nesting > kMaxClipNesting) return false;
  if (const auto* shape = std::get_if<swf::Shape>(c)) return ShapeHit(*shape, local);
  if (const auto* morph = std::get_if<swf::MorphShape>(c))
    return ShapeHit(Interpolate(*morph, ratio / 65535.0f), local);
  if (const auto* text = std::get_if<swf::Text>(c)) {
    raster::Point inText = ToRaster(text->matrix).Inverse().Apply(local);
    return InRect(text->bounds, inText);
  }
  if (const auto* edit = std::get_if<swf::EditText>(c)) return InRect(edit->bounds, local);
  if (const auto* sprite = std::get_if<swf::Timeline>(c))
    return StateHit(movie, *sprite, local, nesting + 1);
  if (const auto* button = std::get_if<swf::Button>(c))
    return StateHit(movie, button->hit, local, nesting + 1);
  return false;
}

bool StateHit(const swf::Movie& movie, const swf::Timeline& state, raster::Point local,
              int nesting) {
  if (state.frames.empty()) return false;
  for (const swf::DisplayTag& tag : state.frames[0].tags) {
    const auto* place = std::get_if<swf::PlaceObject>(&tag);
    if (!place || !place->character || place->clipDepth) continue;
    raster::Matrix m = place->matrix ? ToRaster(*place->matrix) : raster::Matrix{};
    if (CharacterHit(movie, *place->character, place->ratio.value_or(0), m.Inverse().Apply(local),
                     nesting))
      return true;
  }
  return false;
}

bool ObjectHit(const swf::Movie& movie, const DisplayObject& object, const raster::Matrix& parent,
               raster::Point stage) {
  const raster::Matrix world = parent * ToRaster(object.matrix);
  if (object.clip) {
    if (const swf::Button* button = object.clip->ButtonDefinition())
      return ButtonHit(movie, *button, world.Inverse().Apply(stage));
    return ClipContentHit(*object.clip, world, stage);
  }
  const raster::Point local = world.Inverse().Apply(stage);
  if (object.field) return InRect(object.field->bounds, local);
  return CharacterHit(movie, object.characterId, object.ratio, local, 0);
}

// Whether the object at `depth` lies outside a mask that covers it.
bool MaskedOut(const swf::Movie& movie, const DisplayList& objects, int depth,
               const raster::Matrix& world, raster::Point stage) {
  for (const auto& [maskDepth, mask] : objects) {
    if (maskDepth >= depth) break;
    if (mask.clipDepth && depth <= mask.clipDepth && !ObjectHit(movie, mask, world, stage))
      return true;
  }
  return false;
}

Clip* FindIn(Clip& clip, const raster::Matrix& world, raster::Point stage, ScriptHost* host) {
  const swf::Movie& movie = clip.Context().movie;
  DisplayList& objects = clip.MutableObjects();
  for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
    DisplayObject& object = it->second;
    if (!object.clip || !object.visible || object.clipDepth) continue;
    if (MaskedOut(movie, objects, it->first, world, stage)) continue;
    Clip& child = *object.clip;
    const raster::Matrix childWorld = world * ToRaster(object.matrix);
    if (const swf::Button* button = child.ButtonDefinition()) {
      if (child.Enabled() && ButtonHit(movie, *button, childWorld.Inverse().Apply(stage)))
        return &child;
      continue;
    }
    if (host && child.Enabled() && host->ActsAsButton(child)) {
      if (ClipContentHit(child, childWorld, stage)) return &child;
      continue;
    }
    if (Clip* found = FindIn(child, childWorld, stage, host)) return found;
  }
  return nullptr;
}

}  // namespace

bool ShapeHit(const swf::Shape& shape, raster::Point p) {
  float reach = 0;
  for (const swf::LineStyle& line : shape.lines)
    reach = std::max(reach, std::max(line.width.value / 2.0f, kHairlineHalfWidth));
  if (!InRect(shape.bounds, p, reach)) return false;
  // Each fill's winding about p, from the edges a ray to the right crosses;
  // an edge winds its right-hand fill one way and its left-hand one the other.
  std::unordered_map<uint16_t, int> winding;
  for (const swf::Edge& edge : shape.edges) {
    if (edge.line && edge.line <= shape.lines.size()) {
      const swf::LineStyle& line = shape.lines[edge.line - 1];
      const float half = std::max(line.width.value / 2.0f, kHairlineHalfWidth);
      bool near = false;
      EachSegment(edge, [&](raster::Point a, raster::Point b) {
        near = near || SegmentDistance(p, a, b) <= half;
      });
      if (near) return true;
    }
    if (edge.fill0 == edge.fill1) continue;
    EachSegment(edge, [&](raster::Point a, raster::Point b) {
      if ((a.y <= p.y) == (b.y <= p.y)) return;
      const float x = a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y);
      if (x <= p.x) return;
      const int direction = b.y > a.y ? 1 : -1;
      if (edge.fill1) winding[edge.fill1] += direction;
      if (edge.fill0) winding[edge.fill0] -= direction;
    });
  }
  for (const auto& [fill, count] : winding)
    if (shape.nonZero ? count != 0 : (count & 1) != 0) return true;
  return false;
}

bool ButtonHit(const swf::Movie& movie, const swf::Button& button, raster::Point local) {
  return StateHit(movie, button.hit, local, 0);
}

bool ClipContentHit(const Clip& clip, const raster::Matrix& world, raster::Point stage) {
  if (!clip.Drawn().Empty() && ShapeHit(clip.Drawn().Shape(), world.Inverse().Apply(stage)))
    return true;
  const swf::Movie& movie = const_cast<Clip&>(clip).Context().movie;
  for (const auto& [depth, object] : clip.Objects())
    if (object.visible && !object.clipDepth && ObjectHit(movie, object, world, stage)) return true;
  return false;
}

Clip* FindMouseTarget(Clip& root, raster::Point stage, ScriptHost* host) {
  return FindIn(root, raster::Matrix{}, stage, host);
}

raster::Matrix WorldMatrix(const Clip& clip) {
  raster::Matrix world;
  for (const Clip* c = &clip; c->Parent(); c = c->Parent()) {
    const DisplayObject* self = const_cast<Clip*>(c)->Self();
    if (self) world = ToRaster(self->matrix) * world;
  }
  return world;
}

}  // namespace kestrova::movie
