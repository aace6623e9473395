#include "model/axes/AxisGridPen.h"

#include "persist/Reader.h"
#include "persist/Writer.h"

namespace kel {

KEL_PROPERTIES(
    TAxisGridPen,
    Redeclared(u"Color").Default(clSilver),
    Redeclared(u"Width").Default(1),
    Property(u"DrawEvery", &TAxisGridPen::DrawEvery, &TAxisGridPen::SetDrawEvery).Default(1),
    Property(u"ZPosition", &TAxisGridPen::ZPosition, &TAxisGridPen::SetZPosition)
        .StoredUnlessEqual(&TAxisGridPen::IDefaultZ))

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
