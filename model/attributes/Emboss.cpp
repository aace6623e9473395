#include "model/attributes/Emboss.h"

namespace kel {

KEL_PROPERTIES(TKelEmboss)

TKelEmboss::TKelEmboss(TNotifyEvent onChange) : TKelShadow(std::move(onChange)) {
  FVisible = false;
  DefaultVisible = false;
}

}  // namespace kel
