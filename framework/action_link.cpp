#include "framework/action_link.h"

#include <algorithm>

#include "framework/action.h"

namespace kestrova::framework {

TActionLink::TActionLink(TCustomAction& action, Handler changed)
    : action_(&action), changed_(std::move(changed)) {
  action.links_.push_back(this);
  changed_(action);
}

TActionLink::~TActionLink() {
  if (!action_) return;
  auto& links = action_->links_;
  links.erase(std::remove(links.begin(), links.end(), this), links.end());
}

bool TActionLink::Execute() { return action_ && action_->Execute(); }

void LinkAction(TComponent& client, TCustomAction*& current, std::unique_ptr<TActionLink>& link,
                TCustomAction* action, TActionLink::Handler changed) {
  if (action == current) return;
  if (current) client.RemoveFreeNotification(current);
  link.reset();
  current = action;
  if (!action) return;
  client.FreeNotification(action);
  link = std::make_unique<TActionLink>(*action, std::move(changed));
}

}  // namespace kestrova::framework
