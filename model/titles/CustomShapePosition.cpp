#include "model/titles/CustomShapePosition.h"

namespace kel {

// The rows of the position that descendants publish, each in its own order.
using P = TKelCustomShapePosition;
KEL_PROPERTIES(
    TKelCustomShapePosition,
    Declared(Property(u"CustomPosition", &P::CustomPosition, &P::SetCustomPosition)
                 .NoDefault()
                 .StoredUnlessEqual(&P::DefaultCustom)),
    Declared(Property(u"Left", &P::Left, &P::SetLeft).NoDefault().Stored(&P::CustomPosition)),
    Declared(Property(u"Top", &P::Top, &P::SetTop).NoDefault().Stored(&P::CustomPosition)))

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
