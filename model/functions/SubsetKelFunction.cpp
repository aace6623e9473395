#include "model/functions/SubsetKelFunction.h"

namespace kel {

using S = TSubsetKelFunction;

KEL_PROPERTIES(TSubsetKelFunction,
               Property(u"EndValue", &S::EndValue, &S::SetEndValue),
               Property(u"StartValue", &S::StartValue, &S::SetStartValue))

TSubsetKelFunction::TSubsetKelFunction(TComponent* owner) : TKelFunction(owner) {
  FCanUsePeriod = false;
}

void TSubsetKelFunction::SetStartValue(double value) {
  if (FStartValue == value) return;
  FStartValue = value;
  ReCalculate();
}

void TSubsetKelFunction::SetEndValue(double value) {
  if (FEndValue == value) return;
  FEndValue = value;
  ReCalculate();
}

void TSubsetKelFunction::AddPoints(TChartSeries* source) {
  TChartSeries* series = ParentSeries();
  if (Updating() || source == nullptr || series == nullptr) return;
  series->Clear();
  const TChartValueList* values = source->MandatoryValueList();
  const std::u16string& name = series->MandatoryValueList()->ValueSource();
  for (int i = 0; i < source->ValueLists().Count(); ++i) {
    if (!name.empty() && source->ValueList(i)->Name() == name) {
      values = source->ValueList(i);
      break;
    }
  }
  const TChartValueList& positions = *source->NotMandatoryValueList();
  for (int i = 0; i < source->Count(); ++i) {
    const double x = positions.Value(i);
    if (x < FStartValue || x > FEndValue) continue;
    if (series->YMandatory()) {
      series->AddXY(x, values->Value(i));
    } else {
      series->AddXY(values->Value(i), x);
    }
  }
}

}  // namespace kel
