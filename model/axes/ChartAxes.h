// The collections and lists of axes: a chart's CustomAxes and an axis's
// SubAxes (TChartCustomAxes), the chart's list of all its axes (TChartAxes),
// and the making of the six standard axes.
#pragma once

#include <memory>
#include <vector>

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

// Every axis of a chart except the sub-axes, in creation order; it owns none.
class TChartAxes {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  TChartAxis* Items(int index) const { return FItems.at(static_cast<size_t>(index)); }
  int IndexOf(const TChartAxis* axis) const;
  void Add(TChartAxis* axis) { FItems.push_back(axis); }
  void Remove(const TChartAxis* axis);

 private:
  std::vector<TChartAxis*> FItems;
};

// The six standard axes of a chart, made in this order, none of them an item
// of the chart's CustomAxes. They join the chart's axis list as they are
// made, so the list must be empty before.
struct TStandardAxes {
  std::unique_ptr<TChartAxis> Bottom;
  std::unique_ptr<TChartAxis> Top;
  std::unique_ptr<TChartAxis> Left;
  std::unique_ptr<TChartAxis> Right;
  std::unique_ptr<TChartDepthAxis> Depth;
  std::unique_ptr<TChartDepthAxis> DepthTop;
};
TStandardAxes CreateStandardAxes(TChartCustomAxes& customAxes);

// Registers the axis classes by name.
void RegisterAxisClasses();

}  // namespace kel
