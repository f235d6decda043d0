// Sample.scr: a minimal screensaver. "/s" shows a black full-screen window
// with a drifting square until the mouse moves or a key is pressed; "/c"
// says there is nothing to configure; "/p" and anything else exit.
#include <windows.h>

#include <cstring>

namespace {

constexpr UINT_PTR kTimer = 1;
POINT g_start = {-1, -1};  // first mouse position, to ignore the initial move
int g_step = 0;

void Paint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT client;
  GetClientRect(hwnd, &client);
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  int x = (g_step * 7) % (client.right > 40 ? client.right - 40 : 1);
  int y = (g_step * 5) % (client.bottom > 40 ? client.bottom - 40 : 1);
  RECT square = {x, y, x + 40, y + 40};
  HBRUSH brush = CreateSolidBrush(RGB(40, 120, 220));
  FillRect(dc, &square, brush);
  DeleteObject(brush);
  EndPaint(hwnd, &ps);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      Paint(hwnd);
      return 0;
    case WM_TIMER:
      ++g_step;
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case WM_MOUSEMOVE: {
      POINT p = {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
      if (g_start.x < 0) g_start = p;
      if (p.x != g_start.x || p.y != g_start.y) DestroyWindow(hwnd);
      return 0;
    }
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
      DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      KillTimer(hwnd, kTimer);
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

int RunSaver(HINSTANCE instance) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = nullptr;
  wc.lpszClassName = "KestrovaSampleSaver";
  RegisterClassA(&wc);
  HWND hwnd = CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "Sample", WS_POPUP | WS_VISIBLE, 0,
                              0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                              nullptr, nullptr, instance, nullptr);
  SetTimer(hwnd, kTimer, 40, nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR cmd, int) {
  char mode = 0;
  for (const char* p = cmd; *p; ++p)
    if (*p == '/' || *p == '-') {
      mode = static_cast<char>(p[1] | 0x20);
      break;
    }
  if (mode == 's') return RunSaver(instance);
  if (mode == 'c')
    MessageBoxA(nullptr, "This screensaver has no options.", "Sample", MB_OK | MB_ICONINFORMATION);
  return 0;
}
