#include "model/functions/CustomKelFunction.h"

namespace kel {

using C = TCustomKelFunction;

KEL_PROPERTIES(TCustomKelFunction,
               Property(u"NumPoints", &C::NumPoints, &C::SetNumPoints).NoDefault(),
               Property(u"StartX", &C::StartX, &C::SetStartX),
               Property(u"OnCalculate", &C::OnCalculate, &C::OnCalculate))

TCustomKelFunction::TCustomKelFunction(TComponent* owner) : TKelFunction(owner) {
  FNoSourceRequired = true;
  FPeriod = 1;
}

void TCustomKelFunction::AddPoints(TChartSeries*) {
  TChartSeries* series = ParentSeries();
  if (!Calculator || series == nullptr) return;
  series->Clear();
  FCurrentX = FStartX;
  for (FCurrentIndex = 0; FCurrentIndex < FNumPoints; ++FCurrentIndex) {
    const double y = Calculator(*this);
    if (series->YMandatory()) {
      series->AddXY(FCurrentX, y);
    } else {
      series->AddXY(y, FCurrentX);
    }
    FCurrentX += FPeriod;
  }
  FCurrentIndex = -1;
}

}  // namespace kel
