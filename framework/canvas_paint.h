// PaintOnCanvas: runs a control's Paint with its canvas on a device context,
// with the control's font and colour, and always takes the canvas off the DC
// again, also when Paint throws. Shared by TCustomControl and
// TGraphicControl.
#pragma once

#include <windows.h>

#include "framework/canvas.h"

namespace kestrova::framework {

template <class Control, class PaintFn>
void PaintOnCanvas(TCanvas& canvas, HDC dc, Control& control, PaintFn paint) {
  struct Release {
    TCanvas& canvas;
    ~Release() { canvas.SetHandle(nullptr); }
  } release{canvas};
  canvas.SetHandle(dc);
  canvas.SetFont(control.Font());
  canvas.Brush().SetColor(control.Color());
  paint();
}

}  // namespace kestrova::framework
