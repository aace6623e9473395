// The large chart the series benchmarks convert: 10 line series whose X
// values are not the plain index sequence, so every point carries both X and
// Y, and whose Y values repeat every thousand points.
#pragma once

#include <functional>
#include <string>

#include "model/chart/Chart.h"
#include "model/standard/LineSeries.h"
#include "store/ChartStore.h"

namespace kel::bench {

inline constexpr int kSeriesCount = 10;

inline void AddLineSeries(TChart& chart, int pointsPerSeries) {
  for (int s = 0; s < kSeriesCount; ++s) {
    auto* series = new TLineSeries(&chart);
    series->SetName(u"Series" + std::u16string(1, static_cast<char16_t>(u'0' + s)));
    series->SetParentChart(&chart);
    series->BeginUpdate();
    for (int i = 0; i < pointsPerSeries; ++i) {
      series->AddXY(i * 0.5, static_cast<double>((i * 7919LL + s) % 1000) / 8.0);
    }
    series->EndUpdate();
  }
}

// Saves the chart `build` fills as a binary chart file at `path`, the values
// inside the component stream.
inline void WriteBuiltChartFile(const std::string& path,
                                const std::function<void(TChart&)>& build) {
  TChart chart(nullptr);
  build(chart);
  for (int s = 0; s < chart.SeriesCount(); ++s) {
    static_cast<TChartSeries&>(chart.Series(s)->SeriesComponent()).ManualData = true;
  }
  WriteChartToFile(chart, path, true, false);
}

// A chart of the line series saved by WriteBuiltChartFile.
inline void WriteLineSeriesChartFile(const std::string& path, int pointsPerSeries) {
  WriteBuiltChartFile(path,
                      [pointsPerSeries](TChart& chart) { AddLineSeries(chart, pointsPerSeries); });
}

}  // namespace kel::bench
