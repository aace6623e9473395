#include "model/functions/StdDeviationFunction.h"

#include <cmath>

namespace kel {

KEL_PROPERTIES(TStdDeviationFunction,
               Property(u"Complete",
                        &TStdDeviationFunction::Complete,
                        &TStdDeviationFunction::SetComplete)
                   .Default(false))

void TStdDeviationFunction::SetComplete(bool value) {
  if (FComplete == value) return;
  FComplete = value;
  ReCalculate();
}

double TStdDeviationFunction::Deviation(std::span<const double> values, bool complete) {
  const auto n = static_cast<double>(values.size());
  if (values.size() <= 1) return 0;
  double sum = 0;
  double squares = 0;
  for (const double x : values) {
    sum += x;
    squares += x * x;
  }
  const double d = (n * squares - sum * sum) / (complete ? n * n : n * (n - 1));
  return d >= 0 ? std::sqrt(d) : 0;
}

double TStdDeviationFunction::Reduce(std::span<double> values) {
  return Deviation(values, FComplete);
}

KEL_PROPERTIES(
    TRMSFunction,
    Property(u"Complete", &TRMSFunction::Complete, &TRMSFunction::SetComplete).Default(false))

void TRMSFunction::SetComplete(bool value) {
  if (FComplete == value) return;
  FComplete = value;
  ReCalculate();
}

double TRMSFunction::Reduce(std::span<double> values) {
  const auto n = static_cast<double>(values.size());
  if (values.size() < 2) return 0;
  double squares = 0;
  for (const double x : values) squares += x * x;
  return std::sqrt(squares / (FComplete ? n : n - 1));
}

KEL_PROPERTIES(TVarianceFunction)

double TVarianceFunction::Reduce(std::span<double> values) {
  if (values.empty()) return 0;
  const auto n = static_cast<double>(values.size());
  double sum = 0;
  for (const double x : values) sum += x;
  const double mean = sum / n;
  double squares = 0;
  for (const double x : values) squares += (x - mean) * (x - mean);
  return squares / n;
}

}  // namespace kel
