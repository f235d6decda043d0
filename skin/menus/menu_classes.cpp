// The skinned menus' classes, for stored designs that name them.
#include "framework/class_registry.h"
#include "skin/menus.h"

namespace kestrova::skin {

void RegisterSkinnedMenuClasses() {
  framework::RegisterMenuClasses();
  framework::RegisterClasses({&TsuiMainMenu::StaticClass(), &TsuiPopupMenu::StaticClass()});
}

}  // namespace kestrova::skin
