#include "model/functions/SkewnessFunction.h"

#include <cmath>

#include "model/functions/StdDeviationFunction.h"

namespace kel {

KEL_PROPERTIES(TSkewnessFunction,
               Property(u"Complete", &TSkewnessFunction::Complete, &TSkewnessFunction::SetComplete)
                   .Default(false))

void TSkewnessFunction::SetComplete(bool value) {
  if (FComplete == value) return;
  FComplete = value;
  ReCalculate();
}

void TSkewnessFunction::PrepareCalculation(TChartSeries&) {
  FKnownList = nullptr;
}

double TSkewnessFunction::Calculate(TChartSeries& source, int, int) {
  TChartValueList* list = source.MandatoryValueList();
  if (!Calculating()) return WholeSourceValue(*list);
  // Inside one calculation every group has the same value.
  if (FKnownList != list) {
    FKnownValue = WholeSourceValue(*list);
    FKnownList = list;
  }
  return FKnownValue;
}

KEL_PROPERTIES(TKurtosisFunction)

double TSkewnessFunction::WholeSourceValue(TChartValueList& list) const {
  const std::span<const double> values(list.Values().data(), list.Values().size());
  const auto count = static_cast<double>(values.size());
  const double mean = values.empty() ? 0 : list.Total() / count;
  const int k = Exponent();
  double sum = 0;
  for (const double x : values) sum += std::pow(x - mean, k);
  const double s = TStdDeviationFunction::Deviation(values, false);
  const double d = (count - 1) * std::pow(s, k);
  return d == 0 ? 0 : sum / d;
}

}  // namespace kel
