// The zoom-and-panning base, the mouse and keyboard types that zooming and
// scrolling are configured with, and the chart's panning settings.
#pragma once

#include "persist/ClassDeclaration.h"

namespace kel {

KEL_ENUM(TMouseButton, mbLeft, mbRight, mbMiddle)
KEL_ENUM(TMouseWheelStyle, pmwNormal, pmwInverted, pmwNone)
KEL_ENUM(TShiftStateItem, ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble, ssTouch,
         ssPen, ssCommand, ssHorizontal)
using TShiftState = TSet<TShiftStateItem>;

// Common base of zooming and panning. Its state describes a mouse drag in
// progress, which exists only while a chart is used interactively, so it
// holds nothing here.
class TZoomPanning : public TPersistent {
  KEL_CLASS(TZoomPanning, TPersistent)

 public:
  TZoomPanning() = default;
};

class TKelPanning : public TZoomPanning {
  KEL_CLASS(TKelPanning, TZoomPanning)

 public:
  TKelPanning() = default;

  bool FInsideBounds = false;
  TMouseWheelStyle FMouseWheel = pmwNormal;

  void Assign(const TPersistent* source) override;
};

}  // namespace kel
