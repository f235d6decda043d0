// Object, Function, and the object helpers of the global scope
// (ASSetPropFlags).
#include <cmath>

#include "movie/avm1/builtins.h"

namespace kestrova::avm1 {

Object* DefineClass(Vm& vm, const std::string& name, NativeFn call, NativeFn construct,
                    Object* proto) {
  Object* ctor = vm.NewFunction(std::move(call));
  ctor->nativeConstruct = std::move(construct);
  ctor->Define("prototype", proto, kDontEnum | kDontDelete);
  proto->Define("constructor", ctor, kDontEnum);
  proto->Define("__constructor__", ctor, kDontEnum);
  if (!name.empty()) vm.global->Define(name, ctor, kDontEnum);
  return ctor;
}

void DefineAccessor(Vm& vm, Object* target, const char* name, NativeFn get, NativeFn set,
                    uint16_t flags) {
  Property& p = target->Put(name);
  p.getter = vm.NewFunction(std::move(get));
  if (set) p.setter = vm.NewFunction(std::move(set));
  p.flags = flags;
}

namespace {

Value ObjectToString(Vm&, const Value& self, const Args&) {
  Object* o = self.object();
  if (o && o->IsFunction()) return Value("[type Function]");
  return Value("[object Object]");
}

// ASSetPropFlags(object, names, set, clear): names is an array, a
// comma-separated string, or null for every property.
Value SetPropFlags(Vm& vm, const Value&, const Args& args) {
  Object* o = Arg(args, 0).object();
  if (!o) return Value();
  Value names = Arg(args, 1);
  uint16_t set = static_cast<uint16_t>(vm.ToInt32(Arg(args, 2)));
  uint16_t clear = args.size() > 3 ? static_cast<uint16_t>(vm.ToInt32(args[3])) : 0;
  auto apply = [&](Property& p) { p.flags = static_cast<uint16_t>((p.flags & ~clear) | set); };
  if (names.IsNull() || names.IsUndefined()) {
    for (Property& p : o->Properties()) apply(p);
    return Value();
  }
  std::vector<std::string> list;
  if (Object* a = names.object()) {
    double n = vm.ToNumber(vm.GetOf(a, "length", a));
    for (int i = 0; i < n && i < 100000; ++i)
      list.push_back(vm.ToString(vm.GetOf(a, std::to_string(i), a)));
  } else {
    std::string s = vm.ToString(names);
    size_t start = 0;
    while (start <= s.size()) {
      size_t comma = s.find(',', start);
      if (comma == std::string::npos) comma = s.size();
      list.push_back(s.substr(start, comma - start));
      start = comma + 1;
    }
  }
  for (const std::string& name : list)
    if (Property* p = o->Find(name)) apply(*p);
  return Value();
}

void InstallObjectMethods(Vm& vm, Object* proto) {
  vm.Method(proto, "toString", ObjectToString);
  vm.Method(proto, "toLocaleString", ObjectToString);
  vm.Method(proto, "valueOf", [](Vm&, const Value& self, const Args&) { return self; });
  vm.Method(proto, "hasOwnProperty", [](Vm& vm, const Value& self, const Args& args) {
    Object* o = self.object();
    if (!o || args.empty()) return Value(false);
    std::string name = vm.ToString(Arg(args, 0));
    if (name == "__proto__") return Value(o->proto != nullptr);
    return Value(o->Find(name) != nullptr);
  });
  vm.Method(proto, "isPropertyEnumerable", [](Vm& vm, const Value& self, const Args& args) {
    Object* o = self.object();
    const Property* p = o ? o->Find(vm.ToString(Arg(args, 0))) : nullptr;
    return Value(p && vm.Visible(*p) && !(p->flags & kDontEnum));
  });
  vm.Method(proto, "isPrototypeOf", [](Vm&, const Value& self, const Args& args) {
    Object* o = Arg(args, 0).object();
    int hops = 0;
    for (Object* p = o ? o->proto : nullptr; p && hops < 256; p = p->proto, ++hops)
      if (p == self.object()) return Value(true);
    return Value(false);
  });
  vm.Method(proto, "addProperty", [](Vm& vm, const Value& self, const Args& args) {
    Object* o = self.object();
    std::string name = vm.ToString(Arg(args, 0));
    Object* getter = Arg(args, 1).object();
    Value setterValue = Arg(args, 2);
    if (!o || name.empty() || !getter || !getter->IsFunction()) return Value(false);
    if (!setterValue.IsNull() && !(setterValue.object() && setterValue.object()->IsFunction()))
      return Value(false);
    Property& p = o->Put(name);
    p.getter = getter;
    p.setter = setterValue.object();
    p.value = Value();
    return Value(true);
  });
  vm.Method(proto, "watch", [](Vm& vm, const Value& self, const Args& args) {
    Object* o = self.object();
    Object* callback = Arg(args, 1).object();
    if (!o || !callback || !callback->IsFunction()) return Value(false);
    std::string name = vm.ToString(Arg(args, 0));
    o->watches[vm.CaseSensitive() ? name : LowerCase(name)] = {callback, Arg(args, 2)};
    return Value(true);
  });
  vm.Method(proto, "unwatch", [](Vm& vm, const Value& self, const Args& args) {
    Object* o = self.object();
    if (!o || args.empty()) return Value(false);
    std::string name = vm.ToString(Arg(args, 0));
    return Value(o->watches.erase(vm.CaseSensitive() ? name : LowerCase(name)) > 0);
  });
}

Value CallFunction(Vm& vm, const Value& self, const Args& args) {
  Value thisArg = Arg(args, 0);
  if (thisArg.IsNullish()) thisArg = vm.global;
  Args rest(args.begin() + std::min<size_t>(1, args.size()), args.end());
  return vm.Call(self, thisArg, rest);
}

Value ApplyFunction(Vm& vm, const Value& self, const Args& args) {
  Value thisArg = Arg(args, 0);
  if (thisArg.IsNullish()) thisArg = vm.global;
  Args list;
  if (Object* a = Arg(args, 1).object()) {
    double n = vm.ToNumber(vm.GetOf(a, "length", a));
    for (int i = 0; i < n && i < 100000; ++i) list.push_back(vm.GetOf(a, std::to_string(i), a));
  }
  return vm.Call(self, thisArg, list);
}

}  // namespace

void InstallObject(Vm& vm) {
  vm.objectProto = vm.Make(Kind::Plain, nullptr);
  // Function.prototype is a plain object: typeof gives "object".
  vm.functionProto = vm.Make(Kind::Plain, vm.objectProto);
  // The global object has no prototype: no valueOf, no toString.
  vm.global = vm.Make(Kind::Plain, nullptr);
  InstallObjectMethods(vm, vm.objectProto);
  auto makeObject = [](Vm& vm, const Value&, const Args& args) -> Value {
    Value v = Arg(args, 0);
    if (v.IsObject()) return v;
    if (v.IsNullish()) return vm.NewObject();
    return vm.ToObject(v);
  };
  vm.objectCtor = DefineClass(vm, "Object", makeObject, makeObject, vm.objectProto);
  vm.Method(vm.objectCtor, "registerClass",
            [](Vm&, const Value&, const Args&) { return Value(true); });

  vm.Method(vm.functionProto, "call", CallFunction);
  vm.Method(vm.functionProto, "apply", ApplyFunction);
  auto makeFunction = [](Vm& vm, const Value&, const Args&) -> Value {
    return vm.NewFunction(nullptr);
  };
  vm.functionCtor = DefineClass(vm, "Function", makeFunction, makeFunction, vm.functionProto);
  vm.objectCtor->proto = vm.functionProto;
  vm.functionCtor->proto = vm.functionProto;

  vm.global->Define("ASSetPropFlags", vm.NewFunction(SetPropFlags), kDontEnum);
}

void InstallBuiltins(Vm& vm) {
  InstallObject(vm);
  InstallArray(vm);
  InstallString(vm);
  InstallNumberBooleanMath(vm);
  InstallDate(vm);
  InstallGlobals(vm);
}

}  // namespace kestrova::avm1
