// TActionLink: ties a client (a control, a menu item) to an action. The
// action calls the link's handler on every change of its properties; the
// link unregisters itself when it goes, and is cut when the action goes.
//
//   link_ = std::make_unique<TActionLink>(*action, [this](TCustomAction& a) { ActionChange(a); });
#pragma once

#include <functional>
#include <memory>

namespace kestrova::framework {

class TComponent;
class TCustomAction;

class TActionLink {
 public:
  using Handler = std::function<void(TCustomAction&)>;
  TActionLink(TCustomAction& action, Handler changed);
  ~TActionLink();
  TActionLink(const TActionLink&) = delete;
  TActionLink& operator=(const TActionLink&) = delete;

  // Null once the action is gone.
  TCustomAction* Action() const { return action_; }
  // Executes the action; false when there is none (or it is disabled).
  bool Execute();

 private:
  friend class TCustomAction;
  TCustomAction* action_;
  Handler changed_;
};

// A client's SetAction: unlinks `current`, links `action` (or none) with a
// new link calling `changed`, and asks to hear of the action's removal.
void LinkAction(TComponent& client, TCustomAction*& current, std::unique_ptr<TActionLink>& link,
                TCustomAction* action, TActionLink::Handler changed);

}  // namespace kestrova::framework
