// The point series: a series drawn with its pointer only.
#pragma once

#include "model/standard/CustomSeries.h"

namespace kel {

class TPointSeries : public TCustomSeries {
  KEL_CLASS(TPointSeries, TCustomSeries)

 public:
  explicit TPointSeries(TComponent* owner);

  // Also sets the pointer's transparency.
  void SetPointTransparency(TKelTransparency value);
  // Set, also makes the pointer's colour automatic.
  void SetPointColorEachPoint(bool value);
};

}  // namespace kel
