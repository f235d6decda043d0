// The form's window procedure while the frame has it: the narrowed frame,
// the frame-width query, painting the frame instead of the system, the
// maximized bounds, and the application-wide keys.
#include <algorithm>

#include "framework/application.h"
#include "skin/drawing.h"
#include "skin/form/form.h"
#include "skin/titlebar/titlebar.h"

namespace kestrova::skin {

using framework::TApplication;
using framework::TForm;
using framework::TMessage;
using framework::TWindowState;

namespace {

constexpr UINT kFrameworkStyleQuery = 0xBE10;

void FrameRefreshOf(HWND window) {
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

HWND MainWindow() {
  TApplication* app = TApplication::Current();
  TForm* main = app ? app->MainForm() : nullptr;
  return main && main->HandleAllocated() ? main->Handle() : nullptr;
}

}  // namespace

void TsuiForm::FormWndProc(TMessage& m) {
  if (destroying_) return;
  switch (m.msg) {
    case WM_NCCALCSIZE:
      CalcFrameSize(m);
      break;
    case SUIM_GETBORDERWIDTH:
      m.result = FrameWidthQueryReply();
      return;
  }
  if (m.msg != WM_NCPAINT && m.msg != WM_NCACTIVATE) old_window_proc_(m);
  HandleAfterDefault(m);
}

// The window rectangle the default calculation then narrows by the system
// frame: what is left over is the frame this component paints.
void TsuiForm::CalcFrameSize(TMessage& m) {
  if (!m.wparam) {
    m.result = 0;
    return;
  }
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.lparam);
  const WINDOWPOS& p = *params->lppos;
  const int fb = std::max(4, frame_bottom_), fl = std::max(4, frame_left_);
  RECT& r = params->rgrc[0];
  r.top = p.y - fb + 4;
  if (left_border_width_ != 0) {
    r.right = p.x + p.cx + fl - std::max(right_border_width_, 4) - 1;
    r.left = p.x + std::max(left_border_width_, 4) - fl + 1;
  } else {
    r.right = p.x + p.cx + fl - 4;
    r.left = p.x - fl + 4;
  }
  if (bottom_border_height_ != 0)
    r.bottom = p.y + p.cy + fb - std::max(bottom_border_height_, 4) - 1;
  else if (border_width_ == 3)
    r.bottom = p.y + p.cy + fb - 4;
  else
    r.bottom = p.y + p.cy + fb - border_width_ - 2;
  params->rgrc[1] = r;
  m.result = WVR_VALIDRECTS;
}

LRESULT TsuiForm::FrameWidthQueryReply() const {
  return left_border_width_ != 0 ? std::max(left_border_width_, 4) : frame_bottom_ - 1;
}

void TsuiForm::HandleAfterDefault(TMessage& m) {
  switch (m.msg) {
    case WM_MDIACTIVATE:
      HandleMdiActivate(m);
      break;
    case WM_KEYDOWN:
      HandleMenuShortCut(m);
      break;
    case WM_SHOWWINDOW:
      owner_form_->SetMenu(nullptr);
      break;
    case WM_DESTROY:
      if (owner_form_->IsMDIChild()) HandleMdiDestroy();
      break;
    case WM_ACTIVATE:
      if (title_bar_) title_bar_->SetFormActive(LOWORD(m.wparam) != WA_INACTIVE);
      PaintFormBorder();
      break;
    case WM_NCACTIVATE:
      if (Minimized()) {
        old_window_proc_(m);
        break;
      }
      RepaintTitleBar();
      PaintFormBorder();
      m.result = 1;
      break;
    case WM_NCPAINT:
      if (Minimized()) {
        old_window_proc_(m);
        break;
      }
      RepaintTitleBar();
      PaintFormBorder();
      break;
    case framework::CM_RECREATEWND:
    case framework::CM_FLOAT:
    case kFrameworkStyleQuery:
      if (owner_form_->HandleAllocated()) {
        HWND window = owner_form_->Handle();
        LONG style = GetWindowLongW(window, GWL_STYLE);
        if (style & WS_CAPTION) {
          SetWindowLongW(window, GWL_STYLE, style & ~WS_CAPTION);
          FrameRefreshOf(window);
        }
      }
      break;
    case WM_SIZE:
      HandleSize();
      break;
    case WM_NCHITTEST:
      if (owner_form_->IsMDIChild() &&
          saved_border_style_ == framework::TFormBorderStyle::bsSingle && m.result >= HTLEFT &&
          m.result <= HTBOTTOMRIGHT)
        m.result = HTBORDER;
      break;
  }
}

void TsuiForm::RepaintTitleBar() {
  if (title_bar_) title_bar_->Repaint();
}

void TsuiForm::HandleMdiActivate(TMessage& m) {
  const bool activated = HWND(m.lparam) == owner_form_->Handle();
  if (activated)
    if (HWND main = MainWindow()) SendMessageW(main, WM_MDIREFRESHMENU, 0, 0);
  if (title_bar_) title_bar_->SetFormActive(activated);
}

// The framework's forms are never MDI children; kept for a form that is.
void TsuiForm::HandleMdiDestroy() {
  HWND main = MainWindow();
  if (!main) return;
  SendMessageW(main, WM_MDIREFRESHMENU, 0, 0);
  if (owner_form_->WindowState() == TWindowState::wsMaximized)
    SendMessageW(main, WM_MDIRESTORE, WPARAM(owner_form_->Handle()), 0);
}

void TsuiForm::HandleSize() {
  const bool maximized = owner_form_->WindowState() == TWindowState::wsMaximized;
  if (maximized && Designing()) return;
  if (created_maximized_) {
    if (owner_form_->IsMDIChild()) {
      mdi_maximized_ = true;
      created_maximized_ = false;
      mdi_created_maximized_ = true;
    } else if (!maximized) {
      SetControlBounds(*owner_form_, restore_bounds_);
      created_maximized_ = false;
    }
  }
  if (maximized && !owner_form_->IsMDIChild()) {
    RECT a = GetWorkArea();
    SetControlBounds(*owner_form_, RECT{a.left - 2, a.top - 2, a.right + 2, a.bottom - 1});
  }
  if (title_bar_) {
    title_bar_->UpdateMaximizeButtons();
    title_bar_->Repaint();
  }
  PaintFormBorder();
  if (owner_form_->IsMDIChild()) HandleMdiChildSize();
  UpdateFormRegion();
}

// An MDI child shows no title bar of its own while maximized.
void TsuiForm::HandleMdiChildSize() {
  if (!title_bar_) return;
  HWND main = MainWindow();
  const int shift = title_bar_->Height() - 3;
  if (owner_form_->WindowState() == TWindowState::wsMaximized) {
    changing_title_bar_ = true;
    SetTitleBarVisible(false);
    changing_title_bar_ = false;
    if (mdi_maximized_) return;
    ScrollWindow(Handle(), 0, -shift, nullptr, nullptr);
    mdi_maximized_ = true;
    if (main) SendMessageW(main, WM_MDIMAXIMIZE, WPARAM(owner_form_->Handle()), 0);
    return;
  }
  if (title_bar_wanted_) {
    changing_title_bar_ = true;
    SetTitleBarVisible(true);
    changing_title_bar_ = false;
  }
  if (!mdi_maximized_) return;
  if (!mdi_created_maximized_ || mdi_restored_once_)
    ScrollWindow(Handle(), 0, shift, nullptr, nullptr);
  mdi_restored_once_ = true;
  mdi_maximized_ = false;
  title_bar_->UpdateMaximizeButtons();
  if (main) SendMessageW(main, WM_MDIRESTORE, WPARAM(owner_form_->Handle()), 0);
}

// Alt+Space opens the window menu under the main window's title bar; key
// presses may be menu short cuts.
void TsuiForm::ApplicationMessage(MSG& message, bool& handled) {
  if (message.message == WM_SYSKEYDOWN && LOWORD(message.wParam) == VK_SPACE) {
    if (!title_bar_) return;
    RECT main{};
    if (HWND window = MainWindow()) GetWindowRect(window, &main);
    title_bar_->SystemMenu().Popup(main.left, main.top + title_bar_->Height());
    handled = true;
  } else if (message.message == WM_KEYDOWN) {
    TMessage copy{message.message, message.wParam, message.lParam, 0};
    HandleMenuShortCut(copy);
    handled = copy.result != 0;
  }
}

}  // namespace kestrova::skin
