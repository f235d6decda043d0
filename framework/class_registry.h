// The classes a stored design may name without its root publishing them.
// A library registers its classes once, before reading designs that use them:
//
//   RegisterClasses({&TsuiForm::StaticClass(), &TsuiButton::StaticClass()});
//   const ClassInfo* c = FindRegisteredClass("TsuiButton");
//
// The framework's standard classes (TLabel, TPanel, TButton ...) are there
// from the start. Registering the same class again does nothing; another
// class under a registered name raises Error.
#pragma once

#include <initializer_list>
#include <string_view>
#include <vector>

#include "framework/properties.h"

namespace kestrova::framework {

void RegisterClasses(std::initializer_list<const ClassInfo*> classes);
// The registered class of that name (compared without case), or null.
const ClassInfo* FindRegisteredClass(std::string_view name);

// The framework's basic controls, registered when the registry is first used.
std::vector<const ClassInfo*> StandardClasses();
// Menus, image lists, tool bars and actions; once is enough, again is harmless.
void RegisterMenuClasses();

}  // namespace kestrova::framework
