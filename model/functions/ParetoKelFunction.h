// The cumulative percentage of the absolute values up to each group's first
// point, of the whole source's absolute total.
#pragma once

#include "model/functions/KelFunction.h"

namespace kel {

class TParetoKelFunction : public TKelFunction {
  KEL_CLASS(TParetoKelFunction, TKelFunction)

 public:
  explicit TParetoKelFunction(TComponent* owner);
  // 100 * sum of |v[0..first]| / the list's absolute total (0 when that is
  // 0); last is not used.
  double Calculate(TChartSeries& source, int first, int last) override;

 protected:
  void PrepareCalculation(TChartSeries& source) override;

 private:
  // The running sum of the calculation under way: groups come in ascending
  // order, so each value is added once.
  const TChartValueList* FSumList = nullptr;
  int FSumCount = 0;
  double FSum = 0;
};

}  // namespace kel
