// TPopupMenu: a menu shown at a point of the screen. While it is open a
// hidden window of its own owns it and hands the menu's messages (owner draw,
// menu characters) to the items; Popup returns once it has closed and the
// chosen item was clicked.
//
//   auto* menu = new TPopupMenu(form);
//   menu->Items()->Add(item);
//   menu->OnPopup = [](TComponent*) { ... };     // just before it shows
//   menu->Popup(x, y);                            // screen coordinates
#pragma once

#include "framework/menu.h"

namespace kestrova::framework {

enum class TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public TMenu {
  KESTROVA_CLASS(TPopupMenu)

 public:
  explicit TPopupMenu(TComponent* owner);

  // Shows the menu, waits for it to close and clicks the chosen item.
  virtual void Popup(int x, int y);
  // Shows the menu and waits: the chosen item (not clicked yet), or null.
  // `exclude` (screen coordinates) is kept free, as a button the menu drops from.
  TMenuItem* Track(int x, int y, const RECT* exclude = nullptr);
  // The hidden window and the Win32 menu while the menu is open, else null.
  HWND WindowHandle() const { return window_; }
  HMENU Handle() const { return open_menu_; }

  // Shows the items under another item instead of Items() (a tool bar drops
  // a menu item's submenu so); null for Items().
  TMenuItem* SourceItem() const { return source_; }
  void SetSourceItem(TMenuItem* item);

  TPopupAlignment Alignment() const { return alignment_; }
  void SetAlignment(TPopupAlignment a) { alignment_ = a; }
  bool AutoPopup() const { return auto_popup_; }
  void SetAutoPopup(bool v) { auto_popup_ = v; }
  // The control the menu was last shown for (set by whoever shows it).
  TComponent* PopupComponent() const { return popup_component_; }
  void SetPopupComponent(TComponent* c) { popup_component_ = c; }

  TNotifyEvent OnPopup;
  // While open: the selection moved to `item` (a command, or a position when
  // `flags` has MF_POPUP) of the Win32 menu `menu`.
  TEvent<TComponent*, HMENU, UINT, UINT> OnMenuSelect;

 protected:
  TMenuItem* ShownItems() const override { return source_ ? source_ : Items(); }
  void Notification(TComponent* component, TOperation operation) override;
  virtual void DoPopup() { OnPopup(this); }

 private:
  TPopupAlignment alignment_ = TPopupAlignment::paLeft;
  bool auto_popup_ = true;
  TComponent* popup_component_ = nullptr;
  TMenuItem* source_ = nullptr;
  HWND window_ = nullptr;
  HMENU open_menu_ = nullptr;
};

}  // namespace kestrova::framework
