#include "framework/application_events.h"

#include <cstdio>

#include "framework/class_builder.h"

namespace kestrova::framework {

const ClassInfo& TApplicationEvents::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TApplicationEvents>("TApplicationEvents", &TComponent::StaticClass())
          .Event("OnMessage", &TApplicationEvents::OnMessage)
          .Build();
  return info;
}

TApplicationEvents::TApplicationEvents(TComponent* owner) : TComponent(owner) {
  // The hook's name tells later whether the application still holds ours:
  // an assignment from code clears it.
  char name[48];
  std::snprintf(name, sizeof name, "TApplicationEvents@%p", static_cast<void*>(this));
  hook_name_ = name;
  if (TApplication* app = TApplication::Current())
    app->OnMessage.Bind(hook_name_, [this](MSG& msg, bool& handled) { OnMessage(msg, handled); });
}

bool TApplicationEvents::OwnsHook() const {
  TApplication* app = TApplication::Current();
  return app && app->OnMessage && app->OnMessage.HandlerName() == hook_name_;
}

void TApplicationEvents::BeforeDestroy() {
  if (OwnsHook()) TApplication::Current()->OnMessage.Clear();
  TComponent::BeforeDestroy();
}

}  // namespace kestrova::framework
