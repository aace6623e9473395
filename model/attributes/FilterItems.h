// The image filters of a picture.
#pragma once

#include "model/attributes/Filter.h"
#include "persist/ClassDeclaration.h"

namespace kel {

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
