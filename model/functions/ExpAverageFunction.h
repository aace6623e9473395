// The exponential average: each window's last value blended with the value
// before it by Weight.
#pragma once

#include "model/functions/KelFunction.h"

namespace kel {

class TExpAverageFunction : public TKelMovingFunction {
  KEL_CLASS(TExpAverageFunction, TKelMovingFunction)

 public:
  explicit TExpAverageFunction(TComponent* owner);

  double Weight() const { return FWeight; }
  // Raises "ExpAverage Weight must be between 0 and 1" for any other value
  // (or one that is not a number) and keeps the old one.
  void SetWeight(double value);

  // With L the window's last index (the source's last for the whole source):
  // v[0] when L is 0, else (1 - Weight) * v[L - 1] + Weight * v[L].
  double Calculate(TChartSeries& source, int first, int last) override;

 private:
  double FWeight = 0.2;
};

}  // namespace kel
