// The SWF 5-7 actions: objects, functions, scopes, exceptions.
#include <cmath>
#include <limits>
#include <string_view>

#include "movie/avm1/action_codes.h"
#include "movie/avm1/interpreter.h"
#include "movie/avm1/number_text.h"
#include "movie/avm1/operators.h"
#include "movie/swf/reader.h"

namespace kestrova::avm1 {

namespace {

double Shift(double n) { return static_cast<double>(static_cast<uint32_t>(n) & 31); }

}  // namespace

void Interpreter::StepSwf5(Activation& a, uint8_t code) {
  switch (code) {
    case op::kDelete: {
      std::string name = vm_.ToString(Pop());
      Value object = Pop();
      Push(vm_.Delete(object.object(), name));
      break;
    }
    case op::kDelete2: {
      std::string name = vm_.ToString(Pop());
      Object* owner = FindScopeOwner(a, name);
      Push(owner ? vm_.Delete(owner, name) : false);
      break;
    }
    case op::kDefineLocal: {
      Value v = Pop();
      std::string name = vm_.ToString(Pop());
      if (a.locals)
        a.locals->Define(name, v);
      else
        vm_.SetOf(a.target, name, v);
      break;
    }
    case op::kDefineLocal2: {
      std::string name = vm_.ToString(Pop());
      Object* where = a.locals ? a.locals : a.target;
      if (where && !where->Find(name)) where->Define(name, Value());
      break;
    }
    case op::kCallFunction: {
      std::string name = vm_.ToString(Pop());
      Args args = PopArgs();
      Value fn = GetVariable(a, name);
      // super(...) calls the parent class's constructor.
      if (fn.object() && fn.object()->kind == Kind::Super) {
        Push(CallNamedMethod(a, fn, std::string(), args));
        break;
      }
      Value self = a.target;
      Push(vm_.Call(fn, self, args));
      break;
    }
    case op::kReturn:
      a.result = Pop();
      a.returned = true;
      break;
    case op::kModulo: {
      Value vb = Pop(), vx = Pop();
      double x = vm_.ToNumber(vx), b = vm_.ToNumber(vb);
      Push(std::fmod(x, b));
      break;
    }
    case op::kNewObject: {
      std::string name = vm_.ToString(Pop());
      Args args = PopArgs();
      Push(NewObjectOf(GetVariable(a, name), args));
      break;
    }
    case op::kInitArray:
    case op::kInitObject: {
      // A count beyond the stack makes nothing and takes nothing.
      double n = vm_.ToNumber(Pop());
      size_t count = std::isfinite(n) && n > 0 ? static_cast<size_t>(std::min(n, 1e15)) : 0;
      size_t available = stack_.size() - base_;
      if (count > (code == op::kInitArray ? available : available / 2)) {
        Push(Value());
        break;
      }
      if (code == op::kInitArray) {
        Args items;
        for (size_t i = 0; i < count; ++i) items.push_back(Pop());
        Push(vm_.NewArray(items));
        break;
      }
      Object* o = vm_.NewObject();
      for (size_t i = 0; i < count && stack_.size() > base_; ++i) {
        Value v = Pop();
        std::string name = vm_.ToString(Pop());
        vm_.SetOf(o, name, v);
      }
      Push(o);
      break;
    }
    case op::kTypeOf:
      Push(Value(vm_.TypeOf(Pop())));
      break;
    case op::kTargetPath: {
      Value v = Pop();
      Object* o = v.object();
      if (o && o->kind == Kind::MovieClip)
        Push(Value(display_.TargetPath(o, false)));
      else
        Push(Value());
      break;
    }
    case op::kEnumerate: {
      std::string name = vm_.ToString(Pop());
      Enumerate(GetVariable(a, name));
      break;
    }
    case op::kEnumerate2:
      Enumerate(Pop());
      break;
    case op::kAdd2: {
      Value b = Pop(), x = Pop();
      Push(Add(vm_, x, b));
      break;
    }
    case op::kLess2: {
      Value b = Pop(), x = Pop();
      Value r = LessThan(vm_, x, b);
      Push(r);
      break;
    }
    case op::kGreater: {
      Value b = Pop(), x = Pop();
      Value r = LessThan(vm_, b, x);
      Push(r);
      break;
    }
    case op::kEquals2: {
      Value b = Pop(), x = Pop();
      Push(Value(LooseEquals(vm_, x, b)));
      break;
    }
    case op::kStrictEquals: {
      Value b = Pop(), x = Pop();
      Push(Value(StrictEquals(x, b)));
      break;
    }
    case op::kStringGreater: {
      Value vb = Pop(), vx = Pop();
      std::string x = vm_.ToString(vx), b = vm_.ToString(vb);
      Push(Value(x > b));
      break;
    }
    case op::kToNumber:
      Push(vm_.ToNumber(Pop()));
      break;
    case op::kToString:
      Push(Value(vm_.ToString(Pop())));
      break;
    case op::kPushDuplicate: {
      Value v = Top();
      Push(v);
      break;
    }
    case op::kStackSwap: {
      Value b = Pop(), x = Pop();
      Push(b);
      Push(x);
      break;
    }
    case op::kGetMember: {
      Value name = Pop();
      Value object = Pop();
      Push(vm_.Get(object, vm_.ToString(name)));
      break;
    }
    case op::kSetMember: {
      Value v = Pop();
      Value name = Pop();
      Value object = Pop();
      vm_.Set(object, vm_.ToString(name), v);
      break;
    }
    case op::kIncrement:
      Push(vm_.ToNumber(Pop()) + 1);
      break;
    case op::kDecrement:
      Push(vm_.ToNumber(Pop()) - 1);
      break;
    case op::kCallMethod: {
      Value name = Pop();
      Value object = Pop();
      Args args = PopArgs();
      std::string method = name.IsUndefined() ? std::string() : vm_.ToString(name);
      Push(CallNamedMethod(a, object, method, args));
      break;
    }
    case op::kNewMethod: {
      Value name = Pop();
      Value object = Pop();
      Args args = PopArgs();
      std::string method = name.IsUndefined() ? std::string() : vm_.ToString(name);
      Push(NewObjectOf(method.empty() ? object : vm_.Get(object, method), args));
      break;
    }
    case op::kInstanceOf: {
      Value ctor = Pop();
      Value object = Pop();
      Push(vm_.InstanceOf(object, ctor.object()));
      break;
    }
    case op::kBitAnd:
    case op::kBitOr:
    case op::kBitXor: {
      Value vb = Pop(), vx = Pop();
      int32_t x = vm_.ToInt32(vx), b = vm_.ToInt32(vb);
      int32_t r = code == op::kBitAnd ? (x & b) : code == op::kBitOr ? (x | b) : (x ^ b);
      Push(static_cast<double>(r));
      break;
    }
    case op::kBitLShift:
    case op::kBitRShift:
    case op::kBitURShift: {
      Value vb = Pop(), vx = Pop();
      int32_t x = vm_.ToInt32(vx);
      double count = Shift(static_cast<double>(vm_.ToInt32(vb)));
      int c = static_cast<int>(count);
      if (code == op::kBitLShift)
        Push(static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(x) << c)));
      else if (code == op::kBitRShift)
        Push(static_cast<double>(x >> c));
      else
        Push(static_cast<double>(static_cast<uint32_t>(x) >> c));
      break;
    }
    case op::kExtends:
      ExtendsOp();
      break;
    default:
      vm_.Host().Warn("unknown action " + std::to_string(code));
      break;
  }
}

void Interpreter::ExtendsOp() {
  Value super = Pop();
  Value sub = Pop();
  Object* superCtor = super.object();
  Object* subCtor = sub.object();
  if (!superCtor || !subCtor) return;
  Object* proto = vm_.NewObject();
  proto->proto = vm_.GetOf(superCtor, "prototype", super).object();
  proto->Define("__constructor__", super, kDontEnum);
  vm_.SetOf(subCtor, "prototype", proto);
}

// ActionPush: U8 type, then 0 string, 1 float, 2 null, 3 undefined,
// 4 register (U8), 5 boolean (U8), 6 double, 7 int32, 8 constant (U8
// index), 9 constant (U16 index).
void Interpreter::PushValues(Activation& a, size_t pc, std::span<const uint8_t> body) {
  if (const auto* items = a.pushes ? a.pushes->Items(pc, body) : nullptr) {
    for (const PushItem& item : *items) {
      if (item.kind == PushItem::kConstant)
        Push(item.value);
      else if (item.kind == PushItem::kRegister)
        Push(item.index < a.registers.size() ? a.registers[item.index] : Value());
      else
        Push(a.pool && item.index < a.pool->size() ? (*a.pool)[item.index] : Value());
    }
    return;
  }
  swf::Reader in(body);
  while (!in.AtEnd()) {
    uint8_t type = in.U8();
    switch (type) {
      case 0:
        Push(Value(in.String()));
        break;
      case 1:
        Push(static_cast<double>(in.Float()));
        break;
      case 2:
        Push(Value::Null());
        break;
      case 3:
        Push(Value());
        break;
      case 4: {
        uint8_t r = in.U8();
        Push(r < a.registers.size() ? a.registers[r] : Value());
        break;
      }
      case 5:
        Push(in.U8() != 0);
        break;
      case 6:
        Push(in.Double());
        break;
      case 7:
        Push(static_cast<double>(static_cast<int32_t>(in.U32())));
        break;
      case 8:
      case 9: {
        size_t i = type == 8 ? in.U8() : in.U16();
        if (a.pool && i < a.pool->size())
          Push((*a.pool)[i]);
        else
          Push(Value());
        break;
      }
      default:
        return;
    }
  }
}

Object* Interpreter::FindScopeOwner(Activation& a, const std::string& name) {
  for (size_t i = a.scope.size(); i-- > 0;)
    if (vm_.Has(a.scope[i], name)) return a.scope[i];
  if (a.target && vm_.Has(a.target, name)) return a.target;
  if (vm_.Has(vm_.global, name)) return vm_.global;
  return nullptr;
}

// "a.b.c", "/a/b:c", "../:c": the object holding the last name.
bool Interpreter::LookupPath(Activation& a, const std::string& path, Object*& owner,
                             std::string& name) {
  size_t colon = path.rfind(':');
  if (colon != std::string::npos) {
    owner = display_.ResolveClip(a.target ? a.target : a.base, path.substr(0, colon));
    name = path.substr(colon + 1);
    return true;
  }
  size_t dot = path.rfind('.');
  if (dot != std::string::npos && dot > 0 && path.find('/') == std::string::npos) {
    Value head = GetVariable(a, path.substr(0, dot));
    owner = head.object();
    name = path.substr(dot + 1);
    return true;
  }
  if (path.find('/') != std::string::npos) {
    owner = display_.ResolveClip(a.target ? a.target : a.base, path);
    name.clear();
    return true;
  }
  return false;
}

namespace {

// Whether a name can be a path ("a.b", "/a:c"): most names are not.
bool MayBePath(const std::string& name) {
  for (char c : name)
    if (c == ':' || c == '/' || c == '.') return true;
  return false;
}

// `name` is `word` (lower case), without case when asked; no copies.
bool IsWord(std::string_view name, std::string_view word, bool caseSensitive) {
  if (name.size() != word.size()) return false;
  if (caseSensitive) return name == word;
  for (size_t i = 0; i < name.size(); ++i) {
    char c = name[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != word[i]) return false;
  }
  return true;
}

}  // namespace

Value Interpreter::GetVariable(Activation& a, const std::string& name) {
  if (MayBePath(name) && name != "." && name != "..") {
    // paths
    Object* owner = nullptr;
    std::string last;
    if (LookupPath(a, name, owner, last)) {
      if (!owner) return Value();
      if (last.empty()) return owner;
      return vm_.GetOf(owner, last, owner);
    }
  }
  auto is = [&](std::string_view word) { return IsWord(name, word, vm_.CaseSensitive()); };
  if (is("this")) return a.hasThis ? a.self : (a.target ? Value(a.target) : Value());
  if (is("arguments") || is("super")) a.namedSpecial = true;
  Value out;
  for (size_t i = a.scope.size(); i-- > 0;)
    if (vm_.TryGet(a.scope[i], name, out)) return out;
  if (a.target && vm_.TryGet(a.target, name, out)) return out;
  if (is("_root") || is("_level0")) return display_.Root();
  if (a.version < 5) return Value();  // SWF 4 code has no globals
  if (is("_global")) return vm_.global;
  return vm_.GetOf(vm_.global, name, vm_.global);
}

void Interpreter::SetVariable(Activation& a, const std::string& name, const Value& value) {
  if (MayBePath(name)) {
    Object* owner = nullptr;
    std::string last;
    if (LookupPath(a, name, owner, last)) {
      if (owner && !last.empty()) vm_.SetOf(owner, last, value);
      return;
    }
  }
  for (size_t i = a.scope.size(); i-- > 0;) {
    Object* o = a.scope[i];
    if (vm_.Has(o, name)) return vm_.SetOf(o, name, value);
  }
  if (a.target) vm_.SetOf(a.target, name, value);
}

Object* Interpreter::ResolveTarget(Activation& a, const Value& target) {
  if (Object* o = target.object())
    if (IsDisplayObject(o)) return o;
  // Any other object names its clip by what its toString gives.
  std::string path = vm_.ToString(target);
  if (path.empty()) return a.target;
  Object* from = a.target ? a.target : a.base;
  Object* clip = display_.ResolveClip(from, path);
  if (!clip) {
    Value v = GetVariable(a, path);
    if (v.object() && v.object()->kind == Kind::MovieClip) clip = v.object();
  }
  return clip;
}

// DefineFunction: STRING name, U16 count, STRING params, U16 code size.
// DefineFunction2: STRING name, U16 count, U8 registers, U16 flags,
// (U8 register, STRING name) params, U16 code size. The body follows.
Value Interpreter::DefineFunction(Activation& a, std::span<const uint8_t> body, bool function2,
                                  size_t codeStart, size_t& codeSize) {
  swf::Reader in(body);
  auto f = std::make_shared<ScriptFunction>();
  f->name = in.String();
  uint16_t count = in.U16();
  f->function2 = function2;
  if (function2) {
    f->registerCount = in.U8();
    f->flags = in.U16();
  }
  for (uint16_t i = 0; i < count && !in.AtEnd(); ++i) {
    ScriptFunction::Parameter p;
    if (function2) p.reg = in.U8();
    p.name = in.String();
    f->parameters.push_back(std::move(p));
  }
  codeSize = in.U16();
  codeSize = std::min(codeSize, a.code.size() - std::min(codeStart, a.code.size()));
  f->code = a.code.subspan(codeStart, codeSize);
  f->pool = a.pool;
  f->version = std::max(a.version, 5);
  Object* fn = vm_.NewFunction(nullptr);
  fn->script = f;
  fn->scope = a.scope;
  a.madeFunction = true;
  fn->scope.insert(fn->scope.begin(), a.target ? a.target : a.base);
  Object* proto = vm_.NewObject();
  proto->Define("constructor", fn, kDontEnum);
  fn->Define("prototype", proto, kDontEnum);
  if (f->name.empty()) return fn;
  if (a.locals)
    a.locals->Define(f->name, fn);
  else
    vm_.SetOf(a.target ? a.target : a.base, f->name, fn);
  return Value();
}

size_t Interpreter::With(Activation& a, std::span<const uint8_t> body, size_t next) {
  swf::Reader in(body);
  size_t size = in.U16();
  size_t end = std::min(next + size, a.code.size());
  Value v = Pop();
  Object* o = vm_.ToObject(v);
  if (!o) return end;
  a.scope.push_back(o);
  size_t depth = a.scope.size();
  size_t out;
  try {
    out = Execute(a, next, end);
  } catch (...) {
    a.scope.resize(depth - 1);
    throw;
  }
  a.scope.resize(depth - 1);
  return out;
}

// Try: U8 flags (1 catch, 2 finally, 4 catch in a register), U16 try,
// catch and finally sizes, then the catch name (STRING) or register (U8);
// the three blocks follow the action.
size_t Interpreter::Try(Activation& a, std::span<const uint8_t> body, size_t next) {
  swf::Reader in(body);
  uint8_t flags = in.U8();
  size_t trySize = in.U16(), catchSize = in.U16(), finallySize = in.U16();
  std::string catchName;
  uint8_t catchRegister = 0;
  if (flags & 4)
    catchRegister = in.U8();
  else
    catchName = in.String();
  size_t limit = a.code.size();
  size_t tryEnd = std::min(next + trySize, limit);
  size_t catchEnd = std::min(tryEnd + catchSize, limit);
  size_t finallyEnd = std::min(catchEnd + finallySize, limit);
  size_t stackSize = stack_.size();
  size_t scopeSize = a.scope.size();
  size_t out = tryEnd;
  bool pending = false;
  Value thrown;
  try {
    out = Execute(a, next, tryEnd);
  } catch (const ScriptThrow& t) {
    stack_.resize(std::max(base_, std::min(stackSize, stack_.size())));
    a.scope.resize(scopeSize);
    if (flags & 1) {
      if (flags & 4) {
        if (catchRegister < a.registers.size()) a.registers[catchRegister] = t.value;
      } else {
        SetVariable(a, catchName, t.value);
      }
      try {
        out = Execute(a, tryEnd, catchEnd);
      } catch (const ScriptThrow& again) {
        pending = true;
        thrown = again.value;
      }
    } else {
      pending = true;
      thrown = t.value;
    }
  }
  if (flags & 2) {
    bool returned = a.returned;
    Value result = a.result;
    a.returned = false;
    size_t fin = Execute(a, catchEnd, finallyEnd);
    if (a.returned) return fin;  // a return in finally wins
    a.returned = returned;
    a.result = result;
    if (fin != finallyEnd) out = fin;
  }
  if (pending) throw ScriptThrow{thrown};
  if (out == tryEnd || out == catchEnd) return finallyEnd;
  return out;
}

Value Interpreter::CallNamedMethod(Activation& a, const Value& object, const std::string& name,
                                   const Args& args) {
  Object* o = object.object();
  if (name.empty()) {
    if (o && o->kind == Kind::Super) {
      Object* home = o->scope.empty() ? nullptr : o->scope[0];
      if (!home) return Value();
      Value ctor = vm_.GetOf(home, "__constructor__", home);
      if (ctor.object() && ctor.object()->script)
        return CallScript(ctor.object(), o->superThis, args, home->proto);
      return vm_.Call(ctor, o->superThis, args);
    }
    return vm_.Call(object, a.target ? Value(a.target) : Value(), args);
  }
  if (o && o->kind == Kind::Super) {
    Object* owner = nullptr;
    Property* p = vm_.FindInChain(o->superProto, name, &owner);
    if (!p) return Value();
    Value fn = p->IsAccessor() ? vm_.Call(p->getter, o->superThis, {}) : p->value;
    if (fn.object() && fn.object()->script)
      return CallScript(fn.object(), o->superThis, args, owner);
    return vm_.Call(fn, o->superThis, args);
  }
  Value fn = vm_.Get(object, name);
  Object* f = fn.object();
  if (!f || !f->IsFunction()) return Value();
  if (f->script) {
    Object* owner = nullptr;
    if (o && o->kind != Kind::MovieClip) vm_.FindInChain(o, name, &owner);
    return CallScript(f, object, args, owner);
  }
  return vm_.Call(fn, object, args);
}

Value Interpreter::NewObjectOf(const Value& ctor, const Args& args) {
  Object* f = ctor.object();
  if (!f || !f->IsFunction()) return Value();
  return vm_.Construct(ctor, args);
}

void Interpreter::Enumerate(const Value& v) {
  Push(Value());
  Object* o = v.object();
  if (!o) return;
  // The loop pops them: the first name it sees goes on top.
  std::vector<std::string> names = vm_.EnumerableNames(o);
  for (size_t i = names.size(); i-- > 0;) Push(Value(names[i]));
}

void Interpreter::GotoFrame2(Activation& a, uint8_t flags, int bias) {
  Value frame = Pop();
  Object* clip = a.target;
  if (frame.IsString()) {
    const std::string& s = frame.string();
    size_t colon = s.rfind(':');
    if (colon != std::string::npos) {
      clip = display_.ResolveClip(a.target, s.substr(0, colon));
      frame = Value(s.substr(colon + 1));
    }
  }
  if (!clip) return;
  if (frame.IsString()) {
    double n = StringToNumber(frame.string(), 5);
    if (std::isfinite(n)) frame = Value(n);
  }
  if (frame.IsNumber() || frame.IsBool() || frame.IsNullish()) {
    double n = vm_.ToNumber(frame);
    if (!std::isfinite(n)) return;
    frame = Value(std::floor(n) - 1 + bias);
  }
  display_.GotoFrame(clip, frame, flags & 1, 0);
}

void Interpreter::GetUrl(Activation& a, const std::string& url, const std::string& window) {
  (void)a;
  const std::string prefix = "fscommand:";
  if (url.size() >= prefix.size() && LowerCase(url.substr(0, prefix.size())) == prefix)
    vm_.Host().FsCommand(url.substr(prefix.size()), window);
}

}  // namespace kestrova::avm1
