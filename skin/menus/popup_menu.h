// TsuiPopupMenu: a popup menu whose items are drawn in the colours and
// pictures of a skin style (the title bar's window menu derives from it).
//
//   auto* menu = new TsuiPopupMenu(form);    // the owner form's skinned style
//   menu->SetUIStyle(TsuiUIStyle::MacOS);
//   menu->Items()->Add(item);
//   menu->Popup(x, y);
#pragma once

#include "framework/popup_menu.h"
#include "skin/menus/menu_look.h"

namespace kestrova::skin {

class TsuiPopupMenu : public framework::TPopupMenu, public TsuiMenuLook {
  KESTROVA_CLASS(TsuiPopupMenu)

 public:
  explicit TsuiPopupMenu(framework::TComponent* owner);
  ~TsuiPopupMenu() override;

  // Owner drawn always.
  void SetOwnerDraw(bool owner_draw) override;
  // Ignored while the style is MacOS (its items are pictures of fixed height).
  void SetMenuItemHeight(int height) override;

  void Loaded() override;

 protected:
  void MenuChanged(framework::TMenuItem* source, bool rebuild) override;
  void DoPopup() override;
  void Notification(framework::TComponent* component, framework::TOperation operation) override;
  const framework::TImageList* ItemImages() const override { return Images(); }
  const framework::TImageList& CheckMarks() const override;
  bool RightToLeft() const override { return IsRightToLeft(); }
};

}  // namespace kestrova::skin
