// What the Runtime keeps for scripts between frames, as roots of the Vm's
// collector. The places outside the heap that hold objects:
//   Vm            the global object, the named prototypes and constructors,
//                 everything made while the built-ins were installed (the
//                 Color, TextField, TextFormat, TextSnapshot, BitmapData and
//                 filter classes, Key/Mouse/Stage/Selection and their
//                 _listeners arrays, the objects native closures capture)
//   clips_        the script object of every clip (and of anything else the
//                 runtime binds there, buttons too) while its clip lives;
//                 setMask links and Color targets are clips or properties;
//                 the filter objects scripts gave the clip
//   intervals_    the function or object, and the arguments, of each interval
//   textFields_   the objects of fields on the stage, the values held for them
//   interpreter_  its value stack (empty between frames)
// Objects reach the rest through their slots (vm_collect.cpp): properties,
// accessors, watches, __proto__, scope chains, super objects, primitives.
// Tables keyed by object (clipOf_, clips_, the text fields' and formats'
// tables, bitmaps) forget an object when it is freed.
#include "movie/avm1/runtime.h"

namespace kestrova::avm1 {

void Runtime::MarkRoots(Marker& m) {
  for (const auto& [clip, scripts] : clips_)
    if (!scripts.clip.expired()) {
      m.Mark(scripts.object);
      m.Mark(scripts.filters);
    }
  for (const Interval& interval : intervals_) {
    m.Mark(interval.function);
    m.Mark(interval.object);
    for (const Value& arg : interval.args) m.Mark(arg);
  }
  textFields_.MarkRoots(m);
  interpreter_.MarkStack(m);
}

void Runtime::Forget(const Object* o) {
  if (auto it = clipOf_.find(o); it != clipOf_.end()) {
    auto scripts = clips_.find(it->second);
    if (scripts != clips_.end() && scripts->second.object == o) clips_.erase(scripts);
    clipOf_.erase(it);
  }
  textFields_.Forget(o);
  textFormats_.Forget(o);
}

}  // namespace kestrova::avm1
