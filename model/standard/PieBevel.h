// The bevel of a pie's slices.
#pragma once

#include <cstdint>

#include "persist/Persistent.h"

namespace kel {

class TPieBevel : public TPersistent {
  KEL_CLASS(TPieBevel, TPersistent)

 public:
  int32_t FBright = 32;
  int32_t FPercent = 0;
  bool FUseBorder = true;

  void Assign(const TPersistent* source) override;
};

}  // namespace kel
