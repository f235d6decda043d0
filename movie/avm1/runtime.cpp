#include "movie/avm1/runtime.h"

#include <cmath>

#include "movie/avm1/builtins.h"
#include "movie/avm1/text_snapshot.h"

namespace kestrova::avm1 {

namespace {

// PlaceObject clip event bits (SWF 6 layout).
enum ClipEvent : uint32_t {
  kEventLoad = 0x1,
  kEventEnterFrame = 0x2,
  kEventUnload = 0x4,
  kEventInitialize = 0x200,
  kEventConstruct = 0x40000,
};

}  // namespace

Runtime::Runtime(std::shared_ptr<const swf::Movie> movie, RuntimeOutput output,
                 Collection collection)
    : movie_(std::move(movie)),
      output_(std::move(output)),
      vm_(movie_->header.version, *this),
      interpreter_(vm_, *this) {
  InstallMovieClip();
  textFormats_.Install();
  textFields_.Install(vm_.movieClipProto);
  InstallTimers();
  InstallTextSnapshot(vm_, vm_.movieClipProto, [this](Object* o) {
    movie::Clip* clip = ClipOf(o);
    return clip ? StaticTextOf(*movie_, *clip) : std::string();
  });
  InstallColor();
  InstallButtonClass();
  InstallPlayerStubs(vm_);
  InstallTransformClass();  // over the flash package the stubs made
  vm_.AddRoots([this](Marker& m) { MarkRoots(m); });
  vm_.AddForget([this](const Object* o) { Forget(o); });
  vm_.KeepAllMade();
  vm_.collectAlways = collection == Collection::kEveryFrame;
  vm_.collectNever = collection == Collection::kNever;
  player_ = std::make_unique<movie::Player>(movie_, this);
}

Runtime::~Runtime() {
  // The player's clips call back into this object while they go.
  player_.reset();
}

void Runtime::Advance() {
  ++frameNumber_;
  player_->Advance();
}

// --- VmHost ---

void Runtime::Trace(const std::string& line) {
  if (output_.trace) output_.trace(line);
}

void Runtime::Warn(const std::string& message) {
  if (output_.warn) output_.warn(message);
}

void Runtime::FsCommand(const std::string& command, const std::string&) {
  if (LowerCase(command) == "quit") quit_ = true;
}

double Runtime::Milliseconds() const {
  float rate = movie_->header.frameRate;
  if (!(rate > 0)) rate = 12;
  return static_cast<double>(frameNumber_) * 1000.0 / rate;
}

// --- ScriptHost ---

void Runtime::ClipPlaced(movie::Clip& clip, const swf::PlaceObject* place) {
  if (!clip.Parent() && !root_) root_ = &clip;
  ClipScripts& scripts = clips_[&clip];
  scripts = ClipScripts{};
  scripts.clip = clip.weak_from_this();
  movie::DisplayObject* self = clip.Self();
  if (self && self->name.empty() && place)
    self->name = "instance" + std::to_string(nextInstance_++);
  Object* object = ObjectOf(clip);
  if (place)
    for (const swf::ClipAction& action : place->clipActions) scripts.events.push_back(&action);
  (void)object;
  RunClipEvent(clip, kEventInitialize);
  RunClipEvent(clip, kEventConstruct);
}

void Runtime::FieldPlaced(movie::Clip& parent, movie::DisplayObject& object) {
  // Unnamed fields are numbered with the clips.
  if (object.name.empty()) object.name = "instance" + std::to_string(nextInstance_++);
  textFields_.Placed(parent, object);
}

void Runtime::ClipRemoved(movie::Clip& clip) {
  auto it = clips_.find(&clip);
  if (it == clips_.end()) return;
  RunClipEvent(clip, kEventUnload);
  if (it->second.object) CallHandler(it->second.object, "onUnload");
}

void Runtime::FrameReached(movie::Clip& clip, uint32_t frame) {
  if (&clip == root_) RunInitActions(frame);
  const swf::Frame& f = clip.Timeline().frames[frame];
  Object* target = ObjectOf(clip);
  for (const auto& script : f.scripts) RunScript(script, target);
}

void Runtime::RunInitActions(uint32_t frame) {
  for (const swf::InitAction& init : movie_->root.frames[frame].initScripts) {
    if (!initDone_.insert(init.spriteId).second) continue;
    RunScript(init.code, ObjectOf(*root_));
  }
}

void Runtime::BeforeTick() { vm_.ResetFrameBudget(); }

void Runtime::AfterTick() {
  for (movie::Clip* clip : ClipsInTickOrder()) {
    auto keep = clip->shared_from_this();
    RunClipEvent(*clip, kEventEnterFrame);
    if (Object* o = ObjectOf(*clip)) CallHandler(o, "onEnterFrame");
  }
}

void Runtime::AfterFrame() {
  // Loads of the clips that came this frame, after the frame scripts.
  for (movie::Clip* clip : ClipsInEventOrder()) {
    ClipScripts& scripts = clips_[clip];
    if (scripts.loaded) continue;
    scripts.loaded = true;
    auto keep = clip->shared_from_this();
    RunClipEvent(*clip, kEventLoad);
    if (scripts.object) CallHandler(scripts.object, "onLoad");
  }
  FireIntervals();
  textFields_.SyncVariables();
  vm_.CollectIfDue();  // no script runs now
}

void Runtime::RunClipEvent(movie::Clip& clip, uint32_t event) {
  auto it = clips_.find(&clip);
  if (it == clips_.end()) return;
  std::vector<const swf::ClipAction*> events = it->second.events;
  Object* target = it->second.object;
  for (const swf::ClipAction* action : events)
    if (action->events & event) RunScript(action->code, target);
}

void Runtime::CallHandler(Object* object, const std::string& name) {
  try {
    Value fn = vm_.GetOf(object, name, object);
    if (fn.object() && fn.object()->IsFunction()) vm_.Call(fn, object, {});
  } catch (const ScriptThrow& t) {
    Warn("uncaught exception: " + vm_.ToString(t.value));
  } catch (const ScriptAbort&) {
  }
}

void Runtime::RunScript(std::span<const uint8_t> code, Object* target) {
  try {
    interpreter_.RunBlock(code, target, movie_->header.version);
  } catch (const ScriptAbort&) {
    // A limit was hit; the warning is out and the movie goes on.
  }
}

std::vector<movie::Clip*> Runtime::ClipsInEventOrder() {
  std::vector<movie::Clip*> out;
  CollectClips(*root_, out);
  return out;
}

// As the timelines tick: children before their parent, the last placed first.
std::vector<movie::Clip*> Runtime::ClipsInTickOrder() {
  std::vector<movie::Clip*> out;
  CollectClipsForTick(*root_, out);
  return out;
}

void Runtime::CollectClipsForTick(movie::Clip& clip, std::vector<movie::Clip*>& out) {
  auto& objects = clip.MutableObjects();
  for (auto it = objects.rbegin(); it != objects.rend(); ++it)
    movie::ForEachOnDepth(it->second, [&](movie::DisplayObject& o) {
      if (o.clip) CollectClipsForTick(*o.clip, out);
    });
  out.push_back(&clip);
}

// Clips a placement displaced are still on the stage: their events run.
void Runtime::CollectClips(movie::Clip& clip, std::vector<movie::Clip*>& out) {
  out.push_back(&clip);
  for (auto& [depth, placed] : clip.MutableObjects())
    movie::ForEachOnDepth(placed, [&](movie::DisplayObject& o) {
      if (o.clip) CollectClips(*o.clip, out);
    });
}

// --- clip objects ---

Object* Runtime::ObjectOf(movie::Clip& clip) {
  ClipScripts& scripts = clips_[&clip];
  if (scripts.object && scripts.clip.lock().get() == &clip) return scripts.object;
  if (scripts.clip.lock().get() != &clip) {
    scripts = ClipScripts{};
    scripts.clip = clip.weak_from_this();
  }
  const bool button = clip.ButtonDefinition() && movie_->header.version >= 6;
  Object* o = vm_.Make(Kind::MovieClip, button ? buttonProto_ : vm_.movieClipProto);
  o->clip = clip.weak_from_this();
  scripts.object = o;
  clipOf_[o] = &clip;
  return o;
}

movie::Clip* Runtime::ClipOf(Object* o) const {
  if (!o || o->kind != Kind::MovieClip) return nullptr;
  auto clip = o->clip.lock();
  return clip.get();
}

Object* Runtime::Root() { return ObjectOf(*root_); }

}  // namespace kestrova::avm1
