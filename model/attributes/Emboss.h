// The emboss effect of a drawn element.
#pragma once

#include "model/attributes/Shadow.h"

namespace kel {

// A shadow that starts hidden.
class TKelEmboss : public TKelShadow {
  KEL_CLASS(TKelEmboss, TKelShadow)

 public:
  explicit TKelEmboss(TNotifyEvent onChange = {});
};

}  // namespace kel
