// The player's mouse: which button answers it, the transitions of that
// button as the mouse moves over it, presses, drags away and releases,
// and the actions they run.
//
// A button is Idle until the mouse comes over it (IdleToOverUp) and goes
// back when it leaves (OverUpToIdle). A press over it (OverUpToOverDown)
// holds it: dragged away it is OutDown (OverDownToOutDown) and back over
// it OverDown again (OutDownToOverDown); the release is a release over it
// (OverDownToOverUp) or outside (OutDownToIdle). A track-as-menu button
// lets go when dragged away (OverDownToIdle) and takes a press dragged
// onto it (IdleToOverDown).
#include <memory>

#include "movie/player/hit_test.h"
#include "movie/player/player.h"

namespace kestrova::movie {

namespace {

MouseState StateAfter(uint16_t condition) {
  switch (condition) {
    case swf::kIdleToOverUp:
    case swf::kOverDownToOverUp:
      return MouseState::OverUp;
    case swf::kOverUpToOverDown:
    case swf::kOutDownToOverDown:
    case swf::kIdleToOverDown:
      return MouseState::OverDown;
    case swf::kOverDownToOutDown:
      return MouseState::OutDown;
    default:
      return MouseState::Idle;
  }
}

// Pressed and dragged away, a button shows its over state.
ButtonState Shows(MouseState state) {
  switch (state) {
    case MouseState::Idle:
      return ButtonState::Up;
    case MouseState::OverDown:
      return ButtonState::Down;
    default:
      return ButtonState::Over;
  }
}

bool TracksAsMenu(const Clip& clip) {
  return clip.ButtonDefinition() && clip.ButtonDefinition()->trackAsMenu;
}

// A clip the mouse was on, while it is still on a display list.
std::shared_ptr<Clip> Live(const std::weak_ptr<Clip>& weak) {
  std::shared_ptr<Clip> clip = weak.lock();
  if (clip && (!clip->Parent() || !clip->Self())) clip.reset();
  return clip;
}

}  // namespace

void Player::Transition(Clip& clip, uint16_t condition) {
  const MouseState to = StateAfter(condition);
  clip.SetMouse(to);
  clip.ShowButtonState(Shows(to));
  if (const swf::Button* button = clip.ButtonDefinition())
    for (const swf::ButtonAction& action : button->actions)
      if (action.conditions & condition)
        context_.queue.push_back({clip.weak_from_this(), 0, &action});
  if (context_.host) context_.host->MouseTransition(clip, condition);
}

void Player::UpdateMouseTarget() {
  Clip* found = nullptr;
  if (mouse_.inside) {
    const raster::Point at{static_cast<float>(mouse_.at.x.value),
                           static_cast<float>(mouse_.at.y.value)};
    found = FindMouseTarget(*root_, at, context_.host);
  }
  std::shared_ptr<Clip> target = found ? found->shared_from_this() : nullptr;
  std::shared_ptr<Clip> hovered = Live(mouse_.hovered);
  if (!mouse_.down) {
    if (hovered == target) return;
    if (hovered && hovered->Mouse() == MouseState::OverUp) Transition(*hovered, swf::kOverUpToIdle);
    mouse_.hovered = target;
    if (target && target->Mouse() == MouseState::Idle) Transition(*target, swf::kIdleToOverUp);
    return;
  }
  std::shared_ptr<Clip> pressed = Live(mouse_.pressed);
  if (pressed && pressed->Mouse() == MouseState::OverDown && pressed != target) {
    if (TracksAsMenu(*pressed)) {
      Transition(*pressed, swf::kOverDownToIdle);
      pressed.reset();
      mouse_.pressed.reset();
    } else {
      Transition(*pressed, swf::kOverDownToOutDown);
    }
  } else if (pressed && pressed->Mouse() == MouseState::OutDown && pressed == target) {
    Transition(*pressed, swf::kOutDownToOverDown);
  }
  if (!pressed && target && TracksAsMenu(*target) && target->Mouse() == MouseState::Idle) {
    Transition(*target, swf::kIdleToOverDown);
    mouse_.pressed = target;
  }
}

void Player::AfterMouse() {
  UpdateMouseTarget();
  RunQueuedActions();
  if (context_.host) context_.host->AfterMouse();
}

void Player::MouseMove(swf::TwipsPoint at) {
  mouse_.at = at;
  mouse_.inside = true;
  if (context_.host) context_.host->MouseMoved(ScriptHost::MouseEvent::Move);
  AfterMouse();
}

void Player::MouseDown(swf::TwipsPoint at) {
  mouse_.at = at;
  mouse_.inside = true;
  if (mouse_.down) return;
  if (context_.host) context_.host->MouseMoved(ScriptHost::MouseEvent::Down);
  UpdateMouseTarget();
  mouse_.down = true;
  std::shared_ptr<Clip> hovered = Live(mouse_.hovered);
  mouse_.hovered.reset();
  if (hovered && hovered->Mouse() == MouseState::OverUp) {
    Transition(*hovered, swf::kOverUpToOverDown);
    mouse_.pressed = hovered;
  }
  RunQueuedActions();
  if (context_.host) context_.host->AfterMouse();
}

void Player::MouseUp(swf::TwipsPoint at) {
  mouse_.at = at;
  mouse_.inside = true;
  if (!mouse_.down) return;
  if (context_.host) context_.host->MouseMoved(ScriptHost::MouseEvent::Up);
  UpdateMouseTarget();
  mouse_.down = false;
  std::shared_ptr<Clip> pressed = Live(mouse_.pressed);
  mouse_.pressed.reset();
  if (pressed && pressed->Mouse() == MouseState::OverDown) {
    Transition(*pressed, swf::kOverDownToOverUp);
    mouse_.hovered = pressed;
  } else if (pressed && pressed->Mouse() == MouseState::OutDown) {
    Transition(*pressed, swf::kOutDownToIdle);
  }
  AfterMouse();
}

// Leaving with the button held (no capture) lets the press go outside.
void Player::MouseLeave() {
  mouse_.inside = false;
  AfterMouse();
}

void Player::KeyPress(uint8_t code) {
  if (code == 0) return;
  QueueKeyActions(*root_, code);
  RunQueuedActions();
  if (context_.host) context_.host->AfterMouse();
}

void Player::QueueKeyActions(Clip& clip, uint8_t code) {
  for (auto& [depth, object] : clip.MutableObjects()) {
    if (!object.clip) continue;
    Clip& child = *object.clip;
    if (const swf::Button* button = child.ButtonDefinition()) {
      if (!child.Enabled()) continue;
      for (const swf::ButtonAction& action : button->actions)
        if (action.keyCode == code) context_.queue.push_back({child.weak_from_this(), 0, &action});
      continue;
    }
    QueueKeyActions(child, code);
  }
}

bool Player::OverButton() const {
  if (!mouse_.inside) return false;
  std::shared_ptr<Clip> target = Live(mouse_.hovered);
  if (!target || !target->Enabled()) {
    target = Live(mouse_.pressed);
    if (target && (!target->Enabled() || target->Mouse() != MouseState::OverDown)) target.reset();
  }
  return target && (!context_.host || context_.host->HandCursor(*target));
}

}  // namespace kestrova::movie
