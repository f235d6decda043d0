// TApplicationEvents: the application's events on a component a form can
// hold. Made, it takes over the application's single message hook (its own
// OnMessage sees each queued message first); assigning TApplication::OnMessage
// later replaces it outright, and it gives the hook up when it goes only if
// the hook is still its own.
//
//   auto* events = new TApplicationEvents(form);
//   events->OnMessage = [](MSG& msg, bool& handled) { handled = msg.message == WM_KEYDOWN; };
#pragma once

#include <string>

#include "framework/application.h"
#include "framework/component.h"

namespace kestrova::framework {

class TApplicationEvents : public TComponent {
  KESTROVA_CLASS(TApplicationEvents)

 public:
  explicit TApplicationEvents(TComponent* owner);

  // Whether the application's hook is (still) this object's.
  bool OwnsHook() const;

  TMessageEvent OnMessage;

 protected:
  void BeforeDestroy() override;

 private:
  std::string hook_name_;
};

}  // namespace kestrova::framework
