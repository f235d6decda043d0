// The built-in classes and global functions, installed into a new Vm.
#pragma once

#include "movie/avm1/vm.h"

namespace kestrova::avm1 {

void InstallBuiltins(Vm& vm);
void InstallObject(Vm& vm);  // Object and Function first: the others use them
void InstallArray(Vm& vm);
void InstallString(Vm& vm);
void InstallNumberBooleanMath(Vm& vm);
void InstallDate(Vm& vm);
void InstallGlobals(Vm& vm);
// Last: the player's classes nothing else defined, present and doing nothing.
void InstallPlayerStubs(Vm& vm);
void InstallFlashPackage(Vm& vm);                  // flash.filters, flash.geom ... (SWF 8)
void InstallBitmapClasses(Vm& vm, Object* flash);  // flash.geom, flash.display
void InstallMatrixMethods(Vm& vm, Object* proto, Object* geom);  // flash.geom.Matrix
void InstallColorTransform(Vm& vm, Object* geom);                // flash.geom.ColorTransform

// A class: constructor `ctor` with a fresh prototype object (whose
// __proto__ is `parentProto`), set as global `name`.
Object* DefineClass(Vm& vm, const std::string& name, NativeFn call, NativeFn construct,
                    Object* proto);

// A native accessor `name` of `target`: the getter, and the setter unless
// it is empty (then the property is read-only).
void DefineAccessor(Vm& vm, Object* target, const char* name, NativeFn get, NativeFn set,
                    uint16_t flags = kDontEnum);

inline Value Arg(const Args& args, size_t i) { return i < args.size() ? args[i] : Value(); }

}  // namespace kestrova::avm1
