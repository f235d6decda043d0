// The flash.* package of SWF 8 movies: filters (filter_classes.cpp), the
// geometry and bitmap classes; the others are present and do nothing.
#include "movie/avm1/builtins.h"
#include "movie/avm1/filter_classes.h"

namespace kestrova::avm1 {

namespace {

Object* Package(Vm& vm, Object* where, const std::string& name, uint16_t flags = 0) {
  if (Property* p = where->Find(name))
    if (Object* o = p->value.object()) return o;
  Object* o = vm.NewObject();
  where->Define(name, o, kDontEnum | flags);
  return o;
}

void PlainClass(Vm& vm, Object* package, const char* name) {
  Object* ctor = DefineClass(
      vm, "", [](Vm&, const Value&, const Args&) { return Value(); }, nullptr, vm.NewObject());
  package->Define(name, ctor, kDontEnum);
}

}  // namespace

void InstallFlashPackage(Vm& vm) {
  Object* flash = Package(vm, vm.global, "flash", kVersion8);
  InstallFilterClasses(vm, Package(vm, flash, "filters"));
  InstallBitmapClasses(vm, flash);
  Object* geom = Package(vm, flash, "geom");
  InstallColorTransform(vm, geom);
  PlainClass(vm, geom, "Transform");  // the player's Runtime makes it work on clips
  PlainClass(vm, Package(vm, flash, "external"), "ExternalInterface");
  Object* net = Package(vm, flash, "net");
  PlainClass(vm, net, "FileReference");
  PlainClass(vm, net, "FileReferenceList");
  PlainClass(vm, Package(vm, flash, "text"), "TextRenderer");
}

}  // namespace kestrova::avm1
