// The base of tools that work on one series of their chart.
#pragma once

#include "model/series/ChartSeries.h"
#include "model/tools/KelCustomTool.h"

namespace kel {

class TChartAxis;

class TKelCustomToolSeries : public TKelCustomTool, public ISeriesFreeWatcher {
  KEL_CLASS(TKelCustomToolSeries, TKelCustomTool)

 public:
  explicit TKelCustomToolSeries(TComponent* owner) : TKelCustomTool(owner) {}
  ~TKelCustomToolSeries() override;

  // The linked series, or none; not owned. It becomes none when the series
  // is freed.
  TChartSeries* Series() const { return FSeries; }
  void SetSeries(TChartSeries* value) { LinkSeries(value); }
  virtual void LinkSeries(TChartSeries* series);

  // The series' axes; without a series the chart's bottom (left) axis, or
  // its top (right) axis when only active series on that side use one.
  TChartAxis* GetHorizAxis() const;
  TChartAxis* GetVertAxis() const;

  void Assign(const TPersistent* source) override;

 private:
  void SeriesFreed(TChartSeries& series) override;

  TChartSeries* FSeries = nullptr;
};

}  // namespace kel
