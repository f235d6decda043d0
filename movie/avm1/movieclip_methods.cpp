// MovieClip: the class, its prototype's methods, and the clips scripts make.
#include <cmath>

#include "movie/avm1/builtins.h"
#include "movie/avm1/clip_bounds.h"
#include "movie/avm1/runtime.h"

namespace kestrova::avm1 {

namespace {

int ScriptDepth(Vm& vm, const Value& v) {
  double d = vm.ToNumber(v);
  if (!std::isfinite(d)) return movie::kScriptDepthBase;
  return static_cast<int>(std::clamp(d, -16384.0, 2130706428.0)) + movie::kScriptDepthBase;
}

}  // namespace

void Runtime::InstallMovieClip() {
  vm_.movieClipProto = vm_.NewObject();
  DefineClass(
      vm_, "MovieClip", [](Vm&, const Value&, const Args&) { return Value(); }, nullptr,
      vm_.movieClipProto);
  vm_.getClipProperty = [this](Object* o, const std::string& name, Value& out) {
    return GetClipProperty(o, name, out);
  };
  vm_.setClipProperty = [this](Object* o, const std::string& name, const Value& value) {
    return SetClipProperty(o, name, value);
  };
  vm_.clipPath = [this](Object* o) {
    if (o->kind == Kind::TextField) return textFields_.Path(o);
    return ClipOf(o) ? TargetPath(o, false) : std::string();
  };
  vm_.clipChildNames = [this](Object* o) {
    std::vector<std::string> names;
    movie::Clip* clip = ClipOf(o);
    if (!clip) return names;
    const auto& children = clip->Objects();
    for (auto it = children.rbegin(); it != children.rend(); ++it)
      if ((it->second.clip || it->second.field) && !it->second.name.empty())
        names.push_back(it->second.name);
    return names;
  };
  InstallClipMethods(vm_.movieClipProto);
  InstallClipEffects(vm_.movieClipProto);
}

void Runtime::InstallClipMethods(Object* proto) {
  auto clipMethod = [&](const char* name,
                        std::function<Value(Runtime&, movie::Clip&, Object*, const Args&)> fn) {
    vm_.Method(proto, name, [this, fn](Vm&, const Value& self, const Args& args) -> Value {
      movie::Clip* clip = ClipOf(self.object());
      if (!clip) return Value();
      auto keep = clip->shared_from_this();
      return fn(*this, *clip, self.object(), args);
    });
  };
  clipMethod("play", [](Runtime& r, movie::Clip&, Object* o, const Args&) {
    r.Play(o);
    return Value();
  });
  clipMethod("stop", [](Runtime& r, movie::Clip&, Object* o, const Args&) {
    r.Stop(o);
    return Value();
  });
  clipMethod("nextFrame", [](Runtime& r, movie::Clip&, Object* o, const Args&) {
    r.NextFrame(o);
    return Value();
  });
  clipMethod("prevFrame", [](Runtime& r, movie::Clip&, Object* o, const Args&) {
    r.PrevFrame(o);
    return Value();
  });
  auto gotoFn = [](bool play) {
    return [play](Runtime& r, movie::Clip&, Object* o, const Args& args) {
      Value frame = Arg(args, 0);
      if (!frame.IsString())
        frame = Value(r.Machine().ToNumber(frame) - 1);
      else {
        double n = r.Machine().ToNumber(frame);
        if (std::isfinite(n)) frame = Value(n - 1);
      }
      r.GotoFrame(o, frame, play, 0);
      return Value();
    };
  };
  clipMethod("gotoAndPlay", gotoFn(true));
  clipMethod("gotoAndStop", gotoFn(false));
  clipMethod("getDepth", [](Runtime&, movie::Clip& clip, Object*, const Args&) -> Value {
    if (!clip.Parent()) return -16384.0;
    for (auto& [depth, object] : clip.Parent()->MutableObjects())
      if (object.clip.get() == &clip) return static_cast<double>(depth - movie::kScriptDepthBase);
    return Value();
  });
  clipMethod("getNextHighestDepth", [](Runtime&, movie::Clip& clip, Object*, const Args&) -> Value {
    int highest = movie::kScriptDepthBase - 1;
    for (auto& [depth, object] : clip.MutableObjects()) highest = std::max(highest, depth);
    return static_cast<double>(highest + 1 - movie::kScriptDepthBase);
  });
  clipMethod("getInstanceAtDepth",
             [](Runtime& r, movie::Clip& clip, Object*, const Args& args) -> Value {
               int depth = ScriptDepth(r.Machine(), Arg(args, 0));
               auto it = clip.MutableObjects().find(depth);
               if (it == clip.MutableObjects().end()) return Value();
               if (it->second.clip) return r.ObjectOf(*it->second.clip);
               if (it->second.field) return r.FieldObject(clip, it->second);
               return r.ObjectOf(clip);
             });
  clipMethod(
      "duplicateMovieClip", [](Runtime& r, movie::Clip& clip, Object*, const Args& args) -> Value {
        Object* o = r.DuplicateClip(clip, r.Machine().ToString(Arg(args, 0)),
                                    ScriptDepth(r.Machine(), Arg(args, 1)), Arg(args, 2).object());
        return o ? Value(o) : Value();
      });
  clipMethod("removeMovieClip", [](Runtime& r, movie::Clip&, Object* o, const Args&) {
    r.Remove(o);
    return Value();
  });
  clipMethod("attachMovie", [](Runtime& r, movie::Clip& clip, Object*, const Args& args) -> Value {
    Vm& vm = r.Machine();
    Object* o = r.AttachMovie(clip, vm.ToString(Arg(args, 0)), vm.ToString(Arg(args, 1)),
                              ScriptDepth(vm, Arg(args, 2)), Arg(args, 3).object());
    return o ? Value(o) : Value();
  });
  clipMethod("createEmptyMovieClip",
             [](Runtime& r, movie::Clip& clip, Object*, const Args& args) -> Value {
               Object* o = r.CreateEmptyClip(clip, r.Machine().ToString(Arg(args, 0)),
                                             ScriptDepth(r.Machine(), Arg(args, 1)));
               return o ? Value(o) : Value();
             });
  clipMethod("swapDepths", [](Runtime& r, movie::Clip& clip, Object*, const Args& args) {
    movie::Clip* parent = clip.Parent();
    if (!parent) return Value();
    int mine = 0;
    for (auto& [depth, object] : parent->MutableObjects())
      if (object.clip.get() == &clip) mine = depth;
    int other;
    if (movie::Clip* target = r.ClipOf(Arg(args, 0).object())) {
      if (target->Parent() != parent) return Value();
      other = mine;
      for (auto& [depth, object] : parent->MutableObjects())
        if (object.clip.get() == target) other = depth;
    } else {
      other = ScriptDepth(r.Machine(), Arg(args, 0));
    }
    parent->SwapChildren(mine, other);
    return Value();
  });
  clipMethod("getBytesLoaded", [](Runtime& r, movie::Clip&, Object*, const Args&) {
    return Value(static_cast<double>(r.movie_->header.fileLength));
  });
  clipMethod("getBytesTotal", [](Runtime& r, movie::Clip&, Object*, const Args&) {
    return Value(static_cast<double>(r.movie_->header.fileLength));
  });
  for (const char* name :
       {"startDrag", "stopDrag", "loadMovie", "unloadMovie", "loadVariables", "getURL"})
    clipMethod(name, [](Runtime&, movie::Clip&, Object*, const Args&) { return Value(); });
  clipMethod("setMask", [](Runtime& r, movie::Clip& clip, Object*, const Args& args) {
    r.SetMask(clip, r.ClipOf(Arg(args, 0).object()));
    return Value();
  });
  if (Property* p = proto->Find("setMask")) p->flags |= kVersion6;  // Flash MX's
  InstallDrawingMethods(proto);
  InstallClipGeometry(proto);
}

// The mask stops being anything else's mask, and a clip layer of its
// timeline no longer: it masks `clip` alone. No mask (null) shows the clip
// whole again and its old mask as itself.
void Runtime::SetMask(movie::Clip& clip, movie::Clip* mask) {
  movie::DisplayObject* self = clip.Self();
  if (!self) return;
  ++clip.Context().changes;
  auto release = [](movie::DisplayObject& object) {
    if (auto old = object.maskClip.lock())
      if (movie::DisplayObject* oldSelf = old->Self()) oldSelf->isMask = false;
    object.maskClip.reset();
  };
  release(*self);
  movie::DisplayObject* maskSelf = mask && mask != &clip ? mask->Self() : nullptr;
  if (!maskSelf) return;
  for (movie::Clip* c : ClipsInEventOrder())
    if (movie::DisplayObject* other = c->Self(); other && other->maskClip.lock().get() == mask)
      release(*other);
  maskSelf->clipDepth = 0;
  maskSelf->isMask = true;
  self->maskClip = mask->shared_from_this();
}

Object* Runtime::AttachMovie(movie::Clip& parent, const std::string& id, const std::string& name,
                             int depth, Object* init) {
  auto it = movie_->exports.find(id);
  if (it == movie_->exports.end()) return nullptr;
  const swf::Character* c = movie_->Find(it->second);
  const auto* timeline = c ? std::get_if<swf::Timeline>(c) : nullptr;
  if (!timeline) return nullptr;
  movie::Clip* clip = parent.AddChild(depth, it->second, *timeline, name);
  if (!clip) return nullptr;
  Object* o = ObjectOf(*clip);
  if (init)
    for (const Property& p : init->Properties()) vm_.SetOf(o, p.name, p.value);
  return o;
}

Object* Runtime::CreateEmptyClip(movie::Clip& parent, const std::string& name, int depth) {
  movie::Clip* clip = parent.AddChild(depth, 0, parent.Context().emptyTimeline, name);
  return clip ? ObjectOf(*clip) : nullptr;
}

Object* Runtime::DuplicateClip(movie::Clip& source, const std::string& name, int depth,
                               Object* init) {
  movie::Clip* parent = source.Parent();
  movie::DisplayObject* self = source.Self();
  if (!parent || !self) return nullptr;
  movie::DisplayObject copy = *self;
  auto sourceScripts = clips_.find(&source);
  std::vector<const swf::ClipAction*> events;
  if (sourceScripts != clips_.end()) events = sourceScripts->second.events;
  movie::Clip* clip = parent->AddChild(depth, copy.characterId, source.Timeline(), name);
  if (!clip) return nullptr;
  movie::DisplayObject* made = clip->Self();
  if (made) {
    made->matrix = copy.matrix;
    made->colorTransform = copy.colorTransform;
    made->visible = copy.visible;
  }
  if (!source.Drawn().Empty()) clip->ChangeDrawing().CopyFrom(source.Drawn());
  clips_[clip].events = events;
  Object* o = ObjectOf(*clip);
  if (init)
    for (const Property& p : init->Properties()) vm_.SetOf(o, p.name, p.value);
  return o;
}

}  // namespace kestrova::avm1
