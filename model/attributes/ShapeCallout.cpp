#include "model/attributes/ShapeCallout.h"

namespace kel {

KEL_PROPERTIES(
    TShapeCallout,
    Property(u"PointPosition", &TShapeCallout::PointPosition, &TShapeCallout::SetPointPosition)
        .Default(50),
    Property(u"Position", &TShapeCallout::Position, &TShapeCallout::SetPosition).Default(50),
    Property(u"Side", &TShapeCallout::Side, &TShapeCallout::SetSide).Default(csNone),
    Property(u"Size", &TShapeCallout::Size, &TShapeCallout::SetSize).Default(25),
    Property(u"Width", &TShapeCallout::Width, &TShapeCallout::SetWidth).Default(20))

void TShapeCallout::Assign(const TPersistent* source) {
  if (const auto* callout = dynamic_cast<const TShapeCallout*>(source)) {
    FPointPosition = callout->FPointPosition;
    FPosition = callout->FPosition;
    FSide = callout->FSide;
    FSize = callout->FSize;
    FWidth = callout->FWidth;
    Changed();
    return;
  }
  inherited::Assign(source);
}

}  // namespace kel
