// The skin drawing helpers on the framework's canvases, bitmaps and
// controls. The pixel geometry lives in the portable core (frames.h,
// gradients.h, caption.h); these draw it with GDI so they work on any
// canvas, a window's as well as an off-screen bitmap's.
//
//   TBitmap frame;
//   GetBuiltInBitmap(style, entry::kButton, &frame, 3, 1);
//   DrawParentBackground(buffer.Canvas(), *this);          // see-through button
//   DrawNinePart(frame, buffer.Canvas(), ClientRect(), true);
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "framework/bitmap.h"
#include "framework/canvas.h"
#include "framework/colors.h"
#include "framework/control.h"
#include "framework/form.h"
#include "framework/win_control.h"
#include "skin/caption.h"
#include "skin/frames.h"
#include "skin/skin_rect.h"
#include "skin/style_table.h"

namespace kestrova::skin {

class TsuiFileTheme;

// Makes `destination` frame k (from 1) of the n equal frames of `source`.
void CutFrame(framework::TBitmap& source, framework::TBitmap& destination, int n, int k);

// The picture stretched over (0, 0, rect.right, rect.bottom) keeping its
// corners; corners leave magenta unpainted when `transparent`, edges and
// centre always do.
void DrawNinePart(framework::TBitmap& picture, framework::TCanvas& canvas, const RECT& rect,
                  bool transparent);

// A three-frame picture (caps and a stretched middle) along the top of
// `rect`; the caps leave `maskColor` unpainted when `masked`.
void DrawThreePart(framework::TBitmap& picture, framework::TCanvas& canvas, const RECT& rect,
                   framework::TColor maskColor, bool masked);

// Two-colour fills; system colours are resolved first.
void DrawVerticalGradient(framework::TCanvas& canvas, const RECT& rect, framework::TColor top,
                          framework::TColor bottom);
void DrawHorizontalGradient(framework::TCanvas& canvas, const RECT& rect, framework::TColor left,
                            framework::TColor right);

// Lets the control's parent erase and paint itself into the canvas, shifted
// by the control's position and clipped to the parent's client area, so the
// control can draw over what lies behind it. Nothing without a parent.
void DrawParentBackground(framework::TCanvas& canvas, framework::TControl& control);

// The caption fitted to `limit` pixels of the canvas's font (see caption.h).
std::string EllipsisText(framework::TCanvas& canvas, std::string_view text, int limit);

// Whether the form counts as active for painting its frame.
bool IsFormActive(framework::TForm* form);

// The work area of the monitor nearest the application's main form, or the
// system's work area without a main form.
RECT GetWorkArea();

// Left, top, width and height from the rectangle, in that order.
void SetControlBounds(framework::TControl& control, const RECT& rect);

// All four sides inside (see skin_rect.h).
inline bool InRect(int x, int y, const RECT& r) {
  return skin::InRect(x, y, Rect{r.left, r.top, r.right, r.bottom});
}
inline bool InRect(POINT p, const RECT& r) { return InRect(p.x, p.y, r); }

bool HasPublishedProperty(const framework::TComponent& component, std::string_view name);

// Gives every direct child of the frame that publishes both "FileTheme" and
// "UIStyle" the theme and then the style, through their property setters.
void ApplyStyleToChildren(framework::TWinControl& frame, TsuiUIStyle style, TsuiFileTheme* theme);

}  // namespace kestrova::skin
