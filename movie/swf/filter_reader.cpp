#include "movie/swf/filter_reader.h"

#include <string>

#include "movie/swf/swf_error.h"

namespace kestrova::swf {

namespace {

float Fixed(Reader& in) { return static_cast<int32_t>(in.U32()) / 65536.0f; }

// BlurX, BlurY [Angle, Distance] Strength and the flag byte shared by the
// shadow, glow and bevel filters.
void ReadShadowTail(Reader& in, Filter& f, bool angled, int passBits) {
  f.blurX = Fixed(in);
  f.blurY = Fixed(in);
  if (angled) {
    f.angle = Fixed(in);
    f.distance = Fixed(in);
  }
  f.strength = in.Fixed8();
  uint8_t flags = in.U8();
  f.inner = flags & 0x80;
  f.knockout = flags & 0x40;
  f.compositeSource = flags & 0x20;
  if (passBits == 4) f.onTop = flags & 0x10;
  f.passes = flags & ((1 << passBits) - 1);
}

void ReadGradientFilter(Reader& in, Filter& f) {
  uint8_t count = in.U8();
  f.gradient.resize(count);
  for (FilterStop& s : f.gradient) s.color = in.Rgba();
  for (FilterStop& s : f.gradient) s.ratio = in.U8();
  ReadShadowTail(in, f, true, 4);
}

void ReadConvolution(Reader& in, Filter& f) {
  f.columns = in.U8();
  f.rows = in.U8();
  f.divisor = in.Float();
  f.bias = in.Float();
  const size_t count = size_t(f.columns) * f.rows;
  if (count * 4 > in.Remaining()) throw SwfError("convolution kernel beyond the tag");
  f.kernel.resize(count);
  for (float& k : f.kernel) k = in.Float();
  f.defaultColor = in.Rgba();
  uint8_t flags = in.U8();
  f.clamp = flags & 0x02;
  f.preserveAlpha = flags & 0x01;
}

Filter ReadFilter(Reader& in) {
  Filter f;
  uint8_t id = in.U8();
  if (id > 7) throw SwfError("unknown filter " + std::to_string(id));
  f.kind = static_cast<Filter::Kind>(id);
  switch (f.kind) {
    case Filter::Kind::DropShadow:
      f.color = in.Rgba();
      ReadShadowTail(in, f, true, 5);
      break;
    case Filter::Kind::Blur:
      f.blurX = Fixed(in);
      f.blurY = Fixed(in);
      f.passes = in.U8() >> 3;
      break;
    case Filter::Kind::Glow:
      f.color = in.Rgba();
      ReadShadowTail(in, f, false, 5);
      break;
    case Filter::Kind::Bevel:
      f.color = in.Rgba();
      f.highlight = in.Rgba();
      ReadShadowTail(in, f, true, 4);
      break;
    case Filter::Kind::GradientGlow:
    case Filter::Kind::GradientBevel:
      ReadGradientFilter(in, f);
      break;
    case Filter::Kind::Convolution:
      ReadConvolution(in, f);
      break;
    case Filter::Kind::ColorMatrix:
      for (float& m : f.matrix) m = in.Float();
      break;
  }
  return f;
}

}  // namespace

// U8 count, then per filter a U8 id and its fields.
std::vector<Filter> ReadFilters(Reader& in) {
  std::vector<Filter> filters;
  uint8_t count = in.U8();
  for (uint8_t i = 0; i < count; ++i) filters.push_back(ReadFilter(in));
  return filters;
}

}  // namespace kestrova::swf
