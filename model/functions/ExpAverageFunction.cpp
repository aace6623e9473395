#include "model/functions/ExpAverageFunction.h"

namespace kel {

KEL_PROPERTIES(TExpAverageFunction,
               Property(u"Weight", &TExpAverageFunction::Weight, &TExpAverageFunction::SetWeight))

TExpAverageFunction::TExpAverageFunction(TComponent* owner) : TKelMovingFunction(owner) {}

void TExpAverageFunction::SetWeight(double value) {
  if (!(value >= 0 && value <= 1)) {
    throw EFunctionError("ExpAverage Weight must be between 0 and 1");
  }
  if (FWeight == value) return;
  FWeight = value;
  ReCalculate();
}

double TExpAverageFunction::Calculate(TChartSeries& source, int first, int last) {
  if (first == -1) last = source.Count() - 1;
  if (last < 0) return 0;
  const TChartValueList& v = ValueList(source);
  if (last == 0) return v.Value(0);
  return (1 - FWeight) * v.Value(last - 1) + FWeight * v.Value(last);
}

}  // namespace kel
