// The change across each window: as a difference (momentum) or as a
// percentage (momentum division).
#pragma once

#include "model/functions/KelFunction.h"

namespace kel {

class TMomentumFunction : public TKelMovingFunction {
  KEL_CLASS(TMomentumFunction, TKelMovingFunction)

 public:
  explicit TMomentumFunction(TComponent* owner);
  // v[last] - v[first]; the whole source's last and first for first = -1.
  double Calculate(TChartSeries& source, int first, int last) override;
};

class TMomentumDivFunction : public TKelMovingFunction {
  KEL_CLASS(TMomentumDivFunction, TKelMovingFunction)

 public:
  explicit TMomentumDivFunction(TComponent* owner);
  // 100 * v[last] / v[first], 0 when v[first] is 0.
  double Calculate(TChartSeries& source, int first, int last) override;
};

}  // namespace kel
