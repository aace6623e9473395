// The points of the source whose position lies from StartValue to EndValue.
#pragma once

#include "model/functions/KelFunction.h"

namespace kel {

class TSubsetKelFunction : public TKelFunction {
  KEL_CLASS(TSubsetKelFunction, TKelFunction)

 public:
  explicit TSubsetKelFunction(TComponent* owner);

  double StartValue() const { return FStartValue; }
  // A changed bound recalculates.
  void SetStartValue(double value);
  double EndValue() const { return FEndValue; }
  void SetEndValue(double value);

  // Replaces the points with the source's points within the bounds, taking
  // the values of the source list named exactly by the series' mandatory
  // ValueSource, else of the source's mandatory list.
  void AddPoints(TChartSeries* source) override;

 private:
  double FStartValue = 0;
  double FEndValue = 0;
};

}  // namespace kel
