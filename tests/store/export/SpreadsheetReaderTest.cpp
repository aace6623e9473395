// The spreadsheet opened by a real spreadsheet program: LibreOffice,
// headless, converts it to CSV, and every cell, texts included, reads back
// as written. Slow, so it runs only as the CTest test labelled "soffice"
// (tests/CMakeLists.txt), not among the other store tests.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "persist/Stream.h"
#include "store/export/ChartExports.h"
#include "store/export/ExportData.h"
#include "tests/store/export/ExportChart.h"

namespace kel::test {
namespace {

using SpreadsheetReaderTest = ExportChartTest;

TEST_F(SpreadsheetReaderTest, DISABLED_LibreOfficeReadsEveryCellAsWritten) {
  BuildSalesChart();
  auto* notes = AddSeries<TLineSeries>(u"Notes");
  notes->SetSeriesColor(TColor(0x0000FF));
  notes->AddXY(0.5, 0.25, u"M\u00e4r \u20ac & <b>");
  notes->AddXY(1.5, 123456789, u"\u30a2\u30a4");
  const std::string sheet = FFolder / "sales.xls";
  CreateConverterExport(FChart, TExportFormat::Xls, FPoint)->SaveToFile(sheet);

  // A profile of its own, so that no running instance or user setting takes
  // part; CSV in UTF-8 (76), comma-separated (44), texts in double quotes.
  const std::string command = "soffice -env:UserInstallation=file://" +
                              FFolder /
                                  "profile --headless --convert-to "
                                  "'csv:Text - txt - csv (StarCalc):44,34,76,1' --outdir '" +
                              FFolder / "" + "' '" + sheet + "' > /dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  std::ifstream in(FFolder / "sales.csv", std::ios::binary);
  const std::string csv((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // Every series has X columns, as the second one has X values.
  EXPECT_EQ(csv,
            "\"Index\",\"Text\",\"Colors\",\"X\",\"Y\",\"Text\",\"Colors\",\"X\",\"Bar\","
            "\"Text\",\"Colors\",\"X\",\"Y\"\n"
            "0,\"Jan\",\"#FF0000\",0,10,,\"#008000\",0,5,\"M\xC3\xA4r \xE2\x82\xAC & <b>\","
            "\"#FF0000\",0.5,0.25\n"
            "1,\"Feb\",\"#FF0000\",1,12.5,,\"#008000\",1,7,\"??\",\"#FF0000\",1.5,123456789\n"
            "2,\"Mar\",\"#FF0000\",2,9,,,,,,,,\n");
}

}  // namespace
}  // namespace kel::test
