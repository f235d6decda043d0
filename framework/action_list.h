// TActionList: a set of actions sharing an image list (an action's
// ImageIndex points into Images) and list-wide OnExecute / OnUpdate handlers
// that see each action first.
//
//   auto* actions = new TActionList(form);
//   actions->SetImages(images);
//   actions->OnExecute = [](TCustomAction* a, bool& handled) { ... };
#pragma once

#include <vector>

#include "framework/component.h"
#include "framework/events.h"

namespace kestrova::framework {

class TCustomAction;
class TImageList;

using TActionEvent = TEvent<TCustomAction*, bool&>;

class TActionList : public TComponent {
  KESTROVA_CLASS(TActionList)

 public:
  explicit TActionList(TComponent* owner);
  ~TActionList() override;

  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  int ActionCount() const { return int(actions_.size()); }
  TCustomAction* Actions(int index) const { return actions_.at(size_t(index)); }

  // Runs every action's Update.
  void UpdateActions();

  TActionEvent OnExecute;
  TActionEvent OnUpdate;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TCustomAction;
  void AddAction(TCustomAction* action);
  void RemoveAction(TCustomAction* action);

  TImageList* images_ = nullptr;
  std::vector<TCustomAction*> actions_;
};

}  // namespace kestrova::framework
