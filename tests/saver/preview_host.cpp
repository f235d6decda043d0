// preview_host SAVER.scr SECONDS: plays the Display control panel's part in
// the end-to-end test. It opens a window of its own, titled "Kestrova
// preview host", starts the screensaver with "/p <that window>", prints
// "preview shown" when the screensaver's child window appears, then (a
// second later) "preview WIDTHxHEIGHT TITLE" of that child as the system
// sees it, and SECONDS after it appeared closes the window. Exit 0 when the screensaver then ends
// within five seconds; 1 when it does not (it is then stopped), cannot start or shows nothing
// within 30 seconds; 2 for a wrong command line.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr UINT_PTR kCloseTimer = 1;
constexpr UINT_PTR kLookTimer = 2;
constexpr DWORD kEndWait = 5000;
constexpr UINT kShowWait = 30000;

struct HostState {
  UINT close_after = 0;
  bool shown = false;
  HWND child = nullptr;
};

// The child as another program sees it: its size, its title, and whether it
// is a visible child of the host.
void DescribeChild(HWND host, HWND child) {
  RECT client{};
  GetClientRect(child, &client);
  char title[256] = {};
  GetWindowTextA(child, title, sizeof title);
  bool ours = GetParent(child) == host && IsWindowVisible(child);
  std::printf("preview %ldx%ld %s%s\n", client.right, client.bottom, title,
              ours ? "" : " (not a visible child)");
  std::fflush(stdout);
}

LRESULT CALLBACK HostProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* state = reinterpret_cast<HostState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (msg) {
    case WM_PARENTNOTIFY:
      if (LOWORD(wparam) == WM_CREATE && state && !state->shown) {
        state->shown = true;
        state->child = reinterpret_cast<HWND>(lparam);
        std::printf("preview shown\n");
        std::fflush(stdout);
        SetTimer(window, kCloseTimer, state->close_after, nullptr);
        SetTimer(window, kLookTimer, 1000, nullptr);
      }
      return 0;
    case WM_TIMER:
      if (wparam == kLookTimer) {
        KillTimer(window, kLookTimer);
        if (state) DescribeChild(window, state->child);
        return 0;
      }
      KillTimer(window, kCloseTimer);
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, msg, wparam, lparam);
}

HWND MakeHost() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = HostProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  wc.lpszClassName = L"KestrovaPreviewHost";
  RegisterClassW(&wc);
  RECT frame{0, 0, 320, 240};
  AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
  return CreateWindowW(wc.lpszClassName, L"Kestrova preview host", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                       100, 100, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                       nullptr, wc.hInstance, nullptr);
}

// Handles messages (the screensaver's child window talks to its parent's
// thread) until WM_QUIT or until `process` ends; false when `limit` passes.
bool PumpUntil(HANDLE process, DWORD limit) {
  DWORD end = GetTickCount() + limit;
  for (;;) {
    DWORD now = GetTickCount();
    if (limit != INFINITE && now >= end) return false;
    DWORD wait = limit == INFINITE ? INFINITE : end - now;
    DWORD r = MsgWaitForMultipleObjects(process ? 1 : 0, &process, FALSE, wait, QS_ALLINPUT);
    if (process && r == WAIT_OBJECT_0) return true;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) return true;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || std::atoi(argv[2]) <= 0) {
    std::fprintf(stderr, "usage: preview_host SAVER.scr SECONDS\n");
    return 2;
  }
  HWND host = MakeHost();
  HostState state{static_cast<UINT>(std::atoi(argv[2]) * 1000), false};
  SetWindowLongPtrW(host, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));
  std::string command =
      "\"" + std::string(argv[1]) + "\" /p " + std::to_string(reinterpret_cast<uintptr_t>(host));
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION saver{};
  if (!CreateProcessA(argv[1], command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &saver)) {
    std::fprintf(stderr, "preview_host: cannot start %s\n", argv[1]);
    return 1;
  }
  std::printf("host %lu saver %lu\n", static_cast<unsigned long>(reinterpret_cast<uintptr_t>(host)),
              saver.dwProcessId);
  std::fflush(stdout);
  SetTimer(host, kCloseTimer, kShowWait, nullptr);  // replaced once the preview shows
  PumpUntil(nullptr, INFINITE);                     // until the window is closed
  if (!state.shown) std::printf("no preview shown\n");
  bool ended = PumpUntil(saver.hProcess, kEndWait);
  if (!ended) TerminateProcess(saver.hProcess, 1);
  DWORD code = 0;
  GetExitCodeProcess(saver.hProcess, &code);
  if (ended)
    std::printf("saver ended with exit code %lu\n", static_cast<unsigned long>(code));
  else
    std::printf("saver still running\n");
  CloseHandle(saver.hThread);
  CloseHandle(saver.hProcess);
  return ended && state.shown ? 0 : 1;
}
