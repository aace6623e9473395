// The touch settings of the chart's host control.
#pragma once

#include "persist/ClassDeclaration.h"

namespace kel {

// The control's touch and gesture settings. The converter has no touch input,
// so it keeps none of them; the entry exists so that the chart's list is whole.
class TTouchManager : public TPersistent {
  KEL_CLASS(TTouchManager, TPersistent)

 public:
  TTouchManager() = default;
};

}  // namespace kel
