// The exponential moving average over the whole source, with the smoothing
// factor 2 / (Period + 1).
#pragma once

#include "model/functions/KelFunction.h"

namespace kel {

class TExpMovAveFunction : public TKelFunction {
  KEL_CLASS(TExpMovAveFunction, TKelFunction)

 public:
  explicit TExpMovAveFunction(TComponent* owner);

  bool IgnoreNulls() const { return FIgnoreNulls; }
  void SetIgnoreNulls(bool value);

  // Replaces the points with one average per source point: with IgnoreNulls
  // every point counts, otherwise null points are passed over and add no
  // point. Nothing for a Period not above 0 or fewer than 2 source points.
  void AddPoints(TChartSeries* source) override;

 private:
  bool FIgnoreNulls = true;
};

}  // namespace kel
