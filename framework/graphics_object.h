// TGraphicsObject: the base of TFont, TPen and TBrush: a cached GDI handle
// made on first use and dropped on every change. OnChanging runs before the
// old handle goes (a canvas deselects it), OnChange after (users take the new).
#pragma once

#include <functional>

#include "framework/persistent.h"

namespace kestrova::framework {

class TGraphicsObject : public TPersistent {
 public:
  std::function<void()> OnChanging;
  std::function<void()> OnChange;

 protected:
  void Changed();
  virtual void DropHandle() = 0;
};

}  // namespace kestrova::framework
