#include "model/functions/ExpMovAveFunction.h"

namespace kel {

KEL_PROPERTIES(TExpMovAveFunction,
               Property(u"IgnoreNulls",
                        &TExpMovAveFunction::IgnoreNulls,
                        &TExpMovAveFunction::SetIgnoreNulls)
                   .Default(true))

TExpMovAveFunction::TExpMovAveFunction(TComponent* owner) : TKelFunction(owner) {
  FCanUsePeriod = false;
  FSingleSource = true;
  FPeriod = 10;
}

void TExpMovAveFunction::SetIgnoreNulls(bool value) {
  if (FIgnoreNulls == value) return;
  FIgnoreNulls = value;
  ReCalculate();
}

void TExpMovAveFunction::AddPoints(TChartSeries* source) {
  TChartSeries* series = ParentSeries();
  if (Updating() || source == nullptr || series == nullptr) return;
  series->Clear();
  const int count = source->Count();
  if (!(FPeriod > 0) || count < 2) return;
  const double k = 2 / (FPeriod + 1);
  const TChartValueList& v = ValueList(*source);
  const TChartValueList& x = *source->NotMandatoryValueList();
  series->ReservePoints(count);
  int first = 0;
  if (!FIgnoreNulls) {
    while (first < count - 1 && source->IsNull(first)) ++first;
  }
  double e = v.Value(first);
  series->AddXY(x.Value(first), e);
  for (int i = first + 1; i < count; ++i) {
    if (!FIgnoreNulls && source->IsNull(i)) continue;
    e = k * v.Value(i) + (1 - k) * e;
    series->AddXY(x.Value(i), e);
  }
}

}  // namespace kel
