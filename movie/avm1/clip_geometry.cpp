// Clip geometry for scripts: localToGlobal, globalToLocal, getBounds in
// another clip's space, and hitTest against a stage point or another
// clip (bounding boxes; the shape flag is not looked at).
#include <cmath>
#include <optional>

#include "movie/avm1/builtins.h"
#include "movie/avm1/clip_bounds.h"
#include "movie/avm1/runtime.h"

namespace kestrova::avm1 {

namespace {

struct Affine {  // in pixels
  double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;
  void Apply(double& x, double& y) const {
    double nx = a * x + c * y + tx;
    y = b * x + d * y + ty;
    x = nx;
  }
};

Affine Of(const swf::Matrix& m) {
  return {m.a, m.b, m.c, m.d, m.tx.value / 20.0, m.ty.value / 20.0};
}

// `inner` first, then `outer`.
Affine Then(const Affine& inner, const Affine& o) {
  return {o.a * inner.a + o.c * inner.b,          o.b * inner.a + o.d * inner.b,
          o.a * inner.c + o.c * inner.d,          o.b * inner.c + o.d * inner.d,
          o.a * inner.tx + o.c * inner.ty + o.tx, o.b * inner.tx + o.d * inner.ty + o.ty};
}

Affine ToStage(movie::Clip& clip) {
  Affine m;
  for (movie::Clip* c = &clip; c && c->Parent(); c = c->Parent())
    if (movie::DisplayObject* self = c->Self()) m = Then(m, Of(self->matrix));
  return m;
}

// A squeezed-flat clip maps every point to one line: nothing comes back.
std::optional<Affine> Inverse(const Affine& m) {
  double det = m.a * m.d - m.b * m.c;
  if (det == 0 || !std::isfinite(det)) return std::nullopt;
  Affine r{m.d / det, -m.b / det, -m.c / det, m.a / det, 0, 0};
  r.tx = -(r.a * m.tx + r.c * m.ty);
  r.ty = -(r.b * m.tx + r.d * m.ty);
  return r;
}

struct Box {
  double x0, y0, x1, y1;
};

// The clip's content bounds through `m` (from its own space).
std::optional<Box> BoundsThrough(movie::Clip& clip, const Affine& m) {
  std::optional<swf::TwipsRect> r = ClipContentBounds(clip);
  if (!r) return std::nullopt;
  Box box{1e300, 1e300, -1e300, -1e300};
  for (double x : {r->xMin.value / 20.0, r->xMax.value / 20.0})
    for (double y : {r->yMin.value / 20.0, r->yMax.value / 20.0}) {
      double px = x, py = y;
      m.Apply(px, py);
      box = {std::min(box.x0, px), std::min(box.y0, py), std::max(box.x1, px),
             std::max(box.y1, py)};
    }
  return box;
}

}  // namespace

void Runtime::InstallClipGeometry(Object* proto) {
  auto method = [&](const char* name, std::function<Value(movie::Clip&, Object*, const Args&)> fn) {
    vm_.Method(proto, name, [this, fn](Vm&, const Value& self, const Args& args) -> Value {
      movie::Clip* clip = ClipOf(self.object());
      if (!clip) return Value();
      auto keep = clip->shared_from_this();
      return fn(*clip, self.object(), args);
    });
  };
  auto clipArg = [this](Object* self, const Value& v) -> movie::Clip* {
    if (Object* o = v.object()) return ClipOf(o);
    if (v.IsUndefined()) return nullptr;
    return ClipOf(ResolveClip(self, vm_.ToString(v)));
  };
  auto point = [this](bool toStage) {
    return [this, toStage](movie::Clip& clip, Object*, const Args& args) -> Value {
      Object* p = Arg(args, 0).object();
      if (!p) return Value();
      double x = vm_.ToNumber(vm_.GetOf(p, "x", p)), y = vm_.ToNumber(vm_.GetOf(p, "y", p));
      std::optional<Affine> m = toStage ? ToStage(clip) : Inverse(ToStage(clip));
      if (!m) return Value();
      m->Apply(x, y);
      vm_.SetOf(p, "x", x);
      vm_.SetOf(p, "y", y);
      return Value();
    };
  };
  method("localToGlobal", point(true));
  method("globalToLocal", point(false));
  method("getBounds", [this, clipArg](movie::Clip& clip, Object* self, const Args& args) -> Value {
    Affine m;
    if (movie::Clip* space = clipArg(self, Arg(args, 0))) {
      std::optional<Affine> back = Inverse(ToStage(*space));
      m = back ? Then(ToStage(clip), *back) : Affine{};
    }
    std::optional<Box> box = BoundsThrough(clip, m);
    double none = 0x7FFFFFF / 20.0;
    Object* out = vm_.NewObject();
    vm_.SetOf(out, "xMin", box ? box->x0 : none);
    vm_.SetOf(out, "xMax", box ? box->x1 : none);
    vm_.SetOf(out, "yMin", box ? box->y0 : none);
    vm_.SetOf(out, "yMax", box ? box->y1 : none);
    return out;
  });
  method("hitTest", [this, clipArg](movie::Clip& clip, Object* self, const Args& args) -> Value {
    std::optional<Box> mine = BoundsThrough(clip, ToStage(clip));
    if (!mine) return Value(false);
    if (args.size() >= 2) {
      double x = vm_.ToNumber(args[0]), y = vm_.ToNumber(args[1]);
      return Value(x >= mine->x0 && x <= mine->x1 && y >= mine->y0 && y <= mine->y1);
    }
    movie::Clip* other = clipArg(self, Arg(args, 0));
    std::optional<Box> theirs = other ? BoundsThrough(*other, ToStage(*other)) : std::nullopt;
    if (!theirs) return Value(false);
    return Value(mine->x0 <= theirs->x1 && theirs->x0 <= mine->x1 && mine->y0 <= theirs->y1 &&
                 theirs->y0 <= mine->y1);
  });
}

}  // namespace kestrova::avm1
