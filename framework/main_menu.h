// TMainMenu: the menu bar of a form. A form whose Menu it is shows it as the
// window's Win32 menu bar, rebuilt after every change; the form also hands it
// key messages (IsShortCut clicks the item with that short cut).
//
//   auto* menu = new TMainMenu(form);
//   menu->Items()->Add(file);
//   form->SetMenu(menu);             // SetMenu(nullptr): no window menu
//   if (menu->IsShortCut(key_message)) return;
#pragma once

#include "framework/menu.h"

namespace kestrova::framework {

class TMainMenu : public TMenu {
  KESTROVA_CLASS(TMainMenu)

 public:
  explicit TMainMenu(TComponent* owner);
  ~TMainMenu() override;

  // The Win32 menu bar, made when first asked for.
  HMENU Handle();
  // The window showing the menu bar (set by the form), or null.
  HWND WindowHandle() const { return window_; }
  void SetWindowHandle(HWND window);

 protected:
  void MenuChanged(TMenuItem* source, bool rebuild) override;
  bool IsBarMenu(HMENU menu) const override { return menu && menu == handle_.Get(); }

 private:
  MenuHandle handle_;
  HWND window_ = nullptr;
};

}  // namespace kestrova::framework
