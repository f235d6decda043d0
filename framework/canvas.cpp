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

TCanvas::~TCanvas() {
  if (acquired_)
    ReleaseHandle();
  else
    Deselect();
}

HDC TCanvas::Handle() const {
  // Whoever has the DC may draw on it.
  if (OnChanging) OnChanging();
  if (!dc_ && acquire_) {
    // Getting the DC on demand is no change of the canvas as callers see it.
    auto* self = const_cast<TCanvas*>(this);
    self->dc_ = acquire_();
    self->acquired_ = dc_ != nullptr;
  }
  return dc_;
}

void TCanvas::SetHandle(HDC dc) {
  if (dc == dc_) return;
  if (acquired_)
    ReleaseHandle();
  else
    Deselect();
  dc_ = dc;
}

void TCanvas::SetHandleSource(std::function<HDC()> acquire, std::function<void(HDC)> release) {
  ReleaseHandle();
  acquire_ = std::move(acquire);
  release_ = std::move(release);
}

void TCanvas::ReleaseHandle() {
  if (!acquired_) return;
  Deselect();
  HDC dc = dc_;
  dc_ = nullptr;
  acquired_ = false;
  if (release_) release_(dc);
}

void TCanvas::Deselect() {
  if (!dc_) return;
  if (old_pen_) SelectObject(dc_, old_pen_);
  if (old_brush_) SelectObject(dc_, old_brush_);
  if (old_font_) SelectObject(dc_, old_font_);
  old_pen_ = old_brush_ = old_font_ = nullptr;
}

void TCanvas::Check() const {
  if (!Handle()) throw Error("Canvas does not allow drawing");
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

namespace {

// A memory DC with `bitmap` selected for the length of one blit.
class BlitSource {
 public:
  explicit BlitSource(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)) {
    if (dc_) old_ = SelectObject(dc_.Get(), bitmap);
  }
  ~BlitSource() {
    if (dc_ && old_) SelectObject(dc_.Get(), old_);
  }
  BlitSource(const BlitSource&) = delete;
  BlitSource& operator=(const BlitSource&) = delete;
  HDC Get() const { return dc_.Get(); }

 private:
  MemoryDc dc_;
  HGDIOBJ old_ = nullptr;
};

}  // namespace

void TCanvas::StretchDraw(const RECT& dest, const TBitmap& bitmap) {
  Check();
  if (bitmap.Empty()) return;
  int w = dest.right - dest.left, h = dest.bottom - dest.top;
  SetStretchBltMode(dc_, COLORONCOLOR);
  if (bitmap.Transparent()) {
    BlitSource keyed(bitmap.KeyedHandle());
    TransparentBlt(dc_, dest.left, dest.top, w, h, keyed.Get(), 0, 0, bitmap.Width(),
                   bitmap.Height(), ColorToRGB(bitmap.TransparentColor()));
  } else if (HDC held = bitmap.HeldMemoryHandle()) {
    // Selected in its own canvas's DC, the bitmap can be in no other.
    StretchBlt(dc_, dest.left, dest.top, w, h, held, 0, 0, bitmap.Width(), bitmap.Height(),
               copy_mode_);
  } else {
    BlitSource source(bitmap.Handle());
    StretchBlt(dc_, dest.left, dest.top, w, h, source.Get(), 0, 0, bitmap.Width(), bitmap.Height(),
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
