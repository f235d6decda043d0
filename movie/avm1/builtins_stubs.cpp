// The classes and objects of Flash Player that a screensaver has no use
// for (sound, network, camera, keyboard ...): present, so that movies
// testing for them find them, and harmless: their methods do nothing.
// Only names no other part of the player defined are filled in.
#include <array>
#include <utility>

#include "movie/avm1/builtins.h"

namespace kestrova::avm1 {

namespace {

Value Nothing(Vm&, const Value&, const Args&) { return Value(); }

bool Defined(Vm&, Object* where, const std::string& name) { return where->Find(name) != nullptr; }

// A class whose instances are plain objects with the named methods.
Object* StubClass(Vm& vm, Object* where, const std::string& name,
                  std::initializer_list<const char*> methods, uint16_t flags = 0) {
  if (Defined(vm, where, name)) return nullptr;
  Object* proto = vm.NewObject();
  Object* ctor = DefineClass(vm, "", Nothing, nullptr, proto);
  where->Define(name, ctor, kDontEnum | flags);
  for (const char* m : methods) vm.Method(proto, m, Nothing);
  return ctor;
}

Object* StubObject(Vm& vm, Object* where, const std::string& name,
                   std::initializer_list<const char*> methods) {
  if (Defined(vm, where, name)) return where->Find(name)->value.object();
  Object* o = vm.NewObject();
  where->Define(name, o, kDontEnum);
  for (const char* m : methods) vm.Method(o, m, Nothing);
  return o;
}

Value ListenersOf(Vm& vm, const Value& self) {
  Value list = vm.Get(self, "_listeners");
  return list.object() ? list : Value();
}

// AsBroadcaster.initialize: _listeners and the three methods that use it.
void MakeBroadcaster(Vm& vm, Object* o) {
  o->Define("_listeners", vm.NewArray(), kDontEnum);
  vm.Method(o, "addListener", [](Vm& vm, const Value& self, const Args& args) {
    Value list = ListenersOf(vm, self);
    if (!list.object()) return Value(false);
    vm.CallMethod(list, "push", {Arg(args, 0)});
    return Value(true);
  });
  vm.Method(o, "removeListener", [](Vm& vm, const Value& self, const Args& args) {
    Value list = ListenersOf(vm, self);
    if (!list.object()) return Value(false);
    double n = vm.ToNumber(vm.Get(list, "length"));
    for (int i = 0; i < n && i < 100000; ++i) {
      Value item = vm.Get(list, std::to_string(i));
      if (item.object() && item.object() == Arg(args, 0).object()) {
        vm.CallMethod(list, "splice", {Value(i), Value(1)});
        return Value(true);
      }
    }
    return Value(false);
  });
  vm.Method(o, "broadcastMessage", [](Vm& vm, const Value& self, const Args& args) {
    Value list = ListenersOf(vm, self);
    if (!list.object() || args.empty()) return Value();
    std::string message = vm.ToString(args[0]);
    Args rest(args.begin() + 1, args.end());
    double n = vm.ToNumber(vm.Get(list, "length"));
    std::vector<Value> items;
    for (int i = 0; i < n && i < 100000; ++i) items.push_back(vm.Get(list, std::to_string(i)));
    for (const Value& item : items) vm.CallMethod(item, message, rest);
    return Value(true);
  });
}

void InstallBroadcaster(Vm& vm) {
  Object* ctor = StubClass(vm, vm.global, "AsBroadcaster", {});
  if (!ctor) return;
  vm.Method(ctor, "initialize", [](Vm& vm, const Value&, const Args& args) {
    if (Object* o = Arg(args, 0).object()) MakeBroadcaster(vm, o);
    return Value();
  });
}

void InstallError(Vm& vm) {
  if (Defined(vm, vm.global, "Error")) return;
  Object* proto = vm.NewObject();
  Object* ctor = DefineClass(
      vm, "Error",
      [](Vm& vm, const Value& self, const Args& args) {
        if (!args.empty() && self.object()) vm.Set(self, "message", args[0]);
        return Value();
      },
      nullptr, proto);
  (void)ctor;
  proto->Define("message", Value("Error"), kDontEnum);
  proto->Define("name", Value("Error"), kDontEnum);
  vm.Method(proto, "toString", [](Vm& vm, const Value& self, const Args&) {
    return Value(vm.ToString(vm.Get(self, "message")));
  });
}

// The key names movies compare with, and no key pressed yet (0).
void InstallKeyCodes(Vm& vm, Object* key) {
  static constexpr std::array<std::pair<const char*, int>, 18> kCodes = {{
      {"BACKSPACE", 8},
      {"TAB", 9},
      {"ENTER", 13},
      {"SHIFT", 16},
      {"CONTROL", 17},
      {"CAPSLOCK", 20},
      {"ESCAPE", 27},
      {"SPACE", 32},
      {"PGUP", 33},
      {"PGDN", 34},
      {"END", 35},
      {"HOME", 36},
      {"LEFT", 37},
      {"UP", 38},
      {"RIGHT", 39},
      {"DOWN", 40},
      {"INSERT", 45},
      {"DELETEKEY", 46},
  }};
  for (const auto& [name, code] : kCodes)
    key->Define(name, static_cast<double>(code), kDontEnum | kDontDelete | kReadOnly);
  vm.Method(key, "getCode", [](Vm&, const Value&, const Args&) { return Value(0); });
  vm.Method(key, "getAscii", [](Vm&, const Value&, const Args&) { return Value(0); });
}

void InstallSystemObjects(Vm& vm) {
  Object* g = vm.global;
  StubObject(vm, g, "Accessibility", {"isActive", "updateProperties"});
  Object* key = StubObject(vm, g, "Key", {"getAscii", "getCode"});
  if (key && !key->Find("isDown")) {
    MakeBroadcaster(vm, key);
    vm.Method(key, "isDown", [](Vm&, const Value&, const Args&) { return Value(false); });
    vm.Method(key, "isToggled", [](Vm&, const Value&, const Args&) { return Value(false); });
    InstallKeyCodes(vm, key);
  }
  Object* mouse = StubObject(vm, g, "Mouse", {"show", "hide"});
  if (mouse && !mouse->Find("addListener")) MakeBroadcaster(vm, mouse);
  Object* selection = StubObject(
      vm, g, "Selection",
      {"getBeginIndex", "getEndIndex", "getCaretIndex", "getFocus", "setFocus", "setSelection"});
  if (selection && !selection->Find("addListener")) MakeBroadcaster(vm, selection);
  Object* stage = StubObject(vm, g, "Stage", {});
  if (stage && !stage->Find("addListener")) MakeBroadcaster(vm, stage);
  Object* system = StubObject(vm, g, "System", {"setClipboard", "showSettings"});
  if (system) {
    StubObject(vm, system, "capabilities", {});
    StubObject(vm, system, "IME", {});
    StubObject(vm, system, "security", {"allowDomain", "allowInsecureDomain", "loadPolicyFile"});
  }
}

void InstallMediaAndNetwork(Vm& vm) {
  Object* g = vm.global;
  StubClass(vm, g, "Button", {"getDepth"});
  StubClass(vm, g, "Camera", {"setMode", "setMotionLevel", "setQuality"});
  StubClass(vm, g, "Color", {"getRGB", "setRGB", "getTransform", "setTransform"});
  StubClass(vm, g, "ContextMenu", {"copy", "hideBuiltInItems"});
  StubClass(vm, g, "ContextMenuItem", {"copy"});
  StubClass(vm, g, "LoadVars",
            {"load", "send", "sendAndLoad", "decode", "getBytesLoaded", "getBytesTotal",
             "addRequestHeader"});
  StubClass(vm, g, "LocalConnection", {"connect", "send", "close", "domain"});
  StubClass(vm, g, "Microphone",
            {"setGain", "setRate", "setSilenceLevel", "setUseEchoSuppression"});
  StubClass(vm, g, "MovieClipLoader",
            {"loadClip", "unloadClip", "getProgress", "addListener", "removeListener"});
  StubClass(vm, g, "NetConnection", {"connect", "close", "call", "addHeader"});
  StubClass(vm, g, "NetStream", {"play", "pause", "seek", "close", "setBufferTime"});
  StubClass(vm, g, "PrintJob", {"start", "addPage", "send"});
  StubClass(vm, g, "SharedObject", {"flush", "clear", "getSize", "setFps", "connect", "send"});
  StubClass(vm, g, "Sound",
            {"attachSound", "start", "stop", "setVolume", "getVolume", "setPan", "getPan",
             "setTransform", "getTransform", "loadSound", "getBytesLoaded", "getBytesTotal"});
  StubClass(vm, g, "Video", {"attachVideo", "clear"});
  StubClass(
      vm, g, "XMLNode",
      {"appendChild", "cloneNode", "hasChildNodes", "insertBefore", "removeNode", "toString"});
  StubClass(vm, g, "XML",
            {"load", "send", "sendAndLoad", "parseXML", "createElement", "createTextNode",
             "getBytesLoaded", "getBytesTotal", "addRequestHeader"});
  StubClass(vm, g, "XMLSocket", {"connect", "send", "close"});
}

void InstallTextStubs(Vm& vm) {
  Object* g = vm.global;
  StubClass(vm, g, "TextField", {"getTextFormat", "setTextFormat", "replaceSel", "getDepth"});
  StubClass(vm, g, "TextFormat", {"getTextExtent"});
  StubClass(vm, g, "TextSnapshot", {});
  Object* textField = g->Find("TextField") ? g->Find("TextField")->value.object() : nullptr;
  if (!textField) return;
  StubClass(vm, textField, "StyleSheet", {"parseCSS", "load"}, kVersion7);
  // Style sheets came with SWF 7.
  if (Property* p = textField->Find("StyleSheet")) p->flags |= kVersion7;
}

}  // namespace

void InstallPlayerStubs(Vm& vm) {
  InstallBroadcaster(vm);
  InstallError(vm);
  InstallSystemObjects(vm);
  InstallMediaAndNetwork(vm);
  InstallTextStubs(vm);
  InstallFlashPackage(vm);
}

}  // namespace kestrova::avm1
