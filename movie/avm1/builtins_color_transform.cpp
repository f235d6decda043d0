// flash.geom.ColorTransform: four multipliers and four offsets in public
// fields (scripts may fill them in by hand), `rgb` over the offsets,
// concat and toString as Flash Player prints it.
#include <string>

#include "movie/avm1/builtins.h"

namespace kestrova::avm1 {

namespace {

constexpr const char* kFields[] = {"redMultiplier",   "greenMultiplier", "blueMultiplier",
                                   "alphaMultiplier", "redOffset",       "greenOffset",
                                   "blueOffset",      "alphaOffset"};
constexpr int kFieldCount = 8;

double Field(Vm& vm, const Value& self, int i) {
  Value v = vm.Get(self, kFields[i]);
  return vm.ToNumber(v);
}

void InstallColorTransformMethods(Vm& vm, Object* proto) {
  vm.Method(proto, "toString", [](Vm& vm, const Value& self, const Args&) {
    std::string text = "(";
    for (int i = 0; i < kFieldCount; ++i) {
      if (i) text += ", ";
      text += std::string(kFields[i]) + "=" + vm.ToString(vm.Get(self, kFields[i]));
    }
    return Value(text + ")");
  });
  // this = this after `second`: multipliers multiply, the second's offsets
  // go through this one's multipliers.
  vm.Method(proto, "concat", [](Vm& vm, const Value& self, const Args& args) {
    Value second = Arg(args, 0);
    if (!second.object()) return Value();
    double next[kFieldCount];
    for (int i = 0; i < 4; ++i) {
      double m = Field(vm, self, i);
      next[i] = m * Field(vm, second, i);
      next[i + 4] = Field(vm, self, i + 4) + m * Field(vm, second, i + 4);
    }
    for (int i = 0; i < kFieldCount; ++i) vm.Set(self, kFields[i], next[i]);
    return Value();
  });
  Object* getter = vm.NewFunction([](Vm& vm, const Value& self, const Args&) -> Value {
    auto part = [&](int i) {
      return static_cast<uint32_t>(vm.ToInt32(vm.Get(self, kFields[i]))) & 255;
    };
    return static_cast<double>(part(4) << 16 | part(5) << 8 | part(6));
  });
  Object* setter = vm.NewFunction([](Vm& vm, const Value& self, const Args& args) {
    auto rgb = static_cast<uint32_t>(vm.ToInt32(Arg(args, 0)));
    for (int i = 0; i < 3; ++i) {
      vm.Set(self, kFields[i], 0.0);
      vm.Set(self, kFields[i + 4], static_cast<double>((rgb >> (16 - 8 * i)) & 255));
    }
    return Value();
  });
  Property& rgb = proto->Put("rgb");
  rgb.getter = getter;
  rgb.setter = setter;
  rgb.flags = kDontEnum;
}

}  // namespace

void InstallColorTransform(Vm& vm, Object* geom) {
  Object* proto = vm.NewObject();
  auto construct = [](Vm& vm, const Value& self, const Args& args) {
    for (int i = 0; i < kFieldCount; ++i) {
      bool given = i < static_cast<int>(args.size()) && !args[i].IsUndefined();
      vm.Set(self, kFields[i], given ? vm.ToNumber(args[i]) : (i < 4 ? 1.0 : 0.0));
    }
    return Value();
  };
  Object* ctor = DefineClass(vm, "", construct, nullptr, proto);
  geom->Define("ColorTransform", ctor, kDontEnum);
  InstallColorTransformMethods(vm, proto);
}

}  // namespace kestrova::avm1
