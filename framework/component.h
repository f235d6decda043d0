// TComponent: owner and owned components, names, notifications and state.
//
//   auto* timer = new TTimer(form);     // the form frees it, in reverse creation order
//   label->FreeNotification(theme);     // label->Notification(theme, opRemove) when theme goes
//   component->Free();                  // tears down while the whole object still exists
//
// Destroy components with Free() (or let their owner do it): the teardown
// (notifications, owned components) then still sees the derived object.
#pragma once

#include <any>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "framework/class_builder.h"
#include "framework/persistent.h"
#include "framework/sets.h"

namespace kestrova::framework {

enum class TOperation { opInsert, opRemove };
enum class TComponentStateFlag { csLoading, csReading, csWriting, csDestroying, csDesigning };
using TComponentState = SetOf<TComponentStateFlag>;

// What a design root (a form) publishes: fields the reader fills with the
// components of its design, handlers bound to events by name, and classes the
// design may name.
struct PublishedMembers {
  struct Field {
    std::string name;
    std::function<bool(TComponent*)> bind;  // false: the component's class does not fit
    std::function<void()> clear;
  };
  std::vector<Field> fields;
  std::vector<std::pair<std::string, std::any>> handlers;
  std::vector<const ClassInfo*> classes;

  Field* FindField(std::string_view name);
  const std::any* FindHandler(std::string_view name) const;
  const ClassInfo* FindClass(std::string_view name) const;
};

class TComponent : public TPersistent {
  KESTROVA_CLASS(TComponent)

 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  // Tears the component down (owned components, notifications) and deletes
  // it; while a Hold is on it, the delete waits for the last one to end.
  void Free();

  // Held while the component handles a message or event of its own, so that
  // a handler freeing it (a button freed in its OnClick, a timer in its tick)
  // returns into an object that still exists.
  class Hold {
   public:
    explicit Hold(TComponent* c) : c_(c) { ++c_->holds_; }
    ~Hold() {
      if (--c_->holds_ == 0 && c_->free_pending_) delete c_;
    }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

   private:
    TComponent* c_;
  };

  TComponent* Owner() const { return owner_; }
  const std::vector<TComponent*>& Components() const { return components_; }
  int ComponentCount() const { return int(components_.size()); }
  TComponent* FindComponent(std::string_view name) const;
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  const std::string& Name() const { return name_; }
  // Raises Error for a name that is not an identifier or is taken in the owner.
  void SetName(const std::string& name);
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  TComponentState ComponentState() const { return state_; }
  bool Loading() const { return state_.Contains(TComponentStateFlag::csLoading); }
  bool Designing() const { return state_.Contains(TComponentStateFlag::csDesigning); }
  bool Destroying() const { return state_.Contains(TComponentStateFlag::csDestroying); }
  void SetDesigning(bool designing);

  // Links two components that are not owner and owned: each is told when the
  // other is removed.
  void FreeNotification(TComponent* other);
  void RemoveFreeNotification(TComponent* other);

  // Run after the constructor of the most derived class (forms run OnCreate here).
  virtual void AfterConstruction() {}
  // Called once a stored design has been read; clears the loading state.
  virtual void Loaded();
  // Called before a design is read into the component.
  virtual void BeginLoading();

  const PublishedMembers* Published() const { return published_.get(); }

  // Designs nest the components a component holds as its items (a menu its
  // menu items) inside it. The reader offers each nested object to the
  // enclosing component; the writer asks it for them back.
  virtual bool AcceptDesignChild(TComponent* /*child*/) { return false; }
  virtual std::vector<TComponent*> DesignChildren() const { return {}; }

 protected:
  // Told about components inserted into or removed from the owner, and about
  // removal of free-notification partners. Overrides call the base.
  virtual void Notification(TComponent* component, TOperation operation);
  // The first teardown step, while the derived object is whole.
  virtual void BeforeDestroy() {}

  template <class T>
  void PublishField(std::string name, T*& field) {
    Members().classes.push_back(&T::StaticClass());
    Members().fields.push_back({std::move(name),
                                [&field](TComponent* c) {
                                  field = dynamic_cast<T*>(c);
                                  return field != nullptr;
                                },
                                [&field] { field = nullptr; }});
  }
  template <class Owner, class... A>
  void PublishHandler(std::string name, void (Owner::*method)(A...)) {
    Owner* self = static_cast<Owner*>(this);
    std::function<void(A...)> fn = [self, method](A... args) {
      (self->*method)(std::forward<A>(args)...);
    };
    Members().handlers.emplace_back(std::move(name), std::any(std::move(fn)));
  }
  template <class T>
  void PublishClass() {
    Members().classes.push_back(&T::StaticClass());
  }

 private:
  friend void NotifyAll(TComponent*, TComponent*, TOperation);
  void Teardown();
  void MarkDestroying();
  PublishedMembers& Members();

  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> free_links_;
  std::string name_;
  int tag_ = 0;
  TComponentState state_;
  bool torn_down_ = false;
  int holds_ = 0;
  bool free_pending_ = false;
  std::unique_ptr<PublishedMembers> published_;
};

// Frees a component when it goes out of scope (for components without owner).
struct ComponentDeleter {
  void operator()(TComponent* c) const { c->Free(); }
};
template <class T>
using OwnedComponent = std::unique_ptr<T, ComponentDeleter>;

// Creates a component and runs its AfterConstruction.
template <class T, class... A>
T* CreateComponent(A&&... args) {
  T* c = new T(std::forward<A>(args)...);
  try {
    c->AfterConstruction();
  } catch (...) {
    c->Free();
    throw;
  }
  return c;
}

}  // namespace kestrova::framework
