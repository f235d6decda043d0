#include "framework/collection.h"

#include "framework/class_builder.h"
#include "framework/component.h"

namespace kestrova::framework {

const ClassInfo& TCollectionItem::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TCollectionItem>("TCollectionItem", &TPersistent::StaticClass()).Build();
  return info;
}

void TCollectionItem::Assign(const TPersistent& source) {
  if (&source.Class() != &Class()) return TPersistent::Assign(source);
  CopyPublishedProperties(source, *this);
}

int TCollectionItem::Index() const {
  if (!collection_) return -1;
  for (int i = 0; i < collection_->Count(); ++i)
    if (collection_->Item(i) == this) return i;
  return -1;
}

void TCollectionItem::Changed(bool all) {
  if (collection_) collection_->Changed(all ? nullptr : this);
}

void TCollectionItem::FreeNotify(TComponent* component) {
  auto* owner = collection_ ? dynamic_cast<TComponent*>(collection_->Owner()) : nullptr;
  if (owner && component) component->FreeNotification(owner);
}

const ClassInfo& TCollection::StaticClass() {
  static const ClassInfo info = [] {
    ClassInfo c;
    c.name = "TCollection";
    c.parent = &TPersistent::StaticClass();
    return c;
  }();
  return info;
}

TCollectionItem* TCollection::AddItem() {
  items_.push_back(NewItem());
  items_.back()->collection_ = this;
  Changed();
  return items_.back().get();
}

void TCollection::Delete(int index) {
  items_.erase(items_.begin() + index);
  Changed();
}

void TCollection::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Changed();
}

void TCollection::Assign(const TPersistent& source) {
  auto* o = dynamic_cast<const TCollection*>(&source);
  if (!o) return TPersistent::Assign(source);
  if (o == this) return;
  BeginUpdate();
  items_.clear();
  for (const auto& item : o->items_) AddItem()->Assign(*item);
  Changed();
  EndUpdate();
}

void TCollection::EndUpdate() {
  if (update_count_ == 0 || --update_count_ > 0 || !changed_while_updating_) return;
  changed_while_updating_ = false;
  Update(nullptr);
}

void TCollection::Changed(TCollectionItem* item) {
  if (update_count_ > 0) {
    changed_while_updating_ = true;
    return;
  }
  Update(item);
}

void TCollection::Notification(TComponent* component, TOperation operation) {
  for (size_t i = 0; i < items_.size(); ++i) items_[i]->Notification(component, operation);
}

}  // namespace kestrova::framework
