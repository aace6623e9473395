#include "model/axes/StandardAxes.h"

#include "model/axes/AxisGridPen.h"

namespace kel {

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

}  // namespace kel
