// The moving average of a window (plain, weighted by X or by position) and
// its smoothed form.
#pragma once

#include "model/functions/KelFunction.h"

namespace kel {

class TMovingAverageFunction : public TKelMovingFunction {
  KEL_CLASS(TMovingAverageFunction, TKelMovingFunction)

 public:
  using TKelMovingFunction::TKelMovingFunction;

  bool Weighted() const { return FWeighted; }
  void SetWeighted(bool value);
  bool WeightedIndex() const { return FWeightedIndex; }
  void SetWeightedIndex(bool value);

  // The mean of v[first..last], null points included: weighted by the X
  // values when Weighted, else by the position in the window (1, 2, ...)
  // when WeightedIndex; 0 when the weights add up to 0.
  double Calculate(TChartSeries& source, int first, int last) override;

 private:
  bool FWeighted = false;
  bool FWeightedIndex = false;
};

// Each window's average from the previous one: (prev * (p - 1) + newest) / p,
// starting from the plain average of the first window.
class TSmoothedMovAvgFunction : public TKelMovingFunction {
  KEL_CLASS(TSmoothedMovAvgFunction, TKelMovingFunction)

 public:
  using TKelMovingFunction::TKelMovingFunction;

  double Calculate(TChartSeries& source, int first, int last) override;

 protected:
  void PrepareCalculation(TChartSeries& source) override;

 private:
  double FFirstAverage = 0;
};

}  // namespace kel
