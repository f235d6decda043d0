// flash.geom.Matrix's methods: the affine map {a, b, c, d, tx, ty} (x' =
// a x + c y + tx, y' = b x + d y + ty) that scripts build for gradient
// fills and bitmap draws. Every method reads and writes the public fields,
// so objects that scripts filled in by hand work as well.
#include <cmath>

#include "movie/avm1/builtins.h"

namespace kestrova::avm1 {

namespace {

struct Affine {
  double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;
};

double Field(Vm& vm, const Value& self, const char* name, double fallback) {
  Value v = vm.Get(self, name);
  return v.IsUndefined() ? fallback : vm.ToNumber(v);
}

Affine Read(Vm& vm, const Value& self) {
  return {Field(vm, self, "a", 1), Field(vm, self, "b", 0),  Field(vm, self, "c", 0),
          Field(vm, self, "d", 1), Field(vm, self, "tx", 0), Field(vm, self, "ty", 0)};
}

void Write(Vm& vm, const Value& self, const Affine& m) {
  vm.Set(self, "a", m.a), vm.Set(self, "b", m.b), vm.Set(self, "c", m.c);
  vm.Set(self, "d", m.d), vm.Set(self, "tx", m.tx), vm.Set(self, "ty", m.ty);
}

// `m` followed by `then`.
Affine Concat(const Affine& m, const Affine& then) {
  return {m.a * then.a + m.b * then.c,
          m.a * then.b + m.b * then.d,
          m.c * then.a + m.d * then.c,
          m.c * then.b + m.d * then.d,
          m.tx * then.a + m.ty * then.c + then.tx,
          m.tx * then.b + m.ty * then.d + then.ty};
}

// Scaled, then rotated by `r` radians, then moved: Flash Player's box
// (the scale factors go with the rows, as its own createBox has them).
Affine Box(double sx, double sy, double r, double tx, double ty) {
  return {std::cos(r) * sx, std::sin(r) * sy, -std::sin(r) * sx, std::cos(r) * sy, tx, ty};
}

double NumberArg(Vm& vm, const Args& args, size_t i, double fallback) {
  return i < args.size() && !args[i].IsUndefined() ? vm.ToNumber(args[i]) : fallback;
}

Value NewPoint(Vm& vm, Object* geom, double x, double y) {
  return vm.Construct(vm.GetOf(geom, "Point", Value(geom)), {Value(x), Value(y)});
}

void InstallTransforms(Vm& vm, Object* proto) {
  vm.Method(proto, "identity", [](Vm& vm, const Value& self, const Args&) {
    Write(vm, self, Affine{});
    return Value();
  });
  vm.Method(proto, "translate", [](Vm& vm, const Value& self, const Args& args) {
    Affine m = Read(vm, self);
    m.tx += NumberArg(vm, args, 0, 0), m.ty += NumberArg(vm, args, 1, 0);
    Write(vm, self, m);
    return Value();
  });
  vm.Method(proto, "concat", [](Vm& vm, const Value& self, const Args& args) {
    if (Arg(args, 0).object()) Write(vm, self, Concat(Read(vm, self), Read(vm, args[0])));
    return Value();
  });
  vm.Method(proto, "rotate", [](Vm& vm, const Value& self, const Args& args) {
    const double r = NumberArg(vm, args, 0, 0);
    Write(vm, self, Concat(Read(vm, self), Box(1, 1, r, 0, 0)));
    return Value();
  });
  vm.Method(proto, "scale", [](Vm& vm, const Value& self, const Args& args) {
    const double sx = NumberArg(vm, args, 0, 1), sy = NumberArg(vm, args, 1, 1);
    Write(vm, self, Concat(Read(vm, self), Affine{sx, 0, 0, sy, 0, 0}));
    return Value();
  });
  vm.Method(proto, "invert", [](Vm& vm, const Value& self, const Args&) {
    const Affine m = Read(vm, self);
    const double det = m.a * m.d - m.b * m.c;
    if (det == 0 || !std::isfinite(det)) {
      Write(vm, self, Affine{});
      return Value();
    }
    Write(vm, self,
          {m.d / det, -m.b / det, -m.c / det, m.a / det, (m.c * m.ty - m.d * m.tx) / det,
           (m.b * m.tx - m.a * m.ty) / det});
    return Value();
  });
  vm.Method(proto, "createBox", [](Vm& vm, const Value& self, const Args& args) {
    Write(vm, self,
          Box(NumberArg(vm, args, 0, 1), NumberArg(vm, args, 1, 1), NumberArg(vm, args, 2, 0),
              NumberArg(vm, args, 3, 0), NumberArg(vm, args, 4, 0)));
    return Value();
  });
  // The gradient square (-819.2 to 819.2 pixels) onto the box w x h at
  // (tx, ty), rotated about its centre.
  vm.Method(proto, "createGradientBox", [](Vm& vm, const Value& self, const Args& args) {
    const double w = NumberArg(vm, args, 0, 0), h = NumberArg(vm, args, 1, 0);
    Write(vm, self,
          Box(w / 1638.4, h / 1638.4, NumberArg(vm, args, 2, 0), NumberArg(vm, args, 3, 0) + w / 2,
              NumberArg(vm, args, 4, 0) + h / 2));
    return Value();
  });
}

void InstallReaders(Vm& vm, Object* proto, Object* geom) {
  vm.Method(proto, "clone", [](Vm& vm, const Value& self, const Args&) {
    const Affine m = Read(vm, self);
    Object* ctor = vm.Get(self, "constructor").object();
    if (!ctor) return Value();
    return vm.Construct(Value(ctor),
                        {Value(m.a), Value(m.b), Value(m.c), Value(m.d), Value(m.tx), Value(m.ty)});
  });
  vm.Method(proto, "transformPoint", [geom](Vm& vm, const Value& self, const Args& args) {
    const Affine m = Read(vm, self);
    const double x = Field(vm, Arg(args, 0), "x", 0), y = Field(vm, Arg(args, 0), "y", 0);
    return NewPoint(vm, geom, m.a * x + m.c * y + m.tx, m.b * x + m.d * y + m.ty);
  });
  vm.Method(proto, "deltaTransformPoint", [geom](Vm& vm, const Value& self, const Args& args) {
    const Affine m = Read(vm, self);
    const double x = Field(vm, Arg(args, 0), "x", 0), y = Field(vm, Arg(args, 0), "y", 0);
    return NewPoint(vm, geom, m.a * x + m.c * y, m.b * x + m.d * y);
  });
  vm.Method(proto, "toString", [](Vm& vm, const Value& self, const Args&) {
    std::string text = "(";
    const char* names[] = {"a", "b", "c", "d", "tx", "ty"};
    for (const char* name : names) {
      if (text.size() > 1) text += ", ";
      text += std::string(name) + "=" + vm.ToString(vm.Get(self, name));
    }
    return Value(text + ")");
  });
}

}  // namespace

void InstallMatrixMethods(Vm& vm, Object* proto, Object* geom) {
  InstallTransforms(vm, proto);
  InstallReaders(vm, proto, geom);
}

}  // namespace kestrova::avm1
