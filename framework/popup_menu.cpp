#include "framework/popup_menu.h"

#include "framework/class_builder.h"
#include "framework/menu_window.h"

namespace kestrova::framework {

const ClassInfo& TPopupMenu::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TPopupMenu>("TPopupMenu", &TMenu::StaticClass())
          .Enumeration<TPopupAlignment>("Alignment", &TPopupMenu::Alignment,
                                        &TPopupMenu::SetAlignment,
                                        {"paLeft", "paRight", "paCenter"}, TPopupAlignment::paLeft)
          .Boolean("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup, true)
          .Event("OnPopup", &TPopupMenu::OnPopup)
          .Build();
  return info;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TMenu::Notification(component, operation);
  if (operation == TOperation::opRemove && component == source_) source_ = nullptr;
}

void TPopupMenu::SetSourceItem(TMenuItem* item) {
  if (item == source_) return;
  if (source_) RemoveFreeNotification(source_);
  source_ = item;
  if (item) FreeNotification(item);
}

TMenuItem* TPopupMenu::Track(int x, int y, const RECT* exclude) {
  DoPopup();
  MenuHandle menu = BuildHandle(false);
  TMenuWindow window([this](TMessage& m) {
    if (m.msg == WM_MENUSELECT)
      OnMenuSelect(this, HMENU(m.lparam), UINT(LOWORD(m.wparam)), UINT(HIWORD(m.wparam)));
    return DispatchMenuMessage(m);
  });
  static constexpr UINT kAlign[] = {TPM_LEFTALIGN, TPM_RIGHTALIGN, TPM_CENTERALIGN};
  UINT flags = kAlign[int(alignment_)] | TPM_LEFTBUTTON | TPM_RIGHTBUTTON | TPM_RETURNCMD;
  if (IsRightToLeft()) flags |= TPM_LAYOUTRTL;
  TPMPARAMS params{sizeof(params), exclude ? *exclude : RECT{}};
  if (exclude) flags |= TPM_VERTICAL;
  window_ = window.Handle();
  open_menu_ = menu.Get();
  UINT command =
      UINT(TrackPopupMenuEx(menu.Get(), flags, x, y, window.Handle(), exclude ? &params : nullptr));
  window_ = nullptr;
  open_menu_ = nullptr;
  return command ? FindCommand(command) : nullptr;
}

void TPopupMenu::Popup(int x, int y) {
  if (TMenuItem* chosen = Track(x, y)) chosen->Click();
}

}  // namespace kestrova::framework
