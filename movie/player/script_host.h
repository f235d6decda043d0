// ScriptHost: how a script interpreter (movie/avm1) follows the player's
// timelines. Without one the player runs the plain timeline actions the
// decoder reduced DoAction to.
#pragma once

#include <cstdint>

#include "movie/swf/movie.h"

namespace kestrova::movie {

class Clip;
struct DisplayObject;

class ScriptHost {
 public:
  virtual ~ScriptHost() = default;
  // A sprite instance came to life: placed by its parent's timeline
  // (`place` is that tag), or made by the player or a script (null).
  virtual void ClipPlaced(Clip& clip, const swf::PlaceObject* place) = 0;
  // A text field was placed on `parent`'s display list by its timeline.
  virtual void FieldPlaced(Clip& /*parent*/, DisplayObject& /*object*/) {}
  // A sprite instance left the display list.
  virtual void ClipRemoved(Clip& clip) = 0;
  // The clip showed `frame`: its frame scripts are due.
  virtual void FrameReached(Clip& clip, uint32_t frame) = 0;
  // Start and end of one Advance, around the timelines' tick.
  virtual void BeforeTick() = 0;
  // The timelines ticked (their frames' display lists are in place); their
  // frame scripts run next.
  virtual void AfterTick() {}
  virtual void AfterFrame() = 0;

  // The mouse (player.h): a button, or a clip acting as one, went through
  // a transition (one swf::ButtonCondition bit); its handlers are due.
  virtual void MouseTransition(Clip& /*clip*/, uint16_t /*condition*/) {}
  // A button's action list, queued at a transition or key press, is due;
  // its target is the button's parent.
  virtual void ButtonActionDue(Clip& /*button*/, const swf::ButtonAction& /*action*/) {}
  // Whether a clip (not a button) takes the mouse as a button does.
  virtual bool ActsAsButton(Clip& /*clip*/) { return false; }
  // Whether the hand cursor shows over a button or clip acting as one.
  virtual bool HandCursor(Clip& /*clip*/) { return true; }
  // Mouse moves and presses anywhere on the stage, before the transitions
  // they cause.
  enum class MouseEvent : uint8_t { Move, Down, Up };
  virtual void MouseMoved(MouseEvent /*event*/) {}
  // The actions a mouse event or key press caused have run.
  virtual void AfterMouse() {}
};

}  // namespace kestrova::movie
