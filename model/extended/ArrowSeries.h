// The arrow series: arrows from a start point to an end point.
#pragma once

#include <cstdint>
#include <string>

#include "model/standard/PointSeries.h"

namespace kel {

class TArrowSeries : public TPointSeries {
  KEL_CLASS(TArrowSeries, TPointSeries)

 public:
  explicit TArrowSeries(TComponent* owner);

  // The X and Y lists under the names of the arrows' start.
  TChartValueList* StartXValues() const { return XValues(); }
  void SetStartXValues(TChartValueList* value);
  TChartValueList* StartYValues() const { return YValues(); }
  void SetStartYValues(TChartValueList* value);
  TChartValueList* EndXValues() const { return FEndXValues; }
  void SetEndXValues(TChartValueList* value);
  TChartValueList* EndYValues() const { return FEndYValues; }
  void SetEndYValues(TChartValueList* value);

  // The pointer's sizes: they travel as the pointer's.
  int32_t ArrowWidth() const { return Pointer()->HorizSize(); }
  void SetArrowWidth(int32_t value) { Pointer()->SetHorizSize(value); }
  int32_t ArrowHeight() const { return Pointer()->VertSize(); }
  void SetArrowHeight(int32_t value) { Pointer()->SetVertSize(value); }
  int32_t ArrowPercent() const { return FArrowPercent; }
  void SetArrowPercent(int32_t value);
  bool Fill2D() const { return FFill2D; }
  void SetFill2D(bool value);

  int AddArrow(double x0,
               double y0,
               double x1,
               double y1,
               const std::u16string& label = {},
               TColor color = clDefault);

  bool AcceptsPointsOf(const TChartSeries& source) const override;

 private:
  TChartValueList* FEndXValues;
  TChartValueList* FEndYValues;
  int32_t FArrowPercent = 50;
  bool FFill2D = false;
};

}  // namespace kel
