// The chart's list of all its axes, and the registration of the axis classes.
#pragma once

#include <vector>

#include "model/axes/ChartAxis.h"

namespace kel {

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

// Registers the axis classes by name.
void RegisterAxisClasses();

}  // namespace kel
