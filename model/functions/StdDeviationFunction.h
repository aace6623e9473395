// Spread of the values of each group: standard deviation, root mean square
// and variance.
#pragma once

#include "model/functions/KelFunction.h"

namespace kel {

class TStdDeviationFunction : public TKelFunction {
  KEL_CLASS(TStdDeviationFunction, TKelFunction)

 public:
  using TKelFunction::TKelFunction;

  // Divides by n (the whole population) instead of n - 1 (a sample).
  bool Complete() const { return FComplete; }
  void SetComplete(bool value);

  // The standard deviation of values: 0 for fewer than 2 values or a
  // negative computed variance.
  static double Deviation(std::span<const double> values, bool complete);

 protected:
  double Reduce(std::span<double> values) override;

 private:
  bool FComplete = false;
};

class TRMSFunction : public TKelFunction {
  KEL_CLASS(TRMSFunction, TKelFunction)

 public:
  using TKelFunction::TKelFunction;

  bool Complete() const { return FComplete; }
  void SetComplete(bool value);

 protected:
  double Reduce(std::span<double> values) override;

 private:
  bool FComplete = false;
};

class TVarianceFunction : public TKelFunction {
  KEL_CLASS(TVarianceFunction, TKelFunction)

 public:
  using TKelFunction::TKelFunction;

 protected:
  double Reduce(std::span<double> values) override;
};

}  // namespace kel
