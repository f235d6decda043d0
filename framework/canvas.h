// TCanvas: drawing on a device context with a pen, a brush and a font that
// are selected only when an operation needs them. Text is UTF-8 and goes
// through the W functions.
//
//   TCanvas canvas(dc);
//   canvas.Brush().SetColor(clBtnFace);
//   canvas.FillRect({0, 0, 100, 20});
//   canvas.Brush().SetStyle(TBrushStyle::bsClear);
//   canvas.TextOut(4, 2, "Zürich");
//   canvas.StretchDraw({0, 0, 64, 64}, picture);   // honours picture.Transparent()
//
// A canvas may find its DC itself (a bitmap's memory DC, a window's DC
// outside WM_PAINT): SetHandleSource gives the calls that get and give back
// one; the first operation that needs a DC gets it, ReleaseHandle gives it
// back (and the next operation gets a fresh one).
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>
#include <vector>

#include "framework/graphics.h"

namespace kestrova::framework {

class TBitmap;

class TCanvas {
 public:
  TCanvas();
  explicit TCanvas(HDC dc);  // borrows the DC
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // The DC, got from the handle source when there is none yet.
  HDC Handle() const;
  // Points the canvas at another DC (or none); the old one gets its objects
  // back (and goes back to the handle source if it came from there). A DC
  // given here is borrowed: the canvas never frees it.
  void SetHandle(HDC dc);
  // Whether the canvas can draw: it has a DC, or its handle source gave one.
  bool HandleAllocated() const { return Handle() != nullptr; }
  // Whether it holds a DC right now (asks the handle source for none).
  bool HoldsHandle() const { return dc_ != nullptr; }
  void SetHandleSource(std::function<HDC()> acquire, std::function<void(HDC)> release);
  // Gives a DC got from the handle source back; a borrowed one stays.
  void ReleaseHandle();

  // Runs before every operation on the canvas (so a bitmap knows its pixels
  // may change).
  std::function<void()> OnChanging;

  TPen& Pen() { return pen_; }
  TBrush& Brush() { return brush_; }
  TFont& Font() { return font_; }
  void SetFont(const TFont& font) { font_.Assign(font); }
  DWORD CopyMode() const { return copy_mode_; }
  void SetCopyMode(DWORD rop) { copy_mode_ = rop; }

  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  POINT PenPos() const;
  void Polyline(const std::vector<POINT>& points);
  void Polygon(const std::vector<POINT>& points);
  void Rectangle(int left, int top, int right, int bottom);
  void Rectangle(const RECT& r) { Rectangle(r.left, r.top, r.right, r.bottom); }
  void RoundRect(int left, int top, int right, int bottom, int w, int h);
  void Ellipse(int left, int top, int right, int bottom);
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  // Fill and frame with the brush (no pen).
  void FillRect(const RECT& r);
  void FrameRect(const RECT& r);
  void DrawFocusRect(const RECT& r);
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);

  // Copies (stretching) a rectangle of another canvas with CopyMode.
  void CopyRect(const RECT& dest, const TCanvas& source, const RECT& source_rect);
  void Draw(int x, int y, const TBitmap& bitmap);
  // Stretches the bitmap into the rectangle; when the bitmap is transparent,
  // pixels of its transparent colour leave the canvas unchanged.
  void StretchDraw(const RECT& dest, const TBitmap& bitmap);

  SIZE TextExtent(std::string_view text);
  int TextWidth(std::string_view text) { return TextExtent(text).cx; }
  int TextHeight(std::string_view text) { return TextExtent(text).cy; }
  // Opaque in the brush colour unless the brush is bsClear.
  void TextOut(int x, int y, std::string_view text);
  void TextRect(const RECT& r, int x, int y, std::string_view text);
  // DrawTextW with its DT_ flags (DT_SINGLELINE, DT_CENTER, DT_VCENTER,
  // DT_WORDBREAK, DT_CALCRECT, DT_EXPANDTABS, DT_NOPREFIX...); returns the height.
  int DrawText(std::string_view text, RECT& r, UINT flags);

 private:
  void NeedPen();
  void NeedBrush();
  void NeedFont();
  void Deselect();
  void Check() const;

  HDC dc_ = nullptr;
  bool acquired_ = false;  // dc_ came from acquire_ and goes back to release_
  std::function<HDC()> acquire_;
  std::function<void(HDC)> release_;
  TPen pen_;
  TBrush brush_;
  TFont font_;
  DWORD copy_mode_ = SRCCOPY;
  HGDIOBJ old_pen_ = nullptr;
  HGDIOBJ old_brush_ = nullptr;
  HGDIOBJ old_font_ = nullptr;
};

}  // namespace kestrova::framework
