#include "model/titles/LegendSymbol.h"

#include "model/attributes/Emboss.h"
#include "model/attributes/Gradient.h"
#include "model/attributes/Pen.h"
#include "model/attributes/Shadow.h"

namespace kel {

KEL_PROPERTIES(
    TLegendSymbol,
    Property(u"Continuous", &TLegendSymbol::Continuous, &TLegendSymbol::SetContinuous)
        .Default(false),
    Property(u"DefaultPen", &TLegendSymbol::DefaultPen, &TLegendSymbol::SetDefaultPen)
        .Default(true),
    Property(u"Emboss", &TLegendSymbol::Emboss, &TLegendSymbol::SetEmboss),
    Property(u"Gradient", &TLegendSymbol::Gradient, &TLegendSymbol::SetGradient),
    Property(u"Height", &TLegendSymbol::Height, &TLegendSymbol::SetHeight).Default(100),
    Property(u"HeightUnits", &TLegendSymbol::HeightUnits, &TLegendSymbol::SetHeightUnits)
        .Default(lcsPercent),
    Property(u"Pen", &TLegendSymbol::Pen, &TLegendSymbol::SetPen),
    Property(u"Position", &TLegendSymbol::Position, &TLegendSymbol::SetPosition).Default(spLeft),
    Property(u"Shadow", &TLegendSymbol::Shadow, &TLegendSymbol::SetShadow),
    Property(u"Squared", &TLegendSymbol::Squared, &TLegendSymbol::SetSquared).Default(true),
    Property(u"Visible", &TLegendSymbol::Visible, &TLegendSymbol::SetVisible).Default(true),
    Property(u"Width", &TLegendSymbol::Width, &TLegendSymbol::SetWidth).Default(20),
    Property(u"WidthUnits", &TLegendSymbol::WidthUnits, &TLegendSymbol::SetWidthUnits)
        .Default(lcsPercent))

TLegendSymbol::TLegendSymbol(TNotifyEvent onChange) : TChangeNotifier(std::move(onChange)) {
  const TNotifyEvent& changed = OnChange();
  FPen = std::make_unique<TKelPen>(changed);
  FGradient = std::make_unique<TKelGradient>(changed);
  FShadow = std::make_unique<TKelShadow>(changed);
  FShadow->AssignShadowDefaults(true, clSilver, 1);
  FEmboss = std::make_unique<TKelEmboss>(changed);
  FEmboss->AssignShadowDefaults(false, clSilver, 1);
}

TLegendSymbol::~TLegendSymbol() = default;

void TLegendSymbol::SetEmboss(TKelEmboss* value) {
  FEmboss->Assign(value);
}

void TLegendSymbol::SetGradient(TKelGradient* value) {
  FGradient->Assign(value);
}

void TLegendSymbol::SetPen(TKelPen* value) {
  FPen->Assign(value);
}

void TLegendSymbol::SetShadow(TKelShadow* value) {
  FShadow->Assign(value);
}

void TLegendSymbol::Assign(const TPersistent* source) {
  if (const auto* symbol = dynamic_cast<const TLegendSymbol*>(source)) {
    FContinuous = symbol->FContinuous;
    FDefaultPen = symbol->FDefaultPen;
    FHeight = symbol->FHeight;
    FHeightUnits = symbol->FHeightUnits;
    FPosition = symbol->FPosition;
    FSquared = symbol->FSquared;
    FVisible = symbol->FVisible;
    FWidth = symbol->FWidth;
    FWidthUnits = symbol->FWidthUnits;
    FEmboss->Assign(symbol->FEmboss.get());
    FGradient->Assign(symbol->FGradient.get());
    FPen->Assign(symbol->FPen.get());
    FShadow->Assign(symbol->FShadow.get());
    Changed();
    return;
  }
  inherited::Assign(source);
}

}  // namespace kel
