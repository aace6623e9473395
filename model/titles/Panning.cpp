#include "model/titles/Panning.h"

namespace kel {

KEL_PROPERTIES(TKelPanning,
               Property(u"InsideBounds", &TKelPanning::FInsideBounds, &TKelPanning::FInsideBounds)
                   .Default(false),
               Property(u"MouseWheel", &TKelPanning::FMouseWheel, &TKelPanning::FMouseWheel)
                   .Default(pmwNormal))

void TKelPanning::Assign(const TPersistent* source) {
  if (const auto* panning = dynamic_cast<const TKelPanning*>(source)) {
    FInsideBounds = panning->FInsideBounds;
    FMouseWheel = panning->FMouseWheel;
    return;
  }
  inherited::Assign(source);
}

}  // namespace kel
