// Feeds arbitrary bytes to a series as its data block, then writes the series
// back. The first byte picks the series' shape (horizontal, extra value
// lists), so that blocks written for another shape are tried too. Reading
// must never fail, crash or read past the data.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/series/ChartSeries.h"
#include "persist/Stream.h"

namespace {

class TFuzzSeries : public kel::TChartSeries {
 public:
  TFuzzSeries(bool horizontal, int extraLists) : kel::TChartSeries(nullptr) {
    if (horizontal) SetHorizontal();
    for (int i = 0; i < extraLists; ++i) AddValueList(u"Extra");
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t shape = data[0];
  TFuzzSeries series((shape & 1) != 0, (shape >> 1) & 3);
  kel::TMemoryStream input(std::vector<uint8_t>(data + 1, data + size));
  series.ReadSeriesData(input);
  kel::TMemoryStream output;
  series.WriteSeriesData(output);
  return 0;
}
