// The region of a picture that an image filter applies to.
#pragma once

#include <cstdint>

#include "persist/ClassDeclaration.h"

namespace kel {

class TFilterRegion : public TPersistent {
  KEL_CLASS(TFilterRegion, TPersistent)

 public:
  int32_t FHeight = 0;
  int32_t FLeft = 0;
  int32_t FTop = 0;
  int32_t FWidth = 0;

  void Assign(const TPersistent* source) override;
};

}  // namespace kel
