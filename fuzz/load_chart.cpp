// Feeds arbitrary bytes to the loading of a chart file, text or binary form,
// with its series values, into a live chart, then writes the chart back as
// text: what the converter does with every file. Failing with a
// kel::Exception is the expected outcome for bad input; anything else (a
// crash, another exception, a sanitizer report) is a bug.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/catalogue/Registration.h"
#include "model/chart/Chart.h"
#include "persist/Exceptions.h"
#include "persist/Stream.h"
#include "store/ChartStore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kel::RegisterModelClasses();
  kel::TComponent host(nullptr);
  auto* chart = new kel::TChart(&host);
  kel::TMemoryStream input(std::vector<uint8_t>(data, data + size));
  try {
    kel::ReadChartFromStream(chart, input, true);
  } catch (const kel::Exception&) {
    return 0;
  }
  kel::TMemoryStream output;
  kel::WriteChartToStream(*chart, output, true, true);
  return 0;
}
