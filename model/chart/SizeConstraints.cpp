#include "model/chart/SizeConstraints.h"

namespace kel {

KEL_PROPERTIES(
    TSizeConstraints,
    Property(u"MaxHeight", &TSizeConstraints::FMaxHeight, &TSizeConstraints::FMaxHeight).Default(0),
    Property(u"MaxWidth", &TSizeConstraints::FMaxWidth, &TSizeConstraints::FMaxWidth).Default(0),
    Property(u"MinHeight", &TSizeConstraints::FMinHeight, &TSizeConstraints::FMinHeight).Default(0),
    Property(u"MinWidth", &TSizeConstraints::FMinWidth, &TSizeConstraints::FMinWidth).Default(0))

void TSizeConstraints::Assign(const TPersistent* source) {
  if (const auto* constraints = dynamic_cast<const TSizeConstraints*>(source)) {
    FMaxHeight = constraints->FMaxHeight;
    FMaxWidth = constraints->FMaxWidth;
    FMinHeight = constraints->FMinHeight;
    FMinWidth = constraints->FMinWidth;
    return;
  }
  inherited::Assign(source);
}

}  // namespace kel
