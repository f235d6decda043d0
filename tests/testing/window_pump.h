// Test helpers for real windows (Windows build): handling messages for a
// while, as a running program would, and reading what a window shows.
#pragma once

#include <windows.h>

namespace kestrova::testing {

// Dispatches every message that arrives during `milliseconds`.
void PumpFor(DWORD milliseconds);
// The pixel at (x, y) of the window's client area as the screen shows it.
COLORREF PixelOnScreen(HWND window, int x, int y);

}  // namespace kestrova::testing
