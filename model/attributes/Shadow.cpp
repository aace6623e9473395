#include "model/attributes/Shadow.h"

#include <algorithm>
#include <cstdlib>

namespace kel {

KEL_PROPERTIES(
    TKelShadow,
    Property(u"Clip", &TKelShadow::Clip, &TKelShadow::SetClip).Default(false),
    Property(u"Color", &TKelShadow::Color, &TKelShadow::SetColor)
        .NoDefault()
        .StoredUnlessEqual(&TKelShadow::DefaultColor),
    Property(u"HorizSize", &TKelShadow::HorizSize, &TKelShadow::SetHorizSize)
        .NoDefault()
        .StoredUnlessEqual(&TKelShadow::DefaultSize),
    Property(u"Smooth", &TKelShadow::Smooth, &TKelShadow::SetSmooth).Default(true),
    Property(u"SmoothBlur", &TKelShadow::SmoothBlur, &TKelShadow::SetSmoothBlur).Default(0),
    Property(u"Transparency", &TKelShadow::Transparency, &TKelShadow::SetTransparency).Default(50),
    Property(u"VertSize", &TKelShadow::VertSize, &TKelShadow::SetVertSize)
        .NoDefault()
        .StoredUnlessEqual(&TKelShadow::DefaultSize),
    Property(u"Visible", &TKelShadow::Visible, &TKelShadow::SetVisible)
        .NoDefault()
        .StoredUnlessEqual(&TKelShadow::DefaultVisible))

TKelShadow::TKelShadow(TNotifyEvent onChange) : TChangeNotifier(std::move(onChange)) {
  AssignShadowDefaults(true, clSilver, 0);
}

int32_t TKelShadow::Size() const {
  return std::max(std::abs(FHorizSize), std::abs(FVertSize));
}

void TKelShadow::SetSize(int32_t value) {
  if (FHorizSize == value && FVertSize == value) return;
  FHorizSize = value;
  FVertSize = value;
  Changed();
}

void TKelShadow::AssignShadowDefaults(bool visible, TColor color, int32_t size) {
  FVisible = visible;
  DefaultVisible = visible;
  FColor = color;
  DefaultColor = color;
  FHorizSize = size;
  FVertSize = size;
  DefaultSize = size;
}

void TKelShadow::Assign(const TPersistent* source) {
  if (const auto* shadow = dynamic_cast<const TKelShadow*>(source)) {
    FColor = shadow->FColor;
    FHorizSize = shadow->FHorizSize;
    FSmooth = shadow->FSmooth;
    FSmoothBlur = shadow->FSmoothBlur;
    FTransparency = shadow->FTransparency;
    FVertSize = shadow->FVertSize;
    FVisible = shadow->FVisible;
    Changed();
    return;
  }
  inherited::Assign(source);
}

}  // namespace kel
