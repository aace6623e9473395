// The bubble series: points with a radius.
#pragma once

#include <string>

#include "model/standard/PointSeries.h"

namespace kel {

class TBubbleSeries : public TPointSeries {
  KEL_CLASS(TBubbleSeries, TPointSeries)

 public:
  explicit TBubbleSeries(TComponent* owner);

  TChartValueList* RadiusValues() const { return FRadiusValues; }
  void SetRadiusValues(TChartValueList* value);
  bool Squared() const { return FSquared; }
  void SetSquared(bool value);

  int AddBubble(double x,
                double y,
                double radius,
                const std::u16string& label = {},
                TColor color = clDefault);

  bool AcceptsPointsOf(const TChartSeries& source) const override;

 private:
  TChartValueList* FRadiusValues;
  bool FSquared = true;
};

}  // namespace kel
