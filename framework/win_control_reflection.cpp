// TWinControl's reflection: notifications a window sends its parent
// (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_CTLCOLOR...) handed back to the
// control they concern as CN_ messages.
#include <windows.h>

#include "framework/win_control.h"

namespace kestrova::framework {

bool TWinControl::ReflectNotification(TMessage& m) {
  HWND from = nullptr;
  switch (m.msg) {
    case WM_COMMAND:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      from = HWND(m.lparam);
      break;
    case WM_NOTIFY:
      from = reinterpret_cast<NMHDR*>(m.lparam)->hwndFrom;
      break;
    case WM_DRAWITEM: {
      // Menu items are their menu's (the form hands them over).
      auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(m.lparam);
      if (draw->CtlType == ODT_MENU) return false;
      from = draw->hwndItem;
      break;
    }
    case WM_MEASUREITEM: {
      // Names its control by id only: child windows get distinct ids.
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(m.lparam);
      if (measure->CtlType == ODT_MENU || !handle_) return false;
      from = GetDlgItem(handle_.Get(), int(measure->CtlID));
      break;
    }
    default:
      return false;
  }
  TWinControl* c = FromHandle(from);
  if (!c || c == this) return false;
  m.result = c->Perform(CN_BASE + m.msg, m.wparam, m.lparam);
  return true;
}

}  // namespace kestrova::framework
