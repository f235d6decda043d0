#include "movie/avm1/text_format_class.h"

#include <climits>
#include <cmath>

#include "movie/avm1/builtins.h"

namespace kestrova::avm1 {

namespace {

using text::TextFormat;

// Whole numbers as the player's 32-bit conversion makes them: NaN and
// values out of range are the lowest integer.
int32_t Clamped(double n) {
  if (!(n > -2147483649.0 && n < 2147483648.0)) return INT32_MIN;
  return static_cast<int32_t>(n);
}

int32_t RoundHalfEven(double n) { return Clamped(std::nearbyint(n)); }

// The fraction cut and the rest taken modulo 2^32 (NaN and infinities: 0).
uint32_t Unsigned(double n) {
  if (!std::isfinite(n)) return 0;
  double m = std::fmod(std::trunc(n), 4294967296.0);
  if (m < 0) m += 4294967296.0;
  return static_cast<uint32_t>(m);
}

int32_t Truncated(double n) { return static_cast<int32_t>(Unsigned(n)); }

std::optional<swf::TextAlign> AlignNamed(const std::string& name) {
  std::string lower = LowerCase(name);
  if (lower == "left") return swf::TextAlign::Left;
  if (lower == "center") return swf::TextAlign::Center;
  if (lower == "right") return swf::TextAlign::Right;
  if (lower == "justify") return swf::TextAlign::Justify;
  return std::nullopt;
}

const char* AlignName(swf::TextAlign align) {
  switch (align) {
    case swf::TextAlign::Right:
      return "right";
    case swf::TextAlign::Center:
      return "center";
    case swf::TextAlign::Justify:
      return "justify";
    default:
      return "left";
  }
}

template <typename T>
Value Number(const std::optional<T>& v) {
  return v ? Value(static_cast<double>(*v)) : Value::Null();
}

Value Text(const std::optional<std::string>& v) { return v ? Value(*v) : Value::Null(); }

Value Flag(const std::optional<bool>& v) { return v ? Value(*v) : Value::Null(); }

// How each field reads and is set. `exact` is a setter's rounding (SWF 8
// rounds half to even; older movies and the constructor cut the fraction).
struct Field {
  const char* name;
  Value (*get)(Vm&, const TextFormat&);
  void (*set)(Vm&, TextFormat&, const Value&, bool exact);
};

int32_t Whole(Vm& vm, const Value& v, bool exact) {
  double n = vm.ToNumber(v);
  return exact ? RoundHalfEven(n) : Truncated(n);
}

int32_t Margin(Vm& vm, const Value& v, bool exact) {
  double n = vm.ToNumber(v);
  return exact ? RoundHalfEven(n > 0 ? n : 0) : Truncated(n);
}

#define KESTROVA_TEXT_FIELD(field, getter, setter)                                      \
  Field {                                                                               \
#field, [](Vm&, const TextFormat& f) { return getter(f.field); },                     \
        [](Vm& vm, TextFormat& f, const Value& v, bool exact) {                           \
          (void)exact;                                                                    \
          if (v.IsNullish())                                                              \
            f.field.reset();                                                              \
          else                                                                            \
            f.field = setter;                                                             \
        } \
  }

const Field kFields[] = {
    KESTROVA_TEXT_FIELD(font, Text, vm.ToString(v)),
    KESTROVA_TEXT_FIELD(size, Number, Whole(vm, v, exact)),
    KESTROVA_TEXT_FIELD(color, Number, Unsigned(vm.ToNumber(v))),
    KESTROVA_TEXT_FIELD(url, Text, vm.ToString(v)),
    KESTROVA_TEXT_FIELD(target, Text, vm.ToString(v)),
    KESTROVA_TEXT_FIELD(bold, Flag, vm.ToBoolean(v)),
    KESTROVA_TEXT_FIELD(italic, Flag, vm.ToBoolean(v)),
    KESTROVA_TEXT_FIELD(underline, Flag, vm.ToBoolean(v)),
    {"align",
     [](Vm&, const TextFormat& f) { return f.align ? Value(AlignName(*f.align)) : Value::Null(); },
     [](Vm& vm, TextFormat& f, const Value& v, bool) {
       // null and unknown names leave the alignment as it was
       if (v.IsNullish()) return;
       if (auto align = AlignNamed(vm.ToString(v))) f.align = align;
     }},
    KESTROVA_TEXT_FIELD(leftMargin, Number, Margin(vm, v, exact)),
    KESTROVA_TEXT_FIELD(rightMargin, Number, Margin(vm, v, exact)),
    KESTROVA_TEXT_FIELD(indent, Number, Whole(vm, v, exact)),
    KESTROVA_TEXT_FIELD(leading, Number, Whole(vm, v, exact)),
    KESTROVA_TEXT_FIELD(blockIndent, Number, Whole(vm, v, exact)),
    {"tabStops",
     [](Vm& vm, const TextFormat& f) -> Value {
       if (!f.tabStops) return Value::Null();
       std::vector<Value> items(f.tabStops->begin(), f.tabStops->end());
       return vm.NewArray(items);
     },
     [](Vm& vm, TextFormat& f, const Value& v, bool exact) {
       Object* list = v.object();
       if (!list) {
         f.tabStops.reset();
         return;
       }
       double length = vm.ToNumber(vm.GetOf(list, "length", list));
       std::vector<int32_t> stops;
       for (double i = 0; i < length && i < 4096; ++i)
         stops.push_back(Whole(vm, vm.GetOf(list, vm.NumberText(i), list), exact));
       f.tabStops = std::move(stops);
     }},
    KESTROVA_TEXT_FIELD(bullet, Flag, vm.ToBoolean(v)),
    KESTROVA_TEXT_FIELD(kerning, Flag, vm.ToBoolean(v)),
    KESTROVA_TEXT_FIELD(letterSpacing, Number, vm.ToNumber(v)),
    {"display", [](Vm&, const TextFormat& f) { return Value(f.display); },
     [](Vm& vm, TextFormat& f, const Value& v, bool) {
       std::string d = vm.ToString(v);
       if (d == "block" || d == "inline" || d == "none") f.display = d;
     }},
};

#undef KESTROVA_TEXT_FIELD

// The constructor's arguments, in order.
const char* const kConstructorOrder[] = {"font",        "size",   "color",  "bold",  "italic",
                                         "underline",   "url",    "target", "align", "leftMargin",
                                         "rightMargin", "indent", "leading"};

const Field* FieldNamed(const std::string& name) {
  for (const Field& f : kFields)
    if (name == f.name) return &f;
  return nullptr;
}

}  // namespace

void TextFormats::Install() {
  proto_ = vm_.NewObject();
  auto construct = [this](Vm&, const Value& self, const Args& args) {
    if (self.object()) Construct(self.object(), args);
    return Value();
  };
  DefineClass(vm_, "TextFormat", construct, nullptr, proto_);
  for (const Field& field : kFields) {
    const Field* f = &field;
    Object* getter = vm_.NewFunction([this, f](Vm& vm, const Value& self, const Args&) {
      const TextFormat* format = Of(self);
      return format ? f->get(vm, *format) : Value();
    });
    Object* setter = vm_.NewFunction([this, f](Vm& vm, const Value& self, const Args& args) {
      if (TextFormat* format = Mutable(self)) f->set(vm, *format, Arg(args, 0), vm.Version() >= 8);
      return Value();
    });
    Property& p = proto_->Put(f->name);
    p.getter = getter;
    p.setter = setter;
  }
}

void TextFormats::Construct(Object* self, const Args& args) {
  TextFormat& format = formats_[self];
  format = TextFormat{};
  for (size_t i = 0; i < args.size() && i < std::size(kConstructorOrder); ++i) {
    FieldNamed(kConstructorOrder[i])->set(vm_, format, args[i], false);
  }
}

Object* TextFormats::Make(const TextFormat& format) {
  Object* o = vm_.NewObject();
  o->proto = proto_;
  Value ctor = vm_.GetOf(vm_.global, "TextFormat", vm_.global);
  o->Define("__constructor__", ctor, kDontEnum);
  o->Define("constructor", ctor, kDontEnum);
  formats_[o] = format;
  return o;
}

const TextFormat* TextFormats::Of(const Value& value) const {
  auto it = formats_.find(value.object());
  return it == formats_.end() ? nullptr : &it->second;
}

TextFormat* TextFormats::Mutable(const Value& self) {
  auto it = formats_.find(self.object());
  return it == formats_.end() ? nullptr : &it->second;
}

}  // namespace kestrova::avm1
