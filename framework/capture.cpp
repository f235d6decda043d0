#include "framework/capture.h"

#include "common/png.h"
#include "framework/handles.h"

namespace kestrova::framework {

TBitmap CaptureWindow(HWND window) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  RECT r;
  GetWindowRect(window, &r);
  TBitmap shot(r.right - r.left, r.bottom - r.top);
  WindowDc dc(window, WindowDc::kWholeWindow);
  BitBlt(shot.Canvas().Handle(), 0, 0, shot.Width(), shot.Height(), dc.Get(), 0, 0, SRCCOPY);
  GdiFlush();
  return shot;
}

void SaveBitmapToPng(const TBitmap& bitmap, const std::string& path) {
  PixelBuffer pixels = bitmap.ToPixelBuffer();
  for (int y = 0; y < pixels.Height(); ++y)
    for (int x = 0; x < pixels.Width(); ++x) pixels.At(x, y) |= 0xFF000000u;
  WritePng(path, pixels.View());
}

}  // namespace kestrova::framework
