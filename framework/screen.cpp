#include "framework/screen.h"

#include "framework/handles.h"

namespace kestrova::framework {

RECT TScreen::WorkAreaOf(HWND window) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
  if (monitor && GetMonitorInfoW(monitor, &info)) return info.rcWork;
  return SystemWorkArea();
}

RECT TScreen::SystemWorkArea() {
  RECT r{0, 0, Width(), Height()};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return r;
}

RECT TScreen::MonitorRect(HWND window) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
  if (monitor && GetMonitorInfoW(monitor, &info)) return info.rcMonitor;
  return {0, 0, Width(), Height()};
}

namespace {

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  auto& list = *reinterpret_cast<std::vector<RECT>*>(data);
  if (GetMonitorInfoW(monitor, &info))
    list.insert(info.dwFlags & MONITORINFOF_PRIMARY ? list.begin() : list.end(), info.rcMonitor);
  return TRUE;
}

}  // namespace

std::vector<RECT> TScreen::MonitorRects() {
  std::vector<RECT> rects;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&rects));
  if (rects.empty()) rects.push_back(DesktopRect());
  return rects;
}

RECT TScreen::DesktopRect() {
  int x = GetSystemMetrics(SM_XVIRTUALSCREEN), y = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return {x, y, x + GetSystemMetrics(SM_CXVIRTUALSCREEN), y + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

int TScreen::PixelsPerInch() {
  WindowDc dc(nullptr);
  return GetDeviceCaps(dc.Get(), LOGPIXELSY);
}

}  // namespace kestrova::framework
