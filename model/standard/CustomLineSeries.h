// The base of the line-like series, shared with the fast line: null handling,
// stairs and the line pen.
//
// Plain settings that nothing else depends on are fields that the property
// table reads and writes directly; a series is repainted by its chart.
#pragma once

#include <cstdint>

#include "model/series/ChartSeries.h"

namespace kel {

class TKelPen;

KEL_ENUM(TTreatNullsStyle, tnDontPaint, tnSkip, tnIgnore)

class TCustomLineSeries : public TChartSeries {
  KEL_CLASS(TCustomLineSeries, TChartSeries)

 public:
  explicit TCustomLineSeries(TComponent* owner) : TChartSeries(owner) {}

  // The element's pen.
  TKelPen* LinePen() const { return Pen(); }
  void SetLinePen(TKelPen* value) { SetPen(value); }

  bool AllowSinglePoint = true;
  bool DrawBetweenPoints = false;

 protected:
  TTreatNullsStyle FTreatNulls = tnDontPaint;

 private:
  int32_t FClickTolerance = 0;
  bool FInvertedStairs = false;
  bool FStairs = false;
};

}  // namespace kel
