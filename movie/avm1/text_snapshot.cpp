#include "movie/avm1/text_snapshot.h"

#include <algorithm>

#include "movie/avm1/builtins.h"
#include "movie/avm1/text_util.h"

namespace kestrova::avm1 {

std::string StaticTextOf(const swf::Movie& movie, const movie::Clip& clip) {
  std::string out;
  for (const auto& [depth, object] : clip.Objects()) {
    const swf::Character* character = movie.Find(object.characterId);
    const auto* text = character ? std::get_if<swf::Text>(character) : nullptr;
    if (!text) continue;
    for (const swf::TextGlyph& glyph : text->glyphs) {
      const swf::Character* f = movie.Find(glyph.fontId);
      const auto* font = f ? std::get_if<swf::Font>(f) : nullptr;
      if (font && glyph.index < font->codes.size()) out += Utf8Encode(font->codes[glyph.index]);
    }
  }
  return out;
}

namespace {

std::string SnapshotText(const Value& self) {
  Object* o = self.object();
  return o && o->primitive.IsString() ? o->primitive.string() : std::string();
}

// Character index `v` clamped to [0, length].
double Index(Vm& vm, const Value& v, double length) {
  return std::clamp(vm.ToInteger(v), 0.0, length);
}

Value GetText(Vm& vm, const Value& self, const Args& args) {
  std::string text = SnapshotText(self);
  double length = static_cast<double>(Utf8Length(text));
  double start = Index(vm, Arg(args, 0), length);
  double end = args.size() > 1 ? Index(vm, args[1], length) : start + 1;
  if (end <= start) return Value(std::string());
  return Value(Extract(text, start, end - start, true));
}

Value FindText(Vm& vm, const Value& self, const Args& args) {
  std::string text = SnapshotText(self);
  std::string wanted = vm.ToString(Arg(args, 1));
  bool caseSensitive = vm.ToBoolean(Arg(args, 2));
  if (!caseSensitive) {
    text = LowerCase(text);
    wanted = LowerCase(wanted);
  }
  double start = Index(vm, Arg(args, 0), static_cast<double>(Utf8Length(text)));
  std::string head = Extract(text, 0, start, true);
  size_t at = text.find(wanted, head.size());
  if (at == std::string::npos) return Value(-1);
  return Value(static_cast<double>(Utf8Length(text.substr(0, at))));
}

void InstallMethods(Vm& vm, Object* proto) {
  // Hidden from SWF 5 movies, yet they enumerate there; defined in the
  // reverse of the order they enumerate in.
  auto method = [&](const char* name, NativeFn fn) {
    proto->Define(name, vm.NewFunction(std::move(fn)), kVersion6);
  };
  method("getCount", [](Vm&, const Value& self, const Args&) {
    return Value(static_cast<double>(Utf8Length(SnapshotText(self))));
  });
  method("setSelected", [](Vm&, const Value&, const Args&) { return Value(); });
  method("getSelected", [](Vm&, const Value&, const Args&) { return Value(false); });
  method("getText", GetText);
  method("getSelectedText", [](Vm&, const Value&, const Args&) { return Value(""); });
  method("hitTestTextNearPos", [](Vm&, const Value&, const Args&) { return Value(-1); });
  method("findText", FindText);
  method("setSelectColor", [](Vm&, const Value&, const Args&) { return Value(); });
  method("getTextRunInfo", [](Vm& vm, const Value&, const Args&) { return Value(vm.NewArray()); });
}

}  // namespace

void InstallTextSnapshot(Vm& vm, Object* movieClipProto,
                         std::function<std::string(Object*)> textOf) {
  Object* proto = vm.NewObject();
  auto make = [proto, textOf](Vm& vm, const Value&, const Args& args) -> Value {
    Object* o = vm.Make(Kind::Plain, proto);
    o->primitive = Value(textOf(Arg(args, 0).object()));
    return o;
  };
  Object* ctor = DefineClass(vm, "TextSnapshot", make, make, proto);
  vm.Method(movieClipProto, "getTextSnapshot",
            [ctor](Vm& vm, const Value& self, const Args&) { return vm.Construct(ctor, {self}); });
  InstallMethods(vm, proto);
}

}  // namespace kestrova::avm1
