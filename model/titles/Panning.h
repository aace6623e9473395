// The chart's panning settings.
#pragma once

#include "model/titles/ZoomPanning.h"

namespace kel {

class TKelPanning : public TZoomPanning {
  KEL_CLASS(TKelPanning, TZoomPanning)

 public:
  TKelPanning() = default;

  bool FInsideBounds = false;
  TMouseWheelStyle FMouseWheel = pmwNormal;

  void Assign(const TPersistent* source) override;
};

}  // namespace kel
