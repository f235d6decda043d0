// swf::Filter back to the script's units: radians to degrees, passes as
// quality, a straight ARGB pixel as colour and alpha, inner / on-top flags
// as a placement name.
#include "movie/avm1/filter_objects.h"

#include "movie/avm1/filter_classes.h"

namespace kestrova::avm1 {

namespace {

constexpr double kPi = 3.14159265358979323846;

using Kind = swf::Filter::Kind;

const char* ClassOf(Kind kind) {
  switch (kind) {
    case Kind::DropShadow:
      return "DropShadowFilter";
    case Kind::Blur:
      return "BlurFilter";
    case Kind::Glow:
      return "GlowFilter";
    case Kind::Bevel:
      return "BevelFilter";
    case Kind::GradientGlow:
      return "GradientGlowFilter";
    case Kind::Convolution:
      return "ConvolutionFilter";
    case Kind::ColorMatrix:
      return "ColorMatrixFilter";
    case Kind::GradientBevel:
      return "GradientBevelFilter";
  }
  return "BlurFilter";
}

class Writing {
 public:
  Writing(Vm& vm, Object* settings) : vm_(vm), settings_(settings) {}
  void Set(const char* name, Value v) { settings_->Define(name, std::move(v)); }
  void Color(const char* color, const char* alpha, Pixel p) {
    Set(color, static_cast<double>(p & 0xFFFFFF));
    Set(alpha, PixelA(p) / 255.0);
  }
  template <typename Items, typename Of>
  void Array(const char* name, const Items& items, Of of) {
    std::vector<Value> values;
    for (const auto& item : items) values.push_back(of(item));
    Set(name, vm_.NewArray(values));
  }
  void Blur(const swf::Filter& f) {
    Set("blurX", double(f.blurX));
    Set("blurY", double(f.blurY));
    Set("quality", double(f.passes));
  }
  void Shadow(const swf::Filter& f, bool angled) {
    Blur(f);
    Set("strength", double(f.strength));
    Set("knockout", f.knockout);
    if (!angled) return;
    Set("distance", double(f.distance));
    Set("angle", f.angle * 180 / kPi);
  }
  void Placement(const swf::Filter& f) {
    Set("type", Value(f.onTop ? "full" : f.inner ? "inner" : "outer"));
  }

 private:
  Vm& vm_;
  Object* settings_;
};

void WriteSettings(Vm& vm, const swf::Filter& f, Object* settings) {
  Writing w(vm, settings);
  switch (f.kind) {
    case Kind::Blur:
      w.Blur(f);
      break;
    case Kind::DropShadow:
    case Kind::Glow:
      w.Color("color", "alpha", f.color);
      w.Shadow(f, f.kind == Kind::DropShadow);
      w.Set("inner", f.inner);
      if (f.kind == Kind::DropShadow) w.Set("hideObject", !f.compositeSource);
      break;
    case Kind::Bevel:
      w.Color("highlightColor", "highlightAlpha", f.highlight);
      w.Color("shadowColor", "shadowAlpha", f.color);
      w.Shadow(f, true);
      w.Placement(f);
      break;
    case Kind::GradientGlow:
    case Kind::GradientBevel:
      w.Array("colors", f.gradient, [](const swf::FilterStop& s) {
        return Value(static_cast<double>(s.color & 0xFFFFFF));
      });
      w.Array("alphas", f.gradient,
              [](const swf::FilterStop& s) { return Value(PixelA(s.color) / 255.0); });
      w.Array("ratios", f.gradient,
              [](const swf::FilterStop& s) { return Value(double(s.ratio)); });
      w.Shadow(f, true);
      w.Placement(f);
      break;
    case Kind::ColorMatrix:
      w.Array("matrix", f.matrix, [](float m) { return Value(double(m)); });
      break;
    case Kind::Convolution:
      w.Set("matrixX", double(f.columns));
      w.Set("matrixY", double(f.rows));
      w.Array("matrix", f.kernel, [](float k) { return Value(double(k)); });
      w.Set("divisor", double(f.divisor));
      w.Set("bias", double(f.bias));
      w.Set("preserveAlpha", f.preserveAlpha);
      w.Set("clamp", f.clamp);
      w.Color("color", "alpha", f.defaultColor);
      break;
  }
}

}  // namespace

Value ToFilterObject(Vm& vm, const swf::Filter& filter) {
  const Property* flash = vm.global->Find("flash");
  Object* package = flash && flash->value.object() ? flash->value.object() : nullptr;
  const Property* filters = package ? package->Find("filters") : nullptr;
  Object* classes = filters ? filters->value.object() : nullptr;
  const Property* ctor = classes ? classes->Find(ClassOf(filter.kind)) : nullptr;
  Value made = ctor ? vm.Construct(ctor->value, {}) : Value();
  if (Object* settings = FilterSettings(made)) WriteSettings(vm, filter, settings);
  return made;
}

Value ToFilterObjects(Vm& vm, const std::vector<swf::Filter>& filters) {
  std::vector<Value> objects;
  for (const swf::Filter& f : filters) objects.push_back(ToFilterObject(vm, f));
  return vm.NewArray(objects);
}

}  // namespace kestrova::avm1
