// A control's link to an action: the action's state reaches the control on
// every change, and the link goes when either side does.
#include "framework/action.h"
#include "framework/action_link.h"
#include "framework/control.h"

namespace kestrova::framework {

void TControl::SetAction(TCustomAction* action) {
  LinkAction(*this, action_, action_link_, action, [this](TCustomAction& a) { ActionChange(a); });
}

void TControl::ActionChange(TCustomAction& action) {
  SetCaption(action.Caption());
  SetEnabled(action.Enabled());
  SetHint(action.Hint());
  SetVisible(action.Visible());
}

}  // namespace kestrova::framework
