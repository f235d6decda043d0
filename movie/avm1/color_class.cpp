// Color: new Color(clip) and its setRGB, getRGB, setTransform and
// getTransform, over the colour transform of the clip's placement.
#include <algorithm>
#include <cmath>
#include <optional>

#include "movie/avm1/builtins.h"
#include "movie/avm1/runtime.h"

namespace kestrova::avm1 {

namespace {

struct Channel {
  const char* percent;
  const char* offset;
  float swf::ColorTransform::*multiply;
  float swf::ColorTransform::*add;
};

constexpr Channel kChannels[] = {
    {"ra", "rb", &swf::ColorTransform::mr, &swf::ColorTransform::ar},
    {"ga", "gb", &swf::ColorTransform::mg, &swf::ColorTransform::ag},
    {"ba", "bb", &swf::ColorTransform::mb, &swf::ColorTransform::ab},
    {"aa", "ab", &swf::ColorTransform::ma, &swf::ColorTransform::aa},
};

float Clamped(double v, double limit) {
  return std::isfinite(v) ? static_cast<float>(std::clamp(v, -limit, limit)) : 0.0f;
}

}  // namespace

// The placement a Color object changes: its target clip's, found again on
// every call (the clip may have gone).
movie::DisplayObject* Runtime::ColorTarget(const Value& self, bool change) {
  Object* o = self.object();
  if (!o) return nullptr;
  Value target = o->primitive;
  Object* clip = target.object();
  if (!clip && !target.IsNullish()) clip = ResolveClip(Root(), vm_.ToString(target));
  movie::Clip* c = ClipOf(clip);
  movie::DisplayObject* d = c ? c->Self() : nullptr;
  if (d && change) ++c->Context().changes;  // the preview draws it anew
  return d;
}

void Runtime::InstallColor() {
  Object* proto = vm_.NewObject();
  auto make = [proto](Vm& vm, const Value&, const Args& args) -> Value {
    Object* o = vm.Make(Kind::Plain, proto);
    o->primitive = Arg(args, 0);
    return o;
  };
  DefineClass(vm_, "Color", make, make, proto);
  vm_.Method(proto, "setRGB", [this](Vm& vm, const Value& self, const Args& args) {
    if (!ColorTarget(self)) return Value();
    // valueOf may remove the clip: the placement is found again after it.
    auto rgb = static_cast<uint32_t>(vm.ToInt32(Arg(args, 0)));
    movie::DisplayObject* d = ColorTarget(self, true);
    if (!d) return Value();
    d->colorTransform.mr = d->colorTransform.mg = d->colorTransform.mb = 0;
    d->colorTransform.ar = static_cast<float>((rgb >> 16) & 255);
    d->colorTransform.ag = static_cast<float>((rgb >> 8) & 255);
    d->colorTransform.ab = static_cast<float>(rgb & 255);
    return Value();
  });
  vm_.Method(proto, "getRGB", [this](Vm&, const Value& self, const Args&) -> Value {
    movie::DisplayObject* d = ColorTarget(self);
    if (!d) return Value();
    auto part = [](float v) { return static_cast<uint32_t>(std::clamp(v, 0.0f, 255.0f)); };
    const swf::ColorTransform& c = d->colorTransform;
    return static_cast<double>(part(c.ar) << 16 | part(c.ag) << 8 | part(c.ab));
  });
  vm_.Method(proto, "setTransform", [this](Vm& vm, const Value& self, const Args& args) {
    Value t = Arg(args, 0);
    if (!t.object()) return Value();
    // The object's getters and valueOf run first: they may remove the clip.
    std::optional<float> multiply[4], add[4];
    for (int i = 0; i < 4; ++i) {
      Value percent = vm.Get(t, kChannels[i].percent), offset = vm.Get(t, kChannels[i].offset);
      if (!percent.IsUndefined()) multiply[i] = Clamped(vm.ToNumber(percent), 32768) / 100.0f;
      if (!offset.IsUndefined()) add[i] = Clamped(vm.ToNumber(offset), 32768);
    }
    movie::DisplayObject* d = ColorTarget(self, true);
    if (!d) return Value();
    for (int i = 0; i < 4; ++i) {
      if (multiply[i]) d->colorTransform.*kChannels[i].multiply = *multiply[i];
      if (add[i]) d->colorTransform.*kChannels[i].add = *add[i];
    }
    return Value();
  });
  vm_.Method(proto, "getTransform", [this](Vm& vm, const Value& self, const Args&) -> Value {
    movie::DisplayObject* d = ColorTarget(self);
    if (!d) return Value();
    Object* out = vm.NewObject();
    for (const Channel& ch : kChannels) {
      vm.SetOf(out, ch.percent, std::round(d->colorTransform.*ch.multiply * 10000.0) / 100.0);
      vm.SetOf(out, ch.offset, static_cast<double>(d->colorTransform.*ch.add));
    }
    return out;
  });
}

}  // namespace kestrova::avm1
