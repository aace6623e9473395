#include "model/attributes/GradientColors.h"

#include "persist/ScopeRestore.h"

namespace kel {

KEL_PROPERTIES(
    TKelGradientColor,
    Property(u"Color", &TKelGradientColor::Color, &TKelGradientColor::SetColor).Default(clBlack),
    Property(u"Offset", &TKelGradientColor::Offset, &TKelGradientColor::SetOffset),
    Property(u"Transparency", &TKelGradientColor::Transparency, &TKelGradientColor::SetTransparency)
        .Default(0))

void TKelGradientColor::SetColor(TColor value) {
  if (FColor == value) return;
  FColor = value;
  Changed(false);
}

void TKelGradientColor::SetOffset(double value) {
  if (FOffset == value) return;
  FOffset = value;
  Changed(false);
}

void TKelGradientColor::SetTransparency(TKelTransparency value) {
  if (FTransparency == value) return;
  FTransparency = value;
  Changed(false);
}

void TKelGradientColor::Assign(const TPersistent* source) {
  if (const auto* color = dynamic_cast<const TKelGradientColor*>(source)) {
    FColor = color->FColor;
    FOffset = color->FOffset;
    FTransparency = color->FTransparency;
    Changed(false);
    return;
  }
  inherited::Assign(source);
}

KEL_PROPERTIES(TKelGradientColors)

TKelGradientColors::TKelGradientColors(TPersistent* owner, TNotifyEvent onChange)
    : TOwnedCollection(owner, TKelGradientColor::StaticClassInfo()),
      FOnChange(std::move(onChange)) {}

TKelGradientColor& TKelGradientColors::Item(int index) {
  while (Count() <= index) TCollection::Add();
  return static_cast<TKelGradientColor&>(*Items(index));
}

TKelGradientColor& TKelGradientColors::Add(TColor color,
                                           TKelTransparency transparency,
                                           double offset) {
  // Written so that NaN, which is not >= 0, also becomes 0.
  if (!(offset >= 0)) offset = 0;
  if (offset > 1) offset = 1;
  int position = 0;
  while (position < Count() &&
         static_cast<TKelGradientColor*>(Items(position))->Offset() <= offset) {
    ++position;
  }
  BeginUpdate();
  auto* item = TCollection::Add<TKelGradientColor>();
  item->SetColor(color);
  item->SetTransparency(transparency);
  item->SetOffset(offset);
  item->SetIndex(position);
  EndUpdate();
  return *item;
}

void TKelGradientColors::Reset(TColor startColor, TColor endColor) {
  TScopeRestore<TNotifyEvent> keepNotification(FOnChange);
  FOnChange = nullptr;
  Clear();
  Add(startColor, 0, 0);
  Add(endColor, 0, 1);
}

void TKelGradientColors::Update(TCollectionItem*) {
  if (FOnChange) FOnChange();
}

}  // namespace kel
