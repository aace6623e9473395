// The line series and its horizontal variant.
#pragma once

#include "model/standard/CustomSeries.h"

namespace kel {

class TLineSeries : public TCustomSeries {
  KEL_CLASS(TLineSeries, TCustomSeries)

 public:
  explicit TLineSeries(TComponent* owner);
};

// A line series whose X values are the mandatory ones, kept in arrival order,
// and whose Y values are ordered.
class THorizLineSeries : public TLineSeries {
  KEL_CLASS(THorizLineSeries, TLineSeries)

 public:
  explicit THorizLineSeries(TComponent* owner);
};

}  // namespace kel
