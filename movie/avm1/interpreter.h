// Interpreter: runs AVM1 byte code (DoAction, DoInitAction, clip events
// and script functions) in a Vm, over a DisplayHost for the timeline.
//
//   Interpreter in(vm, display);
//   in.RunBlock(frame.scripts[0], clipObject, movieVersion);
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "movie/avm1/display_host.h"
#include "movie/avm1/push_cache.h"
#include "movie/avm1/script_function.h"
#include "movie/avm1/vm.h"

namespace kestrova::avm1 {

// One running block or function call.
struct Activation {
  std::span<const uint8_t> code;
  std::shared_ptr<PushBlock> pushes;  // the code's decoded Push actions
  Object* target = nullptr;           // timeline of timeline actions and unscoped variables
  Object* base = nullptr;             // the target SetTarget("") returns to
  std::vector<Object*> scope;         // innermost last; the global object is below them all
  Object* locals = nullptr;           // DefineLocal's object (functions)
  Value self;
  bool hasThis = false;
  std::vector<Value> registers;
  ConstantPool pool;
  int version = 5;
  Object* home = nullptr;  // the prototype the running method was found on
  Object* callee = nullptr;
  bool returned = false;
  bool madeFunction = false;  // a function defined here keeps the scope chain
  bool namedSpecial = false;  // the code read `arguments` or `super` by name
  Value result;
  size_t stackBase = 0;
};

class Interpreter {
 public:
  Interpreter(Vm& vm, DisplayHost& display);

  // A frame script or event handler, run with `target` as its timeline.
  void RunBlock(std::span<const uint8_t> code, Object* target, int version);
  // Calls a script function; `home` is the prototype it was found on.
  Value CallScript(Object* fn, const Value& self, const Args& args, Object* home);
  // Values left on the stack between frames (none, when scripts balance).
  void MarkStack(Marker& m) const {
    for (const Value& v : stack_) m.Mark(v);
  }

 private:
  // Runs [begin, end); returns where control left the range.
  size_t Execute(Activation& a, size_t begin, size_t end);
  size_t Step(Activation& a, uint8_t code, size_t pc, size_t next, std::span<const uint8_t> body);
  void StepSwf4(Activation& a, uint8_t code);
  void StepSwf5(Activation& a, uint8_t code);

  Value Pop();
  // A name's text: a string value's own, or its conversion kept in `scratch`.
  const std::string& NameText(const Value& name, std::string& scratch);
  void Push(Value v) { stack_.push_back(std::move(v)); }
  Value& Top();
  Args PopArgs();
  size_t base_ = 0;  // stack entries below this belong to callers

  void PushValues(Activation& a, size_t pc, std::span<const uint8_t> body);
  Value GetVariable(Activation& a, const std::string& name);
  void SetVariable(Activation& a, const std::string& name, const Value& value);
  bool LookupPath(Activation& a, const std::string& path, Object*& owner, std::string& name);
  Object* FindScopeOwner(Activation& a, const std::string& name);
  Object* ResolveTarget(Activation& a, const Value& target);
  Value DefineFunction(Activation& a, std::span<const uint8_t> body, bool function2,
                       size_t codeStart, size_t& codeSize);
  size_t With(Activation& a, std::span<const uint8_t> body, size_t next);
  size_t Try(Activation& a, std::span<const uint8_t> body, size_t next);
  Value MakeSuper(Activation& a);
  Value CallNamedMethod(Activation& a, const Value& object, const std::string& name,
                        const Args& args);
  Value NewObjectOf(const Value& ctor, const Args& args);
  void Enumerate(const Value& v);
  void GotoFrame2(Activation& a, uint8_t flags, int bias);
  void ExtendsOp();
  void GetUrl(Activation& a, const std::string& url, const std::string& window);

  Vm& vm_;
  DisplayHost& display_;
  std::vector<Value> stack_;
  PushCache pushCache_;
};

}  // namespace kestrova::avm1
