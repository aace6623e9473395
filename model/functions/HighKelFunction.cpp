#include "model/functions/HighKelFunction.h"

#include <algorithm>

namespace kel {

KEL_PROPERTIES(THighKelFunction)
KEL_PROPERTIES(TLowKelFunction)

double THighKelFunction::Calculate(TChartSeries& source, int first, int last) {
  if (first == -1 && IncludeNulls()) return ValueList(source).MaxValue();
  return TKelFunction::Calculate(source, first, last);
}

double THighKelFunction::Reduce(std::span<double> values) {
  return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

double TLowKelFunction::Calculate(TChartSeries& source, int first, int last) {
  if (first == -1 && IncludeNulls()) return ValueList(source).MinValue();
  return TKelFunction::Calculate(source, first, last);
}

double TLowKelFunction::Reduce(std::span<double> values) {
  return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}

}  // namespace kel
