// TCollection: an ordered list of items of one class, each with published
// properties; stored in designs as < item ... end >.
//
//   class TSection : public TCollectionItem { KESTROVA_CLASS(TSection) ... };
//   TOwnedCollection<TSection> sections;
//   TSection* s = sections.Add();
#pragma once

#include <memory>
#include <vector>

#include "framework/persistent.h"

namespace kestrova::framework {

class TCollection;

class TCollectionItem : public TPersistent {
  KESTROVA_CLASS(TCollectionItem)

 public:
  TCollection* Collection() const { return collection_; }
  // Items of the same class copy each other's published properties.
  void Assign(const TPersistent& source) override;
  int Index() const;

 private:
  friend class TCollection;
  TCollection* collection_ = nullptr;
};

class TCollection : public TPersistent {
  KESTROVA_CLASS(TCollection)

 public:
  int Count() const { return int(items_.size()); }
  TCollectionItem* Item(int index) const { return items_.at(size_t(index)).get(); }
  // A new item of the collection's class at the end.
  TCollectionItem* AddItem();
  void Delete(int index);
  void Clear();
  // Copies the items (through each item's Assign).
  void Assign(const TPersistent& source) override;

 protected:
  virtual std::unique_ptr<TCollectionItem> NewItem() const = 0;
  virtual void Changed() {}

 private:
  friend class TCollectionItem;
  std::vector<std::unique_ptr<TCollectionItem>> items_;
};

template <class T>
class TOwnedCollection : public TCollection {
 public:
  T* Add() { return static_cast<T*>(AddItem()); }
  T* Items(int index) const { return static_cast<T*>(Item(index)); }

 protected:
  std::unique_ptr<TCollectionItem> NewItem() const override { return std::make_unique<T>(); }
};

}  // namespace kestrova::framework
