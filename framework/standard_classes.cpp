// The framework's classes a design may name without publishing them. Only
// the basic controls are registered up front, so a program links no more of
// the framework than its designs use; menus, tool bars and actions come with
// RegisterMenuClasses.
#include "framework/button.h"
#include "framework/check_box.h"
#include "framework/class_registry.h"
#include "framework/custom_control.h"
#include "framework/form.h"
#include "framework/label.h"
#include "framework/panel.h"
#include "framework/timer.h"

namespace kestrova::framework {

std::vector<const ClassInfo*> StandardClasses() {
  return {&TLabel::StaticClass(),    &TPanel::StaticClass(),    &TButton::StaticClass(),
          &TCheckBox::StaticClass(), &TTimer::StaticClass(),    &TCustomControl::StaticClass(),
          &TForm::StaticClass(),     &TComponent::StaticClass()};
}

}  // namespace kestrova::framework
