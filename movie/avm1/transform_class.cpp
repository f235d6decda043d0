// flash.geom.Transform: new Transform(clip) and clip.transform. Its
// matrix and colorTransform are copies of the clip's placement (the
// matrix's tx and ty in pixels); setting them writes the placement, which
// _x, _xscale, _alpha and Color then read. The concatenated ones run up
// to the root; pixelBounds is the clip's box on the stage.
#include <algorithm>
#include <cmath>
#include <optional>

#include "movie/avm1/builtins.h"
#include "movie/avm1/clip_bounds.h"
#include "movie/avm1/runtime.h"

namespace kestrova::avm1 {

namespace {

constexpr const char* kColorFields[] = {"redMultiplier",   "greenMultiplier", "blueMultiplier",
                                        "alphaMultiplier", "redOffset",       "greenOffset",
                                        "blueOffset",      "alphaOffset"};
constexpr float swf::ColorTransform::*kColorMembers[] = {
    &swf::ColorTransform::mr, &swf::ColorTransform::mg, &swf::ColorTransform::mb,
    &swf::ColorTransform::ma, &swf::ColorTransform::ar, &swf::ColorTransform::ag,
    &swf::ColorTransform::ab, &swf::ColorTransform::aa};

// Pixels to twips; out of range is the lowest 32-bit value, as _x has it.
int32_t ToTwips(double pixels) {
  double t = pixels * 20;
  if (!(t > -2147483648.0 && t < 2147483648.0)) return INT32_MIN;
  return static_cast<int32_t>(t);
}

// `inner` followed by `outer` (a child's placement, then its parent's).
swf::Matrix Then(const swf::Matrix& inner, const swf::Matrix& outer) {
  swf::Matrix m;
  m.a = inner.a * outer.a + inner.b * outer.c;
  m.b = inner.a * outer.b + inner.b * outer.d;
  m.c = inner.c * outer.a + inner.d * outer.c;
  m.d = inner.c * outer.b + inner.d * outer.d;
  const double x = inner.tx.value, y = inner.ty.value;
  m.tx.value = static_cast<int32_t>(std::lround(x * outer.a + y * outer.c + outer.tx.value));
  m.ty.value = static_cast<int32_t>(std::lround(x * outer.b + y * outer.d + outer.ty.value));
  return m;
}

swf::ColorTransform Then(const swf::ColorTransform& inner, const swf::ColorTransform& outer) {
  swf::ColorTransform c;
  for (int i = 0; i < 4; ++i) {
    auto m = kColorMembers[i], a = kColorMembers[i + 4];
    c.*m = inner.*m * outer.*m;
    c.*a = inner.*a * outer.*m + outer.*a;
  }
  return c;
}

// flash.geom, found by name whatever the movie's version (SWF 8 hides
// `flash` from older movies' scripts, not from the player).
Object* GeomPackage(Vm& vm) {
  const Property* flash = vm.global->Find("flash");
  Object* f = flash ? flash->value.object() : nullptr;
  const Property* geom = f ? f->Find("geom") : nullptr;
  return geom ? geom->value.object() : nullptr;
}

Value GeomObject(Vm& vm, const char* name, const Args& args) {
  Object* geom = GeomPackage(vm);
  const Property* ctor = geom ? geom->Find(name) : nullptr;
  return ctor ? vm.Construct(ctor->value, args) : Value();
}

Value MatrixValue(Vm& vm, const swf::Matrix& m) {
  return GeomObject(vm, "Matrix",
                    {Value(double(m.a)), Value(double(m.b)), Value(double(m.c)), Value(double(m.d)),
                     Value(m.tx.value / 20.0), Value(m.ty.value / 20.0)});
}

Value ColorValue(Vm& vm, const swf::ColorTransform& c) {
  Args args;
  for (auto member : kColorMembers) args.push_back(Value(double(c.*member)));
  return GeomObject(vm, "ColorTransform", args);
}

// The number field `name` of `v`; `fallback` when missing or not finite.
double FieldOf(Vm& vm, const Value& v, const char* name, double fallback) {
  double n = vm.ToNumber(vm.Get(v, name));
  return std::isfinite(n) ? n : fallback;
}

// Reading runs the object's getters, which may change the display list:
// what they give is read before any placement is looked up.
swf::Matrix ReadMatrix(Vm& vm, const Value& v) {
  auto part = [&](const char* name, double fallback) {
    return static_cast<float>(std::clamp(FieldOf(vm, v, name, fallback), -32768.0, 32768.0));
  };
  swf::Matrix m;
  m.a = part("a", 1), m.b = part("b", 0), m.c = part("c", 0), m.d = part("d", 1);
  m.tx.value = ToTwips(FieldOf(vm, v, "tx", 0));
  m.ty.value = ToTwips(FieldOf(vm, v, "ty", 0));
  return m;
}

swf::ColorTransform ReadColor(Vm& vm, const Value& v) {
  swf::ColorTransform c;
  for (int i = 0; i < 8; ++i) {
    double limit = i < 4 ? 128 : 32768;
    double n = FieldOf(vm, v, kColorFields[i], i < 4 ? 1 : 0);
    c.*kColorMembers[i] = static_cast<float>(std::clamp(n, -limit, limit));
  }
  return c;
}

}  // namespace

Value Runtime::NewTransform(Object* clip) { return GeomObject(vm_, "Transform", {Value(clip)}); }

void Runtime::SetTransform(Object* clip, const Value& transform) {
  if (!transform.object()) return;
  Value matrix = vm_.Get(transform, "matrix"), color = vm_.Get(transform, "colorTransform");
  std::optional<swf::Matrix> m;
  std::optional<swf::ColorTransform> cx;
  if (matrix.object()) m = ReadMatrix(vm_, matrix);
  if (color.object()) cx = ReadColor(vm_, color);
  movie::DisplayObject* d = EffectsTarget(Value(clip), true);
  if (!d) return;
  if (m) d->matrix = *m;
  if (cx) d->colorTransform = *cx;
}

void Runtime::InstallTransformClass() {
  Object* proto = vm_.NewObject();
  auto construct = [](Vm&, const Value& self, const Args& args) {
    Object* o = self.object();
    if (o && IsDisplayObject(Arg(args, 0).object())) o->primitive = Arg(args, 0);
    return Value();
  };
  Object* ctor = DefineClass(vm_, "", construct, nullptr, proto);
  if (Object* geom = GeomPackage(vm_)) geom->Define("Transform", ctor, kDontEnum);
  // The target's clip and placement, found again on every call.
  auto target = [this](const Value& self, bool change) -> movie::DisplayObject* {
    Object* o = self.object();
    return o ? EffectsTarget(o->primitive, change) : nullptr;
  };
  auto accessor = [&](const char* name, NativeFn get, NativeFn set) {
    DefineAccessor(vm_, proto, name, std::move(get), std::move(set));
  };
  accessor(
      "matrix",
      [target](Vm& vm, const Value& self, const Args&) -> Value {
        movie::DisplayObject* d = target(self, false);
        return d ? MatrixValue(vm, d->matrix) : Value();
      },
      [target](Vm& vm, const Value& self, const Args& args) {
        Value m = Arg(args, 0);
        if (!m.object()) return Value();
        swf::Matrix read = ReadMatrix(vm, m);
        if (movie::DisplayObject* d = target(self, true)) d->matrix = read;
        return Value();
      });
  accessor(
      "colorTransform",
      [target](Vm& vm, const Value& self, const Args&) -> Value {
        movie::DisplayObject* d = target(self, false);
        return d ? ColorValue(vm, d->colorTransform) : Value();
      },
      [target](Vm& vm, const Value& self, const Args& args) {
        Value c = Arg(args, 0);
        if (!c.object()) return Value();
        swf::ColorTransform read = ReadColor(vm, c);
        if (movie::DisplayObject* d = target(self, true)) d->colorTransform = read;
        return Value();
      });
  accessor(
      "concatenatedMatrix",
      [this](Vm& vm, const Value& self, const Args&) -> Value {
        movie::Clip* clip = self.object() ? ClipOf(self.object()->primitive.object()) : nullptr;
        if (!clip) return Value();
        swf::Matrix m;
        for (movie::Clip* c = clip; c; c = c->Parent())
          if (movie::DisplayObject* d = SelfOf(*c)) m = Then(m, d->matrix);
        return MatrixValue(vm, m);
      },
      nullptr);
  accessor(
      "concatenatedColorTransform",
      [this](Vm& vm, const Value& self, const Args&) -> Value {
        movie::Clip* clip = self.object() ? ClipOf(self.object()->primitive.object()) : nullptr;
        if (!clip) return Value();
        swf::ColorTransform cx;
        for (movie::Clip* c = clip; c; c = c->Parent())
          if (movie::DisplayObject* d = SelfOf(*c)) cx = Then(cx, d->colorTransform);
        return ColorValue(vm, cx);
      },
      nullptr);
  accessor(
      "pixelBounds",
      [this](Vm& vm, const Value& self, const Args&) -> Value {
        movie::Clip* clip = self.object() ? ClipOf(self.object()->primitive.object()) : nullptr;
        if (!clip) return Value();
        swf::TwipsRect r = ClipBoundsInParent(*clip);
        for (movie::Clip* c = clip->Parent(); c; c = c->Parent())
          if (movie::DisplayObject* d = SelfOf(*c)) r = Transform(r, d->matrix);
        return GeomObject(vm, "Rectangle",
                          {Value(r.xMin.value / 20.0), Value(r.yMin.value / 20.0),
                           Value(r.Width().value / 20.0), Value(r.Height().value / 20.0)});
      },
      nullptr);
}

}  // namespace kestrova::avm1
