#include "model/standard/PieOtherSlice.h"

#include "model/chart/AxisPanel.h"
#include "model/series/ChartSeries.h"
#include "model/titles/Legend.h"
#include "persist/ClassDeclaration.h"

namespace kel {

using O = TPieOtherSlice;
KEL_PROPERTIES(TPieOtherSlice,
               Property(u"Color", &O::FColor, &O::FColor).Default(clDefault),
               Property(u"Legend", &O::Legend, &O::SetLegend),
               Property(u"Style", &O::FStyle, &O::FStyle).Default(poNone),
               Property(u"Text", &O::Text, &O::SetText).Stored(&O::IsTextStored),
               Property(u"Value", &O::FValue, &O::FValue))

TPieOtherSlice::TPieOtherSlice(TChartSeries* pie) : FPie(pie) {}

TPieOtherSlice::~TPieOtherSlice() = default;

std::u16string TPieOtherSlice::Text() const {
  return FText.empty() ? u"Other" : FText;
}

TChartLegend* TPieOtherSlice::Legend() {
  if (!FLegend) {
    FLegend = std::make_unique<TChartLegend>(FPie->ParentChart());
    // Hidden, while its default stays visible: a pie always writes
    // OtherSlice.Legend.Visible = False.
    FLegend->SetVisible(false);
  }
  return FLegend.get();
}

void TPieOtherSlice::SetLegend(TChartLegend* value) {
  Legend()->Assign(value);
}

void TPieOtherSlice::Assign(const TPersistent* source) {
  if (const auto* other = dynamic_cast<const TPieOtherSlice*>(source)) {
    FColor = other->FColor;
    FStyle = other->FStyle;
    FText = other->FText;
    FValue = other->FValue;
    if (other->FLegend) Legend()->Assign(other->FLegend.get());
    return;
  }
  inherited::Assign(source);
}

}  // namespace kel
