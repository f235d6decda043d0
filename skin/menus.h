// The skinned menus: TsuiMainMenu (shown by the skinned form frame's menu
// bar) and TsuiPopupMenu, both owner drawn in a skin style's look.
#pragma once

#include "skin/menus/main_menu.h"
#include "skin/menus/popup_menu.h"

namespace kestrova::skin {

// Registers the skinned menus (and the framework's menu items) for stored
// designs that name them.
void RegisterSkinnedMenuClasses();

}  // namespace kestrova::skin
