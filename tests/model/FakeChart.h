// A chart link for tests: a list of series with their Active and
// ShowInLegend flags, a fixed page count and counters of what was asked.
#pragma once

#include <vector>

#include "model/base/ChartLink.h"

namespace kel::test {

struct FakeSeries {
  bool active = true;
  bool inLegend = true;
};

class FakeChart : public IChartLink {
 public:
  std::vector<FakeSeries> series;
  int pages = 1;
  int invalidated = 0;
  int pageChanges = 0;
  bool walls3D = true;

  void Invalidate() override { ++invalidated; }
  int SeriesCount() const override { return static_cast<int>(series.size()); }
  bool SeriesActive(int index) const override { return series.at(index).active; }
  void SetSeriesActive(int index, bool active) override { series.at(index).active = active; }
  bool SeriesShownInLegend(int index) const override { return series.at(index).inLegend; }
  int PageCountFor(int) override { return pages; }
  void PageChanged() override { ++pageChanges; }
  bool View3DWalls() const override { return walls3D; }
  void SetView3DWalls(bool visible) override { walls3D = visible; }
};

}  // namespace kel::test
