#include "model/axes/ChartAxes.h"

#include <algorithm>

#include "model/axes/AxisGridPen.h"
#include "persist/ClassRegistry.h"

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

int TChartAxes::IndexOf(const TChartAxis* axis) const {
  const auto found = std::find(FItems.begin(), FItems.end(), axis);
  return found == FItems.end() ? -1 : static_cast<int>(found - FItems.begin());
}

void TChartAxes::Remove(const TChartAxis* axis) {
  const auto found = std::find(FItems.begin(), FItems.end(), axis);
  if (found != FItems.end()) FItems.erase(found);
}

TStandardAxes CreateStandardAxes(TChartCustomAxes& customAxes) {
  // Made for the chart's CustomAxes, so that they know the chart, but never
  // inserted into it.
  auto make = [](auto axis, const char16_t* id) {
    axis->IAxisID = id;
    return axis;
  };
  auto otherSide = [](TChartAxis& axis) {
    axis.FOtherSide = true;
    axis.FZPosition = 100;
    axis.FGrid->AssignDefaultZ(100);
  };
  auto depth = [](TChartAxis& axis) {
    axis.FVisible = false;
    axis.IDepthAxis = true;
  };
  TStandardAxes axes;
  axes.Bottom = make(std::make_unique<TChartAxis>(&customAxes), u"Bottom");
  axes.Bottom->FHorizontal = true;
  axes.Top = make(std::make_unique<TChartAxis>(&customAxes), u"Top");
  axes.Top->FHorizontal = true;
  otherSide(*axes.Top);
  axes.Left = make(std::make_unique<TChartAxis>(&customAxes), u"Left");
  axes.Right = make(std::make_unique<TChartAxis>(&customAxes), u"Right");
  otherSide(*axes.Right);
  axes.Depth = make(std::make_unique<TChartDepthAxis>(&customAxes), u"Depth");
  depth(*axes.Depth);
  axes.Depth->FOtherSide = true;
  axes.DepthTop = make(std::make_unique<TChartDepthAxis>(&customAxes), u"DepthTop");
  depth(*axes.DepthTop);
  return axes;
}

void RegisterAxisClasses() {
  RegisterClasses({&TChartAxis::StaticClassInfo(), &TChartDepthAxis::StaticClassInfo()});
}

}  // namespace kel
