#include "model/functions/ManySeriesKelFunction.h"

namespace kel {

KEL_PROPERTIES(TManySeriesKelFunction)
KEL_PROPERTIES(TSubtractKelFunction)
KEL_PROPERTIES(TMultiplyKelFunction)
KEL_PROPERTIES(TDivideKelFunction)

double TSubtractKelFunction::Reduce(std::span<double> values) {
  if (values.empty()) return 0;
  double result = values[0];
  for (size_t i = 1; i < values.size(); ++i) result -= values[i];
  return result;
}

double TMultiplyKelFunction::Reduce(std::span<double> values) {
  if (values.empty()) return 0;
  double result = values[0];
  for (size_t i = 1; i < values.size(); ++i) result *= values[i];
  return result;
}

double TDivideKelFunction::Reduce(std::span<double> values) {
  if (values.empty()) return 0;
  double result = values[0];
  for (size_t i = 1; i < values.size(); ++i) {
    if (values[i] != 0) result /= values[i];
  }
  return result;
}

}  // namespace kel
