// TScreen: the monitors' geometry. No state: each call asks the system.
//
//   RECT work = TScreen::WorkAreaOf(form->Handle());   // monitor nearest the window
//   RECT all = TScreen::SystemWorkArea();
#pragma once

#include <windows.h>

#include <vector>

namespace kestrova::framework {

class TScreen {
 public:
  // The work area (without task bars) of the monitor nearest to the window.
  static RECT WorkAreaOf(HWND window);
  // The primary monitor's work area as the system reports it.
  static RECT SystemWorkArea();
  static RECT MonitorRect(HWND window);
  // Every monitor's rectangle, the primary's first; the desktop when the
  // system lists none.
  static std::vector<RECT> MonitorRects();
  // All monitors together.
  static RECT DesktopRect();
  static int Width() { return GetSystemMetrics(SM_CXSCREEN); }
  static int Height() { return GetSystemMetrics(SM_CYSCREEN); }
  static int PixelsPerInch();
};

}  // namespace kestrova::framework
