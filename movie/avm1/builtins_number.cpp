// Number, Boolean and Math.
#include <cmath>
#include <limits>
#include <numbers>

#include "movie/avm1/builtins.h"
#include "movie/avm1/number_text.h"

namespace kestrova::avm1 {

namespace {

Value Primitive(const Value& self) {
  if (Object* o = self.object()) return o->primitive;
  return self;
}

void InstallNumber(Vm& vm) {
  vm.numberProto = vm.Make(Kind::Number, vm.objectProto);
  vm.numberProto->primitive = Value(0.0);
  vm.Method(vm.numberProto, "toString", [](Vm& vm, const Value& self, const Args& args) {
    Value p = Primitive(self);
    if (!p.IsNumber()) return Value(vm.ToString(p));
    int radix = args.empty() || args[0].IsUndefined() ? 10 : vm.ToInt32(args[0]);
    return Value(NumberToRadix(p.number(), radix));
  });
  vm.Method(vm.numberProto, "valueOf",
            [](Vm&, const Value& self, const Args&) { return Primitive(self); });
  Object* ctor = DefineClass(
      vm, "Number",
      [](Vm& vm, const Value&, const Args& args) {
        return Value(args.empty() ? 0.0 : vm.ToNumber(args[0]));
      },
      [](Vm& vm, const Value&, const Args& args) -> Value {
        return vm.ToObject(Value(args.empty() ? 0.0 : vm.ToNumber(args[0])));
      },
      vm.numberProto);
  uint16_t constant = kDontEnum | kDontDelete | kReadOnly;
  ctor->Define("MAX_VALUE", std::numeric_limits<double>::max(), constant);
  ctor->Define("MIN_VALUE", std::numeric_limits<double>::denorm_min(), constant);
  ctor->Define("NaN", std::numeric_limits<double>::quiet_NaN(), constant);
  ctor->Define("POSITIVE_INFINITY", std::numeric_limits<double>::infinity(), constant);
  ctor->Define("NEGATIVE_INFINITY", -std::numeric_limits<double>::infinity(), constant);
}

void InstallBoolean(Vm& vm) {
  vm.booleanProto = vm.Make(Kind::Boolean, vm.objectProto);
  vm.booleanProto->primitive = Value(false);
  vm.Method(vm.booleanProto, "toString", [](Vm& vm, const Value& self, const Args&) {
    return Value(vm.ToString(Primitive(self)));
  });
  vm.Method(vm.booleanProto, "valueOf",
            [](Vm&, const Value& self, const Args&) { return Primitive(self); });
  DefineClass(
      vm, "Boolean",
      [](Vm& vm, const Value&, const Args& args) {
        return args.empty() ? Value() : Value(vm.ToBoolean(args[0]));
      },
      [](Vm& vm, const Value&, const Args& args) -> Value {
        return vm.ToObject(Value(!args.empty() && vm.ToBoolean(args[0])));
      },
      vm.booleanProto);
}

using Unary = double (*)(double);

void InstallMath(Vm& vm) {
  Object* math = vm.NewObject();
  vm.global->Define("Math", math, kDontEnum);
  auto unary = [&](const char* name, Unary f) {
    vm.Method(math, name, [f](Vm& vm, const Value&, const Args& args) {
      return Value(args.empty() ? std::nan("") : f(vm.ToNumber(args[0])));
    });
  };
  unary("abs", [](double x) { return std::fabs(x); });
  unary("acos", [](double x) { return std::acos(x); });
  unary("asin", [](double x) { return std::asin(x); });
  unary("atan", [](double x) { return std::atan(x); });
  unary("ceil", [](double x) { return std::ceil(x); });
  unary("cos", [](double x) { return std::cos(x); });
  unary("exp", [](double x) { return std::exp(x); });
  unary("floor", [](double x) { return std::floor(x); });
  unary("log", [](double x) { return std::log(x); });
  unary("round", [](double x) { return std::floor(x + 0.5); });
  unary("sin", [](double x) { return std::sin(x); });
  unary("sqrt", [](double x) { return std::sqrt(x); });
  unary("tan", [](double x) { return std::tan(x); });
  vm.Method(math, "atan2", [](Vm& vm, const Value&, const Args& args) {
    return Value(std::atan2(vm.ToNumber(Arg(args, 0)), vm.ToNumber(Arg(args, 1))));
  });
  vm.Method(math, "pow", [](Vm& vm, const Value&, const Args& args) {
    return Value(std::pow(vm.ToNumber(Arg(args, 0)), vm.ToNumber(Arg(args, 1))));
  });
  vm.Method(math, "min", [](Vm& vm, const Value&, const Args& args) {
    if (args.empty()) return Value(std::numeric_limits<double>::infinity());
    double a = vm.ToNumber(Arg(args, 0)), b = vm.ToNumber(Arg(args, 1));
    if (args.size() < 2) return Value(a);
    return Value(std::isnan(a) || std::isnan(b) ? std::nan("") : std::min(a, b));
  });
  vm.Method(math, "max", [](Vm& vm, const Value&, const Args& args) {
    if (args.empty()) return Value(-std::numeric_limits<double>::infinity());
    double a = vm.ToNumber(Arg(args, 0)), b = vm.ToNumber(Arg(args, 1));
    if (args.size() < 2) return Value(a);
    return Value(std::isnan(a) || std::isnan(b) ? std::nan("") : std::max(a, b));
  });
  vm.Method(math, "random", [](Vm& vm, const Value&, const Args&) { return Value(vm.Random()); });
  uint16_t constant = kDontEnum | kDontDelete | kReadOnly;
  math->Define("E", std::numbers::e, constant);
  math->Define("LN10", std::numbers::ln10, constant);
  math->Define("LN2", std::numbers::ln2, constant);
  math->Define("LOG10E", std::numbers::log10e, constant);
  math->Define("LOG2E", std::numbers::log2e, constant);
  math->Define("PI", std::numbers::pi, constant);
  math->Define("SQRT1_2", 1 / std::numbers::sqrt2, constant);
  math->Define("SQRT2", std::numbers::sqrt2, constant);
}

}  // namespace

void InstallNumberBooleanMath(Vm& vm) {
  InstallNumber(vm);
  InstallBoolean(vm);
  InstallMath(vm);
}

}  // namespace kestrova::avm1
