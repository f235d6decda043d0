// TMenu: the base of main and popup menus: the item tree (Items), its images,
// owner drawing, automatic accelerators, reading order, and the dispatch of
// the Win32 menu's messages (commands, owner draw, menu characters) to the
// items.
//
//   menu->SetOwnerDraw(true);
//   menu->SetImages(images);
//   menu->OnChange = [](TComponent*, TMenuItem* source, bool rebuild) { ... };
//   if (menu->DispatchMenuMessage(m)) return;     // in a window procedure
#pragma once

#include <windows.h>

#include "framework/control.h"
#include "framework/handles.h"
#include "framework/menu_item.h"

namespace kestrova::framework {

class TImageList;

enum class TMenuAutoFlag { maAutomatic, maManual };
using TMenuChangeEvent = TEvent<TComponent*, TMenuItem*, bool>;

class TMenu : public TComponent {
  KESTROVA_CLASS(TMenu)

 public:
  explicit TMenu(TComponent* owner);

  TMenuItem* Items() const { return items_; }
  TImageList* Images() const { return images_; }
  virtual void SetImages(TImageList* images);
  bool OwnerDraw() const { return owner_draw_; }
  virtual void SetOwnerDraw(bool owner_draw);
  // Automatic: items without "&" get the first free letter of their caption
  // as accelerator in the Win32 menu (the Caption itself is kept).
  TMenuAutoFlag AutoHotkeys() const { return auto_hotkeys_; }
  void SetAutoHotkeys(TMenuAutoFlag flag);
  TBiDiMode BiDiMode() const { return bidi_mode_; }
  void SetBiDiMode(TBiDiMode mode);
  bool ParentBiDiMode() const { return parent_bidi_mode_; }
  void SetParentBiDiMode(bool v);
  // Right to left: a bidirectional mode other than left to right on a system
  // with a Middle-Eastern locale.
  bool IsRightToLeft() const;

  // The visible item with this command in the tree the menu shows, or null.
  TMenuItem* FindCommand(UINT command) const;
  // Finds the enabled item with the key message's short cut (its parents
  // enabled too) and clicks it; false when there is none.
  bool IsShortCut(const TMessage& key_message);
  // WM_COMMAND (from a menu), WM_MEASUREITEM / WM_DRAWITEM of menu items,
  // WM_INITMENUPOPUP and WM_MENUCHAR: true when the message was the menu's.
  bool DispatchMenuMessage(TMessage& message);

  void Loaded() override;
  // Designs nest the top-level items inside the menu.
  bool AcceptDesignChild(TComponent* child) override;
  std::vector<TComponent*> DesignChildren() const override;

  TMenuChangeEvent OnChange;

 protected:
  friend class TMenuItem;
  // An item changed (`source`, null for the whole menu).
  virtual void MenuChanged(TMenuItem* source, bool rebuild);
  void Notification(TComponent* component, TOperation operation) override;
  // The items the Win32 menu is built from: normally Items().
  virtual TMenuItem* ShownItems() const { return items_; }
  // A new Win32 menu of ShownItems() (a menu bar or a popup menu).
  MenuHandle BuildHandle(bool menu_bar);
  // Whether the Win32 menu is this menu's menu bar (its items are drawn as such).
  virtual bool IsBarMenu(HMENU /*menu*/) const { return false; }

 private:
  void BuildInto(HMENU menu, TMenuItem& parent);
  TMenuItem* FindSubMenu(HMENU menu) const;
  bool MeasureItem(MEASUREITEMSTRUCT& measure);
  bool DrawItem(const DRAWITEMSTRUCT& draw);
  LRESULT MenuChar(wchar_t key, HMENU menu);

  TMenuItem* items_;
  TImageList* images_ = nullptr;
  bool owner_draw_ = false;
  TMenuAutoFlag auto_hotkeys_ = TMenuAutoFlag::maAutomatic;
  TBiDiMode bidi_mode_ = TBiDiMode::bdLeftToRight;
  bool parent_bidi_mode_ = true;
  UINT next_command_ = 0;
};

}  // namespace kestrova::framework
