// TWinControl's mouse: the control under the mouse (CM_MOUSEENTER and
// CM_MOUSELEAVE) and mouse messages handed on to graphic children.
#include <windows.h>
#include <windowsx.h>

#include "framework/win_control.h"

namespace kestrova::framework {

TControl* TWinControl::ControlAtPos(POINT p, bool allow_disabled) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (!c->Visible() || (!allow_disabled && !c->Enabled())) continue;
    RECT r = c->BoundsRect();
    if (p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom) return c;
  }
  return nullptr;
}

bool TWinControl::HandleMouseMessage(TMessage& m) {
  switch (m.msg) {
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
      TrackMouse(m);
      if (m.msg == WM_MOUSELEAVE) {
        DefaultHandler(m);
        return true;
      }
      return RouteMouseToChild(m);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      return RouteMouseToChild(m);
    case WM_CAPTURECHANGED:
      if (capture_child_) {
        capture_child_->control_state_.Exclude(TControlStateFlag::csClicked);
        capture_child_ = nullptr;
      }
      LeaveIfMouseOutside();
      return false;
    default:
      return false;
  }
}

// CM_MOUSEENTER / CM_MOUSELEAVE: the top-level window remembers which control
// the mouse is over; a move onto another control, or out of the window, tells
// the old one it was left and the new one it was entered.
void TWinControl::TrackMouse(TMessage& m) {
  TControl* target = this;
  if (m.msg == WM_MOUSELEAVE) {
    tracking_leave_ = false;
    target = nullptr;
  } else {
    POINT p{GET_X_LPARAM(m.lparam), GET_Y_LPARAM(m.lparam)};
    RECT r = ClientRect();
    if (p.x < r.left || p.y < r.top || p.x >= r.right || p.y >= r.bottom)
      target = nullptr;  // a captured mouse outside the window
    else if (TControl* child = ControlAtPos(p); child && !dynamic_cast<TWinControl*>(child))
      target = child;
    if (!tracking_leave_) {
      TRACKMOUSEEVENT t{sizeof(t), TME_LEAVE, handle_.Get(), 0};
      tracking_leave_ = TrackMouseEvent(&t);
    }
  }
  TWinControl* top = TopParent();
  TControl* old = top->mouse_control_;
  if (m.msg == WM_MOUSELEAVE) {
    // Only a leave of the window that holds the tracked control counts.
    bool ours = old == this || (old && old->Parent() == this);
    if (!ours) return;
    if (GetCapture() == handle_.Get()) return;
  }
  if (old == target) return;
  top->mouse_control_ = target;
  if (old) old->Perform(CM_MOUSELEAVE, 0, LPARAM(old));
  if (target) target->Perform(CM_MOUSEENTER, 0, LPARAM(target));
}

// A release outside after a drag: the window's leave was held back while it
// had the capture, so the control the mouse left is told now.
void TWinControl::LeaveIfMouseOutside() {
  POINT p;
  if (!handle_ || !GetCursorPos(&p)) return;
  ::ScreenToClient(handle_.Get(), &p);
  RECT r = ClientRect();
  if (p.x >= r.left && p.y >= r.top && p.x < r.right && p.y < r.bottom) return;
  TWinControl* top = TopParent();
  TControl* old = top->mouse_control_;
  if (old != this && !(old && old->Parent() == this)) return;
  top->mouse_control_ = nullptr;
  tracking_leave_ = false;
  old->Perform(CM_MOUSELEAVE, 0, LPARAM(old));
}

// Mouse messages over a graphic child (or held by one through capture) are
// that child's, in its own coordinates.
bool TWinControl::RouteMouseToChild(TMessage& m) {
  POINT p{GET_X_LPARAM(m.lparam), GET_Y_LPARAM(m.lparam)};
  TControl* child = capture_child_;
  if (!child) {
    child = ControlAtPos(p);
    if (child && dynamic_cast<TWinControl*>(child)) child = nullptr;
  }
  if (!child) return false;
  TMessage c = m;
  c.lparam = MAKELPARAM(p.x - child->Left(), p.y - child->Top());
  child->Dispatch(c);
  m.result = c.result;
  return true;
}

}  // namespace kestrova::framework
