#include <gtest/gtest.h>

#include <filesystem>

#include "store/ChartFile.h"
#include "tests/platform/TempFolder.h"

namespace kel {
namespace {

std::vector<uint8_t> Convert(void (*convert)(TStream&, TStream&), std::vector<uint8_t> bytes) {
  TMemoryStream input(std::move(bytes));
  TMemoryStream output;
  convert(input, output);
  return output.TakeBytes();
}

// Every sample converts both ways, and converting a conversion's output again
// gives that output back: text -> binary -> text is a fixed point.
TEST(SamplesTest, ConversionsOfEverySampleAreFixedPoints) {
  int samples = 0;
  for (const auto& entry : std::filesystem::directory_iterator(KEL_SAMPLES)) {
    if (entry.path().extension() != ".kel") continue;
    SCOPED_TRACE(entry.path().string());
    ++samples;
    const std::string content = test::ReadFile(entry.path().string());
    const std::vector<uint8_t> original(content.begin(), content.end());
    const std::vector<uint8_t> binary = Convert(ChartTextToBinary, original);
    const std::vector<uint8_t> text = Convert(ChartBinaryToText, binary);
    EXPECT_EQ(Convert(ChartTextToBinary, text), binary);
    EXPECT_EQ(Convert(ChartBinaryToText, Convert(ChartTextToBinary, text)), text);
    TMemoryStream originalStream(original);
    if (!IsBinaryChartStream(originalStream)) {
      EXPECT_EQ(text, original);
    }
  }
  EXPECT_GT(samples, 0);
}

}  // namespace
}  // namespace kel
