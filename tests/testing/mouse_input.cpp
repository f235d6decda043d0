#include "tests/testing/mouse_input.h"

#include <atomic>
#include <thread>

#include "tests/testing/window_pump.h"

namespace kestrova::testing {

void SendMouse(DWORD flags, POINT p) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = LONG((p.x * 65535) / (GetSystemMetrics(SM_CXSCREEN) - 1));
  in.mi.dy = LONG((p.y * 65535) / (GetSystemMetrics(SM_CYSCREEN) - 1));
  in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  SendInput(1, &in, sizeof in);
}

void DragThroughMoveLoop(POINT from, POINT to) {
  constexpr int kSteps = 5;
  SendMouse(0, from);
  PumpFor(50);
  const DWORD gui_thread = GetCurrentThreadId();
  std::atomic<bool> done{false};
  std::thread hand([&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    for (int i = 0; i < 500; ++i) {
      if (GetGUIThreadInfo(gui_thread, &info) && (info.flags & GUI_INMOVESIZE)) break;
      Sleep(10);
    }
    for (int i = 1; i <= kSteps; ++i) {
      SendMouse(
          0, POINT{from.x + (to.x - from.x) * i / kSteps, from.y + (to.y - from.y) * i / kSteps});
      Sleep(40);
    }
    SendMouse(MOUSEEVENTF_LEFTUP, to);
    done = true;
  });
  SendMouse(MOUSEEVENTF_LEFTDOWN, from);
  while (!done) PumpFor(20);
  hand.join();
  PumpFor(100);
}

}  // namespace kestrova::testing
