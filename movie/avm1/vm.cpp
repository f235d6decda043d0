#include "movie/avm1/vm.h"

#include <cmath>
#include <limits>
#include <string_view>
#include <unordered_set>

#include "movie/avm1/builtins.h"
#include "movie/avm1/number_text.h"

namespace kestrova::avm1 {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// "0", "12": an array index name.
bool IndexName(const std::string& name, uint32_t& index) {
  if (name.empty() || name.size() > 9) return false;
  if (name.size() > 1 && name[0] == '0') return false;
  uint32_t v = 0;
  for (char c : name) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + static_cast<uint32_t>(c - '0');
  }
  index = v;
  return true;
}

}  // namespace

Vm::Vm(int swfVersion, VmHost& host) : codeVersion(swfVersion), version_(swfVersion), host_(host) {
  InstallBuiltins(*this);
  KeepAllMade();
}

Vm::~Vm() = default;

Object* Vm::Make(Kind kind, Object* proto) {
  if (!free_.empty()) {
    Object* o = free_.back();
    free_.pop_back();
    *o = Object(kind, proto, CaseSensitive());
    return o;
  }
  if (heap_.size() >= kMaxObjects) {
    WarnOnce(LimitWarning::kObjects,
             "more than " + std::to_string(kMaxObjects) + " objects; scripts stopped");
    throw ScriptAbort{};
  }
  heap_.push_back(std::make_unique<Object>(kind, proto, CaseSensitive()));
  return heap_.back().get();
}

void Vm::Recycle(Object* o) {
  *o = Object(Kind::Plain, nullptr, CaseSensitive());  // lets go of what it held
  free_.push_back(o);
}

Object* Vm::NewArray(const std::vector<Value>& items) {
  Object* a = Make(Kind::Array, arrayProto);
  for (size_t i = 0; i < items.size(); ++i) a->Define(std::to_string(i), items[i]);
  a->Define("length", static_cast<double>(items.size()), kDontEnum | kDontDelete);
  return a;
}

Object* Vm::NewFunction(NativeFn fn, Object* proto) {
  Object* f = Make(Kind::Function, proto ? proto : functionProto);
  f->native = std::move(fn);
  return f;
}

Object* Vm::Method(Object* target, const std::string& name, NativeFn fn) {
  Object* f = NewFunction(std::move(fn));
  target->Define(name, f, kDontEnum);
  return f;
}

// --- coercion ---

double Vm::ToNumber(const Value& v) {
  switch (v.type()) {
    case Type::Undefined:
    case Type::Null:
      return version_ >= 7 ? kNaN : 0;
    case Type::Boolean:
    case Type::Number:
      return v.number();
    case Type::String:
      return StringToNumber(v.string(), version_);
    case Type::Object: {
      Value p = ToPrimitive(v, false, false);
      if (p.IsUndefined() || p.IsObject()) return kNaN;
      return ToNumber(p);
    }
  }
  return kNaN;
}

std::string Vm::NumberText(double n) const { return NumberToString(n); }

std::string Vm::ToString(const Value& v) {
  switch (v.type()) {
    case Type::Undefined:
      return version_ >= 7 ? "undefined" : "";
    case Type::Null:
      return "null";
    case Type::Boolean:
      if (codeVersion < 5) return v.boolean() ? "1" : "0";
      return v.boolean() ? "true" : "false";
    case Type::Number:
      return NumberToString(v.number());
    case Type::String:
      return v.string();
    case Type::Object: {
      return ToString(ToPrimitive(v, true));
    }
  }
  return "";
}

bool Vm::ToBoolean(const Value& v) const {
  switch (v.type()) {
    case Type::Undefined:
    case Type::Null:
      return false;
    case Type::Boolean:
      return v.boolean();
    case Type::Number:
      return v.number() != 0 && !std::isnan(v.number());
    case Type::String: {
      if (version_ >= 7) return !v.string().empty();
      double n = StringToNumber(v.string(), version_);
      return n != 0 && !std::isnan(n);
    }
    case Type::Object:
      return true;
  }
  return false;
}

// Objects to primitives: valueOf first (its object result falls back to
// toString), toString first for strings and dates. A method that is not a
// function gives undefined for valueOf and "[type Object]" for toString.
Value Vm::ToPrimitive(const Value& v, bool stringHint, bool toStringFallback) {
  Object* o = v.object();
  if (!o) return v;
  const char* typeText = o->IsFunction() ? "[type Function]" : "[type Object]";
  auto call = [&](const char* name, Value& out) {
    Value fn = GetOf(o, name, v);
    if (!fn.object() || !fn.object()->IsFunction()) return false;
    out = Call(fn, v, {});
    return true;
  };
  Value r;
  if (stringHint) {
    if (IsDisplayObject(o) && clipPath) return Value(clipPath(o));
    if (call("toString", r)) return r.IsString() ? r : Value(typeText);
    return Value(typeText);
  }
  if (!call("valueOf", r)) return Value();
  if (!r.IsObject() || !toStringFallback) return r;
  if (IsDisplayObject(o) && clipPath) return Value(clipPath(o));
  if (call("toString", r)) return r.IsObject() ? Value(typeText) : r;
  return Value(typeText);
}

Object* Vm::ToObject(const Value& v) {
  switch (v.type()) {
    case Type::Object:
      return v.object();
    case Type::String: {
      Object* o = Make(Kind::String, stringProto);
      o->primitive = v;
      return o;
    }
    case Type::Number: {
      Object* o = Make(Kind::Number, numberProto);
      o->primitive = v;
      return o;
    }
    case Type::Boolean: {
      Object* o = Make(Kind::Boolean, booleanProto);
      o->primitive = v;
      return o;
    }
    default:
      return nullptr;
  }
}

int32_t Vm::ToInt32(const Value& v) {
  double n = ToNumber(v);
  if (!std::isfinite(n)) return 0;
  double m = std::fmod(std::trunc(n), 4294967296.0);
  if (m < 0) m += 4294967296.0;
  return static_cast<int32_t>(static_cast<uint32_t>(m));
}

double Vm::ToInteger(const Value& v) {
  double n = ToNumber(v);
  if (std::isnan(n)) return 0;
  return std::trunc(n);
}

std::string Vm::TypeOf(const Value& v) const {
  switch (v.type()) {
    case Type::Undefined:
      return "undefined";
    case Type::Null:
      return "null";
    case Type::Boolean:
      return "boolean";
    case Type::Number:
      return "number";
    case Type::String:
      return "string";
    case Type::Object:
      if (v.object()->kind == Kind::MovieClip) return "movieclip";
      return v.object()->IsFunction() ? "function" : "object";
  }
  return "undefined";
}

// --- properties ---

bool Vm::Visible(const Property& p) const {
  if ((p.flags & kVersion6) && version_ < 6) return false;
  if ((p.flags & (kVersion7 | kVersion7a)) && version_ < 7) return false;
  if ((p.flags & kVersion10) && version_ < 10) return false;
  if ((p.flags & kVersion8) && version_ < 8) return false;
  if ((p.flags & kVersion9) && version_ < 9) return false;
  return true;
}

// A prototype chain longer than this is taken for a loop: the script stops.
constexpr int kMaxPrototypeChain = 256;

Property* Vm::FindInChain(Object* o, const std::string& name, Object** owner) {
  for (int hops = 0; o; ++hops, o = o->proto) {
    if (hops >= kMaxPrototypeChain) {
      WarnOnce(LimitWarning::kPrototypeLoop, "a prototype chain loops; the script was stopped");
      throw ScriptAbort{};
    }
    Property* p = o->Find(name);
    if (p && Visible(*p)) {
      if (owner) *owner = o;
      return p;
    }
  }
  return nullptr;
}

Value Vm::Get(const Value& target, const std::string& name) {
  switch (target.type()) {
    case Type::Object:
      return GetOf(target.object(), name, target);
    case Type::String:
      if (name == "length") return static_cast<double>(target.string().size());
      return GetOf(stringProto, name, target);
    case Type::Number:
      return GetOf(numberProto, name, target);
    case Type::Boolean:
      return GetOf(booleanProto, name, target);
    default:
      return Value();
  }
}

Value Vm::GetOf(Object* o, const std::string& name, const Value& self) {
  if (!o) return Value();
  if (std::string_view(name) == "__proto__") {
    Object* proto =
        o->kind == Kind::Super ? (o->superProto ? o->superProto->proto : nullptr) : o->proto;
    return proto ? Value(proto) : Value();
  }
  if (IsDisplayObject(o) && getClipProperty) {
    Value out;
    if (getClipProperty(o, name, out)) return out;
  }
  if (o->kind == Kind::String && name == "length")
    return static_cast<double>(o->primitive.string().size());
  if (o->kind == Kind::Super) {
    Property* p = FindInChain(o->superProto, name);
    if (!p) return Value();
    if (p->IsAccessor()) return Call(p->getter, o->superThis, {});
    return p->value;
  }
  Property* p = FindInChain(o, name);
  if (!p) return Resolve(o, name, self);
  if (p->IsAccessor()) {
    if (depth >= kMaxCallDepth) return Value();
    return Call(p->getter, self, {});
  }
  return p->value;
}

// A missing member of an object with __resolve (SWF 6 on) is what it returns.
Value Vm::Resolve(Object* o, const std::string& name, const Value& self) {
  if (version_ < 6 || name == "__resolve") return Value();
  Property* resolver = FindInChain(o, "__resolve");
  if (!resolver || resolver->IsAccessor()) return Value();
  Object* fn = resolver->value.object();
  if (!fn || !fn->IsFunction()) return Value();
  return Call(fn, self, {Value(name)});
}

Value Vm::CallWatch(Object* o, Property* p, const std::string& name, const Value& value) {
  auto it = o->watches.find(CaseSensitive() ? name : LowerCase(name));
  if (it == o->watches.end()) return value;
  Object::Watch watch = it->second;
  Value old = p ? p->value : Value();
  // A watcher is not run again from inside itself.
  o->watches.erase(it);
  Value r;
  try {
    r = Call(watch.callback, o, {Value(name), old, value, watch.data});
  } catch (...) {
    o->watches.emplace(CaseSensitive() ? name : LowerCase(name), watch);
    throw;
  }
  o->watches.emplace(CaseSensitive() ? name : LowerCase(name), watch);
  return r;
}

void Vm::Set(const Value& target, const std::string& name, const Value& value) {
  if (Object* o = target.object()) SetOf(o, name, value);
}

void Vm::SetOf(Object* o, const std::string& name, const Value& value) {
  if (!o || name.empty()) return;
  if (std::string_view(name) == "__proto__") {
    o->proto = value.object();
    o->Define("__proto__", value, kDontEnum);
    o->Remove("__proto__");
    return;
  }
  // Only "_x"-like names are clip properties; "enabled" is also kept as
  // a variable, the clip told of it.
  if (IsDisplayObject(o) && (name[0] == '_' || name == "enabled") && setClipProperty &&
      setClipProperty(o, name, value))
    return;
  if (o->kind == Kind::Super) o = o->superThis.object();
  if (!o) return;
  Property* own = o->Find(name);
  if (!own || !Visible(*own)) {
    Object* owner = nullptr;
    Property* inherited = FindInChain(o->proto, name, &owner);
    if (inherited && inherited->IsAccessor()) {
      if (inherited->setter && depth < kMaxCallDepth) Call(inherited->setter, o, {value});
      return;
    }
    if (own) {  // a hidden property is made anew
      own->flags = 0;
      own->getter = own->setter = nullptr;
    }
  }
  Value v = o->watches.empty() ? value : CallWatch(o, own, name, value);
  if (own) {
    if (own->flags & kReadOnly) return;
    if (own->IsAccessor()) {
      if (own->setter && depth < kMaxCallDepth) Call(own->setter, o, {v});
      return;
    }
    if (!o->watches.empty()) own = o->Find(name);  // a watcher may have changed the object
    if (!own) own = &o->Put(name);
    own->value = v;
  } else {
    o->Put(name).value = v;
  }
  if (o->kind == Kind::Array) {
    uint32_t index;
    if (IndexName(name, index)) {
      Property* length = o->Find("length");
      if (length && ToNumber(length->value) <= index)
        length->value = static_cast<double>(index) + 1;
    } else if (name == "length") {
      double n = ToNumber(v);
      Property* length = o->Find("length");
      if (!std::isfinite(n) || n < 0) n = 0;
      std::vector<std::string> drop;
      for (const Property& p : o->Properties())
        if (IndexName(p.name, index) && index >= n) drop.push_back(p.name);
      for (const std::string& d : drop) o->Remove(d);
      if (length) length->value = std::floor(n);
    }
  }
}

bool Vm::Has(Object* o, const std::string& name) {
  if (!o) return false;
  if (IsDisplayObject(o) && getClipProperty) {
    Value out;
    if (getClipProperty(o, name, out)) return true;
  }
  return FindInChain(o, name) != nullptr;
}

bool Vm::TryGet(Object* o, const std::string& name, Value& out) {
  if (!o) return false;
  // A clip's own variable comes before its children and properties of its
  // kind: one lookup for the common case of a timeline variable.
  if (o->kind == Kind::MovieClip && !name.empty() && name[0] != '_') {
    Property* own = o->Find(name);
    if (own && Visible(*own)) {
      out = own->IsAccessor() ? (depth >= kMaxCallDepth ? Value() : Call(own->getter, o, {}))
                              : own->value;
      return true;
    }
  }
  if (IsDisplayObject(o) && getClipProperty && getClipProperty(o, name, out)) return true;
  if (o->kind == Kind::Super || std::string_view(name) == "__proto__" ||
      (o->kind == Kind::String && name == "length")) {
    if (!Has(o, name)) return false;
    out = GetOf(o, name, o);
    return true;
  }
  Property* p = FindInChain(o, name);
  if (!p) return false;
  out = p->IsAccessor() ? (depth >= kMaxCallDepth ? Value() : Call(p->getter, o, {})) : p->value;
  return true;
}

bool Vm::Delete(Object* o, const std::string& name) {
  if (!o) return false;
  Property* p = o->Find(name);
  if (!p || (p->flags & kDontDelete)) return false;
  o->Remove(name);
  return true;
}

std::vector<std::string> Vm::EnumerableNames(Object* o) {
  std::vector<std::string> names;
  std::unordered_set<std::string> seen;
  // A clip's children are members of it: for..in lists them before its variables.
  if (o && o->kind == Kind::MovieClip && clipChildNames)
    for (std::string& name : clipChildNames(o))
      if (seen.insert(CaseSensitive() ? name : LowerCase(name)).second)
        names.push_back(std::move(name));
  for (int hops = 0; o && hops < 256; ++hops, o = o->proto) {
    const auto& props = o->Properties();
    for (size_t i = props.size(); i-- > 0;) {
      const Property& p = props[i];
      std::string key = CaseSensitive() ? p.name : LowerCase(p.name);
      if (!seen.insert(key).second) continue;
      if (p.flags & kDontEnum) continue;
      names.push_back(p.name);
    }
  }
  return names;
}

// --- calls ---

Value Vm::Call(const Value& fn, const Value& self, const Args& args) {
  Object* f = fn.object();
  if (!f || !f->IsFunction()) return Value();
  if (f->native) {
    if (depth >= kMaxCallDepth) {
      WarnOnce(LimitWarning::kRecursion, "256 levels of recursion were exceeded");
      throw ScriptAbort{};
    }
    ++depth;
    struct Leave {
      int& d;
      ~Leave() { --d; }
    } leave{depth};
    return f->native(*this, self, args);
  }
  if (f->script && callScript) return callScript(f, self, args, nullptr);
  return Value();
}

Value Vm::CallMethod(const Value& target, const std::string& name, const Args& args) {
  return Call(Get(target, name), target, args);
}

Value Vm::Construct(const Value& fn, const Args& args) {
  Object* f = fn.object();
  if (!f || !f->IsFunction()) return Value();
  if (f->nativeConstruct) return f->nativeConstruct(*this, Value(), args);
  Object* o = NewObject();
  Value proto = GetOf(f, "prototype", fn);
  o->proto = proto.object();
  o->Define("__constructor__", fn, kDontEnum);
  o->Define("constructor", fn, kDontEnum);
  if (f->native) {
    Value r = Call(fn, o, args);
    if (r.IsObject()) return r;
    return o;
  }
  // The constructor runs as a method of its prototype: super() reaches the parent class.
  if (f->script && callScript) {
    constructNext = true;
    callScript(f, o, args, o->proto);
  }
  return o;
}

bool Vm::InstanceOf(const Value& v, Object* ctor) {
  Object* o = v.object();
  if (!o || !ctor) return false;
  Value protoValue = GetOf(ctor, "prototype", ctor);
  Object* proto = protoValue.object();
  if (!proto) return false;
  std::function<bool(Object*, int)> implements = [&](Object* p, int hops) {
    if (hops > 64) return false;
    for (Object* i : p->interfaces) {
      if (i == ctor) return true;
      Object* ip = GetOf(i, "prototype", i).object();
      if (ip && implements(ip, hops + 1)) return true;
    }
    return false;
  };
  int hops = 0;
  for (Object* p = o->proto; p && hops < 256; p = p->proto, ++hops) {
    if (p == proto) return true;
    if (implements(p, 0)) return true;
  }
  return false;
}

void Vm::ActionLimitReached() {
  if (!scriptsStopped_ && ++framesCutShort_ >= 2) {
    scriptsStopped_ = true;
    WarnOnce(LimitWarning::kScriptsStopped,
             "scripts ran too long in a second frame; the movie plays on without them");
  }
  WarnOnce(LimitWarning::kLongScript,
           "a script ran too long in one frame; its frame was cut short");
  throw ScriptAbort{};
}

void Vm::WarnOnce(LimitWarning kind, const std::string& message) {
  const unsigned bit = 1u << static_cast<unsigned>(kind);
  if (warned_ & bit) return;
  warned_ |= bit;
  host_.Warn(message);
}

}  // namespace kestrova::avm1
