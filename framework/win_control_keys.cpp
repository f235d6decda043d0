// TWinControl's keyboard: key events (with the form's key preview) and the
// dialog keys and accelerators offered to the form before the control.
#include <windows.h>

#include "framework/form.h"
#include "framework/win_control.h"

namespace kestrova::framework {
namespace {

bool IsDialogKeyCandidate(WPARAM key) {
  switch (key) {
    case VK_TAB:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL:
      return true;
    default:
      return false;
  }
}

}  // namespace

bool TWinControl::HandleKeyMessage(TMessage& m) {
  switch (m.msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      uint16_t key = uint16_t(m.wparam);
      return DoKeyDown(key, KeyboardShiftState());
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      uint16_t key = uint16_t(m.wparam);
      return DoKeyUp(key, KeyboardShiftState());
    }
    case WM_CHAR: {
      wchar_t key = wchar_t(m.wparam);
      if (DoKeyPress(key)) return true;
      m.wparam = key;
      return false;
    }
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
    case CN_CHAR:
    case CN_SYSCHAR:
      HandleDialogKey(m);
      return true;
    default:
      return false;
  }
}

// CN_KEYDOWN / CN_CHAR: keys taken from the queue before the control sees
// them. Tab, arrows, Enter and Escape go to the form as CM_DIALOGKEY unless the
// control asks for them; characters go as CM_DIALOGCHAR (accelerators).
void TWinControl::HandleDialogKey(TMessage& m) {
  m.result = 0;
  TForm* form = ParentForm();
  if (!form) return;
  LRESULT code = handle_ ? SendMessageW(handle_.Get(), WM_GETDLGCODE, m.wparam, 0) : 0;
  if (m.msg == CN_KEYDOWN || m.msg == CN_SYSKEYDOWN) {
    // A short cut of the form's menu goes before everything else.
    if (form->IsShortCut(m)) {
      m.result = 1;
      return;
    }
    if (!IsDialogKeyCandidate(m.wparam)) return;
    if (code & DLGC_WANTALLKEYS) return;
    if (m.wparam == VK_TAB && code & DLGC_WANTTAB) return;
    if (m.wparam >= VK_LEFT && m.wparam <= VK_DOWN && code & DLGC_WANTARROWS) return;
    if (Perform(CM_WANTSPECIALKEY, m.wparam, m.lparam)) return;
    if (form->Perform(CM_DIALOGKEY, m.wparam, m.lparam)) m.result = 1;
    return;
  }
  if (m.msg == CN_CHAR && code & DLGC_WANTCHARS) return;
  if (form->Perform(CM_DIALOGCHAR, m.wparam, m.lparam)) m.result = 1;
}

bool TWinControl::DoKeyDown(uint16_t& key, TShiftState shift) {
  TForm* form = ParentForm();
  if (form && form != this && form->KeyPreview()) {
    form->OnKeyDown(form, key, shift);
    if (!key) return true;
  }
  OnKeyDown(this, key, shift);
  return key == 0;
}

bool TWinControl::DoKeyUp(uint16_t& key, TShiftState shift) {
  TForm* form = ParentForm();
  if (form && form != this && form->KeyPreview()) {
    form->OnKeyUp(form, key, shift);
    if (!key) return true;
  }
  OnKeyUp(this, key, shift);
  return key == 0;
}

bool TWinControl::DoKeyPress(wchar_t& key) {
  TForm* form = ParentForm();
  if (form && form != this && form->KeyPreview()) {
    form->OnKeyPress(form, key);
    if (!key) return true;
  }
  OnKeyPress(this, key);
  return key == 0;
}

}  // namespace kestrova::framework
