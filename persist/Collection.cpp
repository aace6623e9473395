#include "persist/Collection.h"

#include <algorithm>

#include "persist/ClassDeclaration.h"
#include "persist/Exceptions.h"
#include "persist/Unicode.h"

namespace kel {

KEL_PROPERTIES(TCollectionItem)
KEL_PROPERTIES(TCollection)
KEL_PROPERTIES(TOwnedCollection)

int TCollectionItem::Index() const {
  if (FCollection == nullptr) return -1;
  const auto& items = FCollection->FItems;
  const auto found = std::find_if(items.begin(), items.end(),
                                  [&](const auto& item) { return item.get() == this; });
  return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

void TCollectionItem::SetIndex(int index) {
  const int current = Index();
  if (current < 0 || index == current) return;
  auto& items = FCollection->FItems;
  if (index < 0 || index >= static_cast<int>(items.size())) throw EListError(kSInvalidProperty);
  std::unique_ptr<TCollectionItem> self = std::move(items[static_cast<size_t>(current)]);
  items.erase(items.begin() + current);
  items.insert(items.begin() + index, std::move(self));
  Changed(true);
}

TPersistent* TCollectionItem::GetOwner() {
  return FCollection;
}

void TCollectionItem::Changed(bool allItems) {
  if (FCollection != nullptr && FCollection->FUpdateCount == 0) {
    FCollection->Update(allItems ? nullptr : this);
  }
}

TCollection::~TCollection() {
  // Items go last first, like Clear, but nobody is told any more.
  while (!FItems.empty()) FItems.pop_back();
}

TCollectionItem* TCollection::Add() {
  if (FItemClass->CreateItem == nullptr) {
    throw EListError("Cannot create an item of class " + Utf16ToUtf8(FItemClass->ClassName));
  }
  return InsertItem(FItemClass->CreateItem(this));
}

TCollectionItem* TCollection::InsertItem(std::unique_ptr<TCollectionItem> item) {
  if (item == nullptr || !item->InheritsFrom(*FItemClass)) throw EListError(kSInvalidProperty);
  TCollectionItem* added = item.get();
  FItems.push_back(std::move(item));
  added->FCollection = this;
  added->FID = FNextID++;
  Notify(added, cnAdded);
  Changed();
  return added;
}

void TCollection::Delete(int index) {
  if (index < 0 || index >= Count()) throw EListError(kSInvalidProperty);
  TCollectionItem* item = FItems[static_cast<size_t>(index)].get();
  Notify(item, cnDeleting);
  std::unique_ptr<TCollectionItem> removed = std::move(FItems[static_cast<size_t>(index)]);
  FItems.erase(FItems.begin() + index);
  removed.reset();
  Changed();
}

void TCollection::Clear() {
  if (FItems.empty()) return;
  BeginUpdate();
  try {
    while (!FItems.empty()) Delete(Count() - 1);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TCollection::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
  Changed();
}

void TCollection::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TCollection*>(source);
  if (other == nullptr) {
    inherited::Assign(source);
    return;
  }
  BeginUpdate();
  try {
    Clear();
    for (const auto& item : other->FItems) Add()->Assign(item.get());
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Notify(TCollectionItem*, TCollectionNotification) {}

void TCollection::Changed() {
  if (FUpdateCount == 0) Update(nullptr);
}

}  // namespace kel
