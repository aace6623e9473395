#include "model/extended/ArrowSeries.h"

#include "model/attributes/Pen.h"
#include "model/series/SeriesMarks.h"

namespace kel {

using A = TArrowSeries;
KEL_PROPERTIES(
    TArrowSeries,
    Property(u"ArrowHeight", &A::ArrowHeight, &A::SetArrowHeight).NoDefault().Stored(false),
    Property(u"ArrowPercent", &A::ArrowPercent, &A::SetArrowPercent).Default(50),
    Property(u"ArrowWidth", &A::ArrowWidth, &A::SetArrowWidth).NoDefault().Stored(false),
    Property(u"EndXValues", &A::EndXValues, &A::SetEndXValues),
    Property(u"EndYValues", &A::EndYValues, &A::SetEndYValues),
    Property(u"Fill2D", &A::Fill2D, &A::SetFill2D).Default(false),
    Property(u"StartXValues", &A::StartXValues, &A::SetStartXValues),
    Property(u"StartYValues", &A::StartYValues, &A::SetStartYValues))

TArrowSeries::TArrowSeries(TComponent* owner)
    : TPointSeries(owner), FEndXValues(nullptr), FEndYValues(nullptr) {
  XValues()->AssignDefaultDateTime(true);
  FEndXValues = AddValueList(u"EndX");
  FEndXValues->AssignDefaultDateTime(true);
  FEndYValues = AddValueList(u"EndY");
  Pointer()->SetInflateMargins(false);
  // Values only: both are written while they stay so.
  Marks()->Pen()->SetVisible(false);
  Marks()->SetTransparent(true);
}

void TArrowSeries::SetStartXValues(TChartValueList* value) {
  SetXValues(value);
  Repaint();
}

void TArrowSeries::SetStartYValues(TChartValueList* value) {
  SetYValues(value);
  Repaint();
}

void TArrowSeries::SetEndXValues(TChartValueList* value) {
  FEndXValues->Assign(value);
  Repaint();
}

void TArrowSeries::SetEndYValues(TChartValueList* value) {
  FEndYValues->Assign(value);
  Repaint();
}

void TArrowSeries::SetArrowPercent(int32_t value) {
  if (FArrowPercent == value) return;
  FArrowPercent = value;
  Repaint();
}

void TArrowSeries::SetFill2D(bool value) {
  if (FFill2D == value) return;
  FFill2D = value;
  Repaint();
}

int TArrowSeries::AddArrow(
    double x0, double y0, double x1, double y1, const std::u16string& label, TColor color) {
  FEndXValues->TempValue = x1;
  FEndYValues->TempValue = y1;
  return AddXY(x0, y0, label, color);
}

bool TArrowSeries::AcceptsPointsOf(const TChartSeries& source) const {
  return dynamic_cast<const TArrowSeries*>(&source) != nullptr;
}

}  // namespace kel
