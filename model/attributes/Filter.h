// Image filters of a picture: a collection of filter items, each with an
// enabled flag and the region it applies to. The concrete filters are
// registered classes deriving from TKelFilter.
#pragma once

#include <cstdint>
#include <memory>

#include "persist/ClassDeclaration.h"

namespace kel {

class TFilterRegion : public TPersistent {
  KEL_CLASS(TFilterRegion, TPersistent)

 public:
  int32_t FHeight = 0;
  int32_t FLeft = 0;
  int32_t FTop = 0;
  int32_t FWidth = 0;

  void Assign(const TPersistent* source) override;
};

class TKelFilter : public TCollectionItem {
  KEL_CLASS(TKelFilter, TCollectionItem)

 public:
  explicit TKelFilter(TCollection* collection) : TCollectionItem(collection) {}

  bool FEnabled = true;
  TFilterRegion* Region() const { return FRegion.get(); }
  void SetRegion(TFilterRegion* value) { FRegion->Assign(value); }

  void Assign(const TPersistent* source) override;

 private:
  std::unique_ptr<TFilterRegion> FRegion = std::make_unique<TFilterRegion>();
};

class TFilterItems : public TOwnedCollection {
  KEL_CLASS(TFilterItems, TOwnedCollection)

 public:
  explicit TFilterItems(TPersistent* owner)
      : TOwnedCollection(owner, TKelFilter::StaticClassInfo()) {}

  TKelFilter* Item(int index) const { return static_cast<TKelFilter*>(Items(index)); }
  // Replaces the items with copies of the source's items, each of its
  // source's class.
  void Assign(const TPersistent* source) override;
};

}  // namespace kel
