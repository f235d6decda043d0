// Menus, image lists, tool bars and actions, registered for designs that name
// them without publishing them.
#include "framework/action.h"
#include "framework/action_list.h"
#include "framework/class_registry.h"
#include "framework/image_list.h"
#include "framework/main_menu.h"
#include "framework/popup_menu.h"
#include "framework/tool_bar.h"

namespace kestrova::framework {

void RegisterMenuClasses() {
  RegisterClasses({&TMainMenu::StaticClass(), &TPopupMenu::StaticClass(), &TMenuItem::StaticClass(),
                   &TImageList::StaticClass(), &TToolBar::StaticClass(),
                   &TToolButton::StaticClass(), &TAction::StaticClass(),
                   &TActionList::StaticClass()});
}

}  // namespace kestrova::framework
