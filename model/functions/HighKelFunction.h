// The largest and the smallest value of each group.
#pragma once

#include "model/functions/KelFunction.h"

namespace kel {

class THighKelFunction : public TKelFunction {
  KEL_CLASS(THighKelFunction, TKelFunction)

 public:
  using TKelFunction::TKelFunction;
  // Over the whole source with nulls included: the list's maximum.
  double Calculate(TChartSeries& source, int first, int last) override;

 protected:
  double Reduce(std::span<double> values) override;
};

class TLowKelFunction : public TKelFunction {
  KEL_CLASS(TLowKelFunction, TKelFunction)

 public:
  using TKelFunction::TKelFunction;
  // Over the whole source with nulls included: the list's minimum.
  double Calculate(TChartSeries& source, int first, int last) override;

 protected:
  double Reduce(std::span<double> values) override;
};

}  // namespace kel
