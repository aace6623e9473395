#include "model/series/SeriesList.h"

#include <algorithm>

namespace kel {

int TChartSeriesList::IndexOf(const IChartSeries* series) const {
  const auto found = std::find(FItems.begin(), FItems.end(), series);
  return found == FItems.end() ? -1 : static_cast<int>(found - FItems.begin());
}

void TChartSeriesList::Add(IChartSeries* series) {
  if (IndexOf(series) < 0) FItems.push_back(series);
}

void TChartSeriesList::Remove(IChartSeries* series) {
  const auto found = std::find(FItems.begin(), FItems.end(), series);
  if (found != FItems.end()) FItems.erase(found);
}

}  // namespace kel
