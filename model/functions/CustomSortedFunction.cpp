#include "model/functions/CustomSortedFunction.h"

#include <algorithm>

namespace kel {

KEL_PROPERTIES(TCustomSortedFunction)
KEL_PROPERTIES(TMedianKelFunction)
KEL_PROPERTIES(TModeKelFunction)

double TCustomSortedFunction::Reduce(std::span<double> values) {
  std::sort(values.begin(), values.end());
  return ReduceSorted(values);
}

double TCustomSortedFunction::ReduceSorted(std::span<const double>) {
  return 0;
}

double TMedianKelFunction::ReduceSorted(std::span<const double> values) {
  const size_t n = values.size();
  if (n == 0) return 0;
  if (n % 2 == 1) return values[n / 2];
  return (values[n / 2 - 1] + values[n / 2]) / 2;
}

double TModeKelFunction::ReduceSorted(std::span<const double> values) {
  if (values.empty()) return 0;
  double mode = values[0];
  size_t longest = 0;
  for (size_t start = 0; start < values.size();) {
    size_t end = start + 1;
    while (end < values.size() && values[end] == values[start]) ++end;
    if (end - start > longest) {
      longest = end - start;
      mode = values[start];
    }
    start = end;
  }
  return mode;
}

}  // namespace kel
