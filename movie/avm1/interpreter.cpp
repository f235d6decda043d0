#include "movie/avm1/interpreter.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "movie/avm1/action_codes.h"
#include "movie/avm1/number_text.h"
#include "movie/avm1/operators.h"
#include "movie/swf/reader.h"
#include "movie/swf/swf_error.h"

namespace kestrova::avm1 {

namespace {

// Restores the caller's stack base when a call or block ends, however it ends.
struct StackFrame {
  std::vector<Value>& stack;
  size_t& base;
  size_t savedBase, savedSize;
  StackFrame(std::vector<Value>& s, size_t& b)
      : stack(s), base(b), savedBase(b), savedSize(s.size()) {
    base = s.size();
  }
  ~StackFrame() {
    if (stack.size() > savedSize) stack.resize(savedSize);
    base = savedBase;
  }
};

// Sets whether the running code is a constructor, and puts the caller's back.
struct ConstructingScope {
  bool& flag;
  bool saved;
  ConstructingScope(bool& f, bool value) : flag(f), saved(f) { flag = value; }
  ~ConstructingScope() { flag = saved; }
};

struct DepthGuard {
  int& depth;
  explicit DepthGuard(int& d) : depth(d) { ++depth; }
  ~DepthGuard() { --depth; }
};

}  // namespace

Interpreter::Interpreter(Vm& vm, DisplayHost& display) : vm_(vm), display_(display) {
  vm_.callScript = [this](Object* fn, const Value& self, const Args& args, Object* home) {
    return CallScript(fn, self, args, home);
  };
}

Value Interpreter::Pop() {
  if (stack_.size() <= base_) return Value();
  Value v = std::move(stack_.back());
  stack_.pop_back();
  return v;
}

const std::string& Interpreter::NameText(const Value& name, std::string& scratch) {
  if (name.IsString()) return name.string();
  scratch = vm_.ToString(name);
  return scratch;
}

Value& Interpreter::Top() {
  if (stack_.size() <= base_) stack_.emplace_back();
  return stack_.back();
}

// Count, then that many values (first argument on top).
Args Interpreter::PopArgs() {
  double n = vm_.ToNumber(Pop());
  // Clamped while a double: a count beyond size_t has no conversion.
  const double held = static_cast<double>(stack_.size() - base_);
  size_t count = n > 0 ? static_cast<size_t>(std::min(n, held)) : 0;
  Args args;
  args.reserve(count);
  for (size_t i = 0; i < count; ++i) args.push_back(Pop());
  return args;
}

void Interpreter::RunBlock(std::span<const uint8_t> code, Object* target, int version) {
  Activation a;
  a.code = code;
  a.pushes = pushCache_.Block(code);
  a.target = a.base = target;
  a.self = target;
  a.hasThis = true;
  a.registers.resize(4);
  a.version = version;
  StackFrame frame(stack_, base_);
  ConstructingScope constructing(vm_.constructing, false);
  try {
    Execute(a, 0, code.size());
  } catch (const ScriptThrow& t) {
    vm_.Host().Warn("uncaught exception: " + vm_.ToString(t.value));
  } catch (const swf::SwfError&) {
    vm_.Host().Warn("action data ends inside an action");
  }
}

size_t Interpreter::Execute(Activation& a, size_t begin, size_t end) {
  struct VersionScope {
    int& version;
    int saved;
    ~VersionScope() { version = saved; }
  } versionScope{vm_.codeVersion, vm_.codeVersion};
  vm_.codeVersion = a.version;
  size_t pc = begin;
  const auto code = a.code;
  while (pc >= begin && pc < end && !a.returned) {
    vm_.CountAction();
    uint8_t c = code[pc];
    if (c == op::kEnd) return end;
    size_t next = pc + 1;
    std::span<const uint8_t> body;
    if (c >= 0x80) {
      if (pc + 3 > code.size()) return end;
      size_t length = code[pc + 1] | (code[pc + 2] << 8);
      if (pc + 3 + length > code.size()) return end;
      body = code.subspan(pc + 3, length);
      next = pc + 3 + length;
    }
    pc = Step(a, c, pc, next, body);
  }
  return pc;
}

Value Interpreter::MakeSuper(Activation& a) {
  Object* s = vm_.Make(Kind::Super, nullptr);
  s->superThis = a.self;
  Object* home = a.home;
  if (!home && a.self.object()) home = a.self.object()->proto;
  s->superProto = home ? home->proto : nullptr;
  s->scope = {home};  // super(): the constructor home's __constructor__
  return s;
}

Value Interpreter::CallScript(Object* fn, const Value& self, const Args& args, Object* home) {
  const ScriptFunction& f = *fn->script;
  bool constructs = vm_.constructNext;
  vm_.constructNext = false;
  if (vm_.depth >= kMaxCallDepth) {
    vm_.WarnOnce(LimitWarning::kRecursion, "256 levels of recursion were exceeded");
    throw ScriptAbort{};
  }
  DepthGuard depth(vm_.depth);
  Activation a;
  a.code = f.code;
  a.pushes = pushCache_.Block(f.code);
  a.version = f.version;
  a.pool = f.pool;
  a.callee = fn;
  a.home = home;
  a.self = self;
  // DefineFunction2 puts a preloaded this, arguments or super in a register only.
  a.hasThis = !(f.flags & (kSuppressThis | kPreloadThis));
  // SWF 5 functions keep no scope: they see the timeline they are called on.
  if (f.version >= 6 || fn->scope.empty()) {
    a.scope = fn->scope;
  }
  Object* definedIn = fn->scope.empty() ? display_.Root() : fn->scope.front();
  if (f.version < 6) {
    Object* clip = self.object();
    a.scope.clear();
    a.scope.push_back(clip && clip->kind == Kind::MovieClip ? clip : definedIn);
  }
  a.target = a.base = a.scope.empty() ? definedIn : a.scope.front();
  Object* locals = vm_.Make(Kind::Plain, nullptr);
  a.locals = locals;
  a.scope.push_back(locals);
  a.registers.resize(f.function2 ? std::max<size_t>(f.registerCount, 1) : 4);

  Value argumentsObject;
  if (!(f.flags & kSuppressArguments) || (f.flags & kPreloadArguments)) {
    Object* arguments = vm_.NewArray(args);
    arguments->Define("callee", fn, kDontEnum);
    argumentsObject = arguments;
  }
  Value superObject;
  bool wantSuper = !(f.flags & kSuppressSuper);
  if (wantSuper) superObject = MakeSuper(a);
  if (f.function2) {
    size_t r = 1;
    auto preload = [&](uint16_t flag, const Value& v, uint16_t suppress = 0) {
      if (!(f.flags & flag) || r >= a.registers.size()) return;
      a.registers[r++] = (f.flags & suppress) ? Value() : v;
    };
    preload(kPreloadThis, self, kSuppressThis);
    preload(kPreloadArguments, argumentsObject);  // a preload of arguments wins over its suppress
    preload(kPreloadSuper, superObject, kSuppressSuper);
    preload(kPreloadRoot, display_.Root());
    preload(kPreloadParent,
            display_.ParentOf(a.target) ? Value(display_.ParentOf(a.target)) : Value());
    preload(kPreloadGlobal, vm_.global);
    if (!(f.flags & (kPreloadArguments | kSuppressArguments)))
      locals->Define("arguments", argumentsObject, kDontEnum);
    if (!(f.flags & (kPreloadSuper | kSuppressSuper)))
      locals->Define("super", superObject, kDontEnum);
  } else {
    locals->Define("arguments", argumentsObject, kDontEnum);
    locals->Define("super", superObject, kDontEnum);
  }
  for (size_t i = 0; i < f.parameters.size(); ++i) {
    Value v = i < args.size() ? args[i] : Value();
    const auto& p = f.parameters[i];
    if (f.function2 && p.reg != 0 && p.reg < a.registers.size())
      a.registers[p.reg] = v;
    else
      locals->Define(p.name, v);
  }
  StackFrame frame(stack_, base_);
  ConstructingScope constructing(vm_.constructing, constructs);
  Execute(a, 0, a.code.size());
  // The locals are reachable only through this call's scope chain: unless a
  // function defined in the call kept it, nothing refers to them now.
  if (!a.madeFunction) {
    // So are the arguments and super objects the code never named (nor
    // found in a register).
    auto unseen = [&](const Value& v, uint16_t preload) {
      return v.object() && !a.namedSpecial && !(f.flags & preload);
    };
    if (unseen(argumentsObject, kPreloadArguments)) vm_.Recycle(argumentsObject.object());
    if (unseen(superObject, kPreloadSuper)) vm_.Recycle(superObject.object());
    vm_.Recycle(locals);
  }
  return a.result;
}

}  // namespace kestrova::avm1
