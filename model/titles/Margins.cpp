#include "model/titles/Margins.h"

namespace kel {

KEL_PROPERTIES(
    TMargins,
    Property(u"Left", &TMargins::Left, &TMargins::SetLeft).Stored(&TMargins::IsLeftStored),
    Property(u"Top", &TMargins::Top, &TMargins::SetTop).Stored(&TMargins::IsTopStored),
    Property(u"Right", &TMargins::Right, &TMargins::SetRight).Stored(&TMargins::IsRightStored),
    Property(u"Bottom", &TMargins::Bottom, &TMargins::SetBottom).Stored(&TMargins::IsBottomStored),
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
