#include "movie/avm1/operators.h"

#include <cmath>

namespace kestrova::avm1 {

Value Add(Vm& vm, const Value& a, const Value& b) {
  if (a.IsNumber() && b.IsNumber()) return Value(a.number() + b.number());
  // From SWF 7 an object whose valueOf gives an object is no string here:
  // it takes toString only beside a string.
  bool fallback = vm.codeVersion < 7;
  Value pa = vm.ToPrimitive(a, false, fallback), pb = vm.ToPrimitive(b, false, fallback);
  if (pa.IsString() || pb.IsString()) return Value(vm.ToString(pa) + vm.ToString(pb));
  return Value(vm.ToNumber(pa) + vm.ToNumber(pb));
}

bool StrictEquals(const Value& a, const Value& b) {
  if (a.type() != b.type()) return false;
  switch (a.type()) {
    case Type::Undefined:
    case Type::Null:
      return true;
    case Type::Boolean:
      return a.boolean() == b.boolean();
    case Type::Number:  // NaN equals NaN here
      return a.number() == b.number() || (std::isnan(a.number()) && std::isnan(b.number()));
    case Type::String:
      return a.string() == b.string();
    case Type::Object:
      return a.object() == b.object();
  }
  return false;
}

bool LooseEquals(Vm& vm, const Value& a, const Value& b) {
  if (a.type() == b.type()) return StrictEquals(a, b);
  if (a.IsNullish() && b.IsNullish()) return true;
  // An object without valueOf (the global object) is undefined here.
  if (a.IsObject() && b.IsNullish()) return vm.ToPrimitive(a).IsNullish();
  if (b.IsObject() && a.IsNullish()) return vm.ToPrimitive(b).IsNullish();
  if (a.IsNullish() || b.IsNullish()) return false;
  if (a.IsBool()) return LooseEquals(vm, Value(a.number()), b);
  if (b.IsBool()) return LooseEquals(vm, a, Value(b.number()));
  if (a.IsNumber() && b.IsString()) return a.number() == vm.ToNumber(b);
  if (a.IsString() && b.IsNumber()) return vm.ToNumber(a) == b.number();
  if (a.IsObject() && !b.IsObject()) {
    Value pa = vm.ToPrimitive(a, false, vm.codeVersion < 7);
    if (pa.IsObject()) return false;
    return LooseEquals(vm, pa, b);
  }
  if (b.IsObject() && !a.IsObject()) {
    Value pb = vm.ToPrimitive(b, false, vm.codeVersion < 7);
    if (pb.IsObject()) return false;
    return LooseEquals(vm, a, pb);
  }
  return false;
}

// Comparison operands: an object whose valueOf gives an object makes the
// comparison false at once; movie clips compare as undefined.
namespace {

bool ComparePrimitive(Vm& vm, const Value& v, Value& out) {
  Object* o = v.object();
  if (o && o->kind == Kind::MovieClip) {
    out = Value();
    return true;
  }
  out = vm.ToPrimitive(v, false, false);
  return !out.IsObject();
}

}  // namespace

Value LessThan(Vm& vm, const Value& a, const Value& b) {
  if (a.IsNumber() && b.IsNumber()) {
    if (std::isnan(a.number()) || std::isnan(b.number())) return Value();
    return Value(a.number() < b.number());
  }
  Value pa, pb;
  if (!ComparePrimitive(vm, a, pa)) return Value(false);
  if (!ComparePrimitive(vm, b, pb)) return Value(false);
  if (a.object() && a.object()->kind == Kind::MovieClip) return Value();
  if (b.object() && b.object()->kind == Kind::MovieClip) return Value();
  if (pa.IsString() && pb.IsString()) return Value(pa.string() < pb.string());
  double x = vm.ToNumber(pa), y = vm.ToNumber(pb);
  if (std::isnan(x) || std::isnan(y)) return Value();
  return Value(x < y);
}

}  // namespace kestrova::avm1
