// The text box of series marks, with the style that picks its text.
#pragma once

#include "model/titles/CustomTextShape.h"

namespace kel {

KEL_ENUM(TSeriesMarksStyle,
         smsValue,
         smsPercent,
         smsLabel,
         smsLabelPercent,
         smsLabelValue,
         smsLegend,
         smsPercentTotal,
         smsLabelPercentTotal,
         smsXValue,
         smsXY,
         smsSeriesTitle,
         smsPointIndex,
         smsPercentRelative,
         smsLabelPercentValue,
         smsLabelOrValue)

class TSeriesMarkShape : public TCustomTextShape {
  KEL_CLASS(TSeriesMarkShape, TCustomTextShape)

 public:
  using TCustomTextShape::TCustomTextShape;

  TSeriesMarksStyle Style() const { return FStyle; }
  void SetStyle(TSeriesMarksStyle value) { SetAndNotify(FStyle, value); }

  void Assign(const TPersistent* source) override;

 private:
  TSeriesMarksStyle FStyle = smsLabelOrValue;
};

}  // namespace kel
