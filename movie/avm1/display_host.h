// DisplayHost: what the interpreter asks of the display list: movie clip
// objects, target paths, timeline control and the clip properties that
// GetProperty/SetProperty number. Implemented over the player's clips
// (clip_binding.h).
#pragma once

#include <string>

#include "movie/avm1/value.h"

namespace kestrova::avm1 {

class Object;

class DisplayHost {
 public:
  virtual ~DisplayHost() = default;
  virtual Object* Root() = 0;
  // A clip by path from `from`: "/a/b", "../a", "_root.a", "a.b", "_level0".
  virtual Object* ResolveClip(Object* from, const std::string& path) = 0;
  virtual Object* ParentOf(Object* clip) = 0;
  // "_level0.a.b" (dot) or "/a/b" (slash)
  virtual std::string TargetPath(Object* clip, bool slash) = 0;

  virtual void Play(Object* clip) = 0;
  virtual void Stop(Object* clip) = 0;
  virtual void NextFrame(Object* clip) = 0;
  virtual void PrevFrame(Object* clip) = 0;
  // `frame`: a 0-based number or a label (or "target:label"); `play`
  // continues playing from there, else the clip stops.
  virtual void GotoFrame(Object* clip, const Value& frame, bool play, int bias) = 0;
  virtual bool FrameLoaded(Object* clip, int frame) = 0;

  // GetProperty/SetProperty index: 0 _x ... 21 _ymouse.
  virtual Value GetProperty(Object* clip, int index) = 0;
  virtual void SetProperty(Object* clip, int index, const Value& value) = 0;
  virtual void Duplicate(Object* clip, const std::string& name, int depth) = 0;
  virtual void Remove(Object* clip) = 0;
};

}  // namespace kestrova::avm1
