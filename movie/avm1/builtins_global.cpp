// Global functions: parseInt, parseFloat, isNaN, isFinite, escape,
// unescape, and the objects that are present but do nothing here.
#include <cmath>

#include "movie/avm1/builtins.h"
#include "movie/avm1/number_text.h"

namespace kestrova::avm1 {

namespace {

std::string Escape(const std::string& s) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : s) {
    if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  return out;
}

std::string Unescape(const std::string& s) {
  std::string out;
  auto hexValue = [](char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '%' && i + 2 < s.size() && hexValue(s[i + 1]) >= 0 && hexValue(s[i + 2]) >= 0) {
      out += static_cast<char>(hexValue(s[i + 1]) * 16 + hexValue(s[i + 2]));
      i += 2;
    } else {
      out += s[i];
    }
  }
  return out;
}

}  // namespace

void InstallGlobals(Vm& vm) {
  Object* g = vm.global;
  vm.Method(g, "parseInt", [](Vm& vm, const Value&, const Args& args) {
    if (args.empty()) return Value();
    bool hasRadix = args.size() > 1;
    return Value(ParseInt(vm.ToString(args[0]), hasRadix, hasRadix ? vm.ToNumber(args[1]) : 0));
  });
  vm.Method(g, "parseFloat", [](Vm& vm, const Value&, const Args& args) {
    return Value(ParseFloat(vm.ToString(Arg(args, 0))));
  });
  vm.Method(g, "isNaN", [](Vm& vm, const Value&, const Args& args) {
    return Value(args.empty() || std::isnan(vm.ToNumber(args[0])));
  });
  vm.Method(g, "isFinite", [](Vm& vm, const Value&, const Args& args) {
    return Value(!args.empty() && std::isfinite(vm.ToNumber(args[0])));
  });
  vm.Method(g, "escape", [](Vm& vm, const Value&, const Args& args) {
    return Value(Escape(vm.ToString(Arg(args, 0))));
  });
  vm.Method(g, "unescape", [](Vm& vm, const Value&, const Args& args) {
    return Value(Unescape(vm.ToString(Arg(args, 0))));
  });
  // ASnative(2, 0): whether the running function was called by `new`.
  Object* asNew =
      vm.NewFunction([](Vm& vm, const Value&, const Args&) { return Value(vm.constructing); });
  vm.Method(g, "ASnative", [asNew](Vm& vm, const Value&, const Args& args) -> Value {
    if (vm.ToNumber(Arg(args, 0)) == 2 && vm.ToNumber(Arg(args, 1)) == 0) return asNew;
    return Value();
  });
  g->Define("NaN", std::nan(""), kDontEnum);
  g->Define("Infinity", HUGE_VAL, kDontEnum);
}

}  // namespace kestrova::avm1
