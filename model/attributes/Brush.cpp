#include "model/attributes/Brush.h"

#include "model/attributes/Gradient.h"
#include "model/attributes/Picture.h"

namespace kel {

KEL_PROPERTIES(TBrush,
               Property(u"Color", &TBrush::Color, &TBrush::SetColor).Default(clWhite),
               Property(u"Style", &TBrush::Style, &TBrush::SetStyle).Default(bsSolid))

void TBrush::Assign(const TPersistent* source) {
  if (const auto* brush = dynamic_cast<const TBrush*>(source)) {
    FColor = brush->FColor;
    FStyle = brush->FStyle;
    Changed();
    return;
  }
  inherited::Assign(source);
}

KEL_PROPERTIES(
    TKelBrush,
    Redeclared(u"Color").StoredUnlessEqual(&TKelBrush::DefaultColor),
    Property(u"BackColor", &TKelBrush::BackColor, &TKelBrush::SetBackColor).Default(clNone),
    Property(u"Gradient", &TKelBrush::Gradient, &TKelBrush::SetGradient),
    Property(u"Image", &TKelBrush::Image, &TKelBrush::SetImage))

TKelBrush::TKelBrush(TNotifyEvent onChange) : TBrush(std::move(onChange)) {
  FColor = clDefault;
}

TKelBrush::~TKelBrush() = default;

TKelGradient* TKelBrush::Gradient() {
  if (!FGradient) FGradient = std::make_unique<TKelGradient>(OnChange());
  return FGradient.get();
}

void TKelBrush::SetGradient(TKelGradient* value) {
  if (value == nullptr) {
    FGradient.reset();
  } else {
    Gradient()->Assign(value);
  }
}

TKelPicture* TKelBrush::Image() {
  if (!FImage) FImage = std::make_unique<TKelPicture>(OnChange());
  return FImage.get();
}

void TKelBrush::SetImage(TKelPicture* value) {
  if (value == nullptr) {
    FImage.reset();
  } else {
    Image()->Assign(value);
  }
}

void TKelBrush::AssignDefaultColor(TColor value) {
  FColor = value;
  DefaultColor = value;
}

void TKelBrush::Clear() {
  FImage.reset();
  FGradient.reset();
  SetStyle(bsClear);
}

void TKelBrush::Assign(const TPersistent* source) {
  if (const auto* brush = dynamic_cast<const TKelBrush*>(source)) {
    SetImage(brush->FImage.get());
    FBackColor = brush->FBackColor;
    SetGradient(brush->FGradient.get());
  }
  inherited::Assign(source);
}

}  // namespace kel
