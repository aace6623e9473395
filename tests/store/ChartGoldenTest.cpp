// Whole charts through the conversion: each tests/data/NAME.kel converts to
// exactly NAME.expected.txt, whose lines were worked out by hand from the
// property tables; converting an output again gives the same output; and the
// binary form of each chart converts to the same text as its text form.
#include <gtest/gtest.h>

#include <string>

#include "model/catalogue/Registration.h"
#include "persist/Stream.h"
#include "store/ChartConversion.h"
#include "store/ChartFile.h"
#include "tests/platform/TempFolder.h"

namespace kel {
namespace {

const char* const kGoldenCharts[] = {
    "empty_chart",    "host_bounds",
    "host_switches",  "panel_settings",
    "legacy_names",   "border_style_none",
    "palette_custom", "palette_none",
    "print_margins",  "canvas_empty",
    "canvas_switch",  "unknown_entries",
    "titles",         "walls",
    "legend",         "gradient",
    "axes",           "shadow_view3d",
    "series_groups",  "chart_chart_root",
    "series_line",    "series_types",
    "series_data",    "series_shared",
};

// Charts converted without their values: NAME.kel gives NAME.nodata.txt.
const char* const kGoldenChartsWithoutData[] = {"series_line", "series_types"};

std::string DataPath(const std::string& name) {
  return std::string(KEL_TEST_DATA) + "/" + name;
}

class ChartGoldenTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterModelClasses(); }

  // Converts bytes as a chart file of the given name and returns its text.
  std::string Convert(const std::string& name, const std::string& bytes, bool includeData = true) {
    test::WriteFile(FFolder / (name + ".kel"), bytes);
    ConvertChartFile(FFolder / (name + ".kel"), includeData);
    return test::ReadFile(FFolder / (name + ".txt"));
  }

  test::TempFolder FFolder;
};

TEST_F(ChartGoldenTest, EachChartConvertsToItsExpectedText) {
  for (const char* name : kGoldenCharts) {
    SCOPED_TRACE(name);
    const std::string expected = test::ReadFile(DataPath(std::string(name) + ".expected.txt"));
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(Convert(name, test::ReadFile(DataPath(std::string(name) + ".kel"))), expected);
  }
}

TEST_F(ChartGoldenTest, WithoutDataEachChartConvertsToItsExpectedText) {
  for (const char* name : kGoldenChartsWithoutData) {
    SCOPED_TRACE(name);
    const std::string expected = test::ReadFile(DataPath(std::string(name) + ".nodata.txt"));
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(Convert(name, test::ReadFile(DataPath(std::string(name) + ".kel")), false), expected);
  }
}

TEST_F(ChartGoldenTest, ConvertingAnOutputAgainGivesTheSameOutput) {
  for (const char* name : kGoldenCharts) {
    SCOPED_TRACE(name);
    // No palette (index -1) is not written, so a chart read back from that
    // output takes the new chart's palette 13.
    if (std::string(name) == "palette_none") continue;
    const std::string first = Convert(name, test::ReadFile(DataPath(std::string(name) + ".kel")));
    EXPECT_EQ(Convert(std::string(name) + "_again", first), first);
  }
}

TEST_F(ChartGoldenTest, BinaryAndTextFormsOfAChartConvertAlike) {
  for (const char* name : kGoldenCharts) {
    SCOPED_TRACE(name);
    const std::string text = test::ReadFile(DataPath(std::string(name) + ".kel"));
    TMemoryStream textStream(std::vector<uint8_t>(text.begin(), text.end()));
    TMemoryStream binary;
    ChartTextToBinary(textStream, binary);
    const std::string binaryBytes(binary.Bytes().begin(), binary.Bytes().end());
    EXPECT_EQ(Convert(std::string(name) + "_binary", binaryBytes), Convert(name, text));
  }
}

}  // namespace
}  // namespace kel
