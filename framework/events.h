// Event properties: TEvent<Args...> holds one handler and, when it was bound
// by name from a stored design, the handler's name (so designs round-trip).
//
//   button->OnClick = [](TComponent* sender) { ... };
//   if (OnClick) OnClick(this);
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "framework/sets.h"

namespace kestrova::framework {

class TComponent;

template <class... Args>
class TEvent {
 public:
  using Handler = std::function<void(Args...)>;

  TEvent() = default;
  TEvent& operator=(Handler handler) {
    handler_ = std::move(handler);
    name_.clear();
    return *this;
  }
  void Bind(std::string name, Handler handler) {
    handler_ = std::move(handler);
    name_ = std::move(name);
  }
  void Clear() { *this = Handler(); }
  explicit operator bool() const { return bool(handler_); }
  void operator()(Args... args) const {
    if (handler_) handler_(std::forward<Args>(args)...);
  }
  const Handler& Get() const { return handler_; }
  // The design name of the bound handler; empty when set from code.
  const std::string& HandlerName() const { return name_; }

 private:
  Handler handler_;
  std::string name_;
};

enum class TShiftFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = SetOf<TShiftFlag>;
enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

using TNotifyEvent = TEvent<TComponent*>;
using TMouseEvent = TEvent<TComponent*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TComponent*, TShiftState, int, int>;
using TKeyEvent = TEvent<TComponent*, uint16_t&, TShiftState>;
using TKeyPressEvent = TEvent<TComponent*, wchar_t&>;
using TCloseEvent = TEvent<TComponent*, TCloseAction&>;

}  // namespace kestrova::framework
