#include "framework_test_support.h"

#include <filesystem>

#include "common/png.h"
#include "framework/application.h"
#include "framework/handles.h"

namespace kestrova::framework::testing {

void Pump(int rounds) {
  for (int i = 0; i < rounds; ++i) {
    if (TApplication* app = TApplication::Current()) {
      app->ProcessMessages();
    } else {
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
    }
    Sleep(10);
  }
}

TBitmap CaptureWindow(HWND window) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  RECT r;
  GetWindowRect(window, &r);
  TBitmap b(r.right - r.left, r.bottom - r.top);
  WindowDc dc(window, WindowDc::kWholeWindow);
  BitBlt(b.Canvas().Handle(), 0, 0, b.Width(), b.Height(), dc.Get(), 0, 0, SRCCOPY);
  GdiFlush();
  return b;
}

void SavePng(const TBitmap& bitmap, const std::string& path) {
  PixelBuffer pixels = bitmap.ToPixelBuffer();
  for (int y = 0; y < pixels.Height(); ++y)
    for (int x = 0; x < pixels.Width(); ++x) pixels.At(x, y) |= 0xFF000000u;
  WritePng(path, pixels.View());
}

std::string OutputPath(const std::string& file) {
  std::filesystem::path dir = std::filesystem::path(KESTROVA_BINARY_DIR) / "test-output";
  std::filesystem::create_directories(dir);
  return (dir / file).string();
}

}  // namespace kestrova::framework::testing
