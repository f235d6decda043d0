// TMenuWindow: a hidden window that owns a popup menu while it is shown and
// receives its messages (commands, owner draw, menu characters), handing
// each to a handler. Errors never leave its window procedure.
//
//   TMenuWindow window([this](TMessage& m) { return DispatchMenuMessage(m); });
//   TrackPopupMenuEx(menu, flags, x, y, window.Handle(), nullptr);
#pragma once

#include <windows.h>

#include <functional>

#include "framework/handles.h"
#include "framework/messages.h"

namespace kestrova::framework {

class TMenuWindow {
 public:
  // True: the handler took the message (its result is m.result).
  using Handler = std::function<bool(TMessage&)>;
  explicit TMenuWindow(Handler handler);
  TMenuWindow(const TMenuWindow&) = delete;
  TMenuWindow& operator=(const TMenuWindow&) = delete;
  HWND Handle() const { return window_.Get(); }

 private:
  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  Handler handler_;
  WindowHandle window_;
};

}  // namespace kestrova::framework
