#include "skin/menus/flat_border.h"

#include "framework/canvas.h"
#include "framework/handles.h"

namespace kestrova::skin {

using namespace framework;

void DrawFlatMenuBorder(HWND menu_window, TColor highlight) {
  RECT w;
  if (!GetWindowRect(menu_window, &w)) return;
  WindowDc screen(nullptr);
  if (!screen.Get()) return;
  TCanvas canvas(screen.Get());
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  RECT outer{w.left, w.top + 1, w.right - 1, w.bottom - 1};
  canvas.Brush().SetColor(clBlack);
  canvas.FrameRect(outer);
  canvas.Brush().SetColor(clWhite);
  canvas.FrameRect({outer.left + 1, outer.top + 1, outer.right - 1, outer.bottom - 1});
  canvas.Pen().SetColor(highlight);
  canvas.Polyline({{w.left, w.bottom - 1},
                   {w.right - 1, w.bottom - 1},
                   {w.right - 1, w.top},
                   {w.right, w.top},
                   {w.left, w.top}});
}

}  // namespace kestrova::skin
