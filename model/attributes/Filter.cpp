#include "model/attributes/Filter.h"

#include "persist/Exceptions.h"

namespace kel {

KEL_PROPERTIES(TFilterRegion,
               Property(u"Height", &TFilterRegion::FHeight, &TFilterRegion::FHeight).Default(0),
               Property(u"Left", &TFilterRegion::FLeft, &TFilterRegion::FLeft).Default(0),
               Property(u"Top", &TFilterRegion::FTop, &TFilterRegion::FTop).Default(0),
               Property(u"Width", &TFilterRegion::FWidth, &TFilterRegion::FWidth).Default(0))

void TFilterRegion::Assign(const TPersistent* source) {
  if (const auto* region = dynamic_cast<const TFilterRegion*>(source)) {
    FHeight = region->FHeight;
    FLeft = region->FLeft;
    FTop = region->FTop;
    FWidth = region->FWidth;
    return;
  }
  inherited::Assign(source);
}

KEL_PROPERTIES(TKelFilter,
               Property(u"Enabled", &TKelFilter::FEnabled, &TKelFilter::FEnabled).Default(true),
               Property(u"Region", &TKelFilter::Region, &TKelFilter::SetRegion))

void TKelFilter::Assign(const TPersistent* source) {
  if (const auto* filter = dynamic_cast<const TKelFilter*>(source)) {
    FEnabled = filter->FEnabled;
    FRegion->Assign(filter->FRegion.get());
    return;
  }
  inherited::Assign(source);
}

KEL_PROPERTIES(TFilterItems)

void TFilterItems::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TFilterItems*>(source);
  if (other == nullptr) {
    inherited::Assign(source);
    return;
  }
  BeginUpdate();
  try {
    Clear();
    for (int i = 0; i < other->Count(); ++i) {
      const TClassInfo& itemClass = other->Items(i)->ClassInfo();
      if (itemClass.CreateItem == nullptr) throw EListError(kSInvalidProperty);
      InsertItem(itemClass.CreateItem(this))->Assign(other->Items(i));
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

}  // namespace kel
