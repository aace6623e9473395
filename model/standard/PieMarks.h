// The marks settings of a pie.
#pragma once

#include <cstdint>

#include "persist/Persistent.h"

namespace kel {

class TPieMarks : public TPersistent {
  KEL_CLASS(TPieMarks, TPersistent)

 public:
  bool FEmptySlice = false;
  bool FInsideSlice = false;
  bool FRotated = false;
  bool FVertCenter = false;
  int32_t FLegSize = 0;

  void Assign(const TPersistent* source) override;
};

}  // namespace kel
