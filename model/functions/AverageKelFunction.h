// The mean of the values of each group.
#pragma once

#include "model/functions/KelFunction.h"

namespace kel {

class TAverageKelFunction : public TKelFunction {
  KEL_CLASS(TAverageKelFunction, TKelFunction)

 public:
  using TKelFunction::TKelFunction;
  // Over the whole source with nulls included: the list's total divided by
  // the source's point count.
  double Calculate(TChartSeries& source, int first, int last) override;

 protected:
  double Reduce(std::span<double> values) override;
};

}  // namespace kel
