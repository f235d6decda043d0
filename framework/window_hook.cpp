#include "framework/window_hook.h"

#include <algorithm>

namespace kestrova::framework {

void TWindowHookList::Run(TMessage& m, const TWndMethod& last) const {
  // A copy: a hook may unlink itself or others while it runs.
  std::vector<std::shared_ptr<TWindowHookProc>> chain;
  for (const auto& entry : hooks) chain.push_back(entry.second);
  std::function<void(size_t, TMessage&)> step = [&](size_t i, TMessage& msg) {
    if (i == 0) return last(msg);
    (*chain[i - 1])(msg, [&, i](TMessage& next) { step(i - 1, next); });
  };
  step(chain.size(), m);
}

TWindowHook& TWindowHook::operator=(TWindowHook&& other) noexcept {
  if (this != &other) {
    Unhook();
    list_ = std::move(other.list_);
    id_ = std::exchange(other.id_, 0);
  }
  return *this;
}

void TWindowHook::Unhook() {
  if (auto list = list_.lock()) {
    auto& v = list->hooks;
    v.erase(std::remove_if(v.begin(), v.end(), [this](const auto& e) { return e.first == id_; }),
            v.end());
  }
  list_.reset();
  id_ = 0;
}

}  // namespace kestrova::framework
