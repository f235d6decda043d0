// THintWindow: the small pop-up that shows a control's Hint, in the
// system's tooltip colours, just below the mouse.
//
//   THintWindow hint;
//   hint.ActivateHint({x, y + 20}, "Saves the file");   // screen coordinates
//   hint.ReleaseHint();                                 // hidden again
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "framework/handles.h"

namespace kestrova::framework {

class THintWindow {
 public:
  // `on_timer` hears the window's timers (the hint's pause and hide delays).
  explicit THintWindow(std::function<void(UINT_PTR id)> on_timer = {});
  THintWindow(const THintWindow&) = delete;
  THintWindow& operator=(const THintWindow&) = delete;

  // Shows `text` with its top-left corner at `at`, kept on the monitor.
  void ActivateHint(POINT at, const std::string& text);
  void ReleaseHint();
  bool Showing() const;
  const std::string& Text() const { return text_; }
  HWND Handle() const { return window_.Get(); }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);
  void Paint();
  SIZE Measure() const;

  WindowHandle window_;
  std::string text_;
  std::function<void(UINT_PTR)> on_timer_;
};

}  // namespace kestrova::framework
