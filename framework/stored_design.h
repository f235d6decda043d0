// Stored designs applied to components, and components written back as a
// design. A form's design is an RCDATA resource named after its class:
//
//   TDEMOFORM RCDATA "demo_form.dfm"          (in the .rc file)
//   ReadDesignResource(form, "TDemoForm");    (TForm::ReadStoredDesign does this)
//
// Reading creates each object (of a class the root publishes or one
// registered, see class_registry.h; owner: the root; parent: the enclosing
// windowed control), sets its properties in the order given, binds the root's
// published fields and handlers, resolves component references once all
// objects exist, then runs every component's Loaded. Errors name the source,
// the line and the property.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "framework/component.h"
#include "framework/design_text.h"

namespace kestrova::framework {

void ReadDesign(TComponent& root, std::string_view text, std::string_view source = "design");
void ReadDesignResource(TComponent& root, std::string_view resource_name, HMODULE module = nullptr);

DesignObject CaptureDesign(const TComponent& root);
std::string WriteDesign(const TComponent& root);

}  // namespace kestrova::framework
