// The skinned buttons' classes, for stored designs that name them.
#include "framework/class_registry.h"
#include "skin/buttons.h"

namespace kestrova::skin {

using framework::RegisterClasses;

void RegisterButtonClasses() {
  RegisterClasses(
      {&TsuiCustomButton::StaticClass(), &TsuiButton::StaticClass(), &TsuiCheckBox::StaticClass()});
}

}  // namespace kestrova::skin
