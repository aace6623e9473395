#include "model/standard/CircularFrame.h"

namespace kel {

using R = TCircularFrame;
KEL_PROPERTIES(TCircularFrame,
               Property(u"RotationAngle", &R::FRotationAngle, &R::FRotationAngle).Default(0),
               Property(u"TotalAngle", &R::FTotalAngle, &R::FTotalAngle).Default(360))

void TCircularFrame::Assign(const TPersistent* source) {
  if (const auto* frame = dynamic_cast<const TCircularFrame*>(source)) {
    FRotationAngle = frame->FRotationAngle;
    FTotalAngle = frame->FTotalAngle;
  }
  inherited::Assign(source);
}

}  // namespace kel
