#include "framework/action_list.h"

#include <algorithm>

#include "framework/action.h"
#include "framework/class_builder.h"
#include "framework/image_list.h"

namespace kestrova::framework {

const ClassInfo& TActionList::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TActionList>("TActionList", &TComponent::StaticClass())
          .Component<TImageList>("Images", &TActionList::Images, &TActionList::SetImages)
          .Event("OnExecute", &TActionList::OnExecute)
          .Event("OnUpdate", &TActionList::OnUpdate)
          .Build();
  return info;
}

TActionList::TActionList(TComponent* owner) : TComponent(owner) {}

TActionList::~TActionList() {
  for (TCustomAction* a : actions_) a->action_list_ = nullptr;
}

void TActionList::SetImages(TImageList* images) {
  if (images == images_) return;
  if (images_) RemoveFreeNotification(images_);
  images_ = images;
  if (images) FreeNotification(images);
}

void TActionList::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == images_) images_ = nullptr;
}

void TActionList::UpdateActions() {
  std::vector<TCustomAction*> actions = actions_;
  for (TCustomAction* a : actions) a->Update();
}

void TActionList::AddAction(TCustomAction* action) { actions_.push_back(action); }

void TActionList::RemoveAction(TCustomAction* action) {
  actions_.erase(std::remove(actions_.begin(), actions_.end(), action), actions_.end());
}

}  // namespace kestrova::framework
