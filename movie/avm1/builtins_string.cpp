// String: methods on string values and String objects.
#include <cmath>

#include "movie/avm1/builtins.h"
#include "movie/avm1/text_util.h"

namespace kestrova::avm1 {

namespace {

std::string Self(Vm& vm, const Value& self) {
  if (Object* o = self.object())
    if (o->kind == Kind::String) return o->primitive.string();
  return vm.ToString(self);
}

double Index(Vm& vm, const Args& args, size_t i, double otherwise) {
  return i < args.size() && !args[i].IsUndefined() ? vm.ToInteger(args[i]) : otherwise;
}

Value Split(Vm& vm, const Value& self, const Args& args) {
  std::string s = Self(vm, self);
  std::vector<Value> parts;
  if (args.empty() || args[0].IsUndefined()) {
    parts.push_back(Value(s));
    return vm.NewArray(parts);
  }
  std::string sep = vm.ToString(args[0]);
  double limit = args.size() > 1 && !args[1].IsUndefined() ? vm.ToInteger(args[1]) : 1e18;
  if (sep.empty()) {
    for (size_t i = 0; i < s.size() && parts.size() < limit; ++i)
      parts.push_back(Value(s.substr(i, 1)));
    return vm.NewArray(parts);
  }
  if (s.empty()) {
    parts.push_back(Value(std::string()));
    return vm.NewArray(parts);
  }
  size_t start = 0;
  while (parts.size() < limit) {
    size_t at = s.find(sep, start);
    if (at == std::string::npos) {
      parts.push_back(Value(s.substr(start)));
      break;
    }
    parts.push_back(Value(s.substr(start, at - start)));
    start = at + sep.size();
  }
  return vm.NewArray(parts);
}

void InstallStringMethods(Vm& vm, Object* proto) {
  auto self = [](Vm& vm, const Value& v, const Args&) { return Value(Self(vm, v)); };
  vm.Method(proto, "toString", self);
  vm.Method(proto, "valueOf", self);
  vm.Method(proto, "charAt", [](Vm& vm, const Value& v, const Args& args) {
    std::string s = Self(vm, v);
    double i = Index(vm, args, 0, 0);
    if (i < 0 || i >= s.size()) return Value(std::string());
    return Value(s.substr(static_cast<size_t>(i), 1));
  });
  vm.Method(proto, "charCodeAt", [](Vm& vm, const Value& v, const Args& args) {
    std::string s = Self(vm, v);
    double i = Index(vm, args, 0, 0);
    if (i < 0 || i >= Utf8Length(s)) return Value(std::nan(""));
    return Value(static_cast<double>(Utf8CodeAt(s, static_cast<size_t>(i))));
  });
  vm.Method(proto, "indexOf", [](Vm& vm, const Value& v, const Args& args) {
    std::string s = Self(vm, v), what = vm.ToString(Arg(args, 0));
    double from = std::max(0.0, Index(vm, args, 1, 0));
    if (from > s.size()) return Value(-1.0);
    size_t at = s.find(what, static_cast<size_t>(from));
    return Value(at == std::string::npos ? -1.0 : static_cast<double>(at));
  });
  vm.Method(proto, "lastIndexOf", [](Vm& vm, const Value& v, const Args& args) {
    std::string s = Self(vm, v), what = vm.ToString(Arg(args, 0));
    double from = Index(vm, args, 1, static_cast<double>(s.size()));
    if (from < 0) return Value(-1.0);
    size_t at = s.rfind(what, static_cast<size_t>(std::min(from, 1e15)));
    return Value(at == std::string::npos ? -1.0 : static_cast<double>(at));
  });
  vm.Method(proto, "substr", [](Vm& vm, const Value& v, const Args& args) {
    std::string s = Self(vm, v);
    double n = static_cast<double>(Utf8Length(s));
    double start = Index(vm, args, 0, 0);
    if (start < 0) start = std::max(0.0, n + start);
    double count = Index(vm, args, 1, n);
    if (count < 0) count = std::max(0.0, n - start + count);
    return Value(Extract(s, start, count, true));
  });
  vm.Method(proto, "substring", [](Vm& vm, const Value& v, const Args& args) {
    std::string s = Self(vm, v);
    double n = static_cast<double>(Utf8Length(s));
    double start = std::clamp(Index(vm, args, 0, 0), 0.0, n);
    double end = std::clamp(Index(vm, args, 1, n), 0.0, n);
    if (end < start) std::swap(start, end);
    return Value(Extract(s, start, end - start, true));
  });
  vm.Method(proto, "slice", [](Vm& vm, const Value& v, const Args& args) {
    std::string s = Self(vm, v);
    double n = static_cast<double>(Utf8Length(s));
    auto clampIndex = [&](double i) { return i < 0 ? std::max(0.0, n + i) : std::min(i, n); };
    double start = clampIndex(Index(vm, args, 0, 0));
    double end = clampIndex(Index(vm, args, 1, n));
    if (end <= start) return Value(std::string());
    return Value(Extract(s, start, end - start, true));
  });
  vm.Method(proto, "split", Split);
  vm.Method(proto, "toUpperCase", [](Vm& vm, const Value& v, const Args&) {
    std::string s = Self(vm, v);
    for (char& c : s)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return Value(s);
  });
  vm.Method(proto, "toLowerCase",
            [](Vm& vm, const Value& v, const Args&) { return Value(LowerCase(Self(vm, v))); });
  vm.Method(proto, "concat", [](Vm& vm, const Value& v, const Args& args) {
    std::string s = Self(vm, v);
    for (const Value& a : args) s += vm.ToString(a);
    return Value(s);
  });
}

}  // namespace

void InstallString(Vm& vm) {
  vm.stringProto = vm.Make(Kind::String, vm.objectProto);
  vm.stringProto->primitive = Value(std::string());
  InstallStringMethods(vm, vm.stringProto);
  Object* ctor = DefineClass(
      vm, "String",
      [](Vm& vm, const Value&, const Args& args) {
        return Value(args.empty() ? std::string() : vm.ToString(args[0]));
      },
      [](Vm& vm, const Value&, const Args& args) -> Value {
        return vm.ToObject(Value(args.empty() ? std::string() : vm.ToString(args[0])));
      },
      vm.stringProto);
  vm.Method(ctor, "fromCharCode", [](Vm& vm, const Value&, const Args& args) {
    std::string s;
    for (const Value& a : args) {
      uint32_t c = static_cast<uint32_t>(vm.ToInt32(a)) & 0xFFFF;
      if (c) s += Utf8Encode(c);
    }
    return Value(s);
  });
}

}  // namespace kestrova::avm1
