#include "model/attributes/Filter.h"

namespace kel {

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

}  // namespace kel
