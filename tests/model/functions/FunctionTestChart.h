// A chart with a line series of given points and a function series fed by
// it, for the function tests.
#pragma once

#include <memory>
#include <vector>

#include "model/chart/Chart.h"
#include "model/functions/KelFunction.h"

namespace kel::test {

struct FunctionTestChart {
  FunctionTestChart();

  // Replaces the source's points by (x[i], y[i]); x defaults to 0, 1, ...
  void SetSource(const std::vector<double>& y, std::vector<double> x = {});
  // A new series of class T on the chart, named name.
  template <class T>
  T* AddSeries(const std::u16string& name) {
    auto* series = new T(&Chart);
    series->SetName(name);
    series->SetParentChart(&Chart);
    return series;
  }
  // Gives target a new function of class T and Source as its data source.
  template <class T>
  T* Attach(TChartSeries* target) {
    auto* function = new T(&Chart);
    target->SetFunction(function);
    target->SetDataSource(Source);
    return function;
  }
  // The (X, Y) pairs of series.
  static std::vector<std::pair<double, double>> Points(const TChartSeries& series);

  TChart Chart{nullptr};
  TChartSeries* Source;
};

}  // namespace kel::test
