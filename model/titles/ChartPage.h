// The chart's page settings: how many points of the first series a page
// shows and which page is shown.
#pragma once

#include <cstdint>

#include "persist/ClassDeclaration.h"

namespace kel {

class IChartLink;

class TChartPage : public TPersistent {
  KEL_CLASS(TChartPage, TPersistent)

 public:
  explicit TChartPage(IChartLink* chart = nullptr) : FChart(chart) {}
  void SetChart(IChartLink* chart) { FChart = chart; }

  bool FAutoScale = false;
  bool FScaleLastPage = true;

  int32_t Current() const { return FCurrent; }
  // Clamps to the page count, then to at least 1; a change tells the chart.
  void SetCurrent(int32_t value);
  int32_t MaxPointsPerPage() const { return FPointsPerPage; }
  // Raises "MaxPointsPerPage must be >= 0" below 0.
  void SetMaxPointsPerPage(int32_t value);
  // 1 without paging or without series; otherwise the chart works it out.
  int32_t Count() const;

  void Assign(const TPersistent* source) override;

 private:
  IChartLink* FChart;
  int32_t FCurrent = 1;
  int32_t FPointsPerPage = 0;
};

}  // namespace kel
