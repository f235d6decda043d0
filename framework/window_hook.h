// TWindowHook: the token of a hook put in front of a control's window
// procedure; the hook is unlinked when the token goes, in any order.
//
//   TWindowHook hook = control->HookWindowProc([](TMessage& m, const TWndMethod& next) {
//     if (m.msg == WM_NCHITTEST) { m.result = HTCAPTION; return; }
//     next(m);
//   });
#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "framework/messages.h"

namespace kestrova::framework {

using TWindowHookProc = std::function<void(TMessage&, const TWndMethod& next)>;

// The hooks of one control, oldest first.
struct TWindowHookList {
  std::vector<std::pair<int, std::shared_ptr<TWindowHookProc>>> hooks;
  int next_id = 1;
  // Runs the hooks newest first, ending in `last`.
  void Run(TMessage& m, const TWndMethod& last) const;
};

class TWindowHook {
 public:
  TWindowHook() = default;
  TWindowHook(std::weak_ptr<TWindowHookList> list, int id) : list_(std::move(list)), id_(id) {}
  TWindowHook(TWindowHook&& other) noexcept { *this = std::move(other); }
  TWindowHook& operator=(TWindowHook&& other) noexcept;
  ~TWindowHook() { Unhook(); }
  // Unlinks the hook now (nothing when the control has gone).
  void Unhook();

 private:
  std::weak_ptr<TWindowHookList> list_;
  int id_ = 0;
};

}  // namespace kestrova::framework
