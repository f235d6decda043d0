// The mouse for scripts: button condition actions, the handlers of button
// objects and of clips acting as buttons (onPress ... or on(press) clip
// actions), every clip's mouse events, and the Button class.
#include <optional>

#include "movie/avm1/builtins.h"
#include "movie/avm1/runtime.h"
#include "movie/player/hit_test.h"

namespace kestrova::avm1 {

namespace {

// PlaceObject clip event bits (SWF 6 layout) of the mouse.
enum MouseClipEvent : uint32_t {
  kEventMouseMove = 0x8,
  kEventMouseDown = 0x10,
  kEventMouseUp = 0x20,
  kEventPress = 0x400,
  kEventRelease = 0x800,
  kEventReleaseOutside = 0x1000,
  kEventRollOver = 0x2000,
  kEventRollOut = 0x4000,
  kEventDragOver = 0x8000,
  kEventDragOut = 0x10000,
};
constexpr uint32_t kButtonClipEvents = kEventPress | kEventRelease | kEventReleaseOutside |
                                       kEventRollOver | kEventRollOut | kEventDragOver |
                                       kEventDragOut;

struct TransitionEvent {
  uint16_t condition;
  uint32_t clipEvent;
  const char* handler;
};

// A track-as-menu button's IdleToOverDown and OverDownToIdle are its drag
// over and out.
constexpr TransitionEvent kTransitionEvents[] = {
    {swf::kIdleToOverUp, kEventRollOver, "onRollOver"},
    {swf::kOverUpToIdle, kEventRollOut, "onRollOut"},
    {swf::kOverUpToOverDown, kEventPress, "onPress"},
    {swf::kOverDownToOverUp, kEventRelease, "onRelease"},
    {swf::kOverDownToOutDown, kEventDragOut, "onDragOut"},
    {swf::kOutDownToOverDown, kEventDragOver, "onDragOver"},
    {swf::kOutDownToIdle, kEventReleaseOutside, "onReleaseOutside"},
    {swf::kIdleToOverDown, kEventDragOver, "onDragOver"},
    {swf::kOverDownToIdle, kEventDragOut, "onDragOut"},
};

const char* const kButtonHandlers[] = {"onPress",   "onRelease",  "onReleaseOutside", "onRollOver",
                                       "onRollOut", "onDragOver", "onDragOut"};

}  // namespace

void Runtime::InstallButtonClass() {
  buttonProto_ = vm_.NewObject();
  DefineClass(
      vm_, "Button", [](Vm&, const Value&, const Args&) { return Value(); }, nullptr, buttonProto_);
  vm_.Method(buttonProto_, "getDepth", [this](Vm&, const Value& self, const Args&) -> Value {
    movie::Clip* clip = ClipOf(self.object());
    if (!clip || !clip->Parent()) return Value();
    for (auto& [depth, object] : clip->Parent()->MutableObjects())
      if (object.clip.get() == clip) return static_cast<double>(depth - movie::kScriptDepthBase);
    return Value();
  });
  InstallClipEffects(buttonProto_);
}

// Buttons are objects of their own from SWF 6; before, their handlers
// cannot be set, and only their condition actions run.
bool Runtime::HasButtonHandlers(Object* o) {
  for (const char* name : kButtonHandlers) {
    Property* p = vm_.FindInChain(o, name);
    if (p && p->value.object() && p->value.object()->IsFunction()) return true;
  }
  return false;
}

bool Runtime::ActsAsButton(movie::Clip& clip) {
  auto it = clips_.find(&clip);
  if (it == clips_.end()) return false;
  for (const swf::ClipAction* action : it->second.events)
    if (action->events & kButtonClipEvents) return true;
  return movie_->header.version >= 6 && it->second.object && HasButtonHandlers(it->second.object);
}

// A clip acting as a button shows its frames labelled _up, _over and
// _down as a button shows its states (held and dragged away: _over).
void Runtime::ShowButtonFrame(movie::Clip& clip) {
  const char* label = clip.Mouse() == movie::MouseState::Idle       ? "_up"
                      : clip.Mouse() == movie::MouseState::OverDown ? "_down"
                                                                    : "_over";
  std::optional<uint32_t> frame = clip.Timeline().FindLabel(label);
  if (!frame) return;
  clip.Stop();
  clip.GotoFrame(*frame);
}

// useHandCursor = false (on the object or its prototype) keeps the arrow.
bool Runtime::HandCursor(movie::Clip& clip) {
  auto it = clips_.find(&clip);
  if (it == clips_.end() || !it->second.object) return true;
  Property* p = vm_.FindInChain(it->second.object, "useHandCursor");
  return !p || p->IsAccessor() || vm_.ToBoolean(p->value);
}

void Runtime::MouseTransition(movie::Clip& clip, uint16_t condition) {
  if (!clip.ButtonDefinition()) ShowButtonFrame(clip);
  for (const TransitionEvent& e : kTransitionEvents) {
    if (e.condition != condition) continue;
    auto keep = clip.shared_from_this();
    if (!clip.ButtonDefinition()) RunClipEvent(clip, e.clipEvent);
    if (movie_->header.version >= 6) {
      auto it = clips_.find(&clip);
      if (it != clips_.end() && it->second.object) CallHandler(it->second.object, e.handler);
    }
  }
}

void Runtime::ButtonActionDue(movie::Clip& button, const swf::ButtonAction& action) {
  movie::Clip* parent = button.Parent();
  if (!parent) return;
  auto keep = parent->shared_from_this();
  RunScript(action.code, ObjectOf(*parent));
}

// Every clip hears the mouse: onClipEvent(mouseMove/mouseDown/mouseUp),
// then its onMouseMove ... handler; then Mouse's listeners.
void Runtime::MouseMoved(MouseEvent event) {
  vm_.ResetFrameBudget();
  const uint32_t bit = event == MouseEvent::Move   ? kEventMouseMove
                       : event == MouseEvent::Down ? kEventMouseDown
                                                   : kEventMouseUp;
  const char* handler = event == MouseEvent::Move   ? "onMouseMove"
                        : event == MouseEvent::Down ? "onMouseDown"
                                                    : "onMouseUp";
  for (movie::Clip* clip : ClipsInEventOrder()) {
    if (clip->ButtonDefinition()) continue;
    auto keep = clip->shared_from_this();
    RunClipEvent(*clip, bit);
    if (movie_->header.version >= 6)
      if (Object* o = clips_[clip].object) CallHandler(o, handler);
  }
  try {
    Value mouse = vm_.Get(Value(vm_.global), "Mouse");
    if (mouse.object() && vm_.FindInChain(mouse.object(), "broadcastMessage"))
      vm_.CallMethod(mouse, "broadcastMessage", {Value(std::string(handler))});
  } catch (const ScriptThrow& t) {
    Warn("uncaught exception: " + vm_.ToString(t.value));
  } catch (const ScriptAbort&) {
  }
}

void Runtime::AfterMouse() { textFields_.SyncVariables(); }

// The mouse in a clip's own coordinates, in pixels.
double Runtime::MouseIn(movie::Clip& clip, bool y) {
  if (!player_) return 0;
  const swf::TwipsPoint at = player_->MousePosition();
  raster::Point p = movie::WorldMatrix(clip).Inverse().Apply(
      {static_cast<float>(at.x.value), static_cast<float>(at.y.value)});
  return (y ? p.y : p.x) / 20.0;
}

}  // namespace kestrova::avm1
