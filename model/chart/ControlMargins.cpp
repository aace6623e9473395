#include "model/chart/ControlMargins.h"

namespace kel {

KEL_PROPERTIES(TControlMargins,
               Property(u"Left", &TControlMargins::FLeft, &TControlMargins::FLeft).Default(3),
               Property(u"Top", &TControlMargins::FTop, &TControlMargins::FTop).Default(3),
               Property(u"Right", &TControlMargins::FRight, &TControlMargins::FRight).Default(3),
               Property(u"Bottom", &TControlMargins::FBottom, &TControlMargins::FBottom).Default(3))

void TControlMargins::Assign(const TPersistent* source) {
  if (const auto* margins = dynamic_cast<const TControlMargins*>(source)) {
    FLeft = margins->FLeft;
    FTop = margins->FTop;
    FRight = margins->FRight;
    FBottom = margins->FBottom;
    return;
  }
  inherited::Assign(source);
}

}  // namespace kel
