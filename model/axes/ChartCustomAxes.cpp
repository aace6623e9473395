#include "model/axes/ChartCustomAxes.h"

#include "model/axes/AxisGridPen.h"

namespace kel {

KEL_PROPERTIES(TChartCustomAxes)

TChartCustomAxes::TChartCustomAxes(TPersistent& chartObject, IAxisChart& chart)
    : TOwnedCollection(&chartObject, TChartAxis::StaticClassInfo()), FChart(&chart) {}

TChartCustomAxes::TChartCustomAxes(TChartAxis& master)
    : TOwnedCollection(&master, TChartAxis::StaticClassInfo()),
      FChart(master.ParentChart()),
      FMaster(&master) {}

TChartAxis* TChartCustomAxes::Add() {
  auto* axis = static_cast<TChartAxis*>(TCollection::Add());
  if (FMaster != nullptr) {
    axis->SetHorizontal(FMaster->Horizontal());
    axis->SetOtherSide(FMaster->OtherSide());
    axis->Grid()->SetVisible(false);
  }
  return axis;
}

}  // namespace kel
