// The Vm's mark-and-sweep collector. Roots: the objects made before the
// movie started (built-ins: the global object, the prototypes and
// constructors the Vm names, the objects native closures capture) and
// whatever the root functions mark; the Runtime's list is beside its own
// root function (runtime_roots.cpp). Freed objects go to free_ for Make.
#include <algorithm>

#include "movie/avm1/vm.h"

namespace kestrova::avm1 {

namespace {

// Every object slot an object has: properties (values and accessors),
// watches, prototype, a function's scope chain, a super object's reach,
// a wrapper's primitive (a Color's target, a filter's settings).
void MarkSlots(Object& o, Marker& m) {
  m.Mark(o.proto);
  for (const Property& p : o.Properties()) {
    m.Mark(p.value);
    m.Mark(p.getter);
    m.Mark(p.setter);
  }
  for (const auto& [name, watch] : o.watches) {
    m.Mark(watch.callback);
    m.Mark(watch.data);
  }
  for (Object* s : o.scope) m.Mark(s);
  for (Object* i : o.interfaces) m.Mark(i);
  m.Mark(o.superProto);
  m.Mark(o.superThis);
  m.Mark(o.primitive);
}

}  // namespace

size_t Vm::CollectIfDue() {
  if (collectNever || depth > 0) return 0;
  if (!collectAlways && ObjectCount() < collectAt_ && heldSinceCollect_ < kCollectHeldBytes)
    return 0;
  return Collect();
}

size_t Vm::Collect() {
  // Free objects count as reached: they are neither followed nor freed twice.
  for (Object* o : free_) o->marked = true;
  Marker m;
  for (size_t i = 0; i < kept_ && i < heap_.size(); ++i) m.Mark(heap_[i].get());
  for (Object* o :
       {global, objectProto, functionProto, arrayProto, stringProto, numberProto, booleanProto,
        dateProto, movieClipProto, colorProto, objectCtor, arrayCtor, functionCtor})
    m.Mark(o);
  for (const RootFn& roots : roots_) roots(m);
  while (!m.pending_.empty()) {
    Object* o = m.pending_.back();
    m.pending_.pop_back();
    MarkSlots(*o, m);
  }
  size_t freed = 0;
  for (const auto& slot : heap_) {
    Object* o = slot.get();
    if (o->marked) {
      o->marked = false;
      continue;
    }
    for (const ForgetFn& forget : forgets_) forget(o);
    *o = Object(Kind::Plain, nullptr, CaseSensitive());  // lets go of what it held
    free_.push_back(o);
    ++freed;
  }
  ++collections;
  heldSinceCollect_ = 0;
  collectAt_ = std::max(kCollectMinimum, 2 * ObjectCount());
  return freed;
}

}  // namespace kestrova::avm1
