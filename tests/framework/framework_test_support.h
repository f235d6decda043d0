// Helpers of the framework tests: pumping messages and saving pictures.
#pragma once

#include <windows.h>

#include <string>

#include "framework/bitmap.h"

namespace kestrova::framework::testing {

// Dispatches queued messages (through the application when there is one).
void Pump(int rounds = 3);
// CaptureWindow once the window's messages are handled.
TBitmap Capture(HWND window);
// A directory for pictures the tests leave behind: build/windows/test-output.
std::string OutputPath(const std::string& file);

}  // namespace kestrova::framework::testing
