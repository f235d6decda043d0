// TWinControl's window life: the framework's window class and procedure,
// creating the window (with its children's), attaching and detaching it.
#include <windows.h>

#include "framework/application.h"
#include "framework/text.h"
#include "framework/win_control.h"

namespace kestrova::framework {
namespace {

constexpr wchar_t kWindowClass[] = L"KestrovaWindow";
constexpr wchar_t kControlProperty[] = L"KestrovaControl";

}  // namespace

// The one window procedure of every framework window: finds the control and
// hands the message to its (replaceable) WindowProc. Errors never cross into
// the system's code: they go to the application's error report.
LRESULT CALLBACK FrameworkWindowProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* control = static_cast<TWinControl*>(GetPropW(window, kControlProperty));
  if (!control && msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lparam);
    control = static_cast<TWinControl*>(cs->lpCreateParams);
    if (control) control->Attach(window);
  }
  if (!control) return DefWindowProcW(window, msg, wparam, lparam);
  TMessage m{msg, wparam, lparam, 0};
  TComponent::Hold hold(control);
  try {
    control->Dispatch(m);
  } catch (...) {
    TApplication::ReportCurrentException();
  }
  if (msg == WM_NCDESTROY) control->Detach();
  return m.result;
}

namespace {

ATOM WindowClass() {
  static const ATOM atom = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = FrameworkWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
    wc.lpszClassName = kWindowClass;
    return RegisterClassExW(&wc);
  }();
  return atom;
}

}  // namespace

TWinControl* TWinControl::FromHandle(HWND window) {
  return window ? static_cast<TWinControl*>(GetPropW(window, kControlProperty)) : nullptr;
}

TWinControl* FindControl(HWND window) {
  while (window) {
    if (TWinControl* c = TWinControl::FromHandle(window)) return c;
    window = GetParent(window);
  }
  return nullptr;
}

HWND TWinControl::Handle() {
  if (!handle_) {
    if (Parent()) Parent()->Handle();
    if (!handle_) CreateHandleTree();
  }
  return handle_.Get();
}

void TWinControl::CreateHandleTree() {
  control_state_.Include(TControlStateFlag::csCreating);
  CreateWnd();
  control_state_.Exclude(TControlStateFlag::csCreating);
  for (TControl* c : controls_)
    if (auto* w = dynamic_cast<TWinControl*>(c); w && !w->handle_) w->CreateHandleTree();
}

void TWinControl::CreateParams(TCreateParams& p) {
  p.caption = Widen(Text());
  p.style = WS_CHILD | WS_CLIPSIBLINGS;
  if (ControlStyle().Contains(TControlStyleFlag::csAcceptsControls)) {
    p.style |= WS_CLIPCHILDREN;
    p.ex_style |= WS_EX_CONTROLPARENT;
  }
  if (visible_) p.style |= WS_VISIBLE;
  if (!Enabled()) p.style |= WS_DISABLED;
  if (tab_stop_) p.style |= WS_TABSTOP;
  p.x = left_, p.y = top_, p.width = width_, p.height = height_;
  if (Parent()) p.parent = Parent()->Handle();
}

UINT TWinControl::NextChildId() {
  // Ids run to 0xFFFF (WM_COMMAND carries 16 bits of them); 0 is no id.
  for (int tries = 0; tries < 0xFFFF; ++tries) {
    next_child_id_ = next_child_id_ % 0xFFFF + 1;
    if (!handle_ || !GetDlgItem(handle_.Get(), int(next_child_id_))) return next_child_id_;
  }
  return next_child_id_;
}

void TWinControl::CreateWnd() {
  TCreateParams p;
  CreateParams(p);
  if (p.style & WS_CHILD && !p.parent) throw Error("Control '" + Name() + "' has no parent window");
  system_class_ = !p.window_class.empty();
  HINSTANCE instance = GetModuleHandleW(nullptr);
  HMENU id = p.style & WS_CHILD && Parent()
                 ? reinterpret_cast<HMENU>(UINT_PTR(Parent()->NextChildId()))
                 : nullptr;
  HWND window;
  if (system_class_) {
    window = CreateWindowExW(p.ex_style, p.window_class.c_str(), p.caption.c_str(), p.style, p.x,
                             p.y, p.width, p.height, p.parent, id, instance, nullptr);
    if (window) {
      Attach(window);
      default_proc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
          window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameworkWindowProc)));
    }
  } else {
    default_proc_ = DefWindowProcW;
    window = CreateWindowExW(p.ex_style, reinterpret_cast<LPCWSTR>(ULONG_PTR(WindowClass())),
                             p.caption.c_str(), p.style, p.x, p.y, p.width, p.height, p.parent, id,
                             instance, this);
  }
  if (!window) throw Error("Error creating window for " + ClassName());
  if (system_class_) SendMessageW(window, WM_SETFONT, WPARAM(Font().Handle()), 0);
  RECT r;
  GetWindowRect(window, &r);
  if (Parent()) MapWindowPoints(nullptr, Parent()->handle_value(), reinterpret_cast<POINT*>(&r), 2);
  left_ = r.left, top_ = r.top, width_ = r.right - r.left, height_ = r.bottom - r.top;
  RECT client;
  GetClientRect(window, &client);
  last_client_width_ = client.right, last_client_height_ = client.bottom;
  CreateWindowHandle();
}

void TWinControl::Attach(HWND window) {
  handle_.Reset();
  handle_ = WindowHandle(window);
  SetPropW(window, kControlProperty, this);
}

void TWinControl::Detach() {
  HWND window = handle_.Release();
  if (!window) return;
  RemovePropW(window, kControlProperty);
  if (system_class_ && default_proc_)
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(default_proc_));
  for (TControl* c : controls_)
    if (auto* w = dynamic_cast<TWinControl*>(c); w && w->handle_ && !IsWindow(w->handle_.Get()))
      w->Detach();
}

void TWinControl::DestroyWnd() {
  if (!handle_) return;
  HWND window = handle_.Get();
  DestroyWindow(window);  // WM_NCDESTROY detaches this control and its children
  if (handle_) Detach();
}

void TWinControl::RecreateWnd() {
  // Through the window procedure, so a component that took it over hears of it.
  if (handle_) Perform(CM_RECREATEWND);
}

}  // namespace kestrova::framework
