// TOwnedCollection<T>: a TCollection (collection.h) whose items are of class
// T, added and read as T.
//
//   TOwnedCollection<TSection> sections{this};     // in the owner's members
//   TSection* s = sections.Add();
#pragma once

#include <memory>

#include "framework/collection.h"

namespace kestrova::framework {

template <class T>
class TOwnedCollection : public TCollection {
 public:
  using TCollection::TCollection;
  T* Add() { return static_cast<T*>(AddItem()); }
  T* Items(int index) const { return static_cast<T*>(Item(index)); }

 protected:
  std::unique_ptr<TCollectionItem> NewItem() const override { return std::make_unique<T>(); }
};

}  // namespace kestrova::framework
