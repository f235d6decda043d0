// What a skinned main menu needs of the form frame that shows it as a menu
// bar: rebuilding the bar's buttons, refreshing their captions and enabled
// states, and taking the menu's font. The frame adopts the menu with
// TsuiMainMenu::SetMenuBarHost and releases it with null.
#pragma once

namespace kestrova::skin {

class MenuBarHost {
 public:
  // One button per top-level item, in the menu's font.
  virtual void UpdateMenuBar() = 0;
  // Each button's caption and enabled state from its item.
  virtual void UpdateMenuBarItems() = 0;
  // The system menu font or the menu's own font on the bar, repainted.
  virtual void UpdateMenuBarFont() = 0;

 protected:
  ~MenuBarHost() = default;
};

}  // namespace kestrova::skin
