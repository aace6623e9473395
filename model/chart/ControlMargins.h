// The outer margins of the chart's host control.
#pragma once

#include <cstdint>

#include "persist/ClassDeclaration.h"

namespace kel {

// The control's outer margins, used when AlignWithMargins is set.
class TControlMargins : public TPersistent {
  KEL_CLASS(TControlMargins, TPersistent)

 public:
  TControlMargins() = default;

  int32_t FLeft = 3;
  int32_t FTop = 3;
  int32_t FRight = 3;
  int32_t FBottom = 3;

  void Assign(const TPersistent* source) override;
};

}  // namespace kel
