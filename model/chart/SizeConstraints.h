// The size limits of the chart's host control.
#pragma once

#include <cstdint>

#include "persist/ClassDeclaration.h"

namespace kel {

// The smallest and largest size the control may take; 0 is no limit.
class TSizeConstraints : public TPersistent {
  KEL_CLASS(TSizeConstraints, TPersistent)

 public:
  TSizeConstraints() = default;

  int32_t FMaxHeight = 0;
  int32_t FMaxWidth = 0;
  int32_t FMinHeight = 0;
  int32_t FMinWidth = 0;

  void Assign(const TPersistent* source) override;
};

}  // namespace kel
