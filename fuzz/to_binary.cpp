// Feeds arbitrary bytes to the chart file's conversion to the binary form.
// Failing with a kel::Exception is the expected outcome for bad input;
// anything else (a crash, another exception, a sanitizer report) is a bug.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "persist/Exceptions.h"
#include "persist/Stream.h"
#include "store/ChartFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kel::TMemoryStream input(std::vector<uint8_t>(data, data + size));
  kel::TMemoryStream output;
  try {
    kel::ChartTextToBinary(input, output);
  } catch (const kel::Exception&) {
  }
  return 0;
}
