// Shape of the whole source's distribution: skewness (third moment) and
// kurtosis (fourth moment), each relative to the sample standard deviation.
// Every group of a period gets the whole source's value.
#pragma once

#include "model/functions/KelFunction.h"

namespace kel {

class TSkewnessFunction : public TKelFunction {
  KEL_CLASS(TSkewnessFunction, TKelFunction)

 public:
  using TKelFunction::TKelFunction;

  // Stored and recalculating, but the moments always use the sample
  // standard deviation.
  bool Complete() const { return FComplete; }
  void SetComplete(bool value);

  // S / ((count - 1) * s^k) over the source's mandatory list, with S the sum
  // of (x - mean)^k and s the sample standard deviation; 0 when the divisor
  // is 0. first and last are not used.
  double Calculate(TChartSeries& source, int first, int last) override;

 protected:
  // The power of the moment: 3.
  virtual int Exponent() const { return 3; }
  void PrepareCalculation(TChartSeries& source) override;

 private:
  double WholeSourceValue(TChartValueList& list) const;

  bool FComplete = false;
  // The value of the calculation under way, computed for its first group.
  const TChartValueList* FKnownList = nullptr;
  double FKnownValue = 0;
};

class TKurtosisFunction : public TSkewnessFunction {
  KEL_CLASS(TKurtosisFunction, TSkewnessFunction)

 public:
  using TSkewnessFunction::TSkewnessFunction;

 protected:
  int Exponent() const override { return 4; }
};

}  // namespace kel
