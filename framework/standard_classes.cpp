// The framework's classes a design may name without publishing them.
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
