#include "framework/canvas.h"

#include "framework/bitmap.h"
#include "framework/text.h"

namespace kestrova::framework {

TCanvas::TCanvas() {
  pen_.OnChanging = [this] {
    if (old_pen_) SelectObject(dc_, old_pen_), old_pen_ = nullptr;
  };
  brush_.OnChanging = [this] {
    if (old_brush_) SelectObject(dc_, old_brush_), old_brush_ = nullptr;
  };
  font_.OnChanging = [this] {
    if (old_font_) SelectObject(dc_, old_font_), old_font_ = nullptr;
  };
}

TCanvas::TCanvas(HDC dc) : TCanvas() { dc_ = dc; }

TCanvas::~TCanvas() { Deselect(); }

void TCanvas::SetHandle(HDC dc) {
  if (dc == dc_) return;
  Deselect();
  dc_ = dc;
}

void TCanvas::Deselect() {
  if (!dc_) return;
  if (old_pen_) SelectObject(dc_, old_pen_);
  if (old_brush_) SelectObject(dc_, old_brush_);
  if (old_font_) SelectObject(dc_, old_font_);
  old_pen_ = old_brush_ = old_font_ = nullptr;
}

void TCanvas::Check() const {
  if (!dc_) throw Error("Canvas does not allow drawing");
}

void TCanvas::NeedPen() {
  Check();
  if (!old_pen_) old_pen_ = SelectObject(dc_, pen_.Handle());
}

void TCanvas::NeedBrush() {
  Check();
  if (!old_brush_) old_brush_ = SelectObject(dc_, brush_.Handle());
  if (brush_.Style() == TBrushStyle::bsClear) {
    SetBkMode(dc_, TRANSPARENT);
  } else {
    SetBkMode(dc_, OPAQUE);
    SetBkColor(dc_, ColorToRGB(brush_.Color()));
  }
}

void TCanvas::NeedFont() {
  Check();
  if (!old_font_) old_font_ = SelectObject(dc_, font_.Handle());
  SetTextColor(dc_, ColorToRGB(font_.Color()));
}

void TCanvas::MoveTo(int x, int y) {
  Check();
  MoveToEx(dc_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
  NeedPen();
  ::LineTo(dc_, x, y);
}

POINT TCanvas::PenPos() const {
  POINT p{};
  if (dc_) GetCurrentPositionEx(dc_, &p);
  return p;
}

void TCanvas::Polyline(const std::vector<POINT>& points) {
  NeedPen();
  ::Polyline(dc_, points.data(), int(points.size()));
}

void TCanvas::Polygon(const std::vector<POINT>& points) {
  NeedPen();
  NeedBrush();
  ::Polygon(dc_, points.data(), int(points.size()));
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  NeedPen();
  NeedBrush();
  ::Rectangle(dc_, left, top, right, bottom);
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int w, int h) {
  NeedPen();
  NeedBrush();
  ::RoundRect(dc_, left, top, right, bottom, w, h);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
  NeedPen();
  NeedBrush();
  ::Ellipse(dc_, left, top, right, bottom);
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  NeedPen();
  ::Arc(dc_, x1, y1, x2, y2, x3, y3, x4, y4);
}

void TCanvas::FillRect(const RECT& r) {
  NeedBrush();
  ::FillRect(dc_, &r, brush_.Handle());
}

void TCanvas::FrameRect(const RECT& r) {
  NeedBrush();
  ::FrameRect(dc_, &r, brush_.Handle());
}

void TCanvas::DrawFocusRect(const RECT& r) {
  NeedBrush();
  ::DrawFocusRect(dc_, &r);
}

TColor TCanvas::Pixel(int x, int y) const {
  Check();
  return GetPixel(dc_, x, y);
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  Check();
  ::SetPixel(dc_, x, y, ColorToRGB(color));
}

void TCanvas::CopyRect(const RECT& dest, const TCanvas& source, const RECT& src) {
  NeedBrush();
  source.Check();
  SetStretchBltMode(dc_, COLORONCOLOR);
  StretchBlt(dc_, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, source.dc_,
             src.left, src.top, src.right - src.left, src.bottom - src.top, copy_mode_);
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  StretchDraw({x, y, x + bitmap.Width(), y + bitmap.Height()}, bitmap);
}

void TCanvas::StretchDraw(const RECT& dest, const TBitmap& bitmap) {
  Check();
  if (bitmap.Empty()) return;
  HDC src = bitmap.MemoryHandle();
  int w = dest.right - dest.left, h = dest.bottom - dest.top;
  SetStretchBltMode(dc_, COLORONCOLOR);
  if (bitmap.Transparent()) {
    // The colour test of TransparentBlt may include the fourth byte (Wine's
    // does), which GDI itself never sets: compare on a copy without it.
    PixelBuffer pixels = bitmap.ToPixelBuffer();
    for (int y = 0; y < pixels.Height(); ++y)
      for (int x = 0; x < pixels.Width(); ++x) pixels.At(x, y) &= 0x00FFFFFFu;
    TBitmap opaque(pixels);
    TransparentBlt(dc_, dest.left, dest.top, w, h, opaque.MemoryHandle(), 0, 0, bitmap.Width(),
                   bitmap.Height(), ColorToRGB(bitmap.TransparentColor()));
  } else {
    StretchBlt(dc_, dest.left, dest.top, w, h, src, 0, 0, bitmap.Width(), bitmap.Height(),
               copy_mode_);
  }
}

SIZE TCanvas::TextExtent(std::string_view text) {
  NeedFont();
  std::wstring w = Widen(text);
  SIZE s{};
  GetTextExtentPoint32W(dc_, w.c_str(), int(w.size()), &s);
  return s;
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
  NeedFont();
  NeedBrush();
  std::wstring w = Widen(text);
  ExtTextOutW(dc_, x, y, 0, nullptr, w.c_str(), UINT(w.size()), nullptr);
}

void TCanvas::TextRect(const RECT& r, int x, int y, std::string_view text) {
  NeedFont();
  NeedBrush();
  std::wstring w = Widen(text);
  UINT options = ETO_CLIPPED | (brush_.Style() == TBrushStyle::bsClear ? 0 : ETO_OPAQUE);
  ExtTextOutW(dc_, x, y, options, &r, w.c_str(), UINT(w.size()), nullptr);
}

int TCanvas::DrawText(std::string_view text, RECT& r, UINT flags) {
  NeedFont();
  NeedBrush();
  std::wstring w = Widen(text);
  return DrawTextW(dc_, w.c_str(), int(w.size()), &r, flags);
}

}  // namespace kestrova::framework
