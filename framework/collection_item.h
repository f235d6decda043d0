// TCollectionItem: one item of a TCollection (collection.h), with published
// properties of its own class; it tells its collection when it changes.
//
//   class TSection : public TCollectionItem { KESTROVA_CLASS(TSection) ... };
#pragma once

#include "framework/persistent.h"

namespace kestrova::framework {

class TCollection;
class TComponent;
enum class TOperation;

class TCollectionItem : public TPersistent {
  KESTROVA_CLASS(TCollectionItem)

 public:
  TCollection* Collection() const { return collection_; }
  // Items of the same class copy each other's published properties.
  void Assign(const TPersistent& source) override;
  int Index() const;

 protected:
  // The item's properties changed: the collection's Update(this), or
  // Update(nullptr) when `all` items are concerned.
  void Changed(bool all = false);
  // Asks the collection's owner to hear of `component`'s removal; the owner
  // passes it on through TCollection::Notification.
  void FreeNotify(TComponent* component);
  // A component was inserted or removed (see TCollection::Notification).
  virtual void Notification(TComponent* /*component*/, TOperation /*operation*/) {}

 private:
  friend class TCollection;
  TCollection* collection_ = nullptr;
};

}  // namespace kestrova::framework
