#include "model/tools/KelCustomToolAxis.h"

#include "model/axes/AxisIndexEntry.h"
#include "model/chart/AxisPanel.h"
#include "persist/Reader.h"
#include "persist/Writer.h"

namespace kel {

// The axis is not a published property: "AxisID" carries it, so that an
// "Axis" entry in a file is skipped like any unknown entry.
KEL_PROPERTIES(TKelCustomToolAxis)

namespace {

TCustomAxisPanel* ChartOf(const TChartAxis* axis) {
  return axis != nullptr ? dynamic_cast<TCustomAxisPanel*>(axis->ParentChart()) : nullptr;
}

}  // namespace

void TKelCustomToolAxis::LinkAxis(TChartAxis* axis) {
  if (axis == FAxis && (axis == nullptr || ChartOf(axis) == FParent)) return;
  FAxis = axis;
  AttachToChart(ChartOf(axis));
  Repaint();
}

int TKelCustomToolAxis::AxisIndex() const {
  if (FAxis == nullptr || FParent == nullptr) return -1;
  return FParent->Axes().IndexOf(FAxis);
}

void TKelCustomToolAxis::Assign(const TPersistent* source) {
  if (const auto* tool = dynamic_cast<const TKelCustomToolAxis*>(source)) {
    FAxis = tool->FAxis;
  }
  inherited::Assign(source);
}

void TKelCustomToolAxis::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  filer.DefineProperty(
      u"AxisID",
      [this](TReader& reader) {
        const int32_t index = reader.ReadInteger();
        if (FParent == nullptr) return;
        TChartAxes& axes = FParent->Axes();
        if (AxisIndexInRange(reader, *this, index, axes.Count())) LinkAxis(axes.Items(index));
      },
      [this](TWriter& writer) { writer.WriteInteger(AxisIndex()); }, AxisIndex() >= 0);
}

}  // namespace kel
