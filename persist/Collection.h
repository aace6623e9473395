// Collections: ordered lists of items of one item class, streamed as one
// collection value. The collection owns its items.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "persist/Persistent.h"

namespace kel {

class TCollection;

enum TCollectionNotification : uint8_t { cnAdded, cnExtracting, cnDeleting };

class TCollectionItem : public TPersistent {
  KEL_CLASS(TCollectionItem, TPersistent)

 public:
  // Records the collection; the collection inserts the item (TCollection::Add
  // or TCollection::InsertItem), which gives it its ID.
  explicit TCollectionItem(TCollection* collection) : FCollection(collection) {}

  TCollection* Collection() const { return FCollection; }
  int32_t ID() const { return FID; }
  // Position in the collection; -1 when the item is in none.
  int Index() const;
  // Moves the item; signals a change of the collection.
  void SetIndex(int index);
  virtual std::u16string DisplayName() const { return ClassName(); }
  TPersistent* GetOwner() override;

 protected:
  // Signals a change of this item (or, with allItems, of the whole collection).
  void Changed(bool allItems);

 private:
  friend class TCollection;
  TCollection* FCollection;
  int32_t FID = 0;
};

class TCollection : public TPersistent {
  KEL_CLASS(TCollection, TPersistent)

 public:
  explicit TCollection(const TClassInfo& itemClass) : FItemClass(&itemClass) {}
  ~TCollection() override;

  const TClassInfo& ItemClass() const { return *FItemClass; }
  int Count() const { return static_cast<int>(FItems.size()); }
  TCollectionItem* Items(int index) const { return FItems.at(index).get(); }

  // Creates an item of the item class and appends it.
  TCollectionItem* Add();
  template <class T>
  T* Add() {
    return static_cast<T*>(InsertItem(std::make_unique<T>(this)));
  }
  // Appends an item constructed for this collection. An item that is not of
  // the item class raises EListError "Invalid property value".
  TCollectionItem* InsertItem(std::unique_ptr<TCollectionItem> item);
  // Destroys the item at index.
  void Delete(int index);
  // Destroys all items, the last first.
  void Clear();

  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  // Replaces the items with copies of another collection's items.
  void Assign(const TPersistent* source) override;

 protected:
  // A change of item, or of the whole collection when item is null. Not
  // delivered while updates are suspended.
  virtual void Update(TCollectionItem* item);
  virtual void Notify(TCollectionItem* item, TCollectionNotification action);
  void Changed();

 private:
  friend class TCollectionItem;
  const TClassInfo* FItemClass;
  std::vector<std::unique_ptr<TCollectionItem>> FItems;
  int FUpdateCount = 0;
  int32_t FNextID = 0;
};

// A collection that knows its owner (the object it is a property of).
class TOwnedCollection : public TCollection {
  KEL_CLASS(TOwnedCollection, TCollection)

 public:
  TOwnedCollection(TPersistent* owner, const TClassInfo& itemClass)
      : TCollection(itemClass), FOwner(owner) {}
  TPersistent* GetOwner() override { return FOwner; }

 private:
  TPersistent* FOwner;
};

}  // namespace kel
