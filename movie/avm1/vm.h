// Vm: the ActionScript 1/2 virtual machine of one movie: the object heap
// and its limits, the global object and built-in prototypes, coercions as
// the movie's SWF version asks, property access (getters, setters,
// watches, prototypes) and calls.
//
//   avm1::Vm vm(7, output);
//   vm.Execute(code, context);   // interpreter.h runs byte code in it
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "movie/avm1/object.h"
#include "movie/avm1/value.h"

namespace kestrova::avm1 {

// Limits against hostile movies; each one warns once and the movie goes on.
constexpr int kMaxCallDepth = 256;
constexpr uint64_t kMaxActionsPerFrame = 60'000'000;
constexpr size_t kMaxObjects = 4'000'000;

// The kinds of limit warnings: each is given once per movie.
enum class LimitWarning : unsigned {
  kRecursion,
  kLongScript,
  kScriptsStopped,
  kPrototypeLoop,
  kObjects,
  kIntervals,
  kTextFields,
  kBitmaps,
};

// A collection runs once the live objects have grown past the larger of
// this and twice the count the last collection left: small movies never
// collect.
constexpr size_t kCollectMinimum = 50'000;
// So does this much memory held outside the heap (a quarter of what all
// bitmaps may hold).
constexpr size_t kCollectHeldBytes = 32u << 20;

// Marks the objects a collection keeps; roots hand theirs to Mark and the
// collector follows what each one reaches.
class Marker {
 public:
  void Mark(Object* o) {
    if (o && !o->marked) {
      o->marked = true;
      pending_.push_back(o);
    }
  }
  void Mark(const Value& v) { Mark(v.object()); }

 private:
  friend class Vm;
  std::vector<Object*> pending_;
};
using RootFn = std::function<void(Marker&)>;
// Told of each object a collection frees, so tables keyed by it let go.
using ForgetFn = std::function<void(const Object*)>;

// Raised by Throw and caught by Try; crosses native calls.
struct ScriptThrow {
  Value value;
};
// Unwinds the running scripts of this frame after a limit was hit.
struct ScriptAbort {};

// What the Vm needs from the player that runs it.
class VmHost {
 public:
  virtual ~VmHost() = default;
  virtual void Trace(const std::string& line) = 0;
  virtual void Warn(const std::string& message) = 0;
  virtual void FsCommand(const std::string& command, const std::string& args) = 0;
  virtual double Milliseconds() const = 0;  // movie clock since start
};

class Vm {
 public:
  Vm(int swfVersion, VmHost& host);
  ~Vm();
  Vm(const Vm&) = delete;
  Vm& operator=(const Vm&) = delete;

  int Version() const { return version_; }
  // The version the running code follows: SWF 4 code of a movie behaves as
  // SWF 4 even where its functions (SWF 5 actions) do not.
  int codeVersion = 0;
  VmHost& Host() { return host_; }
  bool CaseSensitive() const { return version_ >= 7; }

  // Heap
  Object* Make(Kind kind, Object* proto);
  Object* NewObject() { return Make(Kind::Plain, objectProto); }
  Object* NewArray(const std::vector<Value>& items = {});
  Object* NewFunction(NativeFn fn, Object* proto = nullptr);
  // A built-in method on `target`, not enumerable.
  Object* Method(Object* target, const std::string& name, NativeFn fn);
  size_t ObjectCount() const { return heap_.size() - free_.size(); }
  // Takes back an object nothing can reach any more (a call's locals when
  // the call made no closure over them); Make hands it out again.
  void Recycle(Object* o);

  // Collection (vm_collect.cpp). Only between frames: nothing may hold an
  // object on the C++ stack then. Whoever keeps objects outside the heap
  // (tables, queues, captures) adds a root function; whoever keys a table
  // by object adds a forget function.
  void AddRoots(RootFn roots) { roots_.push_back(std::move(roots)); }
  void AddForget(ForgetFn forget) { forgets_.push_back(std::move(forget)); }
  // Everything made so far stays for the movie's life: the built-ins, and
  // the objects their native closures hold in captures the collector
  // cannot see.
  void KeepAllMade() { kept_ = heap_.size(); }
  // Collects when the count has grown past the threshold, or every time
  // when `collectAlways` (a check for missed roots). Returns the objects freed.
  size_t CollectIfDue();
  size_t Collect();
  // Memory objects hold outside the heap (bitmap pixels): enough of it
  // made since the last collection makes the next one due, so garbage
  // bitmaps give their pixels back even while the object count is low.
  void NoteHeldBytes(size_t bytes) { heldSinceCollect_ += bytes; }
  bool collectAlways = false;
  bool collectNever = false;
  size_t collections = 0;

  // Coercion
  double ToNumber(const Value& v);
  std::string ToString(const Value& v);
  bool ToBoolean(const Value& v) const;
  Value ToPrimitive(const Value& v, bool stringHint = false, bool toStringFallback = true);
  Object* ToObject(const Value& v);
  int32_t ToInt32(const Value& v);
  double ToInteger(const Value& v);
  std::string TypeOf(const Value& v) const;
  std::string NumberText(double n) const;

  // Properties
  Value Get(const Value& target, const std::string& name);
  void Set(const Value& target, const std::string& name, const Value& value);
  Value GetOf(Object* o, const std::string& name, const Value& self);
  void SetOf(Object* o, const std::string& name, const Value& value);
  bool Has(Object* o, const std::string& name);
  // Get when `o` has the property (own, inherited or a clip's); one lookup.
  bool TryGet(Object* o, const std::string& name, Value& out);
  bool Delete(Object* o, const std::string& name);
  Property* FindInChain(Object* o, const std::string& name, Object** owner = nullptr);
  bool Visible(const Property& p) const;
  std::vector<std::string> EnumerableNames(Object* o);

  // Calls
  Value Call(const Value& fn, const Value& self, const Args& args);
  Value CallMethod(const Value& target, const std::string& name, const Args& args);
  Value Construct(const Value& fn, const Args& args);
  bool InstanceOf(const Value& v, Object* ctor);
  int depth = 0;
  // The running script function was called by `new` (ASnative(2, 0) asks);
  // `constructNext` tells the next script call that it is one.
  bool constructing = false;
  bool constructNext = false;

  // Math.random and random(): a fixed seed, so runs repeat.
  double Random() { return std::uniform_real_distribution<double>(0, 1)(rng_); }

  // Limits
  // A frame whose scripts run past the limit is cut short; the second
  // time, every script of the movie stops for good (the timeline plays
  // on), so a runaway loop cannot hold up each frame.
  void CountAction() {
    if (++actionsThisFrame_ > kMaxActionsPerFrame || scriptsStopped_) ActionLimitReached();
  }
  void ResetFrameBudget() { actionsThisFrame_ = 0; }
  // The first warning of its kind goes to the host; later ones are dropped.
  void WarnOnce(LimitWarning kind, const std::string& message);

  Object* global = nullptr;
  Object* objectProto = nullptr;
  Object* functionProto = nullptr;
  Object* arrayProto = nullptr;
  Object* stringProto = nullptr;
  Object* numberProto = nullptr;
  Object* booleanProto = nullptr;
  Object* dateProto = nullptr;
  Object* movieClipProto = nullptr;
  Object* colorProto = nullptr;
  Object* objectCtor = nullptr;
  Object* arrayCtor = nullptr;
  Object* functionCtor = nullptr;
  // The MovieClip layer (movieclip.cpp) plugs in here.
  std::function<bool(Object*, const std::string&, Value&)> getClipProperty;
  std::function<bool(Object*, const std::string&, const Value&)> setClipProperty;
  std::function<std::string(Object*)> clipPath;  // "_level0.a": a clip as text
  // The names of a clip's named children, as for..in lists them.
  std::function<std::vector<std::string>(Object*)> clipChildNames;
  // For interpreter-side callbacks of built-ins (Function.call needs it).
  std::function<Value(Object* fn, const Value& self, const Args& args, Object* home)> callScript;

 private:
  Value CallWatch(Object* o, Property* p, const std::string& name, const Value& value);
  Value Resolve(Object* o, const std::string& name, const Value& self);
  [[noreturn]] void ActionLimitReached();

  int version_;
  VmHost& host_;
  std::vector<std::unique_ptr<Object>> heap_;
  std::vector<Object*> free_;  // recycled objects of heap_
  size_t kept_ = 0;            // heap_[0, kept_) are never collected
  size_t collectAt_ = kCollectMinimum;
  std::vector<RootFn> roots_;
  std::vector<ForgetFn> forgets_;
  std::mt19937 rng_{20061};
  size_t heldSinceCollect_ = 0;
  uint64_t actionsThisFrame_ = 0;
  int framesCutShort_ = 0;
  bool scriptsStopped_ = false;
  unsigned warned_ = 0;
};

}  // namespace kestrova::avm1
