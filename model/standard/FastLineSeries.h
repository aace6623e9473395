// The fast line: a plain line without pointer or area, whose line pen carries
// the series colour.
#pragma once

#include "model/standard/CustomLineSeries.h"

namespace kel {

KEL_ENUM(TDrawAllPointsStyle, daFirst, daMinMax)
KEL_ENUM(TFastLineDrawStyle, flSegments, flAll)

class TFastLineSeries : public TCustomLineSeries {
  KEL_CLASS(TFastLineSeries, TCustomLineSeries)

 public:
  explicit TFastLineSeries(TComponent* owner);

  // The series colour, chosen or assigned by the chart, is also the line
  // pen's colour; a whole new pen gives the series its colour.
  void SetSeriesColor(TColor value) override;
  void SetAutomaticColor(TColor value) override;
  void SetPen(TKelPen* value) override;
  void SetParentChart(TCustomAxisPanel* value) override;

 private:
  bool FAutoRepaint = true;
  bool FDrawAllPoints = true;
  TDrawAllPointsStyle FDrawAllPointsStyle = daFirst;
  TFastLineDrawStyle FDrawStyle = flSegments;
  bool FFastPen = false;
  bool FIgnoreNulls = true;
};

}  // namespace kel
