// What the titles, legend, walls and page settings ask of the chart that owns
// them. The chart implements it and hands itself over after creating them;
// an object without a chart behaves as if its chart had no series.
#pragma once

namespace kel {

class IChartLink {
 public:
  virtual ~IChartLink() = default;

  // Requests a repaint of the chart.
  virtual void Invalidate() = 0;

  // The chart's series, in the chart's order.
  virtual int SeriesCount() const = 0;
  virtual bool SeriesActive(int index) const = 0;
  virtual void SetSeriesActive(int index, bool active) = 0;
  virtual bool SeriesShownInLegend(int index) const = 0;

  // How many pages the chart's first series fills at pointsPerPage points per
  // page (pointsPerPage > 0, the chart has series); depends on its axes.
  virtual int PageCountFor(int pointsPerPage) = 0;
  // Tells the chart's parts and the chart's OnPageChange that the page changed.
  virtual void PageChanged() = 0;

  // The chart's View3DWalls.
  virtual bool View3DWalls() const = 0;
  virtual void SetView3DWalls(bool visible) = 0;
};

}  // namespace kel
