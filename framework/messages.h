// The one message record of the framework and the framework's own messages.
//
//   TMessage m{WM_SIZE, 0, MAKELPARAM(w, h)};
//   control->WindowProc()(m);          // or control->Perform(WM_SIZE, 0, ...)
//
// CM_ messages are sent between controls (0xB000 up); CN_ messages are Win32
// notifications reflected to the control they concern (0xBC00 + the message).
#pragma once

#include <windows.h>

#include <functional>

namespace kestrova::framework {

struct TMessage {
  UINT msg = 0;
  WPARAM wparam = 0;
  LPARAM lparam = 0;
  LRESULT result = 0;
};

// A replaceable window procedure: a control's WindowProc starts as its own
// WndProc; another component may save it, install its own and chain to it.
using TWndMethod = std::function<void(TMessage&)>;

// Numbers marked "sent" are sent by the framework itself; the others keep
// their places for components that send them to each other.
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0x00;    // sent
constexpr UINT CM_DEACTIVATE = CM_BASE + 0x01;  // sent
constexpr UINT CM_GOTFOCUS = CM_BASE + 0x02;
constexpr UINT CM_LOSTFOCUS = CM_BASE + 0x03;
constexpr UINT CM_CANCELMODE = CM_BASE + 0x04;          // sent
constexpr UINT CM_DIALOGKEY = CM_BASE + 0x05;           // sent
constexpr UINT CM_DIALOGCHAR = CM_BASE + 0x06;          // sent
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 0x07;        // sent
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 0x08;   // sent
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 0x09;  // sent
constexpr UINT CM_HITTEST = CM_BASE + 0x0A;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 0x0B;  // sent
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 0x0C;  // sent
constexpr UINT CM_COLORCHANGED = CM_BASE + 0x0D;    // sent
constexpr UINT CM_FONTCHANGED = CM_BASE + 0x0E;     // sent
constexpr UINT CM_CURSORCHANGED = CM_BASE + 0x0F;
constexpr UINT CM_CTL3DCHANGED = CM_BASE + 0x10;
constexpr UINT CM_PARENTCTL3DCHANGED = CM_BASE + 0x11;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 0x12;  // sent
constexpr UINT CM_MOUSEENTER = CM_BASE + 0x13;   // sent
constexpr UINT CM_MOUSELEAVE = CM_BASE + 0x14;   // sent
constexpr UINT CM_MENUCHANGED = CM_BASE + 0x15;
constexpr UINT CM_APPKEYDOWN = CM_BASE + 0x16;
constexpr UINT CM_APPSYSCOMMAND = CM_BASE + 0x17;
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 0x18;
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 0x19;  // sent
constexpr UINT CM_ENTER = CM_BASE + 0x1A;
constexpr UINT CM_EXIT = CM_BASE + 0x1B;
constexpr UINT CM_DESIGNHITTEST = CM_BASE + 0x1C;
constexpr UINT CM_ICONCHANGED = CM_BASE + 0x1D;
constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 0x1E;  // sent
constexpr UINT CM_INVOKEHELP = CM_BASE + 0x1F;
constexpr UINT CM_WINDOWHOOK = CM_BASE + 0x20;
constexpr UINT CM_RELEASE = CM_BASE + 0x21;  // sent
constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 0x22;
constexpr UINT CM_PARENTSHOWHINTCHANGED = CM_BASE + 0x23;  // sent
constexpr UINT CM_SYSCOLORCHANGE = CM_BASE + 0x24;
constexpr UINT CM_WININICHANGE = CM_BASE + 0x25;
constexpr UINT CM_FONTCHANGE = CM_BASE + 0x26;
constexpr UINT CM_TIMECHANGE = CM_BASE + 0x27;
constexpr UINT CM_TABSTOPCHANGED = CM_BASE + 0x28;  // sent
constexpr UINT CM_UIACTIVATE = CM_BASE + 0x29;
constexpr UINT CM_UIDEACTIVATE = CM_BASE + 0x2A;
constexpr UINT CM_DOCWINDOWACTIVATE = CM_BASE + 0x2B;
constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 0x2C;
constexpr UINT CM_GETDATALINK = CM_BASE + 0x2D;
constexpr UINT CM_CHILDKEY = CM_BASE + 0x2E;
constexpr UINT CM_DRAG = CM_BASE + 0x2F;
constexpr UINT CM_HINTSHOW = CM_BASE + 0x30;
constexpr UINT CM_DIALOGHANDLE = CM_BASE + 0x31;
constexpr UINT CM_ISTOOLCONTROL = CM_BASE + 0x32;
constexpr UINT CM_RECREATEWND = CM_BASE + 0x33;  // sent
constexpr UINT CM_INVALIDATE = CM_BASE + 0x34;
constexpr UINT CM_SYSFONTCHANGED = CM_BASE + 0x35;
constexpr UINT CM_CONTROLCHANGE = CM_BASE + 0x36;
constexpr UINT CM_CHANGED = CM_BASE + 0x37;
constexpr UINT CM_DOCKCLIENT = CM_BASE + 0x38;
constexpr UINT CM_UNDOCKCLIENT = CM_BASE + 0x39;
constexpr UINT CM_FLOAT = CM_BASE + 0x3A;
constexpr UINT CM_BORDERCHANGED = CM_BASE + 0x3B;
constexpr UINT CM_BIDIMODECHANGED = CM_BASE + 0x3C;  // sent
constexpr UINT CM_PARENTBIDIMODECHANGED = CM_BASE + 0x3D;

constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr UINT CN_KEYUP = CN_BASE + WM_KEYUP;
constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
constexpr UINT CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
constexpr UINT CN_SYSCHAR = CN_BASE + WM_SYSCHAR;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;

}  // namespace kestrova::framework
