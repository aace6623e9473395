#include "model/axes/ChartAxisPen.h"

namespace kel {

KEL_PROPERTIES(
    TChartAxisPen,
    Redeclared(u"Width").Default(2),
    Redeclared(u"EndStyle").Default(esFlat),
    Property(u"LineMode", &TChartAxisPen::LineMode, &TChartAxisPen::SetLineMode).Default(lmLine))

TChartAxisPen::TChartAxisPen(TNotifyEvent onChange) : TKelPen(std::move(onChange)) {
  FWidth = 2;
  DefaultWidth = 2;
  AssignDefaultEndStyle(esFlat);
}

void TChartAxisPen::Assign(const TPersistent* source) {
  if (const auto* pen = dynamic_cast<const TChartAxisPen*>(source)) FLineMode = pen->FLineMode;
  inherited::Assign(source);
}

}  // namespace kel
