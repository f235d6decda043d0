// TCollection: an ordered list of items of one class, each with published
// properties; stored in designs as < item ... end >. A collection may know
// its owner (the component that holds it): items that refer to components
// are told of their removal through the owner's notifications.
//
// The item base is in collection_item.h, the typed TOwnedCollection<T> in
// owned_collection.h (which this header brings along).
//
//   class TSection : public TCollectionItem { KESTROVA_CLASS(TSection) ... };
//   TOwnedCollection<TSection> sections{this};     // in the owner's members
//   TSection* s = sections.Add();
//   sections.BeginUpdate(); ...; sections.EndUpdate();   // one Update(nullptr)
//   // in the owner: void Notification(c, op) override { ...; sections.Notification(c, op); }
#pragma once

#include <memory>
#include <vector>

#include "framework/collection_item.h"
#include "framework/persistent.h"

namespace kestrova::framework {

class TComponent;
enum class TOperation;

class TCollection : public TPersistent {
  KESTROVA_CLASS(TCollection)

 public:
  explicit TCollection(TPersistent* owner = nullptr) : owner_(owner) {}
  TPersistent* Owner() const { return owner_; }
  int Count() const { return int(items_.size()); }
  TCollectionItem* Item(int index) const { return items_.at(size_t(index)).get(); }
  // A new item of the collection's class at the end.
  TCollectionItem* AddItem();
  void Delete(int index);
  void Clear();
  // Copies the items (through each item's Assign).
  void Assign(const TPersistent& source) override;

  // Changes between BeginUpdate and the last EndUpdate end in one Update(nullptr).
  void BeginUpdate() { ++update_count_; }
  void EndUpdate();
  int UpdateCount() const { return update_count_; }
  // Passes the owner's notification on to every item.
  void Notification(TComponent* component, TOperation operation);

 protected:
  virtual std::unique_ptr<TCollectionItem> NewItem() const = 0;
  // One item changed, or (null) the whole collection: added, deleted, cleared.
  virtual void Update(TCollectionItem* /*item*/) {}

 private:
  friend class TCollectionItem;
  void Changed(TCollectionItem* item = nullptr);

  std::vector<std::unique_ptr<TCollectionItem>> items_;
  TPersistent* owner_ = nullptr;
  int update_count_ = 0;
  bool changed_while_updating_ = false;
};

}  // namespace kestrova::framework

// Most users want the typed collection too.
#include "framework/owned_collection.h"
