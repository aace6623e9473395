#include "model/titles/Margins.h"

namespace kel {

KEL_PROPERTIES(TMargins,
               Property(u"Left", &TMargins::Left, &TMargins::SetLeft)
                   .NoDefault()
                   .StoredUnlessEqual(&TMargins::DefaultHoriz),
               Property(u"Top", &TMargins::Top, &TMargins::SetTop)
                   .NoDefault()
                   .StoredUnlessEqual(&TMargins::DefaultVert),
               Property(u"Right", &TMargins::Right, &TMargins::SetRight)
                   .NoDefault()
                   .StoredUnlessEqual(&TMargins::DefaultHoriz),
               Property(u"Bottom", &TMargins::Bottom, &TMargins::SetBottom)
                   .NoDefault()
                   .StoredUnlessEqual(&TMargins::DefaultVert),
               Property(u"Units", &TMargins::Units, &TMargins::SetUnits).Default(maPercentFont))

void TMargins::SetDefaultHoriz(int32_t value) {
  FDefaultHoriz = value;
  SetLeft(value);
  SetRight(value);
}

void TMargins::SetDefaultVert(int32_t value) {
  FDefaultVert = value;
  SetTop(value);
  SetBottom(value);
}

void TMargins::Assign(const TPersistent* source) {
  if (const auto* margins = dynamic_cast<const TMargins*>(source)) {
    FLeft = margins->FLeft;
    FTop = margins->FTop;
    FRight = margins->FRight;
    FBottom = margins->FBottom;
    FUnits = margins->FUnits;
    Changed();
    return;
  }
  inherited::Assign(source);
}

}  // namespace kel
