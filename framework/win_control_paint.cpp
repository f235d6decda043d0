// TWinControl's painting: WM_PAINT and WM_ERASEBKGND of the framework's own
// windows, graphic children drawn on the window's DC, painting into any DC.
#include <windows.h>

#include "framework/win_control.h"

namespace kestrova::framework {

void TWinControl::Invalidate() {
  ++paint_generation_;
  if (handle_) InvalidateRect(handle_.Get(), nullptr, TRUE);
}

void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_.Get());
}

bool TWinControl::HandlePaintMessage(TMessage& m) {
  if (system_class_) return false;
  if (m.msg == WM_PAINT) {
    PaintHandler(m);
    return true;
  }
  if (m.msg == WM_ERASEBKGND) {
    m.result = 1;
    // An opaque control paints every pixel itself: erasing first would flicker.
    if (ControlStyle().Contains(TControlStyleFlag::csOpaque)) return true;
    RECT r;
    GetClipBox(HDC(m.wparam), &r);
    brush_.SetColor(Color());
    FillRect(HDC(m.wparam), &r, brush_.Handle());
    m.result = 1;
    return true;
  }
  return false;
}

void TWinControl::PaintControls(HDC dc) {
  for (size_t i = 0; i < controls_.size(); ++i) {
    TControl* c = controls_[i];
    if (!c->Visible() || dynamic_cast<TWinControl*>(c) || c == background_for_) continue;
    RECT r = c->BoundsRect();
    if (!RectVisible(dc, &r)) continue;
    SavedDc saved(dc);
    POINT origin;
    GetWindowOrgEx(dc, &origin);
    SetWindowOrgEx(dc, origin.x - r.left, origin.y - r.top, nullptr);
    IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
    c->Perform(WM_PAINT, WPARAM(dc), 0);
  }
}

void TWinControl::PaintHandler(TMessage& m) {
  if (m.wparam) {
    PaintWindow(HDC(m.wparam));
    PaintControls(HDC(m.wparam));
    return;
  }
  PaintDc dc(handle_.Get());
  PaintWindow(dc.Get());
  PaintControls(dc.Get());
}

void PaintParentBackground(TControl& control, HDC dc) {
  TWinControl* parent = control.Parent();
  if (!parent) return;
  SavedDc saved(dc);
  POINT origin;
  GetViewportOrgEx(dc, &origin);
  SetViewportOrgEx(dc, origin.x - control.Left(), origin.y - control.Top(), nullptr);
  RECT r = parent->ClientRect();
  IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
  // The parent paints its graphic children too, but never the one asking.
  TControl* outer = parent->background_for_;
  parent->background_for_ = &control;
  try {
    parent->Perform(WM_ERASEBKGND, WPARAM(dc), 0);
    parent->Perform(WM_PAINT, WPARAM(dc), 0);
  } catch (...) {
    parent->background_for_ = outer;
    throw;
  }
  parent->background_for_ = outer;
}

void TWinControl::PaintTo(HDC dc, int x, int y) {
  Handle();
  SavedDc saved(dc);
  POINT origin;
  GetWindowOrgEx(dc, &origin);
  SetWindowOrgEx(dc, origin.x - x, origin.y - y, nullptr);
  IntersectClipRect(dc, 0, 0, width_, height_);
  if (system_class_) {
    SendMessageW(handle_.Get(), WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT | PRF_ERASEBKGND);
  } else {
    Perform(WM_ERASEBKGND, WPARAM(dc));
    Perform(WM_PAINT, WPARAM(dc));
  }
  for (size_t i = 0; i < controls_.size(); ++i)
    if (auto* w = dynamic_cast<TWinControl*>(controls_[i]); w && w->Visible())
      w->PaintTo(dc, w->Left(), w->Top());
}

}  // namespace kestrova::framework
