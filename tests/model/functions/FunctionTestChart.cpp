#include "tests/model/functions/FunctionTestChart.h"

#include "model/catalogue/Registration.h"
#include "model/standard/LineSeries.h"

namespace kel::test {

FunctionTestChart::FunctionTestChart() {
  RegisterModelClasses();
  Source = AddSeries<TLineSeries>(u"Source");
}

void FunctionTestChart::SetSource(const std::vector<double>& y, std::vector<double> x) {
  Source->Clear();
  for (size_t i = 0; i < y.size(); ++i) {
    Source->AddXY(x.empty() ? static_cast<double>(i) : x[i], y[i]);
  }
  Source->RefreshSeries();
}

std::vector<std::pair<double, double>> FunctionTestChart::Points(const TChartSeries& series) {
  std::vector<std::pair<double, double>> points;
  for (int i = 0; i < series.Count(); ++i) points.emplace_back(series.XValue(i), series.YValue(i));
  return points;
}

}  // namespace kel::test
