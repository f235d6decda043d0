// THintController: when a control's Hint shows. The application hands it
// every message its loop takes; resting the mouse on a control whose
// ShowHint is on and whose Hint is not empty shows the hint after HintPause
// milliseconds, for HintHidePause; moving to another control, a click, a key
// or the wheel hides it.
//
//   app.Hints().SetHintPause(300);
//   bool up = app.Hints().Showing();
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "framework/hint_window.h"

namespace kestrova::framework {

class TControl;

class THintController {
 public:
  THintController();
  ~THintController();
  THintController(const THintController&) = delete;
  THintController& operator=(const THintController&) = delete;

  void MessageSeen(const MSG& msg);
  void CancelHint();

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int HintPause() const { return pause_; }
  void SetHintPause(int milliseconds) { pause_ = milliseconds; }
  int HintHidePause() const { return hide_pause_; }
  void SetHintHidePause(int milliseconds) { hide_pause_ = milliseconds; }

  bool Showing() const { return window_ && window_->Showing(); }
  // The text shown, or empty.
  std::string HintText() const { return Showing() ? window_->Text() : std::string(); }

 private:
  void MouseMoved(HWND window, POINT screen);
  void OnTimer(UINT_PTR id);
  void StartTimer(UINT_PTR id, int milliseconds);
  void StopTimers();
  THintWindow& Window();

  std::unique_ptr<THintWindow> window_;  // made when the first hint is due
  // The control under the mouse, only compared, never used after a wait:
  // the hint looks the control up again when its pause is over.
  const TControl* control_ = nullptr;
  HWND mouse_window_ = nullptr;
  POINT mouse_{};
  bool enabled_ = true;
  int pause_ = 500;
  int hide_pause_ = 2500;
};

}  // namespace kestrova::framework
