// Whole charts through the conversion, one test per chart of the test data
// folder: each NAME.kel converts to exactly NAME.expected.txt, whose lines
// were worked out by hand from the property tables (and, where the folder has
// NAME.nodata.txt, to that text without its values); converting an output
// again gives the same output; and the binary form of each chart converts to
// the same text as its text form. A chart or an expected text missing its
// partner fails.
#include <gtest/gtest.h>

#include <string>

#include "model/catalogue/Registration.h"
#include "persist/Stream.h"
#include "store/ChartConversion.h"
#include "store/ChartFile.h"
#include "tests/platform/TempFolder.h"
#include "tests/store/DataFolder.h"

namespace kel {
namespace {

const char* const kChartSuffix = ".kel";
const char* const kExpectedSuffix = ".expected.txt";
const char* const kWithoutDataSuffix = ".nodata.txt";

class ChartGoldenTest : public ::testing::TestWithParam<std::string> {
 protected:
  static void SetUpTestSuite() { RegisterModelClasses(); }

  // Converts bytes as a chart file of the given name and returns its text.
  std::string Convert(const std::string& name, const std::string& bytes, bool includeData = true) {
    test::WriteFile(FFolder / (name + ".kel"), bytes);
    ConvertChartFile(FFolder / (name + ".kel"), {.includeData = includeData});
    return test::ReadFile(FFolder / (name + ".txt"));
  }

  test::TempFolder FFolder;
};

TEST_P(ChartGoldenTest, ConvertsToItsExpectedText) {
  std::string chart, expected;
  ASSERT_TRUE(test::ReadDataFile(KEL_TEST_DATA, GetParam() + kChartSuffix, chart));
  ASSERT_TRUE(test::ReadDataFile(KEL_TEST_DATA, GetParam() + kExpectedSuffix, expected));
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(Convert(GetParam(), chart), expected);
}

TEST_P(ChartGoldenTest, ConvertingTheOutputAgainGivesTheSameOutput) {
  // No palette (index -1) is not written, so a chart read back from that
  // output takes the new chart's palette 13.
  if (GetParam() == "palette_none") GTEST_SKIP() << "the output does not keep 'no palette'";
  std::string chart;
  ASSERT_TRUE(test::ReadDataFile(KEL_TEST_DATA, GetParam() + kChartSuffix, chart));
  const std::string first = Convert(GetParam(), chart);
  EXPECT_EQ(Convert(GetParam() + "_again", first), first);
}

TEST_P(ChartGoldenTest, BinaryAndTextFormsConvertAlike) {
  std::string text;
  ASSERT_TRUE(test::ReadDataFile(KEL_TEST_DATA, GetParam() + kChartSuffix, text));
  TMemoryStream textStream(std::vector<uint8_t>(text.begin(), text.end()));
  TMemoryStream binary;
  ChartTextToBinary(textStream, binary);
  const std::string binaryBytes(binary.Bytes().begin(), binary.Bytes().end());
  EXPECT_EQ(Convert(GetParam() + "_binary", binaryBytes), Convert(GetParam(), text));
}

// Every chart of the folder and every expected text, so that either one
// without the other fails.
INSTANTIATE_TEST_SUITE_P(Data,
                         ChartGoldenTest,
                         ::testing::ValuesIn(test::DataFileStems(KEL_TEST_DATA,
                                                                 {kChartSuffix, kExpectedSuffix})),
                         test::DataFileTestName);

class ChartGoldenWithoutDataTest : public ChartGoldenTest {};

TEST_P(ChartGoldenWithoutDataTest, ConvertsToItsExpectedText) {
  std::string chart, expected;
  ASSERT_TRUE(test::ReadDataFile(KEL_TEST_DATA, GetParam() + kChartSuffix, chart));
  ASSERT_TRUE(test::ReadDataFile(KEL_TEST_DATA, GetParam() + kWithoutDataSuffix, expected));
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(Convert(GetParam(), chart, false), expected);
}

INSTANTIATE_TEST_SUITE_P(Data,
                         ChartGoldenWithoutDataTest,
                         ::testing::ValuesIn(test::DataFileStems(KEL_TEST_DATA,
                                                                 {kWithoutDataSuffix})),
                         test::DataFileTestName);

}  // namespace
}  // namespace kel
