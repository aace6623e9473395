// Settings that a chart shares among its series of one class (stacking, bar
// layout, circle settings): a setter on one series copies its value into the
// related series of the same chart.
#pragma once

#include <functional>

namespace kel {

class TChartSeries;

// Calls apply for every series of series' chart (series itself included),
// in the chart's order; nothing when series has no chart.
void ForEachSeriesOfChart(const TChartSeries& series,
                          const std::function<void(TChartSeries&)>& apply);

// Whether other's class is series' class or one of its ancestors.
bool IsOfOwnOrAncestorClass(const TChartSeries& series, const TChartSeries& other);

// Whether other is an instance of series' class.
bool IsInstanceOfClassOf(const TChartSeries& series, const TChartSeries& other);

}  // namespace kel
