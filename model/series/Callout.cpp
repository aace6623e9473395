#include "model/series/Callout.h"

#include "model/attributes/Brush.h"
#include "model/attributes/Pen.h"

namespace kel {

using C = TCallout;
KEL_PROPERTIES(TCallout,
               Redeclared(u"Draw3D").Default(false),
               Redeclared(u"InflateMargins").Default(true),
               Redeclared(u"Style").Default(psRectangle),
               Property(u"Arrow", &C::Arrow, &C::SetArrow),
               Property(u"ArrowHead", &C::ArrowHead, &C::SetArrowHead).Default(ahNone),
               Property(u"ArrowHeadSize", &C::ArrowHeadSize, &C::SetArrowHeadSize).Default(8),
               Property(u"Distance", &C::Distance, &C::SetDistance).Default(0))

TCallout::TCallout(TChartSeries* series)
    : TSeriesPointer(series), FArrow(std::make_unique<TWhitePen>(OnChange())) {
  SetInflateMargins(true);
  AssignDefaultFullGradient(true);
  SetStyle(psRectangle);
  FVisible = true;
  SetDraw3D(false);
  Brush()->AssignDefaultColor(clBlack);
}

TCallout::~TCallout() = default;

void TCallout::SetArrow(TWhitePen* value) {
  FArrow->Assign(value);
}

void TCallout::Assign(const TPersistent* source) {
  if (const auto* callout = dynamic_cast<const TCallout*>(source)) {
    FArrow->Assign(callout->FArrow.get());
    FArrowHead = callout->FArrowHead;
    FArrowHeadSize = callout->FArrowHeadSize;
    FDistance = callout->FDistance;
  }
  inherited::Assign(source);
}

}  // namespace kel
