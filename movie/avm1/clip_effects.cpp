// SWF 8's display effects of clips and buttons set by scripts: filters,
// blendMode, cacheAsBitmap and transform, as accessors of the prototype
// that write the placement the renderer draws. Each change counts as a
// display change, so the preview draws the frame again.
#include <cmath>

#include "movie/avm1/builtins.h"
#include "movie/avm1/filter_classes.h"
#include "movie/avm1/filter_conversion.h"
#include "movie/avm1/filter_objects.h"
#include "movie/avm1/runtime.h"

namespace kestrova::avm1 {

namespace {

// By the numbers PlaceObject3 gives them; 0 is normal too.
constexpr const char* kBlendModes[] = {"normal",  "normal", "layer",      "multiply", "screen",
                                       "lighten", "darken", "difference", "add",      "subtract",
                                       "invert",  "alpha",  "erase",      "overlay",  "hardlight"};
constexpr int kBlendModeCount = 15;

int BlendModeOf(Vm& vm, const Value& v) {
  if (v.IsString()) {
    for (int i = 1; i < kBlendModeCount; ++i)
      if (v.string() == kBlendModes[i]) return i;
    return -1;
  }
  if (!v.IsNumber()) return -1;
  double n = vm.ToInteger(v);
  return n >= 1 && n < kBlendModeCount ? static_cast<int>(n) : -1;
}

}  // namespace

movie::DisplayObject* Runtime::EffectsTarget(const Value& self, bool change) {
  movie::Clip* clip = ClipOf(self.object());
  movie::DisplayObject* d = clip ? SelfOf(*clip) : nullptr;
  if (d && change) ++clip->Context().changes;
  return d;
}

void Runtime::InstallClipEffects(Object* proto) {
  DefineAccessor(
      vm_, proto, "filters",
      [this](Vm& vm, const Value& self, const Args&) -> Value {
        movie::Clip* clip = ClipOf(self.object());
        if (!clip) return Value();
        // What scripts set, as they set it; else the timeline's filters.
        const Value& kept = clips_[clip].filters;
        if (!kept.IsUndefined()) return CloneFilters(vm, kept, kMaxFilters);
        movie::DisplayObject* d = SelfOf(*clip);
        return d ? ToFilterObjects(vm, d->filters) : Value(vm.NewArray());
      },
      [this](Vm& vm, const Value& self, const Args& args) {
        Value list = Arg(args, 0), kept;
        if (!list.object()) return Value();
        // Reading the array may run scripts (getters) that change the
        // display list: the placement is found after.
        std::vector<swf::Filter> drawn = ToSwfFilters(vm, list, kMaxFilters, kept);
        movie::DisplayObject* d = EffectsTarget(self, true);
        if (!d) return Value();
        d->filters = std::move(drawn);
        clips_[ClipOf(self.object())].filters = kept;
        return Value();
      },
      kDontEnum | kVersion8);
  DefineAccessor(
      vm_, proto, "blendMode",
      [this](Vm&, const Value& self, const Args&) -> Value {
        movie::DisplayObject* d = EffectsTarget(self, false);
        if (!d) return Value();
        return Value(kBlendModes[d->blendMode < kBlendModeCount ? d->blendMode : 0]);
      },
      [this](Vm& vm, const Value& self, const Args& args) {
        int mode = BlendModeOf(vm, Arg(args, 0));
        if (mode < 0) return Value();
        if (movie::DisplayObject* d = EffectsTarget(self, true))
          d->blendMode = static_cast<uint8_t>(mode);
        return Value();
      },
      kDontEnum | kVersion8);
  DefineAccessor(
      vm_, proto, "cacheAsBitmap",
      [this](Vm&, const Value& self, const Args&) -> Value {
        movie::DisplayObject* d = EffectsTarget(self, false);
        return d ? Value(d->cacheAsBitmap) : Value();
      },
      [this](Vm& vm, const Value& self, const Args& args) {
        if (movie::DisplayObject* d = EffectsTarget(self, true))
          d->cacheAsBitmap = vm.ToBoolean(Arg(args, 0));
        return Value();
      },
      kDontEnum | kVersion8);
  DefineAccessor(
      vm_, proto, "transform",
      [this](Vm&, const Value& self, const Args&) -> Value {
        return ClipOf(self.object()) ? NewTransform(self.object()) : Value();
      },
      [this](Vm&, const Value& self, const Args& args) {
        if (ClipOf(self.object())) SetTransform(self.object(), Arg(args, 0));
        return Value();
      },
      kDontEnum | kVersion8);
}

}  // namespace kestrova::avm1
