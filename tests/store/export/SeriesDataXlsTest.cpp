// The spreadsheet: text cells in the code page and cut at a character, the
// sheet's limits, and numbers under a value format.
#include <gtest/gtest.h>

#include "persist/Exceptions.h"
#include "platform/Utf.h"
#include "store/export/SeriesDataXls.h"
#include "tests/store/export/ExportChart.h"
#include "tests/store/export/SpreadsheetRecords.h"

namespace kel::test {
namespace {

using SeriesDataXlsTest = ExportChartTest;

constexpr uint16_t kTextCell = 0x0004;
constexpr uint16_t kNumberCell = 0x0003;

TEST_F(SeriesDataXlsTest, TextCellsAreCodePageBytesCutAtACharacter) {
  const std::u16string longLatin(300, u'x');
  const std::u16string pairAtTheCut = std::u16string(254, u'a') + u"\U0001F600b";
  const std::pair<std::u16string, std::string> cases[] = {
      {u"Caf\u00e9 \u20ac \u30a2", "Caf\xE9 \x80 ?"},
      {longLatin, std::string(255, 'x')},
      {pairAtTheCut, std::string(254, 'a') + "?"},
      {u"", ""},
  };
  for (const auto& [label, bytes] : cases) {
    SCOPED_TRACE(Utf16ToUtf8(label.substr(0, 20)));
    TChart chart(nullptr);
    auto* series = new TLineSeries(&chart);
    series->SetParentChart(&chart);
    series->Add(1, label);
    series->Add(2, u"b");  // so that the series has labels even when the first is empty
    TSeriesDataXLS exporter(&chart, nullptr, FPoint);
    const std::vector<SheetRecord> records = SheetRecords(exporter);
    // Begin of file, dimensions, then the first point's label.
    ASSERT_GT(records.size(), 2u);
    EXPECT_EQ(records[2].type, kTextCell);
    EXPECT_EQ(static_cast<uint8_t>(records[2].body[7]), bytes.size());
    EXPECT_EQ(records[2].Text(), bytes);
  }
}

TEST_F(SeriesDataXlsTest, ChartsBeyondTheSheetFailBeforeWritingAnything) {
  struct Case {
    int points;
    int series;
    const char* error;  // empty when the sheet holds the chart
  };
  // With the header row and the index column, colours on.
  const Case cases[] = {
      {65535, 1, ""},
      {65536, 1, "Too many rows for a spreadsheet: 65537 (at most 65536)"},
      {1, 127, ""},
      {1, 128, "Too many columns for a spreadsheet: 257 (at most 256)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.error);
    TChart chart(nullptr);
    for (int s = 0; s < c.series; ++s) {
      auto* series = new TLineSeries(&chart);
      series->SetParentChart(&chart);
      series->BeginUpdate();
      for (int i = 0; i < c.points; ++i) series->Add(i);
      series->EndUpdate();
    }
    TSeriesDataXLS exporter(&chart, nullptr, FPoint);
    exporter.IncludeHeader = true;
    exporter.IncludeIndex = true;
    exporter.IncludeColors = true;
    TMemoryStream stream;
    if (*c.error == '\0') {
      exporter.SaveToStream(stream);
      const std::vector<SheetRecord> records = SheetRecords(exporter);
      // The dimensions: a full sheet's row count held as the largest word.
      EXPECT_EQ(records[1].Word(2), std::min(c.points + 1, 0xFFFF));
      EXPECT_EQ(records[1].Word(6), 1 + 2 * c.series);
      EXPECT_EQ(records[records.size() - 2].Word(0), c.points);  // the last row
    } else {
      try {
        exporter.SaveToStream(stream);
        ADD_FAILURE() << "no failure";
      } catch (const EConvertError& error) {
        EXPECT_STREQ(error.what(), c.error);
      }
      EXPECT_EQ(stream.Size(), 0);
    }
  }
}

TEST_F(SeriesDataXlsTest, ValueFormatsGiveTheNumberTheirTextReads) {
  struct Case {
    const char16_t* format;
    bool commaDecimal;
    double value;
    double cell;
    const char* error;
  };
  const Case cases[] = {
      {u"", false, 10.04, 10.04, ""},
      {u"0.0", false, 10.04, 10.0, ""},
      {u"0.0", true, 10.04, 10.0, ""},
      {u"0.00E+00", false, 1234.5, 1230, ""},
      {u"#,##0", false, 1234, 0, "'1,234' is not a valid floating point value"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf16ToUtf8(c.format));
    TChart chart(nullptr);
    auto* series = new TLineSeries(&chart);
    series->SetParentChart(&chart);
    series->Add(c.value);
    TSeriesDataXLS exporter(&chart, nullptr, c.commaDecimal ? FComma : FPoint);
    exporter.ValueFormat = c.format;
    if (*c.error == '\0') {
      const std::vector<SheetRecord> records = SheetRecords(exporter);
      ASSERT_EQ(records[2].type, kNumberCell);
      EXPECT_EQ(records[2].Number(), c.cell);
    } else {
      TMemoryStream stream;
      EXPECT_THROW(
          {
            try {
              exporter.SaveToStream(stream);
            } catch (const EConvertError& error) {
              EXPECT_STREQ(error.what(), c.error);
              throw;
            }
          },
          EConvertError);
    }
  }
}

}  // namespace
}  // namespace kel::test
