#include "framework/graphic_control.h"

#include "framework/canvas_paint.h"
#include "framework/class_builder.h"

namespace kestrova::framework {

const ClassInfo& TGraphicControl::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TGraphicControl>("TGraphicControl", &TControl::StaticClass()).Build();
  return info;
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::WndProc(TMessage& m) {
  if (m.msg == WM_PAINT && m.wparam) {
    PaintOnCanvas(canvas_, HDC(m.wparam), *this, [this] { Paint(); });
    return;
  }
  TControl::WndProc(m);
}

void TGraphicControl::PaintTo(HDC dc, int x, int y) {
  int saved = SaveDC(dc);
  POINT origin;
  GetWindowOrgEx(dc, &origin);
  SetWindowOrgEx(dc, origin.x - x, origin.y - y, nullptr);
  IntersectClipRect(dc, 0, 0, width_, height_);
  Perform(WM_PAINT, WPARAM(dc));
  RestoreDC(dc, saved);
}

}  // namespace kestrova::framework
