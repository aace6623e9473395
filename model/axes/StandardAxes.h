// The six standard axes of a chart.
#pragma once

#include <memory>

#include "model/axes/ChartAxis.h"
#include "model/axes/ChartCustomAxes.h"

namespace kel {

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

}  // namespace kel
