// The nearest tool: marks the series point nearest to the mouse.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/series/SeriesMarkShape.h"
#include "model/tools/KelCustomToolSeries.h"

namespace kel {

KEL_ENUM(TNearestToolStyle, hsNone, hsCircle, hsRectangle, hsDiamond, hsSeries)

class TNearestTool : public TKelCustomToolSeries {
  KEL_CLASS(TNearestTool, TKelCustomToolSeries)

 public:
  explicit TNearestTool(TComponent* owner);
  ~TNearestTool() override;

  // The line pen's visibility.
  bool DrawLine() const;
  void SetDrawLine(bool value);
  TKelPen* LinePen() const { return FLinePen.get(); }
  void SetLinePen(TKelPen* value);

  int32_t Distance = 0;
  bool FullRepaint = true;
  bool Hint = false;
  TSeriesMarksStyle HintStyle = smsLabelValue;
  int32_t Size = 20;
  TNearestToolStyle Style = hsCircle;
  TMethod OnChange, OnGetHint;

  void Assign(const TPersistent* source) override;

  // The tool's texts for galleries and editors.
  std::u16string Description() const override;
  std::u16string LongDescription() const override;

 private:
  std::unique_ptr<TKelPen> FLinePen;
};

}  // namespace kel
