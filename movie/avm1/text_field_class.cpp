#include "movie/avm1/text_field_class.h"

#include <cmath>

#include "movie/avm1/builtins.h"
#include "movie/avm1/runtime.h"
#include "movie/text/utf8.h"

namespace kestrova::avm1 {

namespace {

// TextField.StyleSheet: styles by name, each kept as a copy of the object
// given. The sheet is not applied to text (fields here have no CSS).
void InstallStyleSheet(Vm& vm, Object* textField) {
  Object* proto = vm.NewObject();
  Object* ctor = DefineClass(
      vm, "", [](Vm&, const Value&, const Args&) { return Value(); }, nullptr, proto);
  textField->Define("StyleSheet", ctor, kDontEnum);
  auto styles = [](Vm& vm, const Value& self) -> Object* {
    Object* sheet = self.object();
    if (!sheet) return nullptr;
    Value held = vm.GetOf(sheet, "_styles", self);
    if (held.object()) return held.object();
    Object* made = vm.NewObject();
    sheet->Define("_styles", made, kDontEnum);
    return made;
  };
  auto copy = [](Vm& vm, Object* from) {
    Object* to = vm.NewObject();
    for (const std::string& name : vm.EnumerableNames(from))
      to->Put(name).value = vm.GetOf(from, name, from);
    return to;
  };
  vm.Method(proto, "setStyle", [styles, copy](Vm& vm, const Value& self, const Args& args) {
    Object* all = styles(vm, self);
    if (!all) return Value();
    std::string name = LowerCase(vm.ToString(Arg(args, 0)));
    if (Object* style = Arg(args, 1).object())
      all->Put(name).value = copy(vm, style);
    else
      all->Remove(name);
    return Value();
  });
  vm.Method(proto, "getStyle", [styles, copy](Vm& vm, const Value& self, const Args& args) {
    Object* all = styles(vm, self);
    Object* style =
        all ? vm.GetOf(all, LowerCase(vm.ToString(Arg(args, 0))), all).object() : nullptr;
    return style ? Value(copy(vm, style)) : Value::Null();
  });
  vm.Method(proto, "getStyleNames", [styles](Vm& vm, const Value& self, const Args&) {
    Object* all = styles(vm, self);
    std::vector<Value> names;
    if (all)
      for (const std::string& name : vm.EnumerableNames(all)) names.emplace_back(name);
    return Value(vm.NewArray(names));
  });
  vm.Method(proto, "clear", [](Vm& vm, const Value& self, const Args&) {
    if (Object* sheet = self.object()) sheet->Define("_styles", vm.NewObject(), kDontEnum);
    return Value();
  });
}

}  // namespace

void TextFields::Install(Object* movieClipProto) {
  proto_ = vm_.NewObject();
  Object* ctor = DefineClass(
      vm_, "TextField", [](Vm&, const Value&, const Args&) { return Value(); }, nullptr, proto_);
  InstallStyleSheet(vm_, ctor);
  InstallProperties(proto_);
  InstallMethods(proto_);
  InstallCreate(movieClipProto);
}

Object* TextFields::ObjectOf(movie::Clip& parent, movie::DisplayObject& object) {
  text::TextField* field = object.field.get();
  auto it = objects_.find(field);
  if (it != objects_.end() && entries_[it->second].field.lock().get() == field) return it->second;
  Object* o = vm_.Make(Kind::TextField, proto_);
  Value ctor = vm_.GetOf(vm_.global, "TextField", vm_.global);
  o->Define("__constructor__", ctor, kDontEnum);
  entries_[o] = {object.field, parent.weak_from_this(), field};
  objects_[field] = o;
  return o;
}

text::TextField* TextFields::FieldOf(const Value& value) {
  auto it = entries_.find(value.object());
  return it == entries_.end() ? nullptr : it->second.field.lock().get();
}

// The field's entry in its parent's display list, while it is there.
movie::DisplayObject* TextFields::Self(Object* o, movie::Clip** parentOut, int* depthOut) {
  auto it = entries_.find(o);
  if (it == entries_.end()) return nullptr;
  auto field = it->second.field.lock();
  auto parent = it->second.parent.lock();
  if (!field || !parent) return nullptr;
  for (auto& [depth, object] : parent->MutableObjects()) {
    if (object.field != field) continue;
    if (parentOut) *parentOut = parent.get();
    if (depthOut) *depthOut = depth;
    return &object;
  }
  return nullptr;
}

std::string TextFields::Path(Object* o) {
  movie::Clip* parent = nullptr;
  movie::DisplayObject* self = Self(o, &parent);
  if (!self) return std::string();
  return runtime_.TargetPath(runtime_.ObjectOf(*parent), false) + "." + self->name;
}

// The picture of the field's parent changed: the player draws again.
void TextFields::Changed(Object* o) {
  movie::Clip* parent = nullptr;
  if (Self(o, &parent)) ++parent->Context().changes;
}

void TextFields::SetFilters(Object* o, std::vector<swf::Filter> filters) {
  movie::Clip* parent = nullptr;
  if (movie::DisplayObject* self = Self(o, &parent)) {
    self->filters = std::move(filters);
    ++parent->Context().changes;
  }
}

// --- variables ---

// "a.b.c", "_root.mc:v", "/mc:v": the object from the field's timeline
// along the path, and the variable's name.
bool TextFields::VariableTarget(Object* o, const text::TextField& field, Object*& target,
                                std::string& name, bool clipsOnly) {
  if (field.variable.empty()) return false;
  movie::Clip* parent = nullptr;
  if (!Self(o, &parent)) return false;
  const std::string& path = field.variable;
  size_t split = path.find_last_of(".:");
  name = split == std::string::npos ? path : path.substr(split + 1);
  target = runtime_.ObjectOf(*parent);
  if (split == std::string::npos) return !name.empty();
  std::string steps = path.substr(0, split);
  if (!steps.empty() && steps[0] == '/') {
    target = runtime_.Root();
    steps.erase(0, 1);
  }
  size_t i = 0;
  while (target && i <= steps.size()) {
    size_t end = steps.find_first_of("./", i);
    if (end == std::string::npos) end = steps.size();
    std::string step = steps.substr(i, end - i);
    i = end + 1;
    if (step.empty()) continue;
    std::string lower = LowerCase(step);
    if (lower == "_root" || lower == "_level0")
      target = runtime_.Root();
    else if (lower == "_parent" || step == "..")
      target = runtime_.ParentOf(target);
    else
      target = vm_.GetOf(target, step, target).object();
    if (clipsOnly && target && target->kind != Kind::MovieClip) target = nullptr;
  }
  return target && !name.empty();
}

void TextFields::Sync(Object* o, text::TextField& field) {
  Object* target = nullptr;
  std::string name;
  if (!VariableTarget(o, field, target, name)) return;
  Value value;
  if (!vm_.TryGet(target, name, value) || value.IsUndefined()) return;
  std::u32string shown = text::FromUtf8(vm_.ToString(value));
  if (text::NormalizeBreaks(shown) == field.Text()) return;
  field.SetText(shown);
  Changed(o);
}

// A field on a path of clips shows its variable as soon as it is read; one
// bound through other objects shows it from the next frame.
std::u32string TextFields::Text(Object* o, text::TextField& field) {
  Object* target = nullptr;
  std::string name;
  Value value;
  if (VariableTarget(o, field, target, name, true) && vm_.TryGet(target, name, value) &&
      !value.IsUndefined())
    return text::NormalizeBreaks(text::FromUtf8(vm_.ToString(value)));
  return field.Text();
}

// Text set on a field bound through clips goes to the variable only (the
// field shows it from there); otherwise the field takes it, and the
// variable too when it can be reached.
void TextFields::SetText(Object* o, text::TextField& field, const std::u32string& text) {
  Object* target = nullptr;
  std::string name;
  std::string value = text::ToUtf8(text::NormalizeBreaks(text));
  if (VariableTarget(o, field, target, name, true)) {
    vm_.SetOf(target, name, Value(value));
    return;
  }
  field.SetText(text);
  if (VariableTarget(o, field, target, name)) vm_.SetOf(target, name, Value(value));
}

// A new variable name: a variable not there yet takes the field's text.
void TextFields::Rebind(Object* o, text::TextField& field) {
  Object* target = nullptr;
  std::string name;
  if (!VariableTarget(o, field, target, name)) return;
  Value value;
  if (vm_.TryGet(target, name, value) && !value.IsUndefined()) return;
  if (!field.Text().empty()) vm_.SetOf(target, name, Value(text::ToUtf8(field.Text())));
}

void TextFields::Placed(movie::Clip& parent, movie::DisplayObject& object) {
  Object* o = ObjectOf(parent, object);
  text::TextField& field = *object.field;
  Object* target = nullptr;
  std::string name;
  if (!VariableTarget(o, field, target, name)) return;
  Value value;
  if (vm_.TryGet(target, name, value) && !value.IsUndefined())
    Sync(o, field);
  else if (!field.Text().empty())
    vm_.SetOf(target, name, Value(text::ToUtf8(field.Text())));
}

// Fields that are gone are forgotten here too. Reading a variable may run
// a script that makes fields: the live ones are listed first.
void TextFields::SyncVariables() {
  std::vector<std::pair<Object*, std::shared_ptr<text::TextField>>> bound;
  for (auto it = entries_.begin(); it != entries_.end();) {
    auto field = it->second.field.lock();
    if (!field || it->second.parent.expired()) {
      objects_.erase(it->second.raw);
      it = entries_.erase(it);
      continue;
    }
    if (!field->variable.empty()) bound.emplace_back(const_cast<Object*>(it->first), field);
    ++it;
  }
  for (auto& [o, field] : bound) Sync(o, *field);
}

Value TextFields::Held(Object* o, const char* name, const Value& fallback) {
  auto it = held_.find(o);
  if (it == held_.end()) return fallback;
  auto value = it->second.find(name);
  return value == it->second.end() ? fallback : value->second;
}

void TextFields::Hold(Object* o, const char* name, const Value& value) { held_[o][name] = value; }

void TextFields::Duplicate(Object* o, const std::string& name, int depth) {
  movie::Clip* parent = nullptr;
  movie::DisplayObject* self = Self(o, &parent);
  if (!self) return;
  movie::DisplayObject copy = *self;
  copy.name = name;
  copy.field =
      std::make_shared<text::TextField>(self->field->Definition(), parent->Context().movie);
  depth += movie::kScriptDepthBase;
  parent->RemoveChild(depth);
  parent->MutableObjects()[depth] = std::move(copy);
  ++parent->Context().changes;
}

void TextFields::Remove(Object* o) {
  movie::Clip* parent = nullptr;
  int depth = 0;
  if (Self(o, &parent, &depth) && depth >= movie::kScriptDepthBase) parent->RemoveChild(depth);
}

// --- display properties ---

namespace {

// "/a" + "t" is "/a/t"; the root's "/" + "t" is "/t".
std::string SlashPath(const std::string& parent, const std::string& name) {
  return (parent == "/" ? std::string() : parent) + "/" + name;
}

}  // namespace

bool TextFields::GetDisplayProperty(Object* o, const std::string& name, Value& out) {
  if (name.empty() || name[0] != '_') return false;
  movie::Clip* parent = nullptr;
  movie::DisplayObject* self = Self(o, &parent);
  if (!self) return false;
  const swf::Matrix& m = self->matrix;
  const text::TextField& field = *self->field;
  double xscale = std::hypot(double(m.a), double(m.b)),
         yscale = std::hypot(double(m.c), double(m.d));
  std::string lower = LowerCase(name);
  // A field's place is its box's corner, in its parent.
  if (lower == "_x")
    out = (m.tx.value + m.a * field.bounds.xMin.value + m.c * field.bounds.yMin.value) / 20.0;
  else if (lower == "_y")
    out = (m.ty.value + m.b * field.bounds.xMin.value + m.d * field.bounds.yMin.value) / 20.0;
  else if (lower == "_xscale")
    out = xscale * 100;
  else if (lower == "_yscale")
    out = yscale * 100;
  else if (lower == "_rotation")
    out = std::atan2(double(m.b), double(m.a)) * 180 / 3.14159265358979323846;
  else if (lower == "_alpha")
    out = self->colorTransform.ma * 100.0;
  else if (lower == "_visible")
    out = self->visible;
  else if (lower == "_width")
    out = field.bounds.Width().value * xscale / 20.0;
  else if (lower == "_height")
    out = field.bounds.Height().value * yscale / 20.0;
  else if (lower == "_name")
    out = Value(self->name);
  else if (lower == "_target")
    out = Value(SlashPath(runtime_.TargetPath(runtime_.ObjectOf(*parent), true), self->name));
  else if (lower == "_parent")
    out = runtime_.ObjectOf(*parent);
  else if (lower == "_root" || lower == "_level0")
    out = runtime_.Root();
  else
    return false;
  return true;
}

namespace {

bool IsSettableDisplayProperty(const std::string& lower) {
  for (const char* name :
       {"_x", "_y", "_visible", "_alpha", "_width", "_height", "_xscale", "_yscale", "_name"})
    if (lower == name) return true;
  return false;
}

}  // namespace

// undefined, null and numbers that are not finite leave a property as it is.
bool TextFields::SetDisplayProperty(Object* o, const std::string& name, const Value& value) {
  movie::Clip* parent = nullptr;
  movie::DisplayObject* self = Self(o, &parent);
  std::string lower = LowerCase(name);
  if (!self || !IsSettableDisplayProperty(lower)) return false;
  text::TextField& field = *self->field;
  double v = value.IsNullish() ? std::nan("") : vm_.ToNumber(value);
  auto twips = [](double px) { return static_cast<int32_t>(std::clamp(px * 20, -1e9, 1e9)); };
  const swf::Matrix& m = self->matrix;
  if (lower == "_name")
    self->name = vm_.ToString(value);
  else if (lower == "_visible" && !std::isnan(v))
    self->visible = v != 0;
  else if (!std::isfinite(v))
    return true;
  else if (lower == "_x")
    self->matrix.tx = {twips(v) - static_cast<int32_t>(m.a * field.bounds.xMin.value +
                                                       m.c * field.bounds.yMin.value)};
  else if (lower == "_y")
    self->matrix.ty = {twips(v) - static_cast<int32_t>(m.b * field.bounds.xMin.value +
                                                       m.d * field.bounds.yMin.value)};
  else if (lower == "_alpha")  // 8.8 fixed point, as a clip's
    self->colorTransform.ma =
        static_cast<float>(std::trunc(std::clamp(v / 100 * 256, -32768.0, 32767.0)) / 256);
  else if (lower == "_width" && v >= 0)
    field.bounds.xMax = {field.bounds.xMin.value + twips(v)};
  else if (lower == "_height" && v >= 0)
    field.bounds.yMax = {field.bounds.yMin.value + twips(v)};
  else if (lower == "_xscale")
    self->matrix.a = static_cast<float>(v / 100);
  else if (lower == "_yscale")
    self->matrix.d = static_cast<float>(v / 100);
  field.Touch();
  ++parent->Context().changes;
  return true;
}

// --- createTextField ---

// createTextField(name, depth, x, y, width, height): a dynamic field of
// the device font at 12 points; SWF 8 returns it.
void TextFields::InstallCreate(Object* movieClipProto) {
  vm_.Method(movieClipProto, "createTextField", [this](Vm&, const Value& self, const Args& args) {
    movie::Clip* clip = runtime_.ClipOf(self.object());
    return clip && args.size() >= 6 ? Create(*clip, args) : Value();
  });
}

Value TextFields::Create(movie::Clip& clip, const Args& args) {
  if (entries_.size() >= kMaxFieldObjects) SyncVariables();  // forgets the fields that went
  if (entries_.size() >= kMaxFieldObjects) {
    vm_.WarnOnce(LimitWarning::kTextFields,
                 "more than " + std::to_string(kMaxFieldObjects) + " text fields");
    return Value();
  }
  auto number = [&](size_t i) {
    double n = vm_.ToNumber(args[i]);
    return std::isfinite(n) ? n : 0.0;
  };
  auto twips = [](double px) { return static_cast<int32_t>(std::clamp(px * 20, -1e9, 1e9)); };
  swf::EditText& made = made_.emplace_back();
  made.readOnly = true;
  made.bounds = {{0}, {twips(std::abs(number(4)))}, {0}, {twips(std::abs(number(5)))}};
  int depth =
      static_cast<int>(std::clamp(number(1), -16384.0, 2130706428.0)) + movie::kScriptDepthBase;
  clip.RemoveChild(depth);
  movie::DisplayObject& object = clip.MutableObjects()[depth];
  object.name = vm_.ToString(args[0]);
  object.matrix.tx = {twips(number(2))};
  object.matrix.ty = {twips(number(3))};
  object.field = std::make_shared<text::TextField>(made, clip.Context().movie);
  ++clip.Context().changes;
  Object* o = ObjectOf(clip, object);
  return vm_.Version() >= 8 ? Value(o) : Value();
}

void TextFields::MarkRoots(Marker& m) const {
  for (const auto& [o, entry] : entries_)
    if (!entry.field.expired() && !entry.parent.expired()) m.Mark(const_cast<Object*>(o));
  for (const auto& [o, values] : held_)
    for (const auto& [name, value] : values) m.Mark(value);
}

void TextFields::Forget(const Object* o) {
  auto it = entries_.find(o);
  if (it != entries_.end()) {
    auto field = objects_.find(it->second.raw);
    if (field != objects_.end() && field->second == o) objects_.erase(field);
    entries_.erase(it);
  }
  held_.erase(o);
}

}  // namespace kestrova::avm1
