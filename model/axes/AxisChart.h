// What an axis asks of the chart it belongs to. The chart implements it and
// hands it to its CustomAxes collection; every axis made for that collection
// (the six standard axes, custom axes, and through them their sub-axes)
// reaches its chart this way.
#pragma once

namespace kel {

class TChartAxes;
class TChartAxis;
class TCustomKelPanel;

class IAxisChart {
 public:
  // Every axis of the chart except sub-axes: the six standard axes, then the
  // custom axes. Axes keep a pointer to it for their whole life, so the chart
  // must destroy its axes before this list.
  virtual TChartAxes& Axes() = 0;

  // The chart's csLoading and csReading states.
  virtual bool IsLoading() const = 0;
  virtual bool IsReading() const = 0;

  // The lowest and highest value that the chart's visible series show along
  // axis; false (and the bounds untouched) when no series uses the axis.
  virtual bool SeriesBounds(const TChartAxis& axis, double& minimum, double& maximum) = 0;

  // Requests a repaint of the chart.
  virtual void Invalidate() = 0;

  // The panel that the axis's title, label format and background shape
  // belong to; null when the chart is not a panel.
  virtual TCustomKelPanel* ShapePanel() = 0;

 protected:
  ~IAxisChart() = default;
};

}  // namespace kel
