#include "framework/action.h"

#include <algorithm>

#include "framework/action_link.h"
#include "framework/action_list.h"
#include "framework/class_builder.h"

namespace kestrova::framework {

const ClassInfo& TCustomAction::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TCustomAction>("TCustomAction", &TComponent::StaticClass())
          .String("Caption", &TCustomAction::Caption, &TCustomAction::SetCaption)
          .String("Category", &TCustomAction::Category, &TCustomAction::SetCategory)
          .Boolean("Checked", &TCustomAction::Checked, &TCustomAction::SetChecked, false)
          .Boolean("Enabled", &TCustomAction::Enabled, &TCustomAction::SetEnabled, true)
          .String("Hint", &TCustomAction::Hint, &TCustomAction::SetHint)
          .Integer("ImageIndex", &TCustomAction::ImageIndex, &TCustomAction::SetImageIndex, -1)
          .Integer("ShortCut", &TCustomAction::ShortCut, &TCustomAction::SetShortCut, 0)
          .Boolean("Visible", &TCustomAction::Visible, &TCustomAction::SetVisible, true)
          .Component<TActionList>("ActionList", &TCustomAction::ActionList,
                                  &TCustomAction::SetActionList)
          .Event("OnExecute", &TCustomAction::OnExecute)
          .Event("OnUpdate", &TCustomAction::OnUpdate)
          .Build();
  return info;
}

const ClassInfo& TAction::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TAction>("TAction", &TCustomAction::StaticClass()).Build();
  return info;
}

TCustomAction::TCustomAction(TComponent* owner) : TComponent(owner) {}

TCustomAction::~TCustomAction() {
  // Links of clients that outlive the action find it gone.
  for (TActionLink* link : links_) link->action_ = nullptr;
}

void TCustomAction::BeforeDestroy() {
  SetActionList(nullptr);
  TComponent::BeforeDestroy();
}

void TCustomAction::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == action_list_) {
    action_list_->RemoveAction(this);
    action_list_ = nullptr;
  }
}

void TCustomAction::SetActionList(TActionList* list) {
  if (list == action_list_) return;
  if (action_list_) {
    action_list_->RemoveAction(this);
    RemoveFreeNotification(action_list_);
  }
  action_list_ = list;
  if (list) {
    list->AddAction(this);
    FreeNotification(list);
  }
  Changed();
}

void TCustomAction::Changed() {
  // A handler may unlink a client: walk a copy.
  std::vector<TActionLink*> links = links_;
  for (TActionLink* link : links)
    if (std::find(links_.begin(), links_.end(), link) != links_.end()) link->changed_(*this);
}

void TCustomAction::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed();
}

void TCustomAction::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Changed();
}

void TCustomAction::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed();
}

void TCustomAction::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Changed();
}

void TCustomAction::SetImageIndex(int index) {
  if (index == image_index_) return;
  image_index_ = index;
  Changed();
}

void TCustomAction::SetShortCut(TShortCut short_cut) {
  if (short_cut == short_cut_) return;
  short_cut_ = short_cut;
  Changed();
}

void TCustomAction::SetHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  Changed();
}

bool TCustomAction::Execute() {
  Update();
  if (!enabled_) return false;
  bool handled = false;
  if (action_list_) action_list_->OnExecute(this, handled);
  if (handled) return true;
  if (!OnExecute) return false;
  OnExecute(this);
  return true;
}

bool TCustomAction::Update() {
  bool handled = false;
  if (action_list_) action_list_->OnUpdate(this, handled);
  if (handled) return true;
  if (!OnUpdate) return false;
  OnUpdate(this);
  return true;
}

}  // namespace kestrova::framework
