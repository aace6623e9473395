// Objects of the classes made on a modelled base: the series' Data block kept
// only when the base cannot decode it, and a function of unknown calculation
// leaving its series the points of its file.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/attributes/FilterItems.h"
#include "model/attributes/Picture.h"
#include "model/catalogue/Registration.h"
#include "model/chart/Chart.h"
#include "model/series/ChartSeries.h"
#include "tests/model/PropertyText.h"
#include "tests/persist/ComponentStreams.h"

namespace kel {
namespace {

class LosslessClassTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterModelClasses(); }

  // Loads the chart text into a new chart and gives its series "Series1".
  TChartSeries& Load(const std::string& text) {
    chart = std::make_unique<TChart>(nullptr);
    const test::ReadResult read = test::ReadRoot(*chart, test::FromText(text));
    EXPECT_TRUE(read.errors.empty());
    return *dynamic_cast<TChartSeries*>(chart->FindComponent(u"Series1"));
  }

  // The chart's text form without line breaks and spaces, so that a long hex
  // block reads as one run of digits.
  std::string CompactText() const {
    std::string compact;
    for (const char c : test::AsText(test::WriteRoot(*chart))) {
      if (c != ' ' && c != '\n') compact += c;
    }
    return compact;
  }

  std::unique_ptr<TChart> chart;
};

TEST_F(LosslessClassTest, DataBlockIsKeptOnlyWhenTheBaseWouldNotWriteItBack) {
  const struct {
    const char* name;
    const char* block;  // the Data entry's hex digits
    int points;         // what the series holds after loading
  } cases[] = {
      // Flags 0, two points: Y values 5 and 7, as the base writes them.
      {"decoded", "000200000000000000000014400000000000001C40", 2},
      // Two points of two values each: one value list more than the base has.
      {"kept",
       "000200000000000000000014400000000000001C40"
       "00000000000022400000000000002640",
       0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string text =
        std::string("object Chart1: TChart\n  object Series1: TTowerSeries\n") + "    Data = {" +
        c.block + "}\n  end\nend\n";
    TChartSeries& series = Load(text);
    EXPECT_EQ(series.Count(), c.points);
    series.SetForceSaveData(true);
    EXPECT_NE(CompactText().find(std::string("Data={") + c.block + "}"), std::string::npos);
    series.SetForceSaveData(false);
  }
}

TEST_F(LosslessClassTest, FunctionOfUnknownCalculationKeepsTheFilesPoints) {
  TChartSeries& result = Load(
      "object Chart1: TChart\n"
      "  object Source1: TLineSeries\n"
      "    Data = {000200000000000000000008400000000000001040}\n"
      "  end\n"
      "  object Series1: TLineSeries\n"
      "    DataSource = Source1\n"
      "    Data = {0001000000000000000000F03F}\n"
      "    object Function1: TRSIFunction\n"
      "      Smoothing = 14\n"
      "    end\n"
      "  end\n"
      "end\n");
  ASSERT_EQ(result.Count(), 1);
  EXPECT_EQ(result.YValue(0), 1.0);
  result.CheckDataSource();
  ASSERT_EQ(result.Count(), 1);
  EXPECT_EQ(result.YValue(0), 1.0);
  EXPECT_NE(CompactText().find("Smoothing=14"), std::string::npos);
}

TEST_F(LosslessClassTest, FunctionOfUnknownCalculationOnAKeptBlockGivesNoPoints) {
  TChartSeries& result = Load(
      "object Chart1: TChart\n"
      "  object Source1: TLineSeries\n"
      "    Data = {000200000000000000000008400000000000001040}\n"
      "  end\n"
      "  object Series1: TTowerSeries\n"
      "    DataSource = Source1\n"
      "    Data = {0001000000000000000000F03F000000000000F03F}\n"
      "    object Function1: TRSIFunction\n"
      "    end\n"
      "  end\n"
      "end\n");
  EXPECT_EQ(result.Count(), 0);
  result.CheckDataSource();
  EXPECT_EQ(result.Count(), 0);
  result.SetForceSaveData(true);
  EXPECT_NE(CompactText().find("Data={0001000000000000000000F03F000000000000F03F}"),
            std::string::npos);
}

TEST_F(LosslessClassTest, FilterOfAMadeClassKeepsItsEntries) {
  const std::string filters =
      "FilterItems = <\n"
      "  item\n"
      "    ItemClass = 'TBlurFilter'\n"
      "    Enabled = False\n"
      "    Amount = 3\n"
      "    Steps = (\n"
      "      1\n"
      "      2)\n"
      "  end>\n";
  TKelPicture picture;
  test::LoadProperties(picture, filters);
  ASSERT_EQ(picture.Filters()->Count(), 1);
  EXPECT_EQ(picture.Filters()->Item(0)->ClassName(), u"TBlurFilter");
  EXPECT_EQ(test::PropertiesText(picture), filters);
}

}  // namespace
}  // namespace kel
