#pragma once

#include "model/titles/CustomTextShape.h"

namespace kel {

// The series' entry in the chart legend: its text is the series' legend
// title and its visibility the series' ShowInLegend.
class TSeriesLegend : public TCustomTextShape {
  KEL_CLASS(TSeriesLegend, TCustomTextShape)

 public:
  using TCustomTextShape::TCustomTextShape;
  void SetParentChart(TCustomKelPanel* chart) { FParent = chart; }
};

}  // namespace kel
