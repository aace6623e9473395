// An image filter of a picture, with an enabled flag and the region it
// applies to. The concrete filters are registered classes deriving from
// TKelFilter.
#pragma once

#include <memory>

#include "model/attributes/FilterRegion.h"
#include "persist/ClassDeclaration.h"

namespace kel {

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

}  // namespace kel
