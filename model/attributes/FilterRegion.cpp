#include "model/attributes/FilterRegion.h"

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

}  // namespace kel
