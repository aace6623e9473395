// The line, point and area series with their horizontal variants. They
// differ in their constructor values and in which settings they publish, in
// which order.
#pragma once

#include "model/standard/CustomSeries.h"

namespace kel {

KEL_ENUM(TMultiArea, maNone, maStacked, maStacked100)

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

class TPointSeries : public TCustomSeries {
  KEL_CLASS(TPointSeries, TCustomSeries)

 public:
  explicit TPointSeries(TComponent* owner);

  // Also sets the pointer's transparency.
  void SetPointTransparency(TKelTransparency value);
  // Set, also makes the pointer's colour automatic.
  void SetPointColorEachPoint(bool value);
};

class TAreaSeries : public TCustomSeries {
  KEL_CLASS(TAreaSeries, TCustomSeries)

 public:
  explicit TAreaSeries(TComponent* owner);

  // Stacked seen as an area setting: cssStack and cssStack100 are the
  // stacked areas, anything else none.
  TMultiArea MultiArea() const;
  void SetMultiArea(TMultiArea value);

  // The area brush's style and gradient.
  TBrushStyle AreaBrush() const { return AreaChartBrush()->Style(); }
  void SetAreaBrush(TBrushStyle value) { AreaChartBrush()->SetStyle(value); }
  TKelGradient* AreaGradient() const;
  void SetAreaGradient(TKelGradient* value);

  int32_t FStackGroup = 0;
  bool FUseYOrigin = false;
  double FYOrigin = 0;
};

class THorizAreaSeries : public TAreaSeries {
  KEL_CLASS(THorizAreaSeries, TAreaSeries)

 public:
  explicit THorizAreaSeries(TComponent* owner);
};

// Registers the line, point and area series by name.
void RegisterLineSeriesClasses();

}  // namespace kel
