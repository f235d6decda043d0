// TTimer: a window-message timer (WM_TIMER on a hidden window of its own);
// ticks arrive on the GUI thread between other messages.
//
//   auto* t = new TTimer(form);
//   t->SetInterval(100);
//   t->OnTimer = [](TComponent*) { ... };   // enabled from the start
#pragma once

#include "framework/component.h"
#include "framework/events.h"
#include "framework/handles.h"

namespace kestrova::framework {

class TTimer : public TComponent {
  KESTROVA_CLASS(TTimer)

 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Milliseconds; 0 stops the timer.
  int Interval() const { return interval_; }
  void SetInterval(int interval);

  TNotifyEvent OnTimer;

  void Loaded() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  void Update();

  bool enabled_ = true;
  int interval_ = 1000;
  WindowHandle window_;
};

}  // namespace kestrova::framework
