// The conversion's values document: NAME.xml beside NAME.txt exactly when
// data are wanted and the chart has series.
#include <gtest/gtest.h>

#include "persist/Unicode.h"
#include "store/ChartConversion.h"
#include "store/ChartStore.h"
#include "store/export/SeriesDataXml.h"
#include "tests/store/export/ExportChart.h"

namespace kel::test {
namespace {

class ConversionXmlTest : public ExportChartTest {
 protected:
  // The sales chart (see BuildSalesChart) as a chart file in text form.
  std::string WriteSalesChart() {
    BuildSalesChart();
    const std::string path = FFolder / "sales.kel";
    WriteChartToFile(FChart, path, true, true);
    return path;
  }

  std::string ReadBytes(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
};

TEST_F(ConversionXmlTest, DataWantedWritesTheValuesBesideTheText) {
  const std::string path = WriteSalesChart();
  ConvertChartFile(path, {.includeData = true});
  EXPECT_EQ(FFolder.Names(), (std::vector<std::string>{"sales.kel", "sales.txt", "sales.xml"}));

  // What the exporter writes for the chart as built, in the user's locale.
  TSeriesDataXML expected(&FChart, nullptr);
  expected.IncludeColors = true;
  expected.IncludeIndex = true;
  expected.SaveToFile(FFolder / "expected.xml");
  const std::string bytes = ReadBytes(FFolder / "sales.xml");
  EXPECT_EQ(bytes, ReadBytes(FFolder / "expected.xml"));
  EXPECT_EQ(XmlLintErrors(bytes), "");
  EXPECT_NE(Utf16ToUtf8(expected.AsString()).find("<series title=\"Sales\" type=\"Line\""),
            std::string::npos);
}

TEST_F(ConversionXmlTest, NoDataWritesNoValues) {
  const std::string path = WriteSalesChart();
  ConvertChartFile(path, {.includeData = false});
  EXPECT_EQ(FFolder.Names(), (std::vector<std::string>{"sales.kel", "sales.txt"}));
}

TEST_F(ConversionXmlTest, ChartWithoutSeriesWritesNoValues) {
  const std::string path = FFolder / "empty.kel";
  WriteChartToFile(FChart, path, true, true);
  ConvertChartFile(path, {.includeData = true});
  EXPECT_EQ(FFolder.Names(), (std::vector<std::string>{"empty.kel", "empty.txt"}));
}

}  // namespace
}  // namespace kel::test
