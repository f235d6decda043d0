#include "framework/hint_controller.h"

#include <algorithm>

#include "framework/control.h"
#include "framework/win_control.h"

namespace kestrova::framework {
namespace {

constexpr UINT_PTR kShowTimer = 1;
constexpr UINT_PTR kHideTimer = 2;
constexpr int kBelowCursor = 20;  // the hint's top under the mouse position

// The control at a screen point of a window of the framework, graphic
// children included.
TControl* ControlUnder(HWND window, POINT screen) {
  TWinControl* owner = FindControl(window);
  if (!owner) return nullptr;
  POINT client = screen;
  ScreenToClient(window, &client);
  TControl* child = owner->ControlAtPos(client);
  return child ? child : owner;
}

bool WantsHint(const TControl* control) {
  return control && control->ShowHint() && !control->Hint().empty();
}

bool EndsHint(UINT msg) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_MOUSEWHEEL:
      return true;
    default:
      return false;
  }
}

}  // namespace

THintController::THintController() = default;

THintController::~THintController() = default;

void THintController::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (!enabled) CancelHint();
}

void THintController::MessageSeen(const MSG& msg) {
  if (msg.message == WM_MOUSEMOVE) return MouseMoved(msg.hwnd, msg.pt);
  if (EndsHint(msg.message)) CancelHint();
}

void THintController::MouseMoved(HWND window, POINT screen) {
  if (!enabled_) return;
  const TControl* control = ControlUnder(window, screen);
  mouse_window_ = window;
  mouse_ = screen;
  if (control == control_) return;
  CancelHint();
  control_ = control;
  if (WantsHint(control)) StartTimer(kShowTimer, pause_);
}

void THintController::OnTimer(UINT_PTR id) {
  StopTimers();
  if (id == kHideTimer) return Window().ReleaseHint();
  TControl* control = ControlUnder(mouse_window_, mouse_);
  if (control != control_ || !WantsHint(control)) return;
  Window().ActivateHint({mouse_.x, mouse_.y + kBelowCursor}, control->Hint());
  StartTimer(kHideTimer, hide_pause_);
}

void THintController::CancelHint() {
  if (!window_) return;
  StopTimers();
  window_->ReleaseHint();
}

void THintController::StartTimer(UINT_PTR id, int milliseconds) {
  SetTimer(Window().Handle(), id, UINT(std::max(milliseconds, 1)), nullptr);
}

void THintController::StopTimers() {
  if (!window_) return;
  KillTimer(window_->Handle(), kShowTimer);
  KillTimer(window_->Handle(), kHideTimer);
}

THintWindow& THintController::Window() {
  if (!window_) window_ = std::make_unique<THintWindow>([this](UINT_PTR id) { OnTimer(id); });
  return *window_;
}

}  // namespace kestrova::framework
