// TsuiTitleBar's mouse: hover and pressed pictures follow the pointer, a
// press on the free area moves the form, a release on a button runs it, a
// double click maximizes or restores; and the messages the bar passes on.
#include <windows.h>

#include "framework/form.h"
#include "skin/titlebar/titlebar.h"

namespace kestrova::skin {

using namespace framework;

void TsuiTitleBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomPanel::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft) return;
  mouse_is_down_ = true;
  Paint();
  TForm* form = ParentForm();
  if (!form || hot_button_ != -1 || form->WindowState() == TWindowState::wsMaximized) return;
  // The system's move loop takes the press from here, as on a real caption.
  SetMouseCapture(false);
  const POINT p = ClientToScreen(POINT{x, y});
  SendMessageW(form->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(p.x, p.y));
  mouse_is_down_ = false;
}

void TsuiTitleBar::MouseMove(TShiftState shift, int x, int y) {
  TCustomPanel::MouseMove(shift, x, y);
  Paint();
}

void TsuiTitleBar::ReleaseOnButton() {
  const int index = hot_button_;
  TsuiTitleBarButton& button = *buttons_.Items(index);
  const TsuiTitleBarBtnType type = button.ButtonType();
  if (type == TsuiTitleBarBtnType::suiControlBox && !button.ControlBoxMenu()) {
    const POINT p = ClientToScreen(POINT{0, Height()});
    system_menu_->Popup(p.x, p.y);
    return;
  }
  button.PerformAction();
  if (Destroying()) return;  // the form went with its close button
  if (type == TsuiTitleBarBtnType::suiCustom && OnCustomBtnsClick)
    OnCustomBtnsClick(this, index);
  else if (type == TsuiTitleBarBtnType::suiHelp && OnHelpBtnClick)
    OnHelpBtnClick(this, index);
}

void TsuiTitleBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomPanel::MouseUp(button, shift, x, y);
  if (button != TMouseButton::mbLeft) return;
  Paint();
  if (hot_button_ >= 0 && hot_button_ < buttons_.Count()) {
    ReleaseOnButton();
    if (Destroying()) return;
  }
  mouse_is_down_ = false;
  Paint();
}

void TsuiTitleBar::DblClick() {
  TCustomPanel::DblClick();
  Paint();
  if (hot_button_ == -1) {
    if (TsuiTitleBarButton* max = buttons_.FindVisible(TsuiTitleBarBtnType::suiMax))
      max->PerformAction();
  } else if (hot_button_ < buttons_.Count() &&
             buttons_.Items(hot_button_)->ButtonType() == TsuiTitleBarBtnType::suiControlBox) {
    if (TForm* form = ParentForm()) form->Close();
  }
}

void TsuiTitleBar::WndProc(TMessage& m) {
  switch (m.msg) {
    case WM_ERASEBKGND:
      m.result = 1;
      return;
    case CM_FONTCHANGED:
    case CM_MOUSELEAVE:
      TCustomPanel::WndProc(m);
      Paint();
      return;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
      if (TForm* form = ParentForm()) {
        m.result = SendMessageW(form->Handle(), m.msg, m.wparam, m.lparam);
        return;
      }
      break;
  }
  TCustomPanel::WndProc(m);
}

}  // namespace kestrova::skin
