#include "framework/hint_window.h"

#include <algorithm>

#include "common/error.h"
#include "framework/application.h"
#include "framework/handles.h"
#include "framework/text.h"

namespace kestrova::framework {
namespace {

constexpr wchar_t kHintWindowClass[] = L"KestrovaHintWindow";
constexpr int kMargin = 2;  // between the border and the text

ATOM HintWindowClass(WNDPROC proc) {
  static const ATOM atom = [proc] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_SAVEBITS;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kHintWindowClass;
    return RegisterClassExW(&wc);
  }();
  return atom;
}

HFONT StatusFont(FontHandle& owned) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
    owned.Reset(CreateFontIndirectW(&metrics.lfStatusFont));
  return owned ? owned.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace

THintWindow::THintWindow(std::function<void(UINT_PTR id)> on_timer)
    : on_timer_(std::move(on_timer)) {
  window_.Reset(CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST,
                                reinterpret_cast<LPCWSTR>(ULONG_PTR(HintWindowClass(&WindowProc))),
                                L"", WS_POPUP | WS_BORDER, 0, 0, 0, 0, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr));
  if (!window_) throw Error("Cannot create the hint window");
  SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

SIZE THintWindow::Measure() const {
  WindowDc dc(nullptr);
  FontHandle font;
  SelectedObject selected(dc.Get(), StatusFont(font));
  std::wstring text = Widen(text_);
  RECT r{0, 0, 300, 0};
  DrawTextW(dc.Get(), text.c_str(), int(text.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  RECT frame{0, 0, r.right + 2 * kMargin, r.bottom + 2 * kMargin};
  AdjustWindowRectEx(&frame, WS_POPUP | WS_BORDER, FALSE, WS_EX_TOOLWINDOW);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

void THintWindow::ActivateHint(POINT at, const std::string& text) {
  text_ = text;
  const SIZE size = Measure();
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (GetMonitorInfoW(MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST), &monitor)) {
    const RECT& work = monitor.rcWork;
    at.x = std::max(work.left, std::min(at.x, work.right - size.cx));
    at.y = std::max(work.top, std::min(at.y, work.bottom - size.cy));
  }
  SetWindowPos(window_.Get(), HWND_TOPMOST, at.x, at.y, size.cx, size.cy,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(window_.Get(), nullptr, TRUE);
}

void THintWindow::ReleaseHint() {
  if (Showing()) ShowWindow(window_.Get(), SW_HIDE);
}

bool THintWindow::Showing() const { return IsWindowVisible(window_.Get()) != FALSE; }

void THintWindow::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window_.Get(), &ps);
  RECT r;
  GetClientRect(window_.Get(), &r);
  BrushHandle back(CreateSolidBrush(GetSysColor(COLOR_INFOBK)));
  FillRect(dc, &r, back.Get());
  FontHandle font;
  {
    SelectedObject selected(dc, StatusFont(font));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    InflateRect(&r, -kMargin, -kMargin);
    std::wstring text = Widen(text_);
    DrawTextW(dc, text.c_str(), int(text.size()), &r, DT_WORDBREAK | DT_NOPREFIX);
  }
  EndPaint(window_.Get(), &ps);
}

LRESULT CALLBACK THintWindow::WindowProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<THintWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  try {
    if (self && msg == WM_PAINT) {
      self->Paint();
      return 0;
    }
    if (self && msg == WM_TIMER && self->on_timer_) {
      self->on_timer_(wparam);
      return 0;
    }
  } catch (...) {
    TApplication::ReportCurrentException();
    return 0;
  }
  // The hint never takes the mouse: clicks go to the window beneath it.
  if (msg == WM_NCHITTEST) return HTTRANSPARENT;
  return DefWindowProcW(window, msg, wparam, lparam);
}

}  // namespace kestrova::framework
