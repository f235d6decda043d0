// A form's menu bar: the Win32 menu of its TMainMenu, the menu's messages
// handed to the items, and the menu's short cuts.
#include "framework/form.h"
#include "framework/main_menu.h"

namespace kestrova::framework {

void TForm::SetMenu(TMainMenu* menu) {
  if (menu == menu_) return;
  if (menu_) {
    menu_->SetWindowHandle(nullptr);
    RemoveFreeNotification(menu_);
  }
  menu_ = menu;
  if (menu) FreeNotification(menu);
  if (!HandleAllocated()) return;
  if (menu)
    menu->SetWindowHandle(handle_value());
  else
    ::SetMenu(handle_value(), nullptr);
  DrawMenuBar(handle_value());
}

bool TForm::IsShortCut(const TMessage& key_message) {
  return menu_ && menu_->IsShortCut(key_message);
}

void TForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == menu_) SetMenu(nullptr);
}

bool TForm::MenuMessage(TMessage& m) {
  switch (m.msg) {
    case WM_COMMAND:
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
    case WM_INITMENUPOPUP:
    case WM_MENUCHAR:
      return menu_ && GetMenu(handle_value()) == menu_->Handle() && menu_->DispatchMenuMessage(m);
    case WM_DESTROY:
      // The window would take the menu bar with it; the menu keeps it.
      if (menu_) menu_->SetWindowHandle(nullptr);
      return false;
  }
  return false;
}

}  // namespace kestrova::framework
