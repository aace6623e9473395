// Functions meant for several sources, combining the values of each point in
// source order: difference, product and quotient.
#pragma once

#include "model/functions/KelFunction.h"

namespace kel {

class TManySeriesKelFunction : public TKelFunction {
  KEL_CLASS(TManySeriesKelFunction, TKelFunction)

 public:
  using TKelFunction::TKelFunction;
};

// v[0] - v[1] - ... - v[n-1].
class TSubtractKelFunction : public TManySeriesKelFunction {
  KEL_CLASS(TSubtractKelFunction, TManySeriesKelFunction)

 public:
  using TManySeriesKelFunction::TManySeriesKelFunction;

 protected:
  double Reduce(std::span<double> values) override;
};

// v[0] * v[1] * ... * v[n-1].
class TMultiplyKelFunction : public TManySeriesKelFunction {
  KEL_CLASS(TMultiplyKelFunction, TManySeriesKelFunction)

 public:
  using TManySeriesKelFunction::TManySeriesKelFunction;

 protected:
  double Reduce(std::span<double> values) override;
};

// v[0] divided in turn by each following value that is not 0.
class TDivideKelFunction : public TManySeriesKelFunction {
  KEL_CLASS(TDivideKelFunction, TManySeriesKelFunction)

 public:
  using TManySeriesKelFunction::TManySeriesKelFunction;

 protected:
  double Reduce(std::span<double> values) override;
};

}  // namespace kel
