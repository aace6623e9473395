#include "model/axes/ChartAxes.h"

#include <algorithm>

#include "persist/ClassRegistry.h"

namespace kel {

int TChartAxes::IndexOf(const TChartAxis* axis) const {
  const auto found = std::find(FItems.begin(), FItems.end(), axis);
  return found == FItems.end() ? -1 : static_cast<int>(found - FItems.begin());
}

void TChartAxes::Remove(const TChartAxis* axis) {
  const auto found = std::find(FItems.begin(), FItems.end(), axis);
  if (found != FItems.end()) FItems.erase(found);
}

void RegisterAxisClasses() {
  RegisterClasses({&TChartAxis::StaticClassInfo(), &TChartDepthAxis::StaticClassInfo()});
}

}  // namespace kel
