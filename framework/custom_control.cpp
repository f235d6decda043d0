#include "framework/custom_control.h"

#include "framework/canvas_paint.h"
#include "framework/class_builder.h"

namespace kestrova::framework {

const ClassInfo& TCustomControl::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TCustomControl>("TCustomControl", &TWinControl::StaticClass()).Build();
  return info;
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

void TCustomControl::PaintWindow(HDC dc) {
  PaintOnCanvas(canvas_, dc, *this, [this] { Paint(); });
}

}  // namespace kestrova::framework
