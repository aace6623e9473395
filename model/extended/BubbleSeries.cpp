#include "model/extended/BubbleSeries.h"

#include "model/attributes/Pen.h"
#include "model/series/SeriesMarks.h"

namespace kel {

using B = TBubbleSeries;
KEL_PROPERTIES(TBubbleSeries,
               Property(u"RadiusValues", &B::RadiusValues, &B::SetRadiusValues),
               Property(u"Squared", &B::Squared, &B::SetSquared).Default(true))

TBubbleSeries::TBubbleSeries(TComponent* owner)
    : TPointSeries(owner), FRadiusValues(AddValueList(u"Radius")) {
  Pointer()->SetStyle(psCircle);
  Pointer()->AllowChangeSize = false;
  // Values only: the frame is written as hidden, the transparency not.
  Marks()->Pen()->SetVisible(false);
  Marks()->PrepareTransparent(true);
  SetColorEachPoint(true);
  DefaultColorEachPoint = true;
}

void TBubbleSeries::SetRadiusValues(TChartValueList* value) {
  FRadiusValues->Assign(value);
  Repaint();
}

void TBubbleSeries::SetSquared(bool value) {
  if (FSquared == value) return;
  FSquared = value;
  Repaint();
}

int TBubbleSeries::AddBubble(
    double x, double y, double radius, const std::u16string& label, TColor color) {
  FRadiusValues->TempValue = radius;
  return AddXY(x, y, label, color);
}

bool TBubbleSeries::AcceptsPointsOf(const TChartSeries& source) const {
  return dynamic_cast<const TBubbleSeries*>(&source) != nullptr;
}

}  // namespace kel
