#include "framework/menu_window.h"

#include "common/error.h"
#include "framework/application.h"

namespace kestrova::framework {
namespace {

constexpr wchar_t kMenuWindowClass[] = L"KestrovaMenuWindow";

ATOM MenuWindowClass(WNDPROC proc) {
  static const ATOM atom = [proc] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kMenuWindowClass;
    return RegisterClassExW(&wc);
  }();
  return atom;
}

}  // namespace

TMenuWindow::TMenuWindow(Handler handler) : handler_(std::move(handler)) {
  // A hidden pop-up rather than a message-only window: a menu needs an owner
  // that can take the foreground.
  window_.Reset(CreateWindowExW(
      WS_EX_TOOLWINDOW, reinterpret_cast<LPCWSTR>(ULONG_PTR(MenuWindowClass(&WindowProc))), L"",
      WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
  if (!window_) throw Error("Cannot create the window of a popup menu");
  SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

LRESULT CALLBACK TMenuWindow::WindowProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<TMenuWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self && self->handler_) {
    TMessage m{msg, wparam, lparam, 0};
    try {
      if (self->handler_(m)) return m.result;
    } catch (...) {
      TApplication::ReportCurrentException();
      return 0;
    }
  }
  return DefWindowProcW(window, msg, wparam, lparam);
}

}  // namespace kestrova::framework
