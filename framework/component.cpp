#include "framework/component.h"

#include <algorithm>

#include "framework/text.h"

namespace kestrova::framework {
namespace {

bool IsIdentifier(std::string_view name) {
  if (name.empty()) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    char c = name[i];
    bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    if (!letter && !(i > 0 && c >= '0' && c <= '9')) return false;
  }
  return true;
}

template <class V>
void Erase(V& v, TComponent* c) {
  v.erase(std::remove(v.begin(), v.end(), c), v.end());
}

}  // namespace

PublishedMembers::Field* PublishedMembers::FindField(std::string_view name) {
  for (Field& f : fields)
    if (SameText(f.name, name)) return &f;
  return nullptr;
}

const std::any* PublishedMembers::FindHandler(std::string_view name) const {
  for (const auto& [n, h] : handlers)
    if (SameText(n, name)) return &h;
  return nullptr;
}

const ClassInfo* PublishedMembers::FindClass(std::string_view name) const {
  for (const ClassInfo* c : classes)
    if (SameText(c->name, name)) return c;
  return nullptr;
}

const ClassInfo& TComponent::StaticClass() {
  static const ClassInfo info = ClassBuilder<TComponent>("TComponent", &TPersistent::StaticClass())
                                    .String("Name", &TComponent::Name, &TComponent::SetName)
                                    .StoredWhen([](const TComponent&) { return false; })
                                    .Integer("Tag", &TComponent::Tag, &TComponent::SetTag, 0)
                                    .Build();
  return info;
}

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() { Teardown(); }

void TComponent::Free() {
  Teardown();
  if (holds_ > 0) {
    free_pending_ = true;
    return;
  }
  delete this;
}

void TComponent::MarkDestroying() {
  state_.Include(TComponentStateFlag::csDestroying);
  for (TComponent* c : components_) c->MarkDestroying();
}

void TComponent::Teardown() {
  if (torn_down_) return;
  torn_down_ = true;
  MarkDestroying();
  BeforeDestroy();
  while (!free_links_.empty()) {
    TComponent* other = free_links_.back();
    free_links_.pop_back();
    Erase(other->free_links_, this);
    other->Notification(this, TOperation::opRemove);
  }
  // Owned components go last-created first.
  while (!components_.empty()) {
    TComponent* c = components_.back();
    c->Free();  // removes itself from components_ through RemoveComponent
  }
  if (owner_) owner_->RemoveComponent(this);
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_)
    if (SameText(c->name_, name)) return c;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  if (component->owner_) component->owner_->RemoveComponent(component);
  if (!component->name_.empty() && FindComponent(component->name_))
    throw Error("A component named " + component->name_ + " already exists");
  components_.push_back(component);
  component->owner_ = this;
  Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  if (component->owner_ != this) return;
  Notification(component, TOperation::opRemove);
  if (published_)
    if (auto* field = published_->FindField(component->name_)) field->clear();
  Erase(components_, component);
  component->owner_ = nullptr;
}

void TComponent::SetName(const std::string& name) {
  if (name == name_) return;
  if (!name.empty() && !IsIdentifier(name))
    throw Error("\"" + name + "\" is not a valid component name");
  if (owner_ && !name.empty()) {
    TComponent* other = owner_->FindComponent(name);
    if (other && other != this) throw Error("A component named " + name + " already exists");
  }
  name_ = name;
}

void TComponent::SetDesigning(bool designing) {
  if (designing)
    state_.Include(TComponentStateFlag::csDesigning);
  else
    state_.Exclude(TComponentStateFlag::csDesigning);
  for (TComponent* c : components_) c->SetDesigning(designing);
}

void TComponent::FreeNotification(TComponent* other) {
  if (!other || other == this) return;
  if (std::find(free_links_.begin(), free_links_.end(), other) == free_links_.end()) {
    free_links_.push_back(other);
    other->free_links_.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* other) {
  if (!other) return;
  Erase(free_links_, other);
  Erase(other->free_links_, this);
}

void TComponent::BeginLoading() { state_.Include(TComponentStateFlag::csLoading); }

void TComponent::Loaded() { state_.Exclude(TComponentStateFlag::csLoading); }

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove) RemoveFreeNotification(component);
  // The owner passes every insertion and removal on to all it owns.
  for (size_t i = 0; i < components_.size(); ++i) {
    TComponent* c = components_[i];
    if (c != this) c->Notification(component, operation);
  }
}

PublishedMembers& TComponent::Members() {
  if (!published_) published_ = std::make_unique<PublishedMembers>();
  return *published_;
}

}  // namespace kestrova::framework
