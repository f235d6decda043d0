// TWinControl: its published table, the children list, the state that goes
// to the window, and the message dispatch. The other jobs have files of their
// own: win_control_handle (window life), _mouse, _keys, _focus, _reflection,
// _layout and _paint.
#include "framework/win_control.h"

#include <algorithm>

#include "framework/class_builder.h"
#include "framework/form.h"
#include "framework/text.h"

namespace kestrova::framework {

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
  // Reached without Free(): the window must not call into a half-gone object,
  // children outlive this parent, and the parent (and form) forget this
  // control while it still is a TWinControl.
  if (handle_) {
    HWND window = handle_.Get();
    Detach();
    DestroyWindow(window);
  }
  for (TControl* c : controls_) c->parent_ = nullptr;
  controls_.clear();
  if (Parent()) Parent()->RemoveControl(this);
}

void TWinControl::BeforeDestroy() {
  while (!controls_.empty()) {
    TControl* c = controls_.back();
    c->Free();
  }
  DestroyWnd();
  TControl::BeforeDestroy();
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

void TWinControl::Broadcast(TMessage& m) {
  for (size_t i = 0; i < controls_.size(); ++i) {
    controls_[i]->Dispatch(m);
    if (m.result != 0) return;
  }
}

void TWinControl::NotifyAll(const TMessage& m) {
  for (size_t i = 0; i < controls_.size(); ++i) {
    TMessage copy = m;
    controls_[i]->Dispatch(copy);
  }
}

void TWinControl::NotifyControls(UINT msg) {
  for (size_t i = 0; i < controls_.size(); ++i) controls_[i]->Perform(msg);
}

void TWinControl::Loaded() {
  TControl::Loaded();
  ApplyStoredTabOrders();
  AlignControls();
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

void TWinControl::WndProc(TMessage& m) {
  if (HandleMouseMessage(m) || HandlePaintMessage(m) || HandleKeyMessage(m) ||
      ReflectNotification(m))
    return;
  switch (m.msg) {
    case WM_WINDOWPOSCHANGED:
      // Bounds and children first: the WM_SIZE the default handler sends
      // finds them up to date.
      WmWindowPosChanged(*reinterpret_cast<const WINDOWPOS*>(m.lparam));
      DefaultHandler(m);
      return;
    case WM_SETTEXT:
      DefaultHandler(m);
      if (std::string t = m.lparam ? Narrow(reinterpret_cast<const wchar_t*>(m.lparam)) : "";
          t != Text())
        TControl::SetText(t);
      return;
    case WM_SETFOCUS:
      DefaultHandler(m);
      if (TForm* form = ParentForm(); form && form != this) form->SetFocusedControl(this);
      return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
      return Broadcast(m);
    case CM_FOCUSCHANGED:
      return NotifyAll(m);
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
