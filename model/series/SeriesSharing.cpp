#include "model/series/SeriesSharing.h"

#include "model/chart/AxisPanel.h"
#include "model/series/ChartSeries.h"

namespace kel {

void ForEachSeriesOfChart(const TChartSeries& series,
                          const std::function<void(TChartSeries&)>& apply) {
  const TCustomAxisPanel* chart = series.ParentChart();
  if (chart == nullptr) return;
  for (IChartSeries* item : chart->SeriesList()) {
    if (auto* other = dynamic_cast<TChartSeries*>(&item->SeriesComponent())) apply(*other);
  }
}

bool IsOfOwnOrAncestorClass(const TChartSeries& series, const TChartSeries& other) {
  return series.InheritsFrom(other.ClassInfo());
}

bool IsInstanceOfClassOf(const TChartSeries& series, const TChartSeries& other) {
  return other.InheritsFrom(series.ClassInfo());
}

}  // namespace kel
