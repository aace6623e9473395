// The area series and its horizontal variant.
#pragma once

#include <cstdint>

#include "model/standard/CustomSeries.h"

namespace kel {

KEL_ENUM(TMultiArea, maNone, maStacked, maStacked100)

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

 private:
  int32_t FStackGroup = 0;
  bool FUseYOrigin = false;
  double FYOrigin = 0;
};

class THorizAreaSeries : public TAreaSeries {
  KEL_CLASS(THorizAreaSeries, TAreaSeries)

 public:
  explicit THorizAreaSeries(TComponent* owner);
};

}  // namespace kel
