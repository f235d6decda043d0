#include "framework/custom_control.h"

#include "framework/canvas_paint.h"
#include "framework/class_builder.h"

namespace kestrova::framework {

const ClassInfo& TCustomControl::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TCustomControl>("TCustomControl", &TWinControl::StaticClass()).Build();
  return info;
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {
  canvas_.SetHandleSource(
      [this]() -> HDC {
        if (!HandleAllocated()) return nullptr;
        canvas_window_ = Handle();
        return GetDC(canvas_window_);
      },
      [this](HDC dc) {
        ReleaseDC(canvas_window_, dc);
        canvas_window_ = nullptr;
      });
}

void TCustomControl::WndProc(TMessage& message) {
  // The window DC goes back before the window does, and after each message
  // handled from the outside, so none is kept between messages.
  if (message.msg == WM_NCDESTROY) canvas_.ReleaseHandle();
  ++message_depth_;
  struct Leave {
    TCustomControl& c;
    ~Leave() {
      if (--c.message_depth_ == 0 && c.canvas_window_) c.canvas_.ReleaseHandle();
    }
  } leave{*this};
  TWinControl::WndProc(message);
}

void TCustomControl::PaintWindow(HDC dc) {
  PaintOnCanvas(canvas_, dc, *this, [this] { Paint(); });
}

}  // namespace kestrova::framework
