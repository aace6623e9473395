// The frame a pie is drawn in: a framed border along part of a circle.
#pragma once

#include <cstdint>

#include "model/standard/FramedBorder.h"

namespace kel {

class TCircularFrame : public TFramedBorder {
  KEL_CLASS(TCircularFrame, TFramedBorder)

 public:
  using TFramedBorder::TFramedBorder;

  int32_t FRotationAngle = 0;
  int32_t FTotalAngle = 360;

  void Assign(const TPersistent* source) override;
};

}  // namespace kel
