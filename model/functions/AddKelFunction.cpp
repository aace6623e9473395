#include "model/functions/AddKelFunction.h"

#include <numeric>

namespace kel {

KEL_PROPERTIES(TAddKelFunction)

double TAddKelFunction::Reduce(std::span<double> values) {
  return std::accumulate(values.begin(), values.end(), 0.0);
}

}  // namespace kel
