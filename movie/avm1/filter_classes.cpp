// flash.filters: BlurFilter, DropShadowFilter, GlowFilter, BevelFilter,
// GradientGlowFilter, GradientBevelFilter, ColorMatrixFilter,
// ConvolutionFilter and DisplacementMapFilter (a holder of its settings),
// all under BitmapFilter. Constructor arguments come in Flash 8's order
// with its defaults; every setting is an accessor that stores it as Flash
// Player does (colours 24 bits, alphas 0..1, blurs and strength 0..255,
// quality 0..15) and arrays go in and out as copies.
#include "movie/avm1/filter_classes.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "movie/avm1/builtins.h"

namespace kestrova::avm1 {

namespace {

enum class Field : uint8_t {
  Number,
  Color,
  Alpha,
  Blur,     // and strength: 0..255
  Quality,  // and a kernel side: whole, 0..15
  Bool,
  Placement,  // "inner", "outer" or "full"
  Colors,
  Alphas,
  Ratios,
  Numbers,
  ColorMatrix,  // 20 numbers
  Any,
};

struct FieldInfo {
  const char* name;
  Field type;
  double initial = 0;
  const char* text = nullptr;
};

struct FilterClassInfo {
  const char* name;
  FilterKind kind;
  std::vector<FieldInfo> fields;
};

constexpr size_t kMaxStops = 16;
constexpr size_t kMaxKernel = 15 * 15;

double Clamped(double v, double low, double high) {
  return std::isnan(v) ? low : std::clamp(v, low, high);
}

Value Numbers(Vm& vm, const Value& v, size_t limit, double (*coerce)(Vm&, const Value&)) {
  std::vector<Value> items;
  for (const Value& item : ArrayItems(vm, v, limit)) items.push_back(coerce(vm, item));
  return vm.NewArray(items);
}

double ColorOf(Vm& vm, const Value& v) {
  return static_cast<double>(static_cast<uint32_t>(vm.ToInt32(v)) & 0xFFFFFF);
}
double AlphaOf(Vm& vm, const Value& v) { return Clamped(vm.ToNumber(v), 0, 1); }
double RatioOf(Vm& vm, const Value& v) { return Clamped(vm.ToInteger(v), 0, 255); }
double NumberOf(Vm& vm, const Value& v) { return vm.ToNumber(v); }

Value IdentityMatrix(Vm& vm) {
  std::vector<Value> items(20, Value(0.0));
  for (int i : {0, 6, 12, 18}) items[i] = Value(1.0);
  return vm.NewArray(items);
}

// What a setting stores when set to `v`; `previous` is kept where Flash
// Player ignores a value.
Value Coerce(Vm& vm, Field type, const Value& v, const Value& previous) {
  switch (type) {
    case Field::Number:
      return vm.ToNumber(v);
    case Field::Color:
      return ColorOf(vm, v);
    case Field::Alpha:
      return AlphaOf(vm, v);
    case Field::Blur:
      return Clamped(vm.ToNumber(v), 0, 255);
    case Field::Quality:
      return Clamped(vm.ToInteger(v), 0, 15);
    case Field::Bool:
      return vm.ToBoolean(v);
    case Field::Placement: {
      std::string s = vm.ToString(v);
      return s == "inner" || s == "outer" || s == "full" ? Value(s) : previous;
    }
    case Field::Colors:
      return Numbers(vm, v, kMaxStops, ColorOf);
    case Field::Alphas:
      return Numbers(vm, v, kMaxStops, AlphaOf);
    case Field::Ratios:
      return Numbers(vm, v, kMaxStops, RatioOf);
    case Field::Numbers:
      return Numbers(vm, v, kMaxKernel, NumberOf);
    case Field::ColorMatrix: {
      if (!v.object()) return previous;
      std::vector<Value> items;
      for (const Value& item : ArrayItems(vm, v, 20)) items.push_back(vm.ToNumber(item));
      items.resize(20, Value(0.0));
      return vm.NewArray(items);
    }
    case Field::Any:
      return v;
  }
  return v;
}

Value Initial(Vm& vm, const FieldInfo& f) {
  switch (f.type) {
    case Field::Bool:
      return f.initial != 0;
    case Field::Placement:
      return Value(f.text);
    case Field::Colors:
    case Field::Alphas:
    case Field::Ratios:
    case Field::Numbers:
      return vm.NewArray();
    case Field::ColorMatrix:
      return IdentityMatrix(vm);
    case Field::Any:
      return f.text ? Value(f.text) : Value();
    default:
      return f.initial;
  }
}

// Arrays leave a filter as copies: changing one changes no filter. The
// filter made them (none is longer than a kernel); what a displacement
// map holds goes out as it is.
Value CopyOut(Vm& vm, const Value& v, Field type) {
  if (type == Field::Any || !v.object() || v.object()->kind != Kind::Array) return v;
  return vm.NewArray(ArrayItems(vm, v, kMaxKernel));
}

Object* NewSettings(Vm& vm, FilterKind kind) {
  Object* settings = vm.Make(Kind::Plain, nullptr);
  settings->primitive = Value(static_cast<double>(kind));
  return settings;
}

void DefineFilterClass(Vm& vm, Object* package, Object* baseProto, const FilterClassInfo& info) {
  Object* proto = vm.NewObject();
  proto->proto = baseProto;
  auto construct = [fields = info.fields, kind = info.kind](Vm& vm, const Value& self,
                                                            const Args& args) -> Value {
    // The arguments are read (valueOf called) even by a second
    // construction, which keeps the settings of the first.
    std::vector<Value> values;
    for (size_t i = 0; i < fields.size(); ++i) {
      Value initial = Initial(vm, fields[i]);
      bool given = i < args.size() && !args[i].IsUndefined();
      values.push_back(given ? Coerce(vm, fields[i].type, args[i], initial) : initial);
    }
    Object* o = self.object();
    if (!o || FilterSettings(self)) return Value();
    Object* settings = NewSettings(vm, kind);
    for (size_t i = 0; i < fields.size(); ++i) settings->Define(fields[i].name, values[i]);
    o->primitive = Value(settings);
    return Value();
  };
  Object* ctor = DefineClass(vm, "", construct, nullptr, proto);
  package->Define(info.name, ctor, kDontEnum);
  for (const FieldInfo& field : info.fields) {
    std::string key = field.name;
    Field type = field.type;
    Object* getter = vm.NewFunction([key, type](Vm& vm, const Value& self, const Args&) -> Value {
      Object* settings = FilterSettings(self);
      const Property* p = settings ? settings->Find(key) : nullptr;
      return p ? CopyOut(vm, p->value, type) : Value();
    });
    Object* setter = vm.NewFunction([key, type](Vm& vm, const Value& self, const Args& args) {
      Object* settings = FilterSettings(self);
      if (!settings) return Value();
      const Property* p = settings->Find(key);
      settings->Define(key, Coerce(vm, type, Arg(args, 0), p ? p->value : Value()));
      return Value();
    });
    Property& p = proto->Put(key);
    p.getter = getter;
    p.setter = setter;
    p.flags = kDontEnum;
  }
}

// The angled filters' common head and tail.
std::vector<FieldInfo> Angled(std::vector<FieldInfo> middle, std::vector<FieldInfo> tail) {
  std::vector<FieldInfo> fields = {{"distance", Field::Number, 4}, {"angle", Field::Number, 45}};
  fields.insert(fields.end(), middle.begin(), middle.end());
  for (const char* blur : {"blurX", "blurY"}) fields.push_back({blur, Field::Blur, 4});
  fields.push_back({"strength", Field::Blur, 1});
  fields.push_back({"quality", Field::Quality, 1});
  fields.insert(fields.end(), tail.begin(), tail.end());
  return fields;
}

std::vector<FilterClassInfo> FilterClasses() {
  const std::vector<FieldInfo> stops = {
      {"colors", Field::Colors}, {"alphas", Field::Alphas}, {"ratios", Field::Ratios}};
  const std::vector<FieldInfo> placed = {{"type", Field::Placement, 0, "inner"},
                                         {"knockout", Field::Bool}};
  return {
      {"BlurFilter",
       FilterKind::Blur,
       {{"blurX", Field::Blur, 4}, {"blurY", Field::Blur, 4}, {"quality", Field::Quality, 1}}},
      {"DropShadowFilter", FilterKind::DropShadow,
       Angled({{"color", Field::Color, 0}, {"alpha", Field::Alpha, 1}},
              {{"inner", Field::Bool}, {"knockout", Field::Bool}, {"hideObject", Field::Bool}})},
      {"GlowFilter",
       FilterKind::Glow,
       {{"color", Field::Color, 0xFF0000},
        {"alpha", Field::Alpha, 1},
        {"blurX", Field::Blur, 6},
        {"blurY", Field::Blur, 6},
        {"strength", Field::Blur, 2},
        {"quality", Field::Quality, 1},
        {"inner", Field::Bool},
        {"knockout", Field::Bool}}},
      {"BevelFilter", FilterKind::Bevel,
       Angled({{"highlightColor", Field::Color, 0xFFFFFF},
               {"highlightAlpha", Field::Alpha, 1},
               {"shadowColor", Field::Color, 0},
               {"shadowAlpha", Field::Alpha, 1}},
              placed)},
      {"GradientGlowFilter", FilterKind::GradientGlow, Angled(stops, placed)},
      {"GradientBevelFilter", FilterKind::GradientBevel, Angled(stops, placed)},
      {"ColorMatrixFilter", FilterKind::ColorMatrix, {{"matrix", Field::ColorMatrix}}},
      {"ConvolutionFilter",
       FilterKind::Convolution,
       {{"matrixX", Field::Quality, 0},
        {"matrixY", Field::Quality, 0},
        {"matrix", Field::Numbers},
        {"divisor", Field::Number, 1},
        {"bias", Field::Number, 0},
        {"preserveAlpha", Field::Bool, 1},
        {"clamp", Field::Bool, 1},
        {"color", Field::Color, 0},
        {"alpha", Field::Alpha, 0}}},
      {"DisplacementMapFilter",
       FilterKind::DisplacementMap,
       {{"mapBitmap", Field::Any},
        {"mapPoint", Field::Any},
        {"componentX", Field::Number},
        {"componentY", Field::Number},
        {"scaleX", Field::Number},
        {"scaleY", Field::Number},
        {"mode", Field::Any, 0, "wrap"},
        {"color", Field::Color, 0},
        {"alpha", Field::Alpha, 0}}},
  };
}

}  // namespace

Object* FilterSettings(const Value& filter, FilterKind* kind) {
  Object* o = filter.object();
  if (!o || o->kind != Kind::Plain) return nullptr;
  Object* settings = o->primitive.object();
  // Other wrappers (a Color's target) hold objects there too.
  if (!settings || settings->kind != Kind::Plain || settings->proto ||
      !settings->primitive.IsNumber())
    return nullptr;
  if (kind) *kind = static_cast<FilterKind>(settings->primitive.number());
  return settings;
}

Value CloneFilter(Vm& vm, const Value& filter) {
  FilterKind kind;
  Object* settings = FilterSettings(filter, &kind);
  if (!settings) return Value();
  Object* source = filter.object();
  Object* copy = vm.Make(Kind::Plain, source->proto);
  for (const char* name : {"__constructor__", "constructor"})
    if (const Property* p = source->Find(name)) copy->Define(name, p->value, kDontEnum);
  Object* copied = NewSettings(vm, kind);
  for (const Property& p : settings->Properties()) {
    bool held = kind == FilterKind::DisplacementMap;  // its settings hold scripts' values
    copied->Define(p.name, CopyOut(vm, p.value, held ? Field::Any : Field::Numbers));
  }
  copy->primitive = Value(copied);
  return copy;
}

Value CloneFilters(Vm& vm, const Value& list, size_t limit) {
  std::vector<Value> copies;
  for (const Value& f : ArrayItems(vm, list, limit)) copies.push_back(CloneFilter(vm, f));
  return vm.NewArray(copies);
}

std::vector<Value> ArrayItems(Vm& vm, const Value& array, size_t limit) {
  std::vector<Value> items;
  if (!array.object()) return items;
  double length = vm.ToNumber(vm.Get(array, "length"));
  if (!(length > 0)) return items;
  size_t count = static_cast<size_t>(std::min(length, static_cast<double>(limit)));
  for (size_t i = 0; i < count; ++i) items.push_back(vm.Get(array, std::to_string(i)));
  return items;
}

void InstallFilterClasses(Vm& vm, Object* package) {
  Object* base = vm.NewObject();
  DefineClass(
      vm, "", [](Vm&, const Value&, const Args&) { return Value(); }, nullptr, base);
  package->Define("BitmapFilter", base->Find("constructor")->value, kDontEnum);
  vm.Method(base, "clone",
            [](Vm& vm, const Value& self, const Args&) { return CloneFilter(vm, self); });
  for (const FilterClassInfo& info : FilterClasses()) DefineFilterClass(vm, package, base, info);
}

}  // namespace kestrova::avm1
