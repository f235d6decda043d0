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
    case WM_DRAWITEM:
      from = reinterpret_cast<DRAWITEMSTRUCT*>(m.lparam)->hwndItem;
      break;
    case WM_MEASUREITEM:
      break;
    default:
      return false;
  }
  TWinControl* c = FromHandle(from);
  if (!c || c == this) return false;
  m.result = c->Perform(CN_BASE + m.msg, m.wparam, m.lparam);
  return true;
}

}  // namespace kestrova::framework
