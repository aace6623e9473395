#include "model/functions/ParetoKelFunction.h"

#include <algorithm>
#include <cmath>

namespace kel {

KEL_PROPERTIES(TParetoKelFunction)

TParetoKelFunction::TParetoKelFunction(TComponent* owner) : TKelFunction(owner) {
  FPeriod = 1;
}

void TParetoKelFunction::PrepareCalculation(TChartSeries&) {
  FSumList = nullptr;
}

double TParetoKelFunction::Calculate(TChartSeries& source, int first, int) {
  TChartValueList& list = ValueList(source);
  const double total = list.TotalABS();
  if (total == 0) return 0;
  const int count = std::min(first + 1, list.Count());
  if (FSumList != &list || FSumCount > count || !Calculating()) {
    FSumList = &list;
    FSumCount = 0;
    FSum = 0;
  }
  for (; FSumCount < count; ++FSumCount) FSum += std::fabs(list.Value(FSumCount));
  return 100 * FSum / total;
}

}  // namespace kel
