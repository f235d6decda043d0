// The framework's classes a design may name without publishing them.
#include "framework/action.h"
#include "framework/action_list.h"
#include "framework/button.h"
#include "framework/check_box.h"
#include "framework/class_registry.h"
#include "framework/custom_control.h"
#include "framework/form.h"
#include "framework/image_list.h"
#include "framework/label.h"
#include "framework/main_menu.h"
#include "framework/panel.h"
#include "framework/popup_menu.h"
#include "framework/timer.h"
#include "framework/tool_bar.h"

namespace kestrova::framework {

std::vector<const ClassInfo*> StandardClasses() {
  return {&TLabel::StaticClass(),     &TPanel::StaticClass(),      &TButton::StaticClass(),
          &TCheckBox::StaticClass(),  &TTimer::StaticClass(),      &TCustomControl::StaticClass(),
          &TForm::StaticClass(),      &TComponent::StaticClass(),  &TMainMenu::StaticClass(),
          &TPopupMenu::StaticClass(), &TMenuItem::StaticClass(),   &TImageList::StaticClass(),
          &TToolBar::StaticClass(),   &TToolButton::StaticClass(), &TAction::StaticClass(),
          &TActionList::StaticClass()};
}

}  // namespace kestrova::framework
