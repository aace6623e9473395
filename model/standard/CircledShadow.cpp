#include "model/standard/CircledShadow.h"

namespace kel {

namespace {

constexpr TColor kCircledShadowColor = static_cast<TColor>(0xA0A0A0);
constexpr int32_t kCircledShadowSize = 3;

}  // namespace

KEL_PROPERTIES(TCircledShadow)

TCircledShadow::TCircledShadow(TNotifyEvent onChange) : TKelShadow(std::move(onChange)) {
  AssignShadowDefaults(Visible(), kCircledShadowColor, kCircledShadowSize);
}

KEL_PROPERTIES(TCircledEmboss)

TCircledEmboss::TCircledEmboss(TNotifyEvent onChange) : TKelEmboss(std::move(onChange)) {
  AssignShadowDefaults(Visible(), kCircledShadowColor, kCircledShadowSize);
}

}  // namespace kel
