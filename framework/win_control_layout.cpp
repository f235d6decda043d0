// TWinControl's layout: bounds kept in step with the window, the client
// area, anchors and aligned children.
#include <windows.h>

#include "framework/win_control.h"

namespace kestrova::framework {

void TWinControl::SetBounds(int left, int top, int width, int height) {
  Constraints().Apply(width, height);
  if (!handle_) return TControl::SetBounds(left, top, width, height);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  // WM_WINDOWPOSCHANGED brings the new bounds back into the control.
  SetWindowPos(handle_.Get(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::WmWindowPosChanged(const WINDOWPOS& pos) {
  if (pos.flags & SWP_NOSIZE && pos.flags & SWP_NOMOVE) return;
  RECT r;
  GetWindowRect(handle_.Get(), &r);
  if (Parent() && Parent()->handle_)
    MapWindowPoints(nullptr, Parent()->handle_value(), reinterpret_cast<POINT*>(&r), 2);
  UpdateBoundsFromWindow(r.left, r.top, r.right - r.left, r.bottom - r.top);
  // A minimized window's client area is empty: anchors wait for the restore.
  if (IsIconic(handle_.Get())) return;
  RECT client;
  GetClientRect(handle_.Get(), &client);
  if (client.right != last_client_width_ || client.bottom != last_client_height_) {
    int dx = last_client_width_ < 0 ? 0 : client.right - last_client_width_;
    int dy = last_client_height_ < 0 ? 0 : client.bottom - last_client_height_;
    last_client_width_ = client.right, last_client_height_ = client.bottom;
    for (size_t i = 0; i < controls_.size(); ++i) controls_[i]->AnchorMoved(dx, dy);
    AlignControls();
  }
  if (Parent() && Align() != TAlign::alNone) Parent()->AlignControls();
}

RECT TWinControl::ClientRect() const {
  if (handle_) {
    RECT r;
    GetClientRect(handle_.Get(), &r);
    return r;
  }
  return TControl::ClientRect();
}

void TWinControl::AlignControls() {
  // Moving an aligned child asks for a realignment again: one pass is enough.
  if (Loading() || aligning_) return;
  aligning_ = true;
  try {
    AlignOnce();
  } catch (...) {
    aligning_ = false;
    throw;
  }
  aligning_ = false;
}

void TWinControl::AlignOnce() {
  RECT r = ClientRect();
  for (TAlign pass :
       {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
    for (size_t i = 0; i < controls_.size(); ++i) {
      TControl* c = controls_[i];
      if (c->Align() != pass || !c->Visible()) continue;
      int w = r.right - r.left, h = r.bottom - r.top;
      switch (pass) {
        case TAlign::alTop:
          c->SetBounds(r.left, r.top, w, c->Height());
          r.top += c->Height();
          break;
        case TAlign::alBottom:
          c->SetBounds(r.left, r.bottom - c->Height(), w, c->Height());
          r.bottom -= c->Height();
          break;
        case TAlign::alLeft:
          c->SetBounds(r.left, r.top, c->Width(), h);
          r.left += c->Width();
          break;
        case TAlign::alRight:
          c->SetBounds(r.right - c->Width(), r.top, c->Width(), h);
          r.right -= c->Width();
          break;
        default:
          c->SetBounds(r.left, r.top, w, h);
      }
    }
  }
}

}  // namespace kestrova::framework
