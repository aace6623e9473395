// A chart for the axis tests: the six standard axes and the custom axes,
// published in the chart's stream order, with optional series bounds, and
// helpers that write it in text form and read text into it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/axes/AxisChart.h"
#include "model/axes/ChartAxes.h"
#include "model/axes/ChartCustomAxes.h"
#include "model/axes/StandardAxes.h"
#include "persist/ClassDeclaration.h"

namespace kel::test {

class TAxisTestChart : public TComponent, public IAxisChart {
  KEL_CLASS(TAxisTestChart, TComponent)

 public:
  explicit TAxisTestChart(TComponent* owner = nullptr);
  ~TAxisTestChart() override;

  TChartAxes& Axes() override { return FAxes; }
  bool IsLoading() const override { return ComponentState().Contains(csLoading); }
  bool IsReading() const override { return ComponentState().Contains(csReading); }
  bool SeriesBounds(const TChartAxis& axis, double& minimum, double& maximum) override;
  void Invalidate() override { ++Invalidated; }
  TCustomKelPanel* ShapePanel() override { return nullptr; }

  TChartAxis* BottomAxis() const { return FStandard.Bottom.get(); }
  TChartAxis* TopAxis() const { return FStandard.Top.get(); }
  TChartAxis* LeftAxis() const { return FStandard.Left.get(); }
  TChartAxis* RightAxis() const { return FStandard.Right.get(); }
  TChartDepthAxis* DepthAxis() const { return FStandard.Depth.get(); }
  TChartDepthAxis* DepthTopAxis() const { return FStandard.DepthTop.get(); }
  // The writer writes a class property only when it can also be set.
  void SetBottomAxis(TChartAxis* value) { BottomAxis()->Assign(value); }
  void SetTopAxis(TChartAxis* value) { TopAxis()->Assign(value); }
  void SetLeftAxis(TChartAxis* value) { LeftAxis()->Assign(value); }
  void SetRightAxis(TChartAxis* value) { RightAxis()->Assign(value); }
  void SetDepthAxis(TChartDepthAxis* value) { DepthAxis()->Assign(value); }
  void SetDepthTopAxis(TChartDepthAxis* value) { DepthTopAxis()->Assign(value); }
  TChartCustomAxes* CustomAxes() const { return FCustomAxes.get(); }
  void SetCustomAxes(TChartCustomAxes* value) { FCustomAxes->Assign(value); }
  bool IsCustomAxesStored() const { return FCustomAxes->Count() > 0; }

  // The bounds that every axis's series show; none when empty.
  std::optional<std::pair<double, double>> Bounds;
  int Invalidated = 0;

 private:
  // Declared first, so that it outlives the axes.
  TChartAxes FAxes;
  std::unique_ptr<TChartCustomAxes> FCustomAxes;
  TStandardAxes FStandard;
};

// The chart in text form, with "\n" line ends.
std::string ChartText(TAxisTestChart& chart);

// Reads a chart record given as the property lines inside "object
// TAxisTestChart" ... "end" (names relative to the chart, "\n" line ends) the
// way the chart store does: errors are collected and skipped.
std::vector<std::string> LoadChart(TAxisTestChart& chart, std::string_view lines);

// The property lines of ChartText, without the object line, the final "end"
// and the indentation of the first level.
std::string ChartLines(TAxisTestChart& chart);

}  // namespace kel::test
