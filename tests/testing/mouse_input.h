// Mouse input for tests with real windows (Windows build), sent as the system
// gets it from the device, at screen points.
#pragma once

#include <windows.h>

namespace kestrova::testing {

// One mouse event (MOUSEEVENTF_LEFTDOWN, ..., or 0 for a move) at `p`.
void SendMouse(DWORD flags, POINT p);

// Presses the left button at `from` and drags to `to` in five steps. The
// system's move loop runs inside the press on this thread, so the rest of
// the drag comes from another thread once the loop is running; this thread
// pumps messages until the button is released.
void DragThroughMoveLoop(POINT from, POINT to);

}  // namespace kestrova::testing
