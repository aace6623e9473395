#include "model/functions/AverageKelFunction.h"

#include <numeric>

namespace kel {

KEL_PROPERTIES(TAverageKelFunction)

double TAverageKelFunction::Calculate(TChartSeries& source, int first, int last) {
  if (first == -1 && IncludeNulls()) {
    return source.Count() == 0 ? 0 : ValueList(source).Total() / source.Count();
  }
  return TKelFunction::Calculate(source, first, last);
}

double TAverageKelFunction::Reduce(std::span<double> values) {
  if (values.empty()) return 0;
  return std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

}  // namespace kel
