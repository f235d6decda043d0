#include "skin/drawing.h"

#include "framework/application.h"
#include "framework/handles.h"
#include "framework/properties.h"
#include "framework/screen.h"
#include "skin/blit.h"
#include "skin/filetheme.h"
#include "skin/gradients.h"

namespace kestrova::skin {

using framework::TBitmap;
using framework::TCanvas;
using framework::TColor;

void CutFrame(TBitmap& source, TBitmap& destination, int n, int k) {
  destination.LoadPixels(CutFrame(source.Pixels(), n, k));
}

namespace {

// A piece of `picture` as a bitmap of `size`, stretched from `from`; with a
// mask colour its pixels of that colour are drawn see-through.
TBitmap PieceBitmap(PixelView picture, Rect from, int width, int height,
                    std::optional<TColor> mask) {
  PixelBuffer pixels(width, height);
  Blit(picture, from, pixels.View(), {0, 0, width, height});
  TBitmap piece(pixels);
  if (mask) {
    piece.SetTransparentMode(framework::TTransparentMode::tmFixed);
    piece.SetTransparentColor(*mask);
    piece.SetTransparent(true);
  }
  return piece;
}

void DrawPiece(TCanvas& canvas, PixelView picture, Rect from, Rect to, std::optional<TColor> mask) {
  const TBitmap piece = PieceBitmap(picture, from, to.Width(), to.Height(), mask);
  canvas.StretchDraw(RECT{to.left, to.top, to.right, to.bottom}, piece);
}

}  // namespace

void DrawNinePart(TBitmap& picture, TCanvas& canvas, const RECT& rect, bool transparent) {
  const PixelView pixels = picture.Pixels();
  for (const NinePiece& piece :
       NinePartPieces(pixels.width, pixels.height, rect.right, rect.bottom)) {
    const bool masked = piece.kind == NinePiece::Kind::Stretched || transparent;
    DrawPiece(canvas, pixels, piece.source, piece.target,
              masked ? std::optional<TColor>(kMagenta) : std::nullopt);
  }
}

void DrawThreePart(TBitmap& picture, TCanvas& canvas, const RECT& rect, TColor maskColor,
                   bool masked) {
  const PixelView pixels = picture.Pixels();
  const int fw = pixels.width / 3, h = pixels.height;
  if (fw <= 0 || h <= 0) return;
  const auto capMask =
      masked ? std::optional<TColor>(framework::ColorToRGB(maskColor)) : std::nullopt;
  const int L = rect.left, T = rect.top, R = rect.right;
  if (R - L < fw) {
    DrawPiece(canvas, pixels, {0, 0, R - L, h}, {L, T, R, T + h}, std::nullopt);
    return;
  }
  DrawPiece(canvas, pixels, {0, 0, fw, h}, {L, T, L + fw, T + h}, capMask);
  DrawPiece(canvas, pixels, {2 * fw, 0, 3 * fw, h}, {R - fw, T, R, T + h}, capMask);
  if (R - fw > L + fw)
    DrawPiece(canvas, pixels, {fw, 0, 2 * fw, h}, {L + fw, T, R - fw, T + h}, std::nullopt);
}

namespace {

void FillLine(TCanvas& canvas, const RECT& line, uint32_t color) {
  canvas.Brush().SetStyle(framework::TBrushStyle::bsSolid);
  canvas.Brush().SetColor(color);
  canvas.FillRect(line);
}

}  // namespace

void DrawVerticalGradient(TCanvas& canvas, const RECT& r, TColor top, TColor bottom) {
  if (r.bottom <= r.top) return;
  const uint32_t c1 = framework::ColorToRGB(top), c2 = framework::ColorToRGB(bottom);
  const int span = r.bottom - r.top;
  FillLine(canvas, {r.left, r.top, r.right, r.top + 1}, c1);
  for (int y = r.top + 1; y <= r.bottom - 2; ++y)
    FillLine(canvas, {r.left, y, r.right, y + 1}, GradientStep(c1, c2, span, y - r.top - 1));
  FillLine(canvas, {r.left, r.bottom - 1, r.right, r.bottom}, c2);
}

void DrawHorizontalGradient(TCanvas& canvas, const RECT& r, TColor left, TColor right) {
  if (r.right <= r.left) return;
  const uint32_t c1 = framework::ColorToRGB(left), c2 = framework::ColorToRGB(right);
  const int span = r.right - r.left;
  FillLine(canvas, {r.left, r.top, r.left + 1, r.bottom}, c1);
  for (int x = r.left + 1; x <= r.right - 2; ++x)
    FillLine(canvas, {x, r.top, x + 1, r.bottom}, GradientStep(c1, c2, span, x - r.left));
  FillLine(canvas, {r.right - 1, r.top, r.right, r.bottom}, c2);
}

void DrawParentBackground(TCanvas& canvas, framework::TControl& control) {
  framework::TWinControl* parent = control.Parent();
  if (!parent || !canvas.HandleAllocated()) return;
  const HDC dc = canvas.Handle();
  const framework::SavedDc saved(dc);
  OffsetViewportOrgEx(dc, -control.Left(), -control.Top(), nullptr);
  IntersectClipRect(dc, 0, 0, parent->ClientWidth(), parent->ClientHeight());
  parent->Perform(WM_ERASEBKGND, WPARAM(dc), 0);
  parent->Perform(WM_PAINT, WPARAM(dc), 0);
}

std::string EllipsisText(TCanvas& canvas, std::string_view text, int limit) {
  return EllipsisText(text, limit, [&canvas](std::string_view s) { return canvas.TextWidth(s); });
}

namespace {

// The MDI client window of a form, when the form is an MDI parent.
HWND MdiClientOf(framework::TForm& form) {
  if (!form.HandleAllocated()) return nullptr;
  return FindWindowExW(form.Handle(), nullptr, L"MDICLIENT", nullptr);
}

}  // namespace

bool IsFormActive(framework::TForm* form) {
  framework::TApplication* app = framework::TApplication::Current();
  framework::TForm* main = app ? app->MainForm() : nullptr;
  if (!main) return form && form->Active();
  const HWND mdiClient = MdiClientOf(*main);
  if (mdiClient && form == main) return true;
  if (!app->Active()) return false;
  if (!form || form == main) return true;
  if (mdiClient && form->HandleAllocated() &&
      HWND(SendMessageW(mdiClient, WM_MDIGETACTIVE, 0, 0)) == form->Handle())
    return true;
  return form->Active();
}

RECT GetWorkArea() {
  framework::TApplication* app = framework::TApplication::Current();
  if (framework::TForm* main = app ? app->MainForm() : nullptr)
    return framework::TScreen::WorkAreaOf(main->Handle());
  return framework::TScreen::SystemWorkArea();
}

void SetControlBounds(framework::TControl& control, const RECT& r) {
  control.SetLeft(r.left);
  control.SetTop(r.top);
  control.SetWidth(r.right - r.left);
  control.SetHeight(r.bottom - r.top);
}

bool HasPublishedProperty(const framework::TComponent& component, std::string_view name) {
  return framework::HasPublishedProperty(component, name);
}

void ApplyStyleToChildren(framework::TWinControl& frame, TsuiUIStyle style, TsuiFileTheme* theme) {
  // A copy: a child's setters may rearrange the frame's controls.
  const std::vector<framework::TControl*> children = frame.Controls();
  for (framework::TControl* child : children) {
    if (!HasPublishedProperty(*child, "FileTheme") || !HasPublishedProperty(*child, "UIStyle"))
      continue;
    framework::SetComponentProperty(*child, "FileTheme", theme);
    framework::SetOrdProperty(*child, "UIStyle", static_cast<int64_t>(style));
  }
}

}  // namespace kestrova::skin
