#include "framework/form.h"

#include <algorithm>

#include "framework/application.h"
#include "framework/class_builder.h"
#include "framework/main_menu.h"
#include "framework/screen.h"
#include "framework/stored_design.h"
#include "framework/text.h"

namespace kestrova::framework {

const ClassInfo& TForm::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TForm>("TForm", &TWinControl::StaticClass())
          .Boolean("AutoScroll", &TForm::AutoScroll, &TForm::SetAutoScroll, false)
          .Set<TBorderIcon>("BorderIcons", &TForm::BorderIcons, &TForm::SetBorderIcons,
                            {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"},
                            TBorderIcons{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize,
                                         TBorderIcon::biMaximize})
          .Enumeration<TFormBorderStyle>(
              "BorderStyle", &TForm::BorderStyle, &TForm::SetBorderStyle,
              {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"},
              TFormBorderStyle::bsSizeable)
          .Integer("BorderWidth", &TForm::BorderWidth, &TForm::SetBorderWidth, 0)
          .Integer("ClientHeight", &TForm::ClientHeight, &TForm::SetClientHeight)
          .Integer("ClientWidth", &TForm::ClientWidth, &TForm::SetClientWidth)
          .Object("Icon", &TForm::Icon)
          .Boolean("KeyPreview", &TForm::KeyPreview, &TForm::SetKeyPreview, false)
          .Boolean("OldCreateOrder", &TForm::OldCreateOrder, &TForm::SetOldCreateOrder, false)
          .Enumeration<TPosition>(
              "Position", &TForm::Position, &TForm::SetPosition,
              {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
               "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"},
              TPosition::poDesigned)
          .Boolean("Scaled", &TForm::Scaled, &TForm::SetScaled, true)
          .Enumeration<TWindowState>("WindowState", &TForm::WindowState, &TForm::SetWindowState,
                                     {"wsNormal", "wsMinimized", "wsMaximized"},
                                     TWindowState::wsNormal)
          .Component<TWinControl>("ActiveControl", &TForm::ActiveControl, &TForm::SetActiveControl)
          .Component<TMainMenu>("Menu", &TForm::Menu, &TForm::SetMenu)
          .Event("OnActivate", &TForm::OnActivate)
          .Event("OnClose", &TForm::OnClose)
          .Event("OnCreate", &TForm::OnCreate)
          .Event("OnDeactivate", &TForm::OnDeactivate)
          .Event("OnDestroy", &TForm::OnDestroy)
          .Event("OnHide", &TForm::OnHide)
          .Event("OnShow", &TForm::OnShow)
          .Integer("PixelsPerInch", &TForm::PixelsPerInch, &TForm::SetPixelsPerInch)
          .Integer("TextHeight", &TForm::TextHeight, &TForm::SetTextHeight)
          .Build();
  return info;
}

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  visible_ = false;
  SetParentFont(false);
  SetColor(clBtnFace);
  ChangeStyle(TControlStyleFlag::csAcceptsControls, true);
  SetBounds(0, 0, 320, 240);
}

void TForm::ReadStoredDesign() { ReadDesignResource(*this, ClassName()); }

void TForm::AfterConstruction() {
  TWinControl::AfterConstruction();
  try {
    OnCreate(this);
  } catch (...) {
    TApplication::ReportCurrentException();
  }
}

void TForm::BeforeDestroy() {
  try {
    OnDestroy(this);
  } catch (...) {
    TApplication::ReportCurrentException();
  }
  if (TApplication* app = TApplication::Current()) app->FormDestroyed(this);
  TWinControl::BeforeDestroy();
}

void TForm::Loaded() {
  TWinControl::Loaded();
  if (active_control_ && active_control_->ParentForm() != this) active_control_ = nullptr;
}

void TForm::WindowStyle(DWORD& style, DWORD& ex) const {
  style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  ex = 0;
  bool icons = true;
  switch (border_style_) {
    case TFormBorderStyle::bsNone:
      style |= WS_POPUP;
      icons = false;
      break;
    case TFormBorderStyle::bsSingle:
      style |= WS_CAPTION;
      break;
    case TFormBorderStyle::bsSizeable:
      style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case TFormBorderStyle::bsDialog:
      style |= WS_POPUP | WS_CAPTION | DS_MODALFRAME;
      ex |= WS_EX_DLGMODALFRAME;
      break;
    case TFormBorderStyle::bsToolWindow:
      style |= WS_CAPTION;
      ex |= WS_EX_TOOLWINDOW;
      break;
    case TFormBorderStyle::bsSizeToolWin:
      style |= WS_CAPTION | WS_THICKFRAME;
      ex |= WS_EX_TOOLWINDOW;
      break;
  }
  if (!icons || !border_icons_.Contains(TBorderIcon::biSystemMenu)) return;
  style |= WS_SYSMENU;
  bool boxes =
      border_style_ == TFormBorderStyle::bsSingle || border_style_ == TFormBorderStyle::bsSizeable;
  if (boxes && border_icons_.Contains(TBorderIcon::biMinimize)) style |= WS_MINIMIZEBOX;
  if (boxes && border_icons_.Contains(TBorderIcon::biMaximize)) style |= WS_MAXIMIZEBOX;
  if (!boxes && border_icons_.Contains(TBorderIcon::biHelp)) ex |= WS_EX_CONTEXTHELP;
}

RECT TForm::FrameFor(int client_width, int client_height) const {
  DWORD style, ex;
  WindowStyle(style, ex);
  RECT r{0, 0, client_width + 2 * border_width_, client_height + 2 * border_width_};
  AdjustWindowRectEx(&r, style, menu_ != nullptr, ex);
  return r;
}

void TForm::CreateParams(TCreateParams& p) {
  p.caption = Widen(Text());
  WindowStyle(p.style, p.ex_style);
  if (!Enabled()) p.style |= WS_DISABLED;
  if (Visible()) p.style |= WS_VISIBLE;  // a window made again while shown
  p.x = left_, p.y = top_, p.width = width_, p.height = height_;
  p.parent = OwnerWindow();
  if (position_ == TPosition::poDefault || position_ == TPosition::poDefaultPosOnly)
    p.x = p.y = CW_USEDEFAULT;
}

HWND TForm::OwnerWindow() const {
  // The owning form's window, else the main form's: a form stays above the
  // window it belongs to and leaves the task bar to it.
  if (auto* owner = dynamic_cast<TForm*>(Owner()); owner && owner->HandleAllocated())
    return owner->handle_value();
  TApplication* app = TApplication::Current();
  TForm* main = app ? app->MainForm() : nullptr;
  if (main && main != this && main->HandleAllocated()) return main->handle_value();
  return nullptr;
}

void TForm::CreateWindowHandle() {
  HWND h = handle_value();
  if (menu_) menu_->SetWindowHandle(h);
  // The form's own icon, else the application's.
  TApplication* app = TApplication::Current();
  const TIcon* icon = !icon_.Empty()                ? &icon_
                      : app && !app->Icon().Empty() ? &app->Icon()
                                                    : nullptr;
  if (icon) {
    SendMessageW(h, WM_SETICON, ICON_BIG, LPARAM(icon->Handle()));
    SendMessageW(h, WM_SETICON, ICON_SMALL, LPARAM(icon->SmallHandle()));
  }
  if (client_width_ >= 0 || client_height_ >= 0) {
    RECT c;
    GetClientRect(h, &c);
    int cw = client_width_ >= 0 ? client_width_ : c.right;
    int ch = client_height_ >= 0 ? client_height_ : c.bottom;
    client_width_ = client_height_ = -1;
    TControl::SetClientWidth(cw);
    TControl::SetClientHeight(ch);
  }
}

RECT TForm::ClientRect() const {
  if (HandleAllocated()) return TWinControl::ClientRect();
  RECT f = FrameFor(0, 0);
  int cw = client_width_ >= 0 ? client_width_ : width_ - (f.right - f.left);
  int ch = client_height_ >= 0 ? client_height_ : height_ - (f.bottom - f.top);
  return {0, 0, std::max(cw, 0), std::max(ch, 0)};
}

void TForm::SetClientWidth(int width) {
  if (HandleAllocated()) return TControl::SetClientWidth(width);
  client_width_ = width;
  RECT f = FrameFor(width, 0);
  width_ = f.right - f.left;
}

void TForm::SetClientHeight(int height) {
  if (HandleAllocated()) return TControl::SetClientHeight(height);
  client_height_ = height;
  RECT f = FrameFor(0, height);
  height_ = f.bottom - f.top;
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == border_style_) return;
  int cw = ClientWidth(), ch = ClientHeight();
  border_style_ = style;
  if (!HandleAllocated()) {
    if (client_width_ >= 0) SetClientWidth(cw);
    if (client_height_ >= 0) SetClientHeight(ch);
    return;
  }
  RecreateWnd();
}

void TForm::SetBorderIcons(TBorderIcons icons) {
  if (icons == border_icons_) return;
  border_icons_ = icons;
  if (HandleAllocated()) RecreateWnd();
}

void TForm::SetBorderWidth(int width) {
  if (width == border_width_) return;
  border_width_ = width;
  if (HandleAllocated())
    SetWindowPos(handle_value(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

TWindowState TForm::WindowState() const {
  if (!HandleAllocated()) return window_state_;
  HWND h = const_cast<TForm*>(this)->handle_value();
  if (IsIconic(h)) return TWindowState::wsMinimized;
  if (IsZoomed(h)) return TWindowState::wsMaximized;
  return TWindowState::wsNormal;
}

void TForm::SetWindowState(TWindowState state) {
  window_state_ = state;
  if (!HandleAllocated() || !Visible()) return;
  static constexpr int kShow[] = {SW_RESTORE, SW_MINIMIZE, SW_MAXIMIZE};
  ShowWindow(handle_value(), kShow[int(state)]);
}

void TForm::ApplyPosition() {
  if (positioned_) return;
  positioned_ = true;
  RECT area{};
  switch (position_) {
    case TPosition::poScreenCenter:
      area = TScreen::MonitorRect(handle_value());
      break;
    case TPosition::poDesktopCenter:
      area = TScreen::DesktopRect();
      break;
    case TPosition::poMainFormCenter:
    case TPosition::poOwnerFormCenter: {
      TApplication* app = TApplication::Current();
      TForm* main = app ? app->MainForm() : nullptr;
      if (main && main != this && main->HandleAllocated())
        area = main->BoundsRect();
      else
        area = TScreen::MonitorRect(handle_value());
      break;
    }
    default:
      return;
  }
  int x = area.left + (area.right - area.left - width_) / 2;
  int y = area.top + (area.bottom - area.top - height_) / 2;
  SetBounds(x, y, width_, height_);
}

void TForm::SetVisible(bool visible) {
  if (visible == Visible()) return;
  if (visible) {
    Handle();
    ApplyPosition();
    visible_ = true;
    static constexpr int kShow[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
    ShowWindow(handle_value(), kShow[int(window_state_)]);
    OnShow(this);
    FocusFirst();
  } else {
    visible_ = false;
    if (HandleAllocated()) ShowWindow(handle_value(), SW_HIDE);
    OnHide(this);
  }
  Perform(CM_SHOWINGCHANGED);
}

void TForm::FocusFirst() {
  if (!Visible() || !HandleAllocated()) return;
  TWinControl* target = active_control_;
  if (!target || !target->CanFocus()) {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    target = nullptr;
    for (TWinControl* c : list)
      if (c->CanFocus() && c->TabStop()) {
        target = c;
        break;
      }
  }
  if (target)
    ::SetFocus(target->Handle());
  else
    ::SetFocus(handle_value());
}

void TForm::SetActiveControl(TWinControl* control) {
  if (control && control->ParentForm() != this)
    throw Error("Invalid property value: the active control must be on the form");
  active_control_ = control;
  if (control && Visible() && HandleAllocated() && control->CanFocus()) control->SetFocus();
}

void TForm::SetFocusedControl(TWinControl* control) {
  if (control != active_control_) {
    TWinControl* old = active_control_;
    active_control_ = control;
    if (old) old->DoExit();
    if (control) control->DoEnter();
  }
  Perform(CM_FOCUSCHANGED, 0, LPARAM(static_cast<TControl*>(control)));
}

void TForm::SendCancelMode(TControl* sender) {
  if (active_control_ && active_control_ != sender)
    active_control_->Perform(CM_CANCELMODE, 0, LPARAM(sender));
}

void TForm::ControlRemoved(TWinControl* control) {
  for (TControl* c = active_control_; c; c = c->Parent())
    if (c == control) {
      active_control_ = nullptr;
      return;
    }
}

void TForm::Close() {
  TCloseAction action = TCloseAction::caHide;
  OnClose(this, action);
  if (action == TCloseAction::caNone) return;
  if (modal_) {
    if (modal_result_ == mrNone) modal_result_ = mrCancel;
    return;
  }
  TApplication* app = TApplication::Current();
  if (app && app->MainForm() == this) {
    app->Terminate();
    Hide();
    return;
  }
  switch (action) {
    case TCloseAction::caHide:
      Hide();
      break;
    case TCloseAction::caMinimize:
      SetWindowState(TWindowState::wsMinimized);
      break;
    default:
      Release();
  }
}

void TForm::Release() {
  // The window is made if need be: the release must wait in its queue.
  PostMessageW(Handle(), CM_RELEASE, 0, 0);
}

void TForm::PaintTo(HDC dc, int x, int y) {
  // The client area; CaptureWindow takes the whole window with its frame.
  SavedDc saved(dc);
  RECT r = ClientRect();
  IntersectClipRect(dc, x, y, x + r.right, y + r.bottom);
  int w = width_, h = height_;
  width_ = r.right, height_ = r.bottom;
  TWinControl::PaintTo(dc, x, y);
  width_ = w, height_ = h;
}

void TForm::WndProc(TMessage& m) {
  if (MenuMessage(m)) return;
  switch (m.msg) {
    case WM_CLOSE:
      Close();
      return;
    case WM_ACTIVATE:
      DefaultHandler(m);
      active_ = LOWORD(m.wparam) != WA_INACTIVE;
      if (active_) {
        FocusFirst();
        OnActivate(this);
      } else {
        OnDeactivate(this);
      }
      Perform(active_ ? CM_ACTIVATE : CM_DEACTIVATE);
      return;
    case WM_ACTIVATEAPP:
      if (TApplication* app = TApplication::Current()) app->SetActive(m.wparam != 0);
      break;
    case WM_GETMINMAXINFO: {
      DefaultHandler(m);
      auto* info = reinterpret_cast<MINMAXINFO*>(m.lparam);
      TSizeConstraints& c = Constraints();
      if (c.MinWidth() > 0) info->ptMinTrackSize.x = c.MinWidth();
      if (c.MinHeight() > 0) info->ptMinTrackSize.y = c.MinHeight();
      if (c.MaxWidth() > 0) info->ptMaxTrackSize.x = c.MaxWidth();
      if (c.MaxHeight() > 0) info->ptMaxTrackSize.y = c.MaxHeight();
      return;
    }
    case WM_NCCALCSIZE:
      DefaultHandler(m);
      if (border_width_ > 0) {
        auto* r = reinterpret_cast<RECT*>(m.lparam);
        InflateRect(r, -border_width_, -border_width_);
      }
      return;
    case CM_RELEASE:
      Free();
      return;
    case WM_CANCELMODE:
      SendCancelMode(nullptr);
      break;
    case CM_DIALOGKEY:
      if (GetKeyState(VK_MENU) >= 0) {
        bool shift = GetKeyState(VK_SHIFT) < 0;
        switch (m.wparam) {
          case VK_TAB:
            SelectNext(active_control_, !shift, true);
            m.result = 1;
            return;
          case VK_LEFT:
          case VK_UP:
          case VK_RIGHT:
          case VK_DOWN:
            SelectNext(active_control_, m.wparam == VK_RIGHT || m.wparam == VK_DOWN, false);
            m.result = 1;
            return;
        }
      }
      break;
  }
  TWinControl::WndProc(m);
}

}  // namespace kestrova::framework
