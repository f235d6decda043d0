#include "movie/avm1/clip_bounds.h"

#include <algorithm>
#include <cmath>

namespace kestrova::avm1 {

namespace {

void Extend(std::optional<swf::TwipsRect>& into, const swf::TwipsRect& r) {
  if (!into) {
    into = r;
    return;
  }
  into->xMin.value = std::min(into->xMin.value, r.xMin.value);
  into->yMin.value = std::min(into->yMin.value, r.yMin.value);
  into->xMax.value = std::max(into->xMax.value, r.xMax.value);
  into->yMax.value = std::max(into->yMax.value, r.yMax.value);
}

std::optional<swf::TwipsRect> CharacterBounds(const swf::Movie& movie, uint16_t id) {
  const swf::Character* c = movie.Find(id);
  if (!c) return std::nullopt;
  if (const auto* shape = std::get_if<swf::Shape>(c)) return shape->bounds;
  if (const auto* morph = std::get_if<swf::MorphShape>(c)) return morph->start.bounds;
  if (const auto* text = std::get_if<swf::Text>(c)) return Transform(text->bounds, text->matrix);
  return std::nullopt;
}

}  // namespace

swf::TwipsRect Transform(const swf::TwipsRect& r, const swf::Matrix& m) {
  double xs[2] = {double(r.xMin.value), double(r.xMax.value)};
  double ys[2] = {double(r.yMin.value), double(r.yMax.value)};
  double x0 = 1e18, y0 = 1e18, x1 = -1e18, y1 = -1e18;
  for (double x : xs)
    for (double y : ys) {
      double tx = m.a * x + m.c * y + m.tx.value;
      double ty = m.b * x + m.d * y + m.ty.value;
      x0 = std::min(x0, tx), x1 = std::max(x1, tx);
      y0 = std::min(y0, ty), y1 = std::max(y1, ty);
    }
  auto twips = [](double v) {
    return swf::Twips{static_cast<int32_t>(std::clamp(std::lround(v), -(1l << 30), 1l << 30))};
  };
  return {twips(x0), twips(x1), twips(y0), twips(y1)};
}

std::optional<swf::TwipsRect> ClipContentBounds(movie::Clip& clip) {
  std::optional<swf::TwipsRect> out = clip.Drawn().Bounds();
  const swf::Movie& movie = clip.Context().movie;
  for (auto& [depth, placed] : clip.MutableObjects())
    movie::ForEachOnDepth(placed, [&](movie::DisplayObject& object) {
      std::optional<swf::TwipsRect> inner = object.clip
                                                ? ClipContentBounds(*object.clip)
                                                : CharacterBounds(movie, object.characterId);
      if (inner) Extend(out, Transform(*inner, object.matrix));
    });
  return out;
}

swf::TwipsRect ClipBoundsInParent(movie::Clip& clip) {
  std::optional<swf::TwipsRect> content = ClipContentBounds(clip);
  if (!content) return {};
  movie::DisplayObject* self = clip.Self();
  return self ? Transform(*content, self->matrix) : *content;
}

}  // namespace kestrova::avm1
