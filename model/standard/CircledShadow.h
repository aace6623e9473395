// The grey shadow and emboss of circled series.
#pragma once

#include "model/attributes/Emboss.h"
#include "model/attributes/Shadow.h"

namespace kel {

// Grey, 3 by 3, and written against those values.
class TCircledShadow : public TKelShadow {
  KEL_CLASS(TCircledShadow, TKelShadow)

 public:
  explicit TCircledShadow(TNotifyEvent onChange = {});
};

class TCircledEmboss : public TKelEmboss {
  KEL_CLASS(TCircledEmboss, TKelEmboss)

 public:
  explicit TCircledEmboss(TNotifyEvent onChange = {});
};

}  // namespace kel
