#include "model/axes/AxisPens.h"

#include "persist/Reader.h"
#include "persist/Writer.h"

namespace kel {

KEL_PROPERTIES(
    TChartAxisPen, Redeclared(u"Width").Default(2), Redeclared(u"EndStyle").Default(esFlat),
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

KEL_PROPERTIES(TTicks)

KEL_PROPERTIES(
    TAxisGridPen, Redeclared(u"Color").Default(clSilver), Redeclared(u"Width").Default(1),
    Property(u"DrawEvery", &TAxisGridPen::DrawEvery, &TAxisGridPen::SetDrawEvery).Default(1),
    Property(u"ZPosition", &TAxisGridPen::ZPosition, &TAxisGridPen::SetZPosition)
        .Stored(&TAxisGridPen::IsZPositionStored))

TAxisGridPen::TAxisGridPen(TNotifyEvent onChange) : TKelPen(std::move(onChange)) {
  FColor = clSilver;
}

void TAxisGridPen::AssignDefaultZ(double value) {
  FZPosition = value;
  IDefaultZ = value;
}

void TAxisGridPen::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  filer.DefineProperty(
      u"ZZero",
      [this](TReader& reader) {
        if (reader.ReadBoolean()) SetZPosition(0);
      },
      [](TWriter& writer) { writer.WriteBoolean(true); }, IDefaultZ != 0 && FZPosition == 0);
}

void TAxisGridPen::Assign(const TPersistent* source) {
  if (const auto* grid = dynamic_cast<const TAxisGridPen*>(source)) {
    FCentered = grid->FCentered;
    FDrawEvery = grid->FDrawEvery;
    FZPosition = grid->FZPosition;
  }
  inherited::Assign(source);
}

}  // namespace kel
