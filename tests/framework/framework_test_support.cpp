#include "framework_test_support.h"

#include <filesystem>

#include "framework/application.h"
#include "framework/capture.h"

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

TBitmap Capture(HWND window) {
  Pump();
  return CaptureWindow(window);
}

std::string OutputPath(const std::string& file) {
  std::filesystem::path dir = std::filesystem::path(KESTROVA_BINARY_DIR) / "test-output";
  std::filesystem::create_directories(dir);
  return (dir / file).string();
}

}  // namespace kestrova::framework::testing
