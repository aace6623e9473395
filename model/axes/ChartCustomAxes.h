// A chart's CustomAxes and an axis's SubAxes.
#pragma once

#include "model/axes/ChartAxis.h"

namespace kel {

class IAxisChart;

// An owned collection of TChartAxis items: the chart's custom axes, or the
// sub-axes of an axis.
class TChartCustomAxes : public TOwnedCollection {
  KEL_CLASS(TChartCustomAxes, TOwnedCollection)

 public:
  // The custom axes of chart, whose persistent object is chartObject.
  TChartCustomAxes(TPersistent& chartObject, IAxisChart& chart);
  // The sub-axes of master.
  explicit TChartCustomAxes(TChartAxis& master);

  IAxisChart* Chart() const { return FChart; }
  // The axis these are the sub-axes of; null for the chart's custom axes.
  TChartAxis* Master() const { return FMaster; }
  TChartAxis* Items(int index) const { return static_cast<TChartAxis*>(TCollection::Items(index)); }

  // Adds an axis as an editor does: a sub-axis takes its master's Horizontal
  // and OtherSide and hides its grid. Reading and Assign create items through
  // the plain TCollection::Add instead, so that an item starts from the
  // construction values.
  TChartAxis* Add();

 private:
  IAxisChart* FChart;
  TChartAxis* FMaster = nullptr;
};

}  // namespace kel
