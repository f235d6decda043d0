#include "movie/player/morph.h"

#include <algorithm>
#include <cmath>

namespace kestrova::movie {

namespace {

float Mix(float a, float b, float t) { return a + (b - a) * t; }

swf::Twips Mix(swf::Twips a, swf::Twips b, float t) {
  return {static_cast<int32_t>(std::lround(Mix(float(a.value), float(b.value), t)))};
}

swf::TwipsPoint Mix(swf::TwipsPoint a, swf::TwipsPoint b, float t) {
  return {Mix(a.x, b.x, t), Mix(a.y, b.y, t)};
}

Pixel Mix(Pixel a, Pixel b, float t) {
  auto c = [&](int shift) {
    return static_cast<uint32_t>(
               std::lround(Mix(float((a >> shift) & 255), float((b >> shift) & 255), t)))
           << shift;
  };
  return c(24) | c(16) | c(8) | c(0);
}

swf::Matrix Mix(const swf::Matrix& a, const swf::Matrix& b, float t) {
  return {Mix(a.a, b.a, t), Mix(a.b, b.b, t),   Mix(a.c, b.c, t),
          Mix(a.d, b.d, t), Mix(a.tx, b.tx, t), Mix(a.ty, b.ty, t)};
}

swf::FillStyle Mix(const swf::FillStyle& a, const swf::FillStyle& b, float t) {
  swf::FillStyle out = a;
  out.color = Mix(a.color, b.color, t);
  out.matrix = Mix(a.matrix, b.matrix, t);
  out.focal = Mix(a.focal, b.focal, t);
  for (size_t i = 0; i < out.stops.size() && i < b.stops.size(); ++i) {
    out.stops[i].ratio =
        static_cast<uint8_t>(std::lround(Mix(float(a.stops[i].ratio), float(b.stops[i].ratio), t)));
    out.stops[i].color = Mix(a.stops[i].color, b.stops[i].color, t);
  }
  return out;
}

}  // namespace

swf::Shape Interpolate(const swf::MorphShape& morph, float t) {
  t = std::clamp(t, 0.0f, 1.0f);
  const swf::Shape& a = morph.start;
  const swf::Shape& b = morph.end;
  swf::Shape out;
  out.bounds = {Mix(a.bounds.xMin, b.bounds.xMin, t), Mix(a.bounds.xMax, b.bounds.xMax, t),
                Mix(a.bounds.yMin, b.bounds.yMin, t), Mix(a.bounds.yMax, b.bounds.yMax, t)};
  for (size_t i = 0; i < a.fills.size(); ++i)
    out.fills.push_back(i < b.fills.size() ? Mix(a.fills[i], b.fills[i], t) : a.fills[i]);
  for (size_t i = 0; i < a.lines.size(); ++i) {
    swf::LineStyle line = a.lines[i];
    if (i < b.lines.size()) {
      line.width = Mix(a.lines[i].width, b.lines[i].width, t);
      line.color = Mix(a.lines[i].color, b.lines[i].color, t);
      if (line.hasFill && b.lines[i].hasFill) line.fill = Mix(a.lines[i].fill, b.lines[i].fill, t);
    }
    out.lines.push_back(std::move(line));
  }
  out.edges = a.edges;
  for (size_t i = 0; i < out.edges.size() && i < b.edges.size(); ++i) {
    swf::Edge& e = out.edges[i];
    e.from = Mix(a.edges[i].from, b.edges[i].from, t);
    e.control = Mix(a.edges[i].control, b.edges[i].control, t);
    e.to = Mix(a.edges[i].to, b.edges[i].to, t);
  }
  return out;
}

}  // namespace kestrova::movie
