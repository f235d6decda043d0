#include "framework/custom_control.h"

#include "framework/class_builder.h"

namespace kestrova::framework {

const ClassInfo& TCustomControl::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TCustomControl>("TCustomControl", &TWinControl::StaticClass()).Build();
  return info;
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

void TCustomControl::PaintWindow(HDC dc) {
  canvas_.SetHandle(dc);
  canvas_.SetFont(Font());
  canvas_.Brush().SetColor(Color());
  try {
    Paint();
  } catch (...) {
    canvas_.SetHandle(nullptr);
    throw;
  }
  canvas_.SetHandle(nullptr);
}

}  // namespace kestrova::framework
