// A series for the series base tests: publishes a few common properties as a
// concrete series class would, and can be made horizontal or given extra
// value lists.
#pragma once

#include <cstdint>
#include <vector>

#include "model/series/ChartSeries.h"

namespace kel::test {

class TTestSeries : public TChartSeries {
  KEL_CLASS(TTestSeries, TChartSeries)

 public:
  explicit TTestSeries(TComponent* owner, bool horizontal = false, int extraLists = 0);
};

// Bytes of a stream's content.
std::vector<uint8_t> BlockOf(TChartSeries& series);
// Replaces the series' points by bytes read as a block.
void ReadBlock(TChartSeries& series, const std::vector<uint8_t>& bytes);

}  // namespace kel::test
