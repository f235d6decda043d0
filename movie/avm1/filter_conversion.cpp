// Script settings to the player's units: angles from degrees to radians,
// quality as box blur passes, colour and alpha as one straight ARGB pixel,
// a bevel's or gradient filter's type as its inner and on-top flags.
#include "movie/avm1/filter_conversion.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "movie/avm1/filter_classes.h"

namespace kestrova::avm1 {

namespace {

constexpr double kPi = 3.14159265358979323846;

class Reading {
 public:
  Reading(Vm& vm, Object* settings) : vm_(vm), settings_(settings) {}
  Value Get(const char* name) const {
    const Property* p = settings_->Find(name);
    return p ? p->value : Value();
  }
  float Number(const char* name) const {
    double n = vm_.ToNumber(Get(name));
    return std::isfinite(n) ? static_cast<float>(n) : 0.0f;
  }
  bool Bool(const char* name) const { return vm_.ToBoolean(Get(name)); }
  std::vector<float> Numbers(const char* name, size_t limit) const {
    std::vector<float> out;
    for (const Value& v : ArrayItems(vm_, Get(name), limit)) {
      double n = vm_.ToNumber(v);
      out.push_back(std::isfinite(n) ? static_cast<float>(n) : 0.0f);
    }
    return out;
  }
  Pixel Color(const char* color, const char* alpha) const {
    return ColorPixel(vm_.ToNumber(Get(color)), vm_.ToNumber(Get(alpha)));
  }
  static Pixel ColorPixel(double rgb, double alpha) {
    auto bits = std::isfinite(rgb) ? static_cast<uint32_t>(static_cast<int64_t>(rgb)) : 0u;
    double a = std::isfinite(alpha) ? std::clamp(alpha, 0.0, 1.0) : 0.0;
    return (static_cast<uint32_t>(std::lround(a * 255)) << 24) | (bits & 0xFFFFFF);
  }

 private:
  Vm& vm_;
  Object* settings_;
};

void ReadBlur(const Reading& r, swf::Filter& f) {
  f.blurX = r.Number("blurX");
  f.blurY = r.Number("blurY");
  f.passes = static_cast<int>(r.Number("quality"));
}

void ReadShadow(const Reading& r, swf::Filter& f, bool angled) {
  ReadBlur(r, f);
  f.strength = r.Number("strength");
  f.knockout = r.Bool("knockout");
  if (angled) {
    f.angle = static_cast<float>(r.Number("angle") * kPi / 180);
    f.distance = r.Number("distance");
  }
}

// "inner" lies on the object, "outer" around it, "full" over both.
void ReadPlacement(const Reading& r, swf::Filter& f) {
  std::string type = r.Get("type").string();
  f.inner = type == "inner";
  f.onTop = type == "full";
}

void ReadStops(const Reading& r, swf::Filter& f) {
  std::vector<float> colors = r.Numbers("colors", 16), alphas = r.Numbers("alphas", 16),
                     ratios = r.Numbers("ratios", 16);
  size_t count = std::min({colors.size(), alphas.size(), ratios.size()});
  for (size_t i = 0; i < count; ++i)
    f.gradient.push_back({static_cast<uint8_t>(std::clamp(ratios[i], 0.0f, 255.0f)),
                          Reading::ColorPixel(colors[i], alphas[i])});
}

void ReadConvolution(const Reading& r, swf::Filter& f) {
  f.columns = static_cast<int>(r.Number("matrixX"));
  f.rows = static_cast<int>(r.Number("matrixY"));
  f.kernel = r.Numbers("matrix", size_t(f.columns) * f.rows);
  f.kernel.resize(size_t(f.columns) * f.rows, 0.0f);
  f.divisor = r.Number("divisor");
  f.bias = r.Number("bias");
  f.preserveAlpha = r.Bool("preserveAlpha");
  f.clamp = r.Bool("clamp");
  f.defaultColor = r.Color("color", "alpha");
}

}  // namespace

std::optional<swf::Filter> ToSwfFilter(Vm& vm, const Value& filter) {
  FilterKind kind;
  Object* settings = FilterSettings(filter, &kind);
  if (!settings) return std::nullopt;
  const Reading r(vm, settings);
  swf::Filter f;
  switch (kind) {
    case FilterKind::Blur:
      f.kind = swf::Filter::Kind::Blur;
      ReadBlur(r, f);
      break;
    case FilterKind::DropShadow:
      f.kind = swf::Filter::Kind::DropShadow;
      f.color = r.Color("color", "alpha");
      ReadShadow(r, f, true);
      f.inner = r.Bool("inner");
      f.compositeSource = !r.Bool("hideObject");
      break;
    case FilterKind::Glow:
      f.kind = swf::Filter::Kind::Glow;
      f.color = r.Color("color", "alpha");
      ReadShadow(r, f, false);
      f.inner = r.Bool("inner");
      break;
    case FilterKind::Bevel:
      f.kind = swf::Filter::Kind::Bevel;
      f.color = r.Color("shadowColor", "shadowAlpha");
      f.highlight = r.Color("highlightColor", "highlightAlpha");
      ReadShadow(r, f, true);
      ReadPlacement(r, f);
      break;
    case FilterKind::GradientGlow:
    case FilterKind::GradientBevel:
      f.kind = kind == FilterKind::GradientGlow ? swf::Filter::Kind::GradientGlow
                                                : swf::Filter::Kind::GradientBevel;
      ReadStops(r, f);
      ReadShadow(r, f, true);
      ReadPlacement(r, f);
      break;
    case FilterKind::ColorMatrix: {
      f.kind = swf::Filter::Kind::ColorMatrix;
      std::vector<float> m = r.Numbers("matrix", 20);
      std::copy(m.begin(), m.end(), f.matrix.begin());
      break;
    }
    case FilterKind::Convolution:
      f.kind = swf::Filter::Kind::Convolution;
      ReadConvolution(r, f);
      break;
    case FilterKind::DisplacementMap:
      return std::nullopt;
  }
  return f;
}

std::vector<swf::Filter> ToSwfFilters(Vm& vm, const Value& list, size_t limit, Value& kept) {
  std::vector<swf::Filter> drawn;
  std::vector<Value> copies;
  for (const Value& item : ArrayItems(vm, list, limit)) {
    std::optional<swf::Filter> f = ToSwfFilter(vm, item);
    if (!f) continue;  // not a filter, or one the player does not draw
    drawn.push_back(*f);
    copies.push_back(CloneFilter(vm, item));
  }
  kept = vm.NewArray(copies);
  return drawn;
}

}  // namespace kestrova::avm1
