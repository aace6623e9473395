// The zoom-and-panning base and the mouse and keyboard types that zooming and
// scrolling are configured with.
#pragma once

#include "persist/ClassDeclaration.h"

namespace kel {

KEL_ENUM(TMouseButton, mbLeft, mbRight, mbMiddle)
KEL_ENUM(TMouseWheelStyle, pmwNormal, pmwInverted, pmwNone)
KEL_ENUM(TShiftStateItem,
         ssShift,
         ssAlt,
         ssCtrl,
         ssLeft,
         ssRight,
         ssMiddle,
         ssDouble,
         ssTouch,
         ssPen,
         ssCommand,
         ssHorizontal)
using TShiftState = TSet<TShiftStateItem>;

// Common base of zooming and panning. Its state describes a mouse drag in
// progress, which exists only while a chart is used interactively, so it
// holds nothing here.
class TZoomPanning : public TPersistent {
  KEL_CLASS(TZoomPanning, TPersistent)

 public:
  TZoomPanning() = default;
};

}  // namespace kel
