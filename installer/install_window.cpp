#include "installer/install_window.h"

#include <memory>
#include <string>
#include <type_traits>

#include "common/error.h"
#include "installer/installation.h"
#include "installer/payload.h"

namespace kestrova {

namespace {

constexpr const char* kCaption = "Screensaver installer for Kestrova";
constexpr int kClientWidth = 410;
constexpr int kClientHeight = 274;

enum ControlId { kInstallId = 1, kCancelId = 2, kPreviewId = 3, kCheckId = 4, kLabelId = 5 };

struct ChildSpec {
  const char* className;
  const char* text;
  DWORD style;
  int id, left, top, width, height;
};

// In tab order (Install, Cancel, preview, check box); the label takes no
// part in tabbing.
constexpr ChildSpec kChildren[] = {
    {"BUTTON", "Install", BS_PUSHBUTTON | WS_TABSTOP, kInstallId, 224, 240, 80, 27},
    {"BUTTON", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, kCancelId, 320, 240, 80, 27},
    {"STATIC", "", SS_BLACKRECT | WS_TABSTOP, kPreviewId, 8, 48, 393, 169},
    {"BUTTON", "Set as default screensaver", BS_AUTOCHECKBOX | WS_TABSTOP, kCheckId, 16, 224, 149,
     21},
    {"STATIC", "This will install the screensaver previewed as below on your computer:",
     SS_LEFTNOWORDWRAP | SS_NOPREFIX, kLabelId, 16, 27, 330, 13},
};

struct FontDeleter {
  void operator()(HFONT font) const { DeleteObject(font); }
};
using OwnedFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

std::string OwnPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

// The application's standard error report: the error's own text.
void ShowError(HWND owner, const char* text) {
  std::string title = OwnPath();
  title = title.substr(title.find_last_of('\\') + 1);
  title = title.substr(0, title.find_last_of('.'));
  MessageBoxA(owner, text, title.c_str(), MB_OK | MB_ICONERROR);
}

// A label as wide as its text needs, never narrower than designed, so that a
// substituted font with wider letters does not cut the line short.
void FitWidthToText(HWND label, HFONT font, const char* text) {
  HDC dc = GetDC(label);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE extent = {};
  GetTextExtentPoint32A(dc, text, lstrlenA(text), &extent);
  SelectObject(dc, old);
  ReleaseDC(label, dc);
  RECT bounds;
  GetWindowRect(label, &bounds);
  extent.cx += 2;  // the static control keeps a pixel clear at its right edge
  if (extent.cx > bounds.right - bounds.left)
    SetWindowPos(label, nullptr, 0, 0, extent.cx, bounds.bottom - bounds.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CreateChildren(HWND window, HFONT font) {
  auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
  for (const ChildSpec& c : kChildren) {
    HWND child = CreateWindowExA(
        0, c.className, c.text, WS_CHILD | WS_VISIBLE | c.style, c.left, c.top, c.width, c.height,
        window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (c.id == kLabelId) FitWidthToText(child, font, c.text);
  }
}

void OnCreate(HWND window, const CREATESTRUCTA& create) {
  CreateChildren(window, static_cast<HFONT>(create.lpCreateParams));
  try {
    ExtractScreensaver(OwnPath());
  } catch (const std::exception& e) {
    ShowError(window, e.what());
  }
}

void OnInstall(HWND window) {
  bool checked = IsDlgButtonChecked(window, kCheckId) == BST_CHECKED;
  ShowInstallMessage(window, InstallScreensaver(RequestFromPayload(checked)));
  DestroyWindow(window);
}

LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      OnCreate(window, *reinterpret_cast<const CREATESTRUCTA*>(lp));
      return 0;
    case WM_COMMAND:
      if (LOWORD(wp) == kInstallId) OnInstall(window);
      if (LOWORD(wp) == kCancelId) DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window, msg, wp, lp);
}

// A window of the design's client size, centred on the desktop's work area.
RECT CentredFrame(DWORD style, DWORD exStyle) {
  RECT frame = {0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  int width = frame.right - frame.left, height = frame.bottom - frame.top;
  int left = work.left + (work.right - work.left - width) / 2;
  int top = work.top + (work.bottom - work.top - height) / 2;
  return {left, top, left + width, top + height};
}

// Right-button presses on the preview are dropped before dispatch.
bool Filtered(HWND window, const MSG& msg) {
  return msg.message == WM_RBUTTONDOWN && msg.hwnd == GetDlgItem(window, kPreviewId);
}

}  // namespace

int RunInstallWindow(HINSTANCE instance) {
  OwnedFont font(CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH, "MS Sans Serif"));
  WNDCLASSA wc = {};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, "MAINICON");
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = "TFrmInstall";
  RegisterClassA(&wc);

  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  const DWORD exStyle = WS_EX_DLGMODALFRAME;
  RECT frame = CentredFrame(style, exStyle);
  HWND window = CreateWindowExA(exStyle, wc.lpszClassName, kCaption, style, frame.left, frame.top,
                                frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                nullptr, instance, font.get());
  if (!window) return 1;
  ShowWindow(window, SW_SHOWNORMAL);
  SetFocus(GetDlgItem(window, kInstallId));

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (Filtered(window, msg) || IsDialogMessageA(window, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}

}  // namespace kestrova
