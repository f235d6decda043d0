// The flash.* package of SWF 8 movies: the filter classes keep their
// settings (the player does not draw script-made filters), the other
// classes are present and do nothing.
#include <cmath>

#include "movie/avm1/builtins.h"

namespace kestrova::avm1 {

namespace {

struct FilterField {
  const char* name;
  double initial;
};

// A filter's settings live on a hidden holder object; an object that a
// filter constructor already ran on keeps them (a second construction only
// reads its arguments).
Object* Settings(const Value& self) {
  Object* o = self.object();
  return o && o->kind == Kind::Plain ? o->primitive.object() : nullptr;
}

Object* Package(Vm& vm, Object* where, const std::string& name, uint16_t flags = 0) {
  if (Property* p = where->Find(name))
    if (Object* o = p->value.object()) return o;
  Object* o = vm.NewObject();
  where->Define(name, o, kDontEnum | flags);
  return o;
}

void FilterClass(Vm& vm, Object* package, const char* name, std::vector<FilterField> fields) {
  Object* proto = vm.NewObject();
  auto construct = [fields](Vm& vm, const Value& self, const Args& args) -> Value {
    std::vector<double> values;
    for (size_t i = 0; i < fields.size(); ++i)
      values.push_back(i < args.size() ? vm.ToNumber(args[i]) : fields[i].initial);
    Object* o = self.object();
    if (!o || Settings(self)) return Value();
    Object* settings = vm.Make(Kind::Plain, nullptr);
    for (size_t i = 0; i < fields.size(); ++i) settings->Define(fields[i].name, values[i]);
    o->primitive = Value(settings);
    return Value();
  };
  Object* ctor = DefineClass(vm, "", construct, nullptr, proto);
  package->Define(name, ctor, kDontEnum);
  for (const FilterField& field : fields) {
    std::string key = field.name;
    Object* getter = vm.NewFunction([key](Vm&, const Value& self, const Args&) -> Value {
      Object* settings = Settings(self);
      const Property* p = settings ? settings->Find(key) : nullptr;
      return p ? p->value : Value();
    });
    Object* setter = vm.NewFunction([key](Vm& vm, const Value& self, const Args& args) {
      if (Object* settings = Settings(self)) settings->Define(key, vm.ToNumber(Arg(args, 0)));
      return Value();
    });
    Property& p = proto->Put(key);
    p.getter = getter;
    p.setter = setter;
    p.flags = kDontEnum;
  }
}

void PlainClass(Vm& vm, Object* package, const char* name) {
  Object* ctor = DefineClass(
      vm, "", [](Vm&, const Value&, const Args&) { return Value(); }, nullptr, vm.NewObject());
  package->Define(name, ctor, kDontEnum);
}

}  // namespace

void InstallFlashPackage(Vm& vm) {
  Object* flash = Package(vm, vm.global, "flash", kVersion8);
  Object* filters = Package(vm, flash, "filters");
  FilterClass(vm, filters, "BlurFilter", {{"blurX", 4}, {"blurY", 4}, {"quality", 1}});
  FilterClass(vm, filters, "DropShadowFilter",
              {{"distance", 4},
               {"angle", 45},
               {"color", 0},
               {"alpha", 1},
               {"blurX", 4},
               {"blurY", 4},
               {"strength", 1},
               {"quality", 1}});
  FilterClass(vm, filters, "GlowFilter",
              {{"color", 0xFF0000},
               {"alpha", 1},
               {"blurX", 6},
               {"blurY", 6},
               {"strength", 2},
               {"quality", 1}});
  for (const char* name : {"BitmapFilter", "BevelFilter", "ColorMatrixFilter", "ConvolutionFilter",
                           "DisplacementMapFilter", "GradientBevelFilter", "GradientGlowFilter"})
    PlainClass(vm, filters, name);
  InstallBitmapClasses(vm, flash);
  Object* geom = Package(vm, flash, "geom");
  for (const char* name : {"ColorTransform", "Transform"}) PlainClass(vm, geom, name);
  PlainClass(vm, Package(vm, flash, "external"), "ExternalInterface");
  Object* net = Package(vm, flash, "net");
  PlainClass(vm, net, "FileReference");
  PlainClass(vm, net, "FileReferenceList");
  PlainClass(vm, Package(vm, flash, "text"), "TextRenderer");
}

}  // namespace kestrova::avm1
