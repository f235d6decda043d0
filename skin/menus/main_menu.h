// TsuiMainMenu: a main menu whose items are drawn in the colours and
// pictures of a skin style. It is never the window's native menu bar: the
// skinned form frame shows its top-level items as buttons of its own menu
// bar, and the drop-downs are drawn by the menu.
//
//   auto* menu = new TsuiMainMenu(form);     // the owner form's skinned style
//   menu->SetUIStyle(TsuiUIStyle::WinXP);
//   menu->Items()->Add(file);                // hooked: drawn by the menu
//   sui_form->SetMenu(menu);                 // the frame's menu bar shows it
#pragma once

#include "framework/image_list.h"
#include "framework/main_menu.h"
#include "skin/menus/menu_bar_host.h"
#include "skin/menus/menu_look.h"

namespace kestrova::skin {

class TsuiMainMenu : public framework::TMainMenu, public TsuiMenuLook {
  KESTROVA_CLASS(TsuiMainMenu)

 public:
  explicit TsuiMainMenu(framework::TComponent* owner);
  ~TsuiMainMenu() override;

  // Owner drawn always.
  void SetOwnerDraw(bool owner_draw) override;
  void SetUseSystemFont(bool v) override;

  // The form frame showing the menu, or null.
  MenuBarHost* MenuBarHostForm() const { return host_; }
  void SetMenuBarHost(MenuBarHost* host) { host_ = host; }

  void Loaded() override;

 protected:
  void MenuChanged(framework::TMenuItem* source, bool rebuild) override;
  void Notification(framework::TComponent* component, framework::TOperation operation) override;
  // Images() is the caller's list only: check marks come from the menu's own.
  const framework::TImageList* ItemImages() const override { return Images(); }
  const framework::TImageList& CheckMarks() const override { return *check_marks_; }
  bool RightToLeft() const override { return IsRightToLeft(); }

 private:
  framework::OwnedComponent<framework::TImageList> check_marks_;
  MenuBarHost* host_ = nullptr;
};

}  // namespace kestrova::skin
