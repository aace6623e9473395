#include "model/titles/CustomShapePosition.h"

namespace kel {

KEL_PROPERTIES(TKelCustomShapePosition)

void TKelCustomShapePosition::SetLeft(int32_t value) {
  FLeft = value;
  SetCustomPosition(true);
  Repaint();
}

void TKelCustomShapePosition::SetTop(int32_t value) {
  FTop = value;
  SetCustomPosition(true);
  Repaint();
}

void TKelCustomShapePosition::Assign(const TPersistent* source) {
  if (const auto* shape = dynamic_cast<const TKelCustomShapePosition*>(source)) {
    FCustomPosition = shape->FCustomPosition;
    if (FCustomPosition) {
      FLeft = shape->FLeft;
      FTop = shape->FTop;
    }
  }
  inherited::Assign(source);
}

}  // namespace kel
