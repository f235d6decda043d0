// TPersistent: the root of everything with published properties (components,
// fonts, bitmaps, collection items). KESTROVA_CLASS names a class's table.
//
//   class TThing : public TComponent {
//     KESTROVA_CLASS(TThing)     // the .cpp defines TThing::StaticClass()
//   };
#pragma once

#include <string>

#include "framework/properties.h"

#define KESTROVA_CLASS(Name)                                                               \
 public:                                                                                   \
  static const ::kestrova::framework::ClassInfo& StaticClass();                            \
  const ::kestrova::framework::ClassInfo& Class() const override { return StaticClass(); } \
                                                                                           \
 private:

namespace kestrova::framework {

class TPersistent {
 public:
  virtual ~TPersistent() = default;
  static const ClassInfo& StaticClass();
  virtual const ClassInfo& Class() const { return StaticClass(); }
  const std::string& ClassName() const { return Class().name; }
  // Copies another object's state; the default raises "Cannot assign a X to a Y".
  virtual void Assign(const TPersistent& source);

 protected:
  TPersistent() = default;
  TPersistent(const TPersistent&) = default;
  TPersistent& operator=(const TPersistent&) = default;
};

}  // namespace kestrova::framework
