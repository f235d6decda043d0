// The MovieClip drawing API: beginFill, beginGradientFill, lineStyle,
// moveTo, lineTo, curveTo, endFill and clear, drawn into the clip's
// Drawing in its own space (pixels for scripts, twips inside).
#include <algorithm>
#include <cmath>
#include <optional>

#include "movie/avm1/builtins.h"
#include "movie/avm1/runtime.h"

namespace kestrova::avm1 {

namespace {

constexpr size_t kMaxGradientStops = 15;

// Script pixels to twips; what is not a number draws at 0.
swf::Twips ToTwips(Vm& vm, const Value& v) {
  double px = vm.ToNumber(v);
  if (!std::isfinite(px)) return {};
  return {static_cast<int32_t>(std::lround(std::clamp(px * 20, -1073741824.0, 1073741824.0)))};
}

swf::TwipsPoint PointArg(Vm& vm, const Args& args, size_t i) {
  return {ToTwips(vm, Arg(args, i)), ToTwips(vm, Arg(args, i + 1))};
}

// An alpha of 0-100 (default 100) with a 0xRRGGBB colour.
Pixel Colour(Vm& vm, const Value& rgb, const Value& alpha) {
  double a = alpha.IsUndefined() ? 100 : vm.ToNumber(alpha);
  if (std::isnan(a)) a = 0;
  const uint32_t alpha255 = static_cast<uint32_t>(std::lround(std::clamp(a, 0.0, 100.0) * 2.55));
  return (alpha255 << 24) | (static_cast<uint32_t>(vm.ToInt32(rgb)) & 0xFFFFFF);
}

double Field(Vm& vm, Object* o, const char* name) {
  double v = vm.ToNumber(vm.GetOf(o, name, Value(o)));
  return std::isfinite(v) ? v : 0;
}

bool Defined(Vm& vm, Object* o, const char* name) {
  return !vm.GetOf(o, name, Value(o)).IsUndefined();
}

// The script's matrix places the gradient square in the clip: "box" builds
// it from a rectangle and a rotation; a flash.geom.Matrix {a, b, c, d, tx,
// ty} maps the square's own -819.2 to 819.2 pixels; Flash MX's 3 x 3 form
// {a, b, d, e, g, h} (x' = a x + d y + g, y' = b x + e y + h) maps a unit
// square, -0.5 to 0.5.
swf::Matrix GradientMatrix(Vm& vm, Object* m) {
  swf::Matrix out;
  if (!m) return out;
  double a, b, c, d, tx, ty;
  if (vm.ToString(vm.GetOf(m, "matrixType", Value(m))) == "box") {
    const double w = Field(vm, m, "w"), h = Field(vm, m, "h"), r = Field(vm, m, "r");
    a = std::cos(r) * w / 1638.4, b = std::sin(r) * h / 1638.4;
    c = -std::sin(r) * w / 1638.4, d = std::cos(r) * h / 1638.4;
    tx = Field(vm, m, "x") + w / 2, ty = Field(vm, m, "y") + h / 2;
  } else if (Defined(vm, m, "tx") || Defined(vm, m, "ty")) {
    a = Field(vm, m, "a"), b = Field(vm, m, "b"), c = Field(vm, m, "c"), d = Field(vm, m, "d");
    tx = Field(vm, m, "tx"), ty = Field(vm, m, "ty");
  } else {
    a = Field(vm, m, "a") / 1638.4, b = Field(vm, m, "b") / 1638.4;
    c = Field(vm, m, "d") / 1638.4, d = Field(vm, m, "e") / 1638.4;
    tx = Field(vm, m, "g"), ty = Field(vm, m, "h");
  }
  out.a = float(a), out.b = float(b), out.c = float(c), out.d = float(d);
  out.tx = ToTwips(vm, Value(tx));
  out.ty = ToTwips(vm, Value(ty));
  return out;
}

// One stop as Flash Player reads it: colour, alpha, ratio in turn. Only
// numbers count (a string, an object or undefined is 0); an element the
// array does not hold at all takes the number read before it, so a
// missing alpha is the colour's number and a missing ratio the alpha's.
// Ratios are 0 to 255 once their fraction is cut; others refuse the fill.
std::optional<swf::GradientStop> ReadStop(Vm& vm, Object* colors, Object* alphas, Object* ratios,
                                          size_t i) {
  const std::string at = std::to_string(i);
  auto number = [&](Object* array, double last) {
    if (!vm.Has(array, at)) return last;
    const Value v = vm.GetOf(array, at, Value(array));
    return v.IsNumber() && !std::isnan(v.number()) ? v.number() : 0.0;
  };
  double colour = number(colors, 0);
  if (!std::isfinite(colour)) colour = 0;
  const double alpha = number(alphas, colour);
  double ratio = 0;
  if (vm.Has(ratios, at)) {
    ratio = std::trunc(vm.ToNumber(vm.GetOf(ratios, at, Value(ratios))));
    if (std::isnan(ratio)) ratio = 0;
  } else {
    ratio = std::trunc(alpha);
  }
  if (!(ratio >= 0 && ratio <= 255)) return std::nullopt;
  const auto alpha255 = static_cast<uint32_t>(std::lround(std::clamp(alpha, 0.0, 100.0) * 2.55));
  const auto bits = static_cast<uint32_t>(static_cast<int64_t>(std::fmod(colour, 4294967296.0)));
  return swf::GradientStop{static_cast<uint8_t>(ratio), (alpha255 << 24) | (bits & 0xFFFFFF)};
}

// Colours, alphas and ratios of equal length (none when they differ, or
// when a ratio is out of range; no stops at all paint black). The colours'
// length is read again before each stop, as Flash Player does: stops it
// does not reach stay transparent black at ratio 0.
std::optional<std::vector<swf::GradientStop>> Stops(Vm& vm, const Args& args) {
  Object* colors = Arg(args, 1).object();
  Object* alphas = Arg(args, 2).object();
  Object* ratios = Arg(args, 3).object();
  if (!colors || !alphas || !ratios) return std::nullopt;
  auto length = [&](Object* o) { return vm.ToInteger(vm.GetOf(o, "length", Value(o))); };
  const double n = length(colors);
  if (!(n >= 0) || length(alphas) != n || length(ratios) != n) return std::nullopt;
  const auto count = static_cast<size_t>(std::min(n, double(kMaxGradientStops)));
  std::vector<swf::GradientStop> stops(count, swf::GradientStop{0, 0});
  for (size_t i = 0; i < count && double(i) < length(colors); ++i) {
    const std::optional<swf::GradientStop> stop = ReadStop(vm, colors, alphas, ratios, i);
    if (!stop) return std::nullopt;  // the whole fill is refused
    stops[i] = *stop;
  }
  return stops;
}

std::optional<swf::FillStyle> GradientFill(Vm& vm, const Args& args) {
  const std::string type = vm.ToString(Arg(args, 0));
  if (type != "linear" && type != "radial") return std::nullopt;
  auto stops = Stops(vm, args);
  if (!stops) return std::nullopt;
  swf::FillStyle fill;
  fill.kind = type == "linear" ? swf::FillKind::LinearGradient : swf::FillKind::RadialGradient;
  fill.stops = std::move(*stops);
  fill.matrix = GradientMatrix(vm, Arg(args, 4).object());
  const std::string spread = vm.ToString(Arg(args, 5));
  if (spread == "reflect") fill.spread = swf::SpreadMode::Reflect;
  if (spread == "repeat") fill.spread = swf::SpreadMode::Repeat;
  if (vm.ToString(Arg(args, 6)) == "linearRGB") fill.interpolation = swf::InterpolationMode::Linear;
  if (fill.kind == swf::FillKind::RadialGradient && args.size() > 7) {
    double focal = vm.ToNumber(args[7]);
    if (std::isfinite(focal) && focal != 0) {
      fill.kind = swf::FillKind::FocalGradient;
      fill.focal = static_cast<float>(std::clamp(focal, -1.0, 1.0));
    }
  }
  return fill;
}

// Thickness in pixels, 0 a hairline; caps, joints and miter limit as
// Flash Player 8 takes them.
swf::LineStyle Line(Vm& vm, const Args& args) {
  swf::LineStyle line;
  double thickness = vm.ToNumber(Arg(args, 0));
  if (std::isnan(thickness)) thickness = 0;
  line.width = {static_cast<int32_t>(std::lround(std::clamp(thickness, 0.0, 255.0) * 20))};
  line.color = Colour(vm, Arg(args, 1), Arg(args, 2));
  const std::string caps = vm.ToString(Arg(args, 5));
  if (caps == "none") line.startCap = line.endCap = swf::CapStyle::None;
  if (caps == "square") line.startCap = line.endCap = swf::CapStyle::Square;
  const std::string joint = vm.ToString(Arg(args, 6));
  if (joint == "miter") line.join = swf::JoinStyle::Miter;
  if (joint == "bevel") line.join = swf::JoinStyle::Bevel;
  double limit = vm.ToNumber(Arg(args, 7));
  if (std::isfinite(limit)) line.miterLimit = static_cast<float>(std::clamp(limit, 1.0, 255.0));
  return line;
}

}  // namespace

void Runtime::InstallDrawingMethods(Object* proto) {
  auto draw = [&](const char* name,
                  std::function<void(Vm&, movie::Drawing&, const Args& args)> fn) {
    vm_.Method(proto, name, [this, fn](Vm& vm, const Value& self, const Args& args) -> Value {
      movie::Clip* clip = ClipOf(self.object());
      if (!clip) return Value();
      auto keep = clip->shared_from_this();  // coercions may run scripts
      fn(vm, clip->ChangeDrawing(), args);
      return Value();
    });
  };
  draw("beginFill", [](Vm& vm, movie::Drawing& d, const Args& args) {
    if (Arg(args, 0).IsUndefined()) return d.EndFill();
    swf::FillStyle fill;
    fill.color = Colour(vm, args[0], Arg(args, 1));
    d.BeginFill(fill);
  });
  draw("beginGradientFill", [](Vm& vm, movie::Drawing& d, const Args& args) {
    if (auto fill = GradientFill(vm, args))
      d.BeginFill(*fill);
    else
      d.EndFill();
  });
  draw("endFill", [](Vm&, movie::Drawing& d, const Args&) { d.EndFill(); });
  draw("lineStyle", [](Vm& vm, movie::Drawing& d, const Args& args) {
    if (Arg(args, 0).IsUndefined()) return d.SetLine(std::nullopt);
    d.SetLine(Line(vm, args));
  });
  draw("moveTo", [](Vm& vm, movie::Drawing& d, const Args& args) {
    if (args.size() >= 2) d.MoveTo(PointArg(vm, args, 0));
  });
  draw("lineTo", [](Vm& vm, movie::Drawing& d, const Args& args) {
    if (args.size() >= 2) d.LineTo(PointArg(vm, args, 0));
  });
  draw("curveTo", [](Vm& vm, movie::Drawing& d, const Args& args) {
    if (args.size() >= 4) d.CurveTo(PointArg(vm, args, 0), PointArg(vm, args, 2));
  });
  draw("clear", [](Vm&, movie::Drawing& d, const Args&) { d.Clear(); });
}

}  // namespace kestrova::avm1
