// The grid lines of an axis.
#pragma once

#include <cstdint>

#include "model/attributes/Pen.h"

namespace kel {

// The grid lines: silver, drawn at every label (DrawEvery 1), at a depth
// ZPosition given in percent of the chart's depth.
class TAxisGridPen : public TKelPen {
  KEL_CLASS(TAxisGridPen, TKelPen)

 public:
  explicit TAxisGridPen(TNotifyEvent onChange = {});

  // Whether grid lines sit between labels instead of at them (the axis
  // publishes it as GridCentered).
  bool Centered() const { return FCentered; }
  void SetCentered(bool value) { SetAndNotify(FCentered, value); }
  int32_t DrawEvery() const { return FDrawEvery; }
  void SetDrawEvery(int32_t value) { SetAndNotify(FDrawEvery, value); }
  double ZPosition() const { return FZPosition; }
  void SetZPosition(double value) { SetAndNotify(FZPosition, value); }

  // Sets ZPosition and the depth it is compared with when written together;
  // 100 for the grids of the axes on the other side (top and right).
  void AssignDefaultZ(double value);
  double IDefaultZ = 0;

  // "ZZero": a grid whose remembered depth is not 0 cannot write a ZPosition
  // of 0 (a float of 0 is never written), so that case is written as a flag.
  void DefineProperties(TFiler& filer) override;
  void Assign(const TPersistent* source) override;

 private:
  bool FCentered = false;
  int32_t FDrawEvery = 1;
  double FZPosition = 0;
};

}  // namespace kel
