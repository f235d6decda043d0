#include "framework/menu_item.h"

#include <algorithm>

#include "framework/action.h"
#include "framework/action_link.h"
#include "framework/class_builder.h"
#include "framework/menu.h"

namespace kestrova::framework {

const ClassInfo& TMenuItem::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TMenuItem>("TMenuItem", &TComponent::StaticClass())
          .Component<TCustomAction>("Action", &TMenuItem::Action, &TMenuItem::SetAction)
          .String("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
          .Boolean("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked, false)
          .Boolean("Default", &TMenuItem::Default, &TMenuItem::SetDefault, false)
          .Boolean("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled, true)
          .Integer("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex, 0)
          .String("Hint", &TMenuItem::Hint, &TMenuItem::SetHint)
          .Integer("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex, -1)
          .Boolean("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem, false)
          .Integer("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut, 0)
          .Boolean("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible, true)
          .Event("OnClick", &TMenuItem::OnClick)
          .Event("OnMeasureItem", &TMenuItem::OnMeasureItem)
          .Event("OnAdvancedDrawItem", &TMenuItem::OnAdvancedDrawItem)
          .Build();
  return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() = default;

void TMenuItem::BeforeDestroy() {
  SetAction(nullptr);
  // Items under this one go with it, the last first.
  while (!items_.empty()) items_.back()->Free();
  if (parent_) parent_->Remove(this);
  TComponent::BeforeDestroy();
}

void TMenuItem::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && action_ && component == action_) SetAction(nullptr);
}

void TMenuItem::Changed(bool rebuild) {
  if (TMenu* menu = GetParentMenu()) menu->MenuChanged(this, rebuild);
}

void TMenuItem::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed(true);
}

void TMenuItem::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  if (checked && radio_item_) UncheckGroup();
  Changed(true);
}

void TMenuItem::UncheckGroup() {
  if (!parent_) return;
  for (TMenuItem* sibling : parent_->items_)
    if (sibling != this && sibling->radio_item_ && sibling->group_index_ == group_index_ &&
        sibling->checked_) {
      sibling->checked_ = false;
      sibling->Changed(true);
    }
}

void TMenuItem::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed(true);
}

void TMenuItem::SetDefault(bool v) {
  if (v == default_) return;
  default_ = v;
  Changed(true);
}

void TMenuItem::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Changed(true);
}

void TMenuItem::SetRadioItem(bool v) {
  if (v == radio_item_) return;
  radio_item_ = v;
  if (v && checked_) UncheckGroup();
  Changed(true);
}

void TMenuItem::SetGroupIndex(int v) {
  if (v == group_index_) return;
  group_index_ = v;
  if (radio_item_ && checked_) UncheckGroup();
  Changed(true);
}

void TMenuItem::SetImageIndex(int index) {
  if (index == image_index_) return;
  image_index_ = index;
  Changed(true);
}

void TMenuItem::SetShortCut(TShortCut short_cut) {
  if (short_cut == short_cut_) return;
  short_cut_ = short_cut;
  Changed(true);
}

void TMenuItem::SetAction(TCustomAction* action) {
  LinkAction(*this, action_, action_link_, action, [this](TCustomAction& a) { ActionChange(a); });
}

void TMenuItem::ActionChange(TCustomAction& action) {
  SetCaption(action.Caption());
  SetChecked(action.Checked());
  SetEnabled(action.Enabled());
  SetVisible(action.Visible());
  SetImageIndex(action.ImageIndex());
  SetShortCut(action.ShortCut());
  SetHint(action.Hint());
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : int(it - items_.begin());
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item || item == this) return;
  for (const TMenuItem* p = this; p; p = p->parent_)
    if (p == item) throw Error("A menu item cannot hold itself");
  if (item->parent_) item->parent_->Remove(item);
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  Changed(true);
}

void TMenuItem::Remove(TMenuItem* item) {
  int index = IndexOf(item);
  if (index < 0) return;
  items_.erase(items_.begin() + index);
  item->parent_ = nullptr;
  Changed(true);
}

void TMenuItem::Clear() {
  while (!items_.empty()) items_.back()->Free();
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  return root->menu_;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (auto* menu = dynamic_cast<TMenu*>(parent))
    menu->Items()->Add(this);
  else if (auto* item = dynamic_cast<TMenuItem*>(parent))
    item->Add(this);
}

bool TMenuItem::AcceptDesignChild(TComponent* child) {
  auto* item = dynamic_cast<TMenuItem*>(child);
  if (item) item->SetParentComponent(this);
  return item != nullptr;
}

std::vector<TComponent*> TMenuItem::DesignChildren() const {
  return std::vector<TComponent*>(items_.begin(), items_.end());
}

void TMenuItem::Click() {
  if (!enabled_) return;
  if (OnClick)
    OnClick(this);
  else if (action_link_)
    action_link_->Execute();
}

}  // namespace kestrova::framework
