// The line of an axis.
#pragma once

#include "model/attributes/Pen.h"

namespace kel {

KEL_ENUM(TPenLineMode, lmLine, lmCylinder, lmRectangle)

// The axis line: 2 pixels wide with flat ends.
class TChartAxisPen : public TKelPen {
  KEL_CLASS(TChartAxisPen, TKelPen)

 public:
  explicit TChartAxisPen(TNotifyEvent onChange = {});

  TPenLineMode LineMode() const { return FLineMode; }
  void SetLineMode(TPenLineMode value) { SetAndNotify(FLineMode, value); }

  void Assign(const TPersistent* source) override;

 private:
  TPenLineMode FLineMode = lmLine;
};

}  // namespace kel
