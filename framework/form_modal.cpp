// TForm::ShowModal: the form runs its own message loop while every other
// window of the thread is disabled.
#include <windows.h>

#include <vector>

#include "framework/application.h"
#include "framework/form.h"

namespace kestrova::framework {
namespace {

// Disables the thread's other visible, enabled top-level windows, and
// enables them again (at the latest when it goes).
class DisabledWindows {
 public:
  explicit DisabledWindows(HWND keep) : keep_(keep) {
    EnumThreadWindows(GetCurrentThreadId(), &DisabledWindows::Visit, LPARAM(this));
    for (HWND w : windows_) EnableWindow(w, FALSE);
  }
  ~DisabledWindows() { Enable(); }
  DisabledWindows(const DisabledWindows&) = delete;
  DisabledWindows& operator=(const DisabledWindows&) = delete;

  void Enable() {
    for (HWND w : windows_)
      if (IsWindow(w)) EnableWindow(w, TRUE);
    windows_.clear();
  }

 private:
  static BOOL CALLBACK Visit(HWND window, LPARAM self) {
    auto* d = reinterpret_cast<DisabledWindows*>(self);
    if (window != d->keep_ && IsWindowVisible(window) && IsWindowEnabled(window))
      d->windows_.push_back(window);
    return TRUE;
  }

  HWND keep_;
  std::vector<HWND> windows_;
};

}  // namespace

int TForm::ShowModal() {
  if (Visible()) throw Error("Cannot make a visible window modal");
  modal_ = true;
  modal_result_ = mrNone;
  DisabledWindows others(Handle());
  Show();
  TApplication* app = TApplication::Current();
  while (modal_result_ == mrNone) {
    if (app) {
      app->HandleMessage();
      if (app->Terminated()) break;
    } else {
      MSG msg;
      if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
        PostQuitMessage(0);
        break;
      }
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (!Visible() && modal_result_ == mrNone) modal_result_ = mrCancel;
  }
  // The others come back before this one hides, so one of them gets activated.
  others.Enable();
  Hide();
  modal_ = false;
  return modal_result_;
}

}  // namespace kestrova::framework
