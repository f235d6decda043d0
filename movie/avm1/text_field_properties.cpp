// TextField.prototype: the properties (accessors that read and change the
// field `this` is) and the methods.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "movie/avm1/builtins.h"
#include "movie/avm1/filter_classes.h"
#include "movie/avm1/filter_conversion.h"
#include "movie/avm1/runtime.h"
#include "movie/avm1/text_field_class.h"
#include "movie/text/html_text.h"
#include "movie/text/text_layout.h"
#include "movie/text/utf8.h"

namespace kestrova::avm1 {

namespace {

using text::TextField;

struct Accessor {
  const char* name;
  Value (*get)(TextFields&, Object*, TextField&);
  void (*set)(TextFields&, Object*, TextField&, const Value&);  // null: read-only
  uint16_t flags = 0;
};

const char* AutoSizeName(text::AutoSize a) {
  switch (a) {
    case text::AutoSize::Left:
      return "left";
    case text::AutoSize::Center:
      return "center";
    case text::AutoSize::Right:
      return "right";
    default:
      return "none";
  }
}

// true is "left", false "none"; a name other than the four leaves it.
void SetAutoSize(TextFields& t, TextField& f, const Value& v) {
  if (v.IsBool()) {
    f.autoSize = v.boolean() ? text::AutoSize::Left : text::AutoSize::None;
  } else {
    std::string name = LowerCase(t.Machine().ToString(v));
    if (name == "left")
      f.autoSize = text::AutoSize::Left;
    else if (name == "center")
      f.autoSize = text::AutoSize::Center;
    else if (name == "right")
      f.autoSize = text::AutoSize::Right;
    else
      f.autoSize = text::AutoSize::None;
  }
  f.FitBox();
}

// A name from a fixed list; any other leaves the setting (undefined).
Value OneOf(TextFields& t, const Value& v, std::initializer_list<const char*> names) {
  std::string name = t.Machine().ToString(v);
  for (const char* n : names)
    if (name == n) return Value(name);
  return Value();
}

Value Pixels(int32_t twips) { return std::floor(twips / 20.0); }

std::u32string HtmlOf(const TextField& f);

#define KESTROVA_FLAG(prop, member)                                           \
  Accessor {                                                                  \
    prop, [](TextFields&, Object*, TextField& f) { return Value(f.member); }, \
        [](TextFields& t, Object*, TextField& f, const Value& v) {            \
          f.member = t.Machine().ToBoolean(v);                                \
          f.FitBox();                                                         \
          f.Touch();                                                          \
        }                                                                     \
  }

#define KESTROVA_COLOR(prop, member)                                                  \
  Accessor {                                                                          \
    prop, [](TextFields&, Object*, TextField& f) { return Value(double(f.member)); }, \
        [](TextFields& t, Object*, TextField& f, const Value& v) {                    \
          f.member = static_cast<uint32_t>(t.Machine().ToInt32(v)) & 0xFFFFFF;        \
          f.Touch();                                                                  \
        }                                                                             \
  }

// A setting kept for scripts: `coerce` makes the stored value of `v`.
#define KESTROVA_HELD(prop, fallback, coerce, ...)                                        \
  Accessor {                                                                              \
    prop, [](TextFields& t, Object* o, TextField&) { return t.Held(o, prop, fallback); }, \
        [](TextFields& t, Object* o, TextField&, const Value& v) {                        \
          Value stored = coerce;                                                          \
          if (!stored.IsUndefined() || v.IsUndefined()) t.Hold(o, prop, stored);          \
        },                                                                                \
        __VA_ARGS__                                                                       \
  }

#define KESTROVA_CONSTANT(prop, value)                                           \
  Accessor {                                                                     \
    prop, [](TextFields&, Object*, TextField&) { return Value(value); }, nullptr \
  }

// In the reverse of the order a for-in loop lists them.
const Accessor kAccessors[] = {
    KESTROVA_HELD("gridFitType", Value("pixel"), OneOf(t, v, {"none", "pixel", "subpixel"}),
                  kVersion8),
    KESTROVA_HELD("antiAliasType", Value("normal"), OneOf(t, v, {"normal", "advanced"}), kVersion8),
    KESTROVA_HELD("thickness", Value(0), Value(t.Machine().ToNumber(v)), kVersion8),
    KESTROVA_HELD("sharpness", Value(0), Value(t.Machine().ToNumber(v)), kVersion8),
    // Copies of the filters in, copies out; drawn as a clip's are.
    Accessor{"filters",
             [](TextFields& t, Object* o, TextField&) {
               return CloneFilters(t.Machine(), t.Held(o, "filters", Value()), kMaxFilters);
             },
             [](TextFields& t, Object* o, TextField&, const Value& v) {
               if (!v.object()) return;
               Value kept;
               t.SetFilters(o, ToSwfFilters(t.Machine(), v, kMaxFilters, kept));
               t.Hold(o, "filters", kept);
             },
             kVersion8},
    Accessor{"scroll", [](TextFields&, Object*, TextField& f) { return Value(f.scroll); },
             [](TextFields& t, Object*, TextField& f, const Value& v) {
               double n = t.Machine().ToNumber(v);
               if (std::isfinite(n))
                 f.scroll = std::clamp(static_cast<int>(n), 1, text::MaxScroll(f));
             }},
    Accessor{"maxscroll",
             [](TextFields&, Object*, TextField& f) { return Value(text::MaxScroll(f)); }, nullptr},
    KESTROVA_COLOR("borderColor", borderColor),
    KESTROVA_COLOR("backgroundColor", backgroundColor),
    Accessor{"textColor",
             [](TextFields&, Object*, TextField& f) {
               return Value(double(f.newFormat.color.value_or(0)));
             },
             [](TextFields& t, Object*, TextField& f, const Value& v) {
               text::TextFormat color;
               color.color = static_cast<uint32_t>(t.Machine().ToInt32(v)) & 0xFFFFFF;
               text::Apply(f.newFormat, color);
               f.SetFormat(0, f.Text().size(), color);
             }},
    KESTROVA_HELD("tabIndex", Value(), v),
    Accessor{"autoSize",
             [](TextFields&, Object*, TextField& f) { return Value(AutoSizeName(f.autoSize)); },
             [](TextFields& t, Object*, TextField& f, const Value& v) { SetAutoSize(t, f, v); }},
    Accessor{
        "text",
        [](TextFields& t, Object* o, TextField& f) { return Value(text::ToUtf8(t.Text(o, f))); },
        [](TextFields& t, Object* o, TextField& f, const Value& v) {
          t.SetText(o, f, text::FromUtf8(t.Machine().ToString(v)));
        }},
    Accessor{
        "type",
        [](TextFields&, Object*, TextField& f) { return Value(f.input ? "input" : "dynamic"); },
        [](TextFields& t, Object*, TextField& f, const Value& v) {
          std::string type = LowerCase(t.Machine().ToString(v));
          if (type == "input" || type == "dynamic") f.input = type == "input";
        }},
    Accessor{"htmlText",
             [](TextFields& t, Object* o, TextField& f) {
               t.Text(o, f);
               return Value(text::ToUtf8(HtmlOf(f)));
             },
             [](TextFields& t, Object* o, TextField& f, const Value& v) {
               std::u32string s = text::FromUtf8(t.Machine().ToString(v));
               t.SetText(o, f, f.html ? text::TextOfHtml(s, f.multiline) : s);
             }},
    Accessor{"variable",
             [](TextFields&, Object*, TextField& f) {
               return f.variable.empty() ? Value::Null() : Value(f.variable);
             },
             [](TextFields& t, Object* o, TextField& f, const Value& v) {
               f.variable = v.IsNullish() ? std::string() : t.Machine().ToString(v);
               t.Rebind(o, f);
             }},
    KESTROVA_CONSTANT("hscroll", 0),
    KESTROVA_CONSTANT("maxhscroll", 0),
    Accessor{"maxChars",
             [](TextFields&, Object*, TextField& f) {
               return f.maxChars > 0 ? Value(f.maxChars) : Value::Null();
             },
             [](TextFields& t, Object*, TextField& f, const Value& v) {
               f.maxChars = v.IsNullish() ? 0 : std::max(0, t.Machine().ToInt32(v));
             }},
    KESTROVA_FLAG("embedFonts", embedFonts),
    KESTROVA_FLAG("html", html),
    KESTROVA_FLAG("border", border),
    KESTROVA_FLAG("background", background),
    KESTROVA_FLAG("wordWrap", wordWrap),
    KESTROVA_FLAG("password", password),
    KESTROVA_FLAG("multiline", multiline),
    KESTROVA_FLAG("selectable", selectable),
    Accessor{"length",
             [](TextFields& t, Object* o, TextField& f) {
               return Value(static_cast<double>(t.Text(o, f).size()));
             },
             nullptr},
    Accessor{
        "bottomScroll",
        [](TextFields&, Object*, TextField& f) { return Value(std::max(1, f.Layout().lines)); },
        nullptr},
    Accessor{"textWidth",
             [](TextFields&, Object*, TextField& f) { return Pixels(f.Layout().width); }, nullptr},
    Accessor{"textHeight",
             [](TextFields&, Object*, TextField& f) { return Pixels(f.Layout().height); }, nullptr},
    KESTROVA_HELD("restrict", Value::Null(),
                  v.IsNullish() ? Value::Null() : Value(t.Machine().ToString(v))),
    KESTROVA_HELD("condenseWhite", Value(false), Value(t.Machine().ToBoolean(v))),
    KESTROVA_CONSTANT("mouseWheelEnabled", true),
    KESTROVA_HELD("styleSheet", Value(), v.object() ? v : Value()),
};

#undef KESTROVA_FLAG
#undef KESTROVA_COLOR
#undef KESTROVA_CONSTANT
#undef KESTROVA_HELD

std::u32string Escaped(const std::u32string& s) {
  std::u32string out;
  for (char32_t c : s) {
    if (c == U'<')
      out += U"&lt;";
    else if (c == U'>')
      out += U"&gt;";
    else if (c == U'&')
      out += U"&amp;";
    else
      out.push_back(c);
  }
  return out;
}

// The block settings a paragraph's TEXTFORMAT tag names, when any is set.
std::string BlockTag(const text::TextFormat& format) {
  std::string tag;
  auto add = [&](const char* name, int32_t value) {
    if (value) tag += std::string(" ") + name + "=\"" + std::to_string(value) + "\"";
  };
  add("LEFTMARGIN", format.leftMargin.value_or(0));
  add("RIGHTMARGIN", format.rightMargin.value_or(0));
  add("INDENT", format.indent.value_or(0));
  add("LEADING", format.leading.value_or(0));
  add("BLOCKINDENT", format.blockIndent.value_or(0));
  return tag.empty() ? tag : "<TEXTFORMAT" + tag + ">";
}

std::string AlignTag(const text::TextFormat& format) {
  switch (format.align.value_or(swf::TextAlign::Left)) {
    case swf::TextAlign::Right:
      return "RIGHT";
    case swf::TextAlign::Center:
      return "CENTER";
    case swf::TextAlign::Justify:
      return "JUSTIFY";
    default:
      return "LEFT";
  }
}

// Each line of the text as a paragraph in its first character's format.
std::u32string HtmlOf(const TextField& f) {
  std::u32string out;
  const std::u32string& s = f.Text();
  size_t begin = 0;
  while (begin <= s.size()) {
    size_t end = std::min(s.find(U'\r', begin), s.size());
    const text::TextFormat& format = begin < s.size() ? f.FormatAt(begin) : f.newFormat;
    char color[8];
    std::snprintf(color, sizeof color, "%06X", format.color.value_or(0) & 0xFFFFFF);
    std::string block = BlockTag(format);
    std::string open = block + "<P ALIGN=\"" + AlignTag(format) + "\"><FONT FACE=\"" +
                       format.font.value_or("") + "\" SIZE=\"" +
                       std::to_string(format.size.value_or(12)) + "\" COLOR=\"#" + color +
                       "\" LETTERSPACING=\"0\" KERNING=\"0\">";
    std::string close = std::string("</FONT></P>") + (block.empty() ? "" : "</TEXTFORMAT>");
    out += text::FromUtf8(open) + Escaped(s.substr(begin, end - begin)) + text::FromUtf8(close);
    begin = end + 1;
  }
  return out;
}

// A character range from a method's leading arguments, clamped.
std::pair<size_t, size_t> Range(Vm& vm, const Args& args, size_t count, size_t length) {
  double begin = 0, end = static_cast<double>(length);
  if (count >= 1 && !args[0].IsNullish()) {
    begin = vm.ToNumber(args[0]);
    end = count >= 2 && !args[1].IsNullish() ? vm.ToNumber(args[1]) : begin + 1;
  }
  auto clamp = [length](double v) {
    return std::isfinite(v) ? static_cast<size_t>(std::clamp(v, 0.0, double(length))) : 0;
  };
  return {clamp(begin), clamp(end)};
}

}  // namespace

void TextFields::InstallProperties(Object* proto) {
  for (const Accessor& accessor : kAccessors) {
    const Accessor* a = &accessor;
    Property& p = proto->Put(a->name);
    p.flags = a->flags;
    p.getter = vm_.NewFunction([this, a](Vm&, const Value& self, const Args&) {
      TextField* f = FieldOf(self);
      return f ? a->get(*this, self.object(), *f) : Value();
    });
    p.setter = vm_.NewFunction([this, a](Vm&, const Value& self, const Args& args) {
      TextField* f = FieldOf(self);
      if (f && a->set) {
        a->set(*this, self.object(), *f, Arg(args, 0));
        f->Touch();
        Changed(self.object());
      }
      return Value();
    });
  }
}

void TextFields::InstallMethods(Object* proto) {
  auto method = [&](const char* name, std::function<Value(Object*, TextField&, const Args&)> fn) {
    vm_.Method(proto, name, [this, fn](Vm&, const Value& self, const Args& args) {
      TextField* f = FieldOf(self);
      return f ? fn(self.object(), *f, args) : Value();
    });
  };
  method("replaceSel", [](Object*, TextField&, const Args&) { return Value(); });
  method("getTextFormat", [this](Object* o, TextField& f, const Args& args) {
    auto [begin, end] = Range(vm_, args, args.size(), Text(o, f).size());
    return Value(formats_.Make(f.FormatOf(begin, end)));
  });
  method("setTextFormat", [this](Object* o, TextField& f, const Args& args) {
    if (args.empty()) return Value();
    const text::TextFormat* format = formats_.Of(args.back());
    if (!format) return Value();
    auto [begin, end] = Range(vm_, args, args.size() - 1, Text(o, f).size());
    f.SetFormat(begin, end, *format);
    Changed(o);
    return Value();
  });
  method("removeTextField", [this](Object* o, TextField&, const Args&) {
    movie::Clip* parent = nullptr;
    int depth = 0;
    if (Self(o, &parent, &depth) && depth >= movie::kScriptDepthBase) parent->RemoveChild(depth);
    return Value();
  });
  method("getNewTextFormat",
         [this](Object*, TextField& f, const Args&) { return Value(formats_.Make(f.newFormat)); });
  method("setNewTextFormat", [this](Object*, TextField& f, const Args& args) {
    if (const text::TextFormat* format = formats_.Of(Arg(args, 0)))
      text::Apply(f.newFormat, *format);
    return Value();
  });
  method("getDepth", [this](Object* o, TextField&, const Args&) {
    int depth = 0;
    return Self(o, nullptr, &depth) ? Value(depth - movie::kScriptDepthBase) : Value();
  });
  method("replaceText", [this](Object* o, TextField& f, const Args& args) {
    if (args.size() < 3) return Value();
    auto [begin, end] = Range(vm_, args, 2, Text(o, f).size());
    f.Replace(begin, std::max(begin, end), text::FromUtf8(vm_.ToString(args[2])));
    Changed(o);
    return Value();
  });
}

}  // namespace kestrova::avm1
