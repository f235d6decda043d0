// flash.geom.Matrix, Point, Rectangle and flash.display.BitmapData of
// SWF 8 movies: bitmaps scripts fill, read and draw into each other (the
// pixels of clips are not drawn into them).
#include <algorithm>
#include <cmath>
#include <memory>
#include <unordered_map>

#include "movie/avm1/builtins.h"

namespace kestrova::avm1 {

namespace {

// The original player refuses bitmaps beyond 2880 pixels a side; all of
// a movie's bitmaps together hold at most this many pixels (128 MB).
constexpr int kMaxBitmapSide = 2880;
constexpr size_t kMaxBitmapPixels = 32u << 20;

struct Pixels {
  int width = 0, height = 0;
  bool transparent = true;
  std::vector<uint32_t> argb;  // straight alpha
};
struct PixelTable {
  std::unordered_map<const Object*, Pixels> bitmaps;
  size_t pixels = 0;  // held by all of them
  auto find(const Object* o) { return bitmaps.find(o); }
  auto end() { return bitmaps.end(); }
};

double Number(Vm& vm, const Value& target, const char* name, double fallback = 0) {
  Value v = vm.Get(target, name);
  return v.IsUndefined() ? fallback : vm.ToNumber(v);
}

// A class whose constructor sets the named number fields from its
// arguments (missing ones from `initial`).
Object* FieldClass(Vm& vm, Object* package, const char* name, std::vector<const char*> fields,
                   std::vector<double> initial) {
  Object* proto = vm.NewObject();
  auto construct = [fields, initial](Vm& vm, const Value& self, const Args& args) {
    for (size_t i = 0; i < fields.size(); ++i)
      vm.Set(self, fields[i], i < args.size() ? args[i] : Value(initial[i]));
    return Value();
  };
  Object* ctor = DefineClass(vm, "", construct, nullptr, proto);
  package->Define(name, ctor, kDontEnum);
  return proto;
}

void InstallGeometry(Vm& vm, Object* geom) {
  Object* matrix =
      FieldClass(vm, geom, "Matrix", {"a", "b", "c", "d", "tx", "ty"}, {1, 0, 0, 1, 0, 0});
  InstallMatrixMethods(vm, matrix, geom);
  FieldClass(vm, geom, "Point", {"x", "y"}, {0, 0});
  FieldClass(vm, geom, "Rectangle", {"x", "y", "width", "height"}, {0, 0, 0, 0});
}

Pixels* PixelsOf(PixelTable& table, const Value& v) {
  auto it = table.find(v.object());
  return it == table.end() || it->second.argb.empty() ? nullptr : &it->second;
}

uint32_t Over(uint32_t src, uint32_t dst) {
  uint32_t a = src >> 24;
  if (a == 255 || (dst >> 24) == 0) return src;
  if (a == 0) return dst;
  auto mix = [&](int shift) {
    uint32_t s = (src >> shift) & 255, d = (dst >> shift) & 255;
    return ((s * a + d * (255 - a)) / 255) << shift;
  };
  uint32_t da = dst >> 24, oa = a + da * (255 - a) / 255;
  return (oa << 24) | mix(16) | mix(8) | mix(0);
}

// draw(source, matrix, colorTransform, blendMode, clipRect): a bitmap
// source mapped through the inverse of `matrix`, nearest pixel.
void Draw(Vm& vm, PixelTable& table, Pixels& dst, const Args& args) {
  Pixels* src = PixelsOf(table, Arg(args, 0));
  if (!src) return;
  Value m = Arg(args, 1);
  double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;
  if (m.object()) {
    a = Number(vm, m, "a", 1), b = Number(vm, m, "b"), c = Number(vm, m, "c");
    d = Number(vm, m, "d", 1), tx = Number(vm, m, "tx"), ty = Number(vm, m, "ty");
  }
  double det = a * d - b * c;
  if (det == 0 || !std::isfinite(det)) return;
  int x0 = 0, y0 = 0, x1 = dst.width, y1 = dst.height;
  if (Value clip = Arg(args, 4); clip.object()) {
    double cx = Number(vm, clip, "x"), cy = Number(vm, clip, "y");
    auto bound = [](double v, int hi) { return static_cast<int>(std::clamp(v, 0.0, 1.0 * hi)); };
    x0 = bound(cx, dst.width), y0 = bound(cy, dst.height);
    x1 = bound(cx + Number(vm, clip, "width"), dst.width);
    y1 = bound(cy + Number(vm, clip, "height"), dst.height);
  }
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      double px = x + 0.5 - tx, py = y + 0.5 - ty;
      double sx = (d * px - c * py) / det, sy = (a * py - b * px) / det;
      if (sx < 0 || sy < 0 || sx >= src->width || sy >= src->height) continue;
      uint32_t& out = dst.argb[static_cast<size_t>(y) * dst.width + x];
      uint32_t in = src->argb[static_cast<size_t>(sy) * src->width + static_cast<size_t>(sx)];
      out = Over(in, out);
      if (!dst.transparent) out |= 0xFF000000u;
    }
}

void InstallBitmapMethods(Vm& vm, Object* proto, std::shared_ptr<PixelTable> table) {
  auto method = [&](const char* name, std::function<Value(Vm&, Pixels&, const Args&)> fn) {
    vm.Method(proto, name, [table, fn](Vm& vm, const Value& self, const Args& args) {
      Pixels* p = PixelsOf(*table, self);
      return p ? fn(vm, *p, args) : Value();
    });
  };
  auto at = [](Vm& vm, Pixels& p, const Args& args) -> uint32_t* {
    double x = vm.ToInteger(Arg(args, 0)), y = vm.ToInteger(Arg(args, 1));
    if (x < 0 || y < 0 || x >= p.width || y >= p.height) return nullptr;
    return &p.argb[static_cast<size_t>(y) * p.width + static_cast<size_t>(x)];
  };
  method("getPixel32", [at](Vm& vm, Pixels& p, const Args& args) -> Value {
    uint32_t* px = at(vm, p, args);
    return px ? Value(static_cast<double>(static_cast<int32_t>(*px))) : Value(0);
  });
  method("getPixel", [at](Vm& vm, Pixels& p, const Args& args) -> Value {
    uint32_t* px = at(vm, p, args);
    return px ? Value(static_cast<double>(*px & 0xFFFFFF)) : Value(0);
  });
  method("setPixel32", [at](Vm& vm, Pixels& p, const Args& args) -> Value {
    if (uint32_t* px = at(vm, p, args))
      *px = static_cast<uint32_t>(vm.ToInt32(Arg(args, 2))) | (p.transparent ? 0 : 0xFF000000u);
    return Value();
  });
  method("setPixel", [at](Vm& vm, Pixels& p, const Args& args) -> Value {
    if (uint32_t* px = at(vm, p, args))
      *px = (*px & 0xFF000000u) | (static_cast<uint32_t>(vm.ToInt32(Arg(args, 2))) & 0xFFFFFF);
    return Value();
  });
  method("draw", [table](Vm& vm, Pixels& p, const Args& args) {
    Draw(vm, *table, p, args);
    return Value();
  });
  method("dispose", [table](Vm&, Pixels& p, const Args&) {
    table->pixels -= p.argb.size();
    p = Pixels{};
    return Value();
  });
}

void InstallBitmapData(Vm& vm, Object* display) {
  auto table = std::make_shared<PixelTable>();
  vm.AddForget([table](const Object* o) {
    auto it = table->find(o);
    if (it == table->end()) return;
    table->pixels -= it->second.argb.size();
    table->bitmaps.erase(it);
  });
  Object* proto = vm.NewObject();
  auto construct = [table](Vm& vm, const Value& self, const Args& args) {
    double w = vm.ToInteger(Arg(args, 0)), h = vm.ToInteger(Arg(args, 1));
    if (!self.object() || w < 1 || h < 1 || w > kMaxBitmapSide || h > kMaxBitmapSide)
      return Value();
    size_t count = static_cast<size_t>(w) * static_cast<size_t>(h);
    if (table->pixels + count > kMaxBitmapPixels) {
      vm.WarnOnce(LimitWarning::kBitmaps, "bitmaps of more than 32 M pixels; no more were made");
      return Value();
    }
    Pixels& p = table->bitmaps[self.object()];
    table->pixels += count - p.argb.size();
    vm.NoteHeldBytes(count * sizeof(uint32_t));
    p.width = static_cast<int>(w), p.height = static_cast<int>(h);
    p.transparent = args.size() < 3 || vm.ToBoolean(args[2]);
    uint32_t fill = args.size() > 3 ? static_cast<uint32_t>(vm.ToInt32(args[3])) : 0xFFFFFFFFu;
    if (!p.transparent) fill |= 0xFF000000u;
    p.argb.assign(static_cast<size_t>(p.width) * p.height, fill);
    return Value();
  };
  Object* ctor = DefineClass(vm, "", construct, nullptr, proto);
  display->Define("BitmapData", ctor, kDontEnum);
  for (const char* name : {"width", "height"}) {
    bool width = name[0] == 'w';
    Property& p = proto->Put(name);
    p.getter = vm.NewFunction([table, width](Vm&, const Value& self, const Args&) -> Value {
      Pixels* px = PixelsOf(*table, self);
      return px ? Value(width ? px->width : px->height) : Value(-1);
    });
    p.flags = kDontEnum;
  }
  InstallBitmapMethods(vm, proto, table);
}

}  // namespace

void InstallBitmapClasses(Vm& vm, Object* flash) {
  auto package = [&](const char* name) {
    if (Property* p = flash->Find(name))
      if (Object* o = p->value.object()) return o;
    Object* o = vm.NewObject();
    flash->Define(name, o, kDontEnum);
    return o;
  };
  InstallGeometry(vm, package("geom"));
  InstallBitmapData(vm, package("display"));
}

}  // namespace kestrova::avm1
