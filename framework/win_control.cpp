#include "framework/win_control.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/application.h"
#include "framework/class_builder.h"
#include "framework/form.h"
#include "framework/text.h"

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
  try {
    TWndMethod proc = control->WindowProc();
    proc(m);
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

bool IsDialogKeyCandidate(WPARAM key) {
  switch (key) {
    case VK_TAB:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL:
      return true;
    default:
      return false;
  }
}

}  // namespace

const ClassInfo& TWinControl::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TWinControl>("TWinControl", &TControl::StaticClass())
          .Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
          .StoredWhen([](const TWinControl& c) { return c.Parent() != nullptr; })
          .Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, false)
          .Event("OnEnter", &TWinControl::OnEnter)
          .Event("OnExit", &TWinControl::OnExit)
          .Event("OnKeyDown", &TWinControl::OnKeyDown)
          .Event("OnKeyPress", &TWinControl::OnKeyPress)
          .Event("OnKeyUp", &TWinControl::OnKeyUp)
          .Build();
  return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) { brush_.SetColor(Color()); }

TWinControl::~TWinControl() {
  // Reached without Free(): children outlive this parent, and the window must
  // not call into a half-gone object.
  for (TControl* c : controls_) c->parent_ = nullptr;
  controls_.clear();
  if (handle_) {
    HWND window = handle_.Get();
    Detach();
    DestroyWindow(window);
  }
}

void TWinControl::BeforeDestroy() {
  while (!controls_.empty()) {
    TControl* c = controls_.back();
    c->Free();
  }
  DestroyWnd();
  TControl::BeforeDestroy();
}

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

void TWinControl::CreateWnd() {
  TCreateParams p;
  CreateParams(p);
  if (p.style & WS_CHILD && !p.parent) throw Error("Control '" + Name() + "' has no parent window");
  system_class_ = !p.window_class.empty();
  HINSTANCE instance = GetModuleHandleW(nullptr);
  HWND window;
  if (system_class_) {
    window = CreateWindowExW(p.ex_style, p.window_class.c_str(), p.caption.c_str(), p.style, p.x,
                             p.y, p.width, p.height, p.parent, nullptr, instance, nullptr);
    if (window) {
      Attach(window);
      default_proc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
          window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameworkWindowProc)));
    }
  } else {
    default_proc_ = DefWindowProcW;
    window = CreateWindowExW(p.ex_style, reinterpret_cast<LPCWSTR>(ULONG_PTR(WindowClass())),
                             p.caption.c_str(), p.style, p.x, p.y, p.width, p.height, p.parent,
                             nullptr, instance, this);
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

void TWinControl::InsertControl(TControl* c) {
  controls_.push_back(c);
  c->parent_ = this;
  if (auto* w = dynamic_cast<TWinControl*>(c)) {
    tab_list_.push_back(w);
    if (handle_) w->CreateHandleTree();
  }
  c->Invalidate();
  if (c->Align() != TAlign::alNone) AlignControls();
}

void TWinControl::RemoveControl(TControl* c) {
  if (c->parent_ != this) return;
  c->Invalidate();
  if (auto* w = dynamic_cast<TWinControl*>(c)) {
    tab_list_.erase(std::remove(tab_list_.begin(), tab_list_.end(), w), tab_list_.end());
    if (TForm* form = ParentForm()) form->ControlRemoved(w);
    // A child window cannot outlive the parent it leaves.
    w->DestroyWnd();
  }
  if (capture_child_ == c) capture_child_ = nullptr;
  if (TWinControl* top = TopParent(); top->mouse_control_ == c) top->mouse_control_ = nullptr;
  controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
  c->parent_ = nullptr;
  if (c->Align() != TAlign::alNone) AlignControls();
}

TWinControl* TWinControl::TopParent() {
  TWinControl* c = this;
  while (c->Parent()) c = c->Parent();
  return c;
}

TControl* TWinControl::ControlAtPos(POINT p, bool allow_disabled) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (!c->Visible() || (!allow_disabled && !c->Enabled())) continue;
    RECT r = c->BoundsRect();
    if (p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom) return c;
  }
  return nullptr;
}

void TWinControl::Broadcast(TMessage& m) {
  for (size_t i = 0; i < controls_.size(); ++i) {
    TControl* c = controls_[i];
    TWndMethod proc = c->WindowProc();
    proc(m);
    if (m.result != 0) return;
  }
}

void TWinControl::NotifyControls(UINT msg) {
  for (size_t i = 0; i < controls_.size(); ++i) controls_[i]->Perform(msg);
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->tab_list_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : int(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (Loading()) {
    // Siblings read later are not there yet: sorted once loading ends.
    stored_tab_order_ = order;
    return;
  }
  if (!Parent()) return;
  auto& list = Parent()->tab_list_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  order = std::clamp(order, 0, int(list.size()));
  list.insert(list.begin() + order, this);
}

void TWinControl::ApplyStoredTabOrders() {
  std::stable_sort(tab_list_.begin(), tab_list_.end(), [](TWinControl* a, TWinControl* b) {
    int x = a->stored_tab_order_ < 0 ? INT32_MAX : a->stored_tab_order_;
    int y = b->stored_tab_order_ < 0 ? INT32_MAX : b->stored_tab_order_;
    return x < y;
  });
  for (TWinControl* w : tab_list_) w->stored_tab_order_ = -1;
}

void TWinControl::Loaded() {
  TControl::Loaded();
  ApplyStoredTabOrders();
  AlignControls();
}

void TWinControl::SetTabStop(bool tab_stop) {
  if (tab_stop == tab_stop_) return;
  tab_stop_ = tab_stop;
  if (handle_) {
    LONG_PTR style = GetWindowLongPtrW(handle_.Get(), GWL_STYLE);
    style = tab_stop ? (style | WS_TABSTOP) : (style & ~LONG_PTR(WS_TABSTOP));
    SetWindowLongPtrW(handle_.Get(), GWL_STYLE, style);
  }
  Perform(CM_TABSTOPCHANGED);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* w : tab_list_) {
    list.push_back(w);
    w->GetTabOrderList(list);
  }
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool check_tab_stop) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return;
  int n = int(list.size());
  auto it = std::find(list.begin(), list.end(), current);
  int start = it == list.end() ? (forward ? n - 1 : 0) : int(it - list.begin());
  for (int step = 1; step <= n; ++step) {
    int i = ((start + (forward ? step : -step)) % n + n) % n;
    TWinControl* c = list[size_t(i)];
    if (c == current) break;
    if (c->CanFocus() && (!check_tab_stop || c->TabStop()) &&
        !c->ControlStyle().Contains(TControlStyleFlag::csAcceptsControls)) {
      c->SetFocus();
      return;
    }
  }
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

void TWinControl::SetFocus() {
  TForm* form = ParentForm();
  if (form && form != this && !form->Visible()) {
    form->SetActiveControl(this);
    return;
  }
  if (!CanFocus()) throw Error("Cannot focus a disabled or invisible window");
  ::SetFocus(Handle());
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_.Get(); }

void TWinControl::SetBounds(int left, int top, int width, int height) {
  Constraints().Apply(width, height);
  if (!handle_) return TControl::SetBounds(left, top, width, height);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  // WM_WINDOWPOSCHANGED brings the new bounds back into the control.
  SetWindowPos(handle_.Get(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::WmWindowPosChanged(const WINDOWPOS& pos) {
  if (pos.flags & SWP_NOSIZE && pos.flags & SWP_NOMOVE) return;
  RECT r;
  GetWindowRect(handle_.Get(), &r);
  if (Parent() && Parent()->handle_)
    MapWindowPoints(nullptr, Parent()->handle_value(), reinterpret_cast<POINT*>(&r), 2);
  UpdateBoundsFromWindow(r.left, r.top, r.right - r.left, r.bottom - r.top);
  RECT client;
  GetClientRect(handle_.Get(), &client);
  if (client.right != last_client_width_ || client.bottom != last_client_height_) {
    int dx = last_client_width_ < 0 ? 0 : client.right - last_client_width_;
    int dy = last_client_height_ < 0 ? 0 : client.bottom - last_client_height_;
    last_client_width_ = client.right, last_client_height_ = client.bottom;
    for (size_t i = 0; i < controls_.size(); ++i) controls_[i]->AnchorMoved(dx, dy);
    AlignControls();
  }
  if (Parent() && Align() != TAlign::alNone) Parent()->AlignControls();
}

RECT TWinControl::ClientRect() const {
  if (handle_) {
    RECT r;
    GetClientRect(handle_.Get(), &r);
    return r;
  }
  return TControl::ClientRect();
}

void TWinControl::AlignControls() {
  if (Loading()) return;
  RECT r = ClientRect();
  for (TAlign pass :
       {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
    for (size_t i = 0; i < controls_.size(); ++i) {
      TControl* c = controls_[i];
      if (c->Align() != pass || !c->Visible()) continue;
      int w = r.right - r.left, h = r.bottom - r.top;
      switch (pass) {
        case TAlign::alTop:
          c->SetBounds(r.left, r.top, w, c->Height());
          r.top += c->Height();
          break;
        case TAlign::alBottom:
          c->SetBounds(r.left, r.bottom - c->Height(), w, c->Height());
          r.bottom -= c->Height();
          break;
        case TAlign::alLeft:
          c->SetBounds(r.left, r.top, c->Width(), h);
          r.left += c->Width();
          break;
        case TAlign::alRight:
          c->SetBounds(r.right - c->Width(), r.top, c->Width(), h);
          r.right -= c->Width();
          break;
        default:
          c->SetBounds(r.left, r.top, w, h);
      }
    }
  }
}

void TWinControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  TControl::SetVisible(visible);
  if (handle_) ShowWindow(handle_.Get(), visible ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::SetEnabled(bool enabled) {
  if (enabled == Enabled()) return;
  TControl::SetEnabled(enabled);
  if (handle_) EnableWindow(handle_.Get(), enabled);
}

void TWinControl::SetText(const std::string& text) {
  if (text == Text()) return;
  if (handle_) SetWindowTextW(handle_.Get(), Widen(text).c_str());
  TControl::SetText(text);
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_.Get(), nullptr, TRUE);
}

void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_.Get());
}

void TWinControl::PaintControls(HDC dc) {
  for (size_t i = 0; i < controls_.size(); ++i) {
    TControl* c = controls_[i];
    if (!c->Visible() || dynamic_cast<TWinControl*>(c)) continue;
    RECT r = c->BoundsRect();
    if (!RectVisible(dc, &r)) continue;
    SavedDc saved(dc);
    POINT origin;
    GetWindowOrgEx(dc, &origin);
    SetWindowOrgEx(dc, origin.x - r.left, origin.y - r.top, nullptr);
    IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
    c->Perform(WM_PAINT, WPARAM(dc), 0);
  }
}

void TWinControl::PaintHandler(TMessage& m) {
  if (m.wparam) {
    PaintWindow(HDC(m.wparam));
    PaintControls(HDC(m.wparam));
    return;
  }
  PaintDc dc(handle_.Get());
  PaintWindow(dc.Get());
  PaintControls(dc.Get());
}

void TWinControl::PaintTo(HDC dc, int x, int y) {
  Handle();
  SavedDc saved(dc);
  POINT origin;
  GetWindowOrgEx(dc, &origin);
  SetWindowOrgEx(dc, origin.x - x, origin.y - y, nullptr);
  IntersectClipRect(dc, 0, 0, width_, height_);
  if (system_class_) {
    SendMessageW(handle_.Get(), WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT | PRF_ERASEBKGND);
  } else {
    Perform(WM_ERASEBKGND, WPARAM(dc));
    Perform(WM_PAINT, WPARAM(dc));
  }
  for (size_t i = 0; i < controls_.size(); ++i)
    if (auto* w = dynamic_cast<TWinControl*>(controls_[i]); w && w->Visible())
      w->PaintTo(dc, w->Left(), w->Top());
}

// CM_MOUSEENTER / CM_MOUSELEAVE: the top-level window remembers which control
// the mouse is over; a move onto another control, or out of the window, tells
// the old one it was left and the new one it was entered.
void TWinControl::TrackMouse(TMessage& m) {
  TControl* target = this;
  if (m.msg == WM_MOUSELEAVE) {
    tracking_leave_ = false;
    target = nullptr;
  } else {
    POINT p{GET_X_LPARAM(m.lparam), GET_Y_LPARAM(m.lparam)};
    RECT r = ClientRect();
    if (p.x < r.left || p.y < r.top || p.x >= r.right || p.y >= r.bottom)
      target = nullptr;  // a captured mouse outside the window
    else if (TControl* child = ControlAtPos(p); child && !dynamic_cast<TWinControl*>(child))
      target = child;
    if (!tracking_leave_) {
      TRACKMOUSEEVENT t{sizeof(t), TME_LEAVE, handle_.Get(), 0};
      tracking_leave_ = TrackMouseEvent(&t);
    }
  }
  TWinControl* top = TopParent();
  TControl* old = top->mouse_control_;
  if (m.msg == WM_MOUSELEAVE) {
    // Only a leave of the window that holds the tracked control counts.
    bool ours = old == this || (old && old->Parent() == this);
    if (!ours) return;
    if (GetCapture() == handle_.Get()) return;
  }
  if (old == target) return;
  top->mouse_control_ = target;
  if (old) old->Perform(CM_MOUSELEAVE, 0, LPARAM(old));
  if (target) target->Perform(CM_MOUSEENTER, 0, LPARAM(target));
}

// A release outside after a drag: the window's leave was held back while it
// had the capture, so the control the mouse left is told now.
void TWinControl::LeaveIfMouseOutside() {
  POINT p;
  if (!handle_ || !GetCursorPos(&p)) return;
  ::ScreenToClient(handle_.Get(), &p);
  RECT r = ClientRect();
  if (p.x >= r.left && p.y >= r.top && p.x < r.right && p.y < r.bottom) return;
  TWinControl* top = TopParent();
  TControl* old = top->mouse_control_;
  if (old != this && !(old && old->Parent() == this)) return;
  top->mouse_control_ = nullptr;
  tracking_leave_ = false;
  old->Perform(CM_MOUSELEAVE, 0, LPARAM(old));
}

// Mouse messages over a graphic child (or held by one through capture) are
// that child's, in its own coordinates.
bool TWinControl::RouteMouseToChild(TMessage& m) {
  POINT p{GET_X_LPARAM(m.lparam), GET_Y_LPARAM(m.lparam)};
  TControl* child = capture_child_;
  if (!child) {
    child = ControlAtPos(p);
    if (child && dynamic_cast<TWinControl*>(child)) child = nullptr;
  }
  if (!child) return false;
  TMessage c = m;
  c.lparam = MAKELPARAM(p.x - child->Left(), p.y - child->Top());
  TWndMethod proc = child->WindowProc();
  proc(c);
  m.result = c.result;
  return true;
}

// CN_KEYDOWN / CN_CHAR: keys taken from the queue before the control sees
// them. Tab, arrows, Enter and Escape go to the form as CM_DIALOGKEY unless the
// control asks for them; characters go as CM_DIALOGCHAR (accelerators).
void TWinControl::HandleDialogKey(TMessage& m) {
  m.result = 0;
  TForm* form = ParentForm();
  if (!form) return;
  LRESULT code = handle_ ? SendMessageW(handle_.Get(), WM_GETDLGCODE, m.wparam, 0) : 0;
  if (m.msg == CN_KEYDOWN || m.msg == CN_SYSKEYDOWN) {
    if (!IsDialogKeyCandidate(m.wparam)) return;
    if (code & DLGC_WANTALLKEYS) return;
    if (m.wparam == VK_TAB && code & DLGC_WANTTAB) return;
    if (m.wparam >= VK_LEFT && m.wparam <= VK_DOWN && code & DLGC_WANTARROWS) return;
    if (Perform(CM_WANTSPECIALKEY, m.wparam, m.lparam)) return;
    if (form->Perform(CM_DIALOGKEY, m.wparam, m.lparam)) m.result = 1;
    return;
  }
  if (m.msg == CN_CHAR && code & DLGC_WANTCHARS) return;
  if (form->Perform(CM_DIALOGCHAR, m.wparam, m.lparam)) m.result = 1;
}

bool TWinControl::DoKeyDown(uint16_t& key, TShiftState shift) {
  TForm* form = ParentForm();
  if (form && form != this && form->KeyPreview()) {
    form->OnKeyDown(form, key, shift);
    if (!key) return true;
  }
  OnKeyDown(this, key, shift);
  return key == 0;
}

bool TWinControl::DoKeyUp(uint16_t& key, TShiftState shift) {
  TForm* form = ParentForm();
  if (form && form != this && form->KeyPreview()) {
    form->OnKeyUp(form, key, shift);
    if (!key) return true;
  }
  OnKeyUp(this, key, shift);
  return key == 0;
}

bool TWinControl::DoKeyPress(wchar_t& key) {
  TForm* form = ParentForm();
  if (form && form != this && form->KeyPreview()) {
    form->OnKeyPress(form, key);
    if (!key) return true;
  }
  OnKeyPress(this, key);
  return key == 0;
}

void TWinControl::WndProc(TMessage& m) {
  switch (m.msg) {
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
      TrackMouse(m);
      if (m.msg == WM_MOUSELEAVE) return DefaultHandler(m);
      if (RouteMouseToChild(m)) return;
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      if (RouteMouseToChild(m)) return;
      break;
    case WM_CAPTURECHANGED:
      if (capture_child_) {
        capture_child_->control_state_.Exclude(TControlStateFlag::csClicked);
        capture_child_ = nullptr;
      }
      LeaveIfMouseOutside();
      break;
    case WM_PAINT:
      if (!system_class_) return PaintHandler(m);
      break;
    case WM_ERASEBKGND:
      if (!system_class_) {
        RECT r;
        GetClipBox(HDC(m.wparam), &r);
        brush_.SetColor(Color());
        FillRect(HDC(m.wparam), &r, brush_.Handle());
        m.result = 1;
        return;
      }
      break;
    case WM_WINDOWPOSCHANGED:
      DefaultHandler(m);
      WmWindowPosChanged(*reinterpret_cast<const WINDOWPOS*>(m.lparam));
      return;
    case WM_SETTEXT:
      DefaultHandler(m);
      if (std::string t = Narrow(reinterpret_cast<const wchar_t*>(m.lparam)); t != Text())
        TControl::SetText(t);
      return;
    case WM_SETFOCUS:
      DefaultHandler(m);
      if (TForm* form = ParentForm(); form && form != this) form->SetFocusedControl(this);
      return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      uint16_t key = uint16_t(m.wparam);
      if (DoKeyDown(key, KeyboardShiftState())) return;
      break;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      uint16_t key = uint16_t(m.wparam);
      if (DoKeyUp(key, KeyboardShiftState())) return;
      break;
    }
    case WM_CHAR: {
      wchar_t key = wchar_t(m.wparam);
      if (DoKeyPress(key)) return;
      m.wparam = key;
      break;
    }
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
    case CN_CHAR:
    case CN_SYSCHAR:
      return HandleDialogKey(m);
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_FOCUSCHANGED:
      return Broadcast(m);
    case CM_RECREATEWND:
      if (handle_) {
        DestroyWnd();
        CreateHandleTree();
      }
      return;
    case CM_FONTCHANGED:
      if (handle_ && system_class_)
        SendMessageW(handle_.Get(), WM_SETFONT, WPARAM(Font().Handle()), TRUE);
      NotifyControls(CM_PARENTFONTCHANGED);
      break;
    case CM_COLORCHANGED:
      brush_.SetColor(Color());
      NotifyControls(CM_PARENTCOLORCHANGED);
      break;
    case CM_SHOWHINTCHANGED:
      NotifyControls(CM_PARENTSHOWHINTCHANGED);
      break;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT: {
      // Notifications are handled by the control they concern.
      HWND from = nullptr;
      if (m.msg == WM_COMMAND || m.msg >= WM_CTLCOLORMSGBOX)
        from = HWND(m.lparam);
      else if (m.msg == WM_NOTIFY)
        from = reinterpret_cast<NMHDR*>(m.lparam)->hwndFrom;
      else if (m.msg == WM_DRAWITEM)
        from = reinterpret_cast<DRAWITEMSTRUCT*>(m.lparam)->hwndItem;
      if (TWinControl* c = FromHandle(from); c && c != this) {
        m.result = c->Perform(CN_BASE + m.msg, m.wparam, m.lparam);
        return;
      }
      break;
    }
  }
  TControl::WndProc(m);
}

void TWinControl::DefaultHandler(TMessage& m) {
  // Framework messages are no business of the system's window procedures.
  if (m.msg >= CM_BASE && m.msg < 0xC000) {
    m.result = 0;
    return;
  }
  if (!handle_) return TControl::DefaultHandler(m);
  m.result = CallWindowProcW(default_proc_, handle_.Get(), m.msg, m.wparam, m.lparam);
}

}  // namespace kestrova::framework
