// The delimited text document: its plain form, the header, quoting of
// fields that would break a line, the columns of every series, date-time
// values and the bytes saved.
#include <gtest/gtest.h>

#include "persist/Stream.h"
#include "platform/Utf.h"
#include "store/export/SeriesDataText.h"
#include "tests/store/export/ExportChart.h"

namespace kel::test {
namespace {

class SeriesDataTextTest : public ExportChartTest {
 protected:
  std::string Document(TSeriesDataText& exporter) { return Utf16ToUtf8(exporter.AsString()); }
};

TEST_F(SeriesDataTextTest, DefaultSettingsWriteTheValuesAlone) {
  auto* series = AddSeries<TLineSeries>(u"Series1");
  series->AddXY(0, 10);
  series->AddXY(1, 20);
  TSeriesDataText exporter(&FChart, nullptr, FPoint);
  EXPECT_EQ(Document(exporter), "10\r\n20\r\n\r\n");
}

TEST_F(SeriesDataTextTest, HeaderNamesEverySeriesInTheQuotes) {
  BuildSalesChart();
  TSeriesDataText exporter(&FChart, nullptr, FPoint);
  exporter.IncludeHeader = true;
  exporter.TextQuotes = u"'";
  EXPECT_EQ(Document(exporter),
            "'Text'\t'Sales'\t'Series2'\r\n"
            "'Jan'\t10\t5\r\n"
            "'Feb'\t12.5\t7\r\n"
            "'Mar'\t9\t\r\n"
            "\r\n");
}

TEST_F(SeriesDataTextTest, FieldsThatWouldBreakTheirLineAreQuoted) {
  struct Case {
    const char16_t* label;
    char16_t delimiter;
    const char16_t* quotes;
    bool commaDecimal;
    const char* line;
  };
  const Case cases[] = {
      {u"plain", u'\t', u"", false, "plain\t12.5"},
      {u"plain", u'\t', u"'", false, "'plain'\t12.5"},
      {u"a\tb", u'\t', u"", false, "\"a\tb\"\t12.5"},
      {u"say \"hi\"", u'\t', u"", false, "\"say \"\"hi\"\"\"\t12.5"},
      {u"two\r\nlines", u'\t', u"'", false, "\"two\r\nlines\"\t12.5"},
      {u"it's", u'\t', u"'", false, "\"it's\"\t12.5"},
      {u"a,b", u',', u"", true, "\"a,b\",\"12,5\""},
      {u"a;b", u';', u"", true, "\"a;b\";12,5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf16ToUtf8(c.label));
    TChart chart(nullptr);
    auto* series = new TLineSeries(&chart);
    series->SetParentChart(&chart);
    series->Add(12.5, c.label);
    TSeriesDataText exporter(&chart, nullptr, c.commaDecimal ? FComma : FPoint);
    exporter.TextDelimiter = c.delimiter;
    exporter.TextQuotes = c.quotes;
    EXPECT_EQ(Document(exporter), std::string(c.line) + "\r\n\r\n");
  }
}

TEST_F(SeriesDataTextTest, LaterSeriesKeepTheirXValuesAndLabels) {
  auto* first = AddSeries<TLineSeries>(u"First");
  first->AddXY(0, 1);
  first->AddXY(1, 2);
  auto* second = AddSeries<TLineSeries>(u"Second");
  second->AddXY(5, 3, u"");
  second->AddXY(7, 4, u"seven");
  TSeriesDataText exporter(&FChart, nullptr, FPoint);
  exporter.IncludeHeader = true;
  exporter.IncludeIndex = true;
  EXPECT_EQ(Document(exporter),
            "Index\tText\tX\tFirst\tX\tSecond\r\n"
            "0\t\t0\t1\t5\t3\r\n"
            "1\tseven\t1\t2\t7\t4\r\n"
            "\r\n");
}

TEST_F(SeriesDataTextTest, ColoursOfTheFirstSeriesAndNullPoints) {
  auto* first = AddSeries<TLineSeries>(u"First");
  first->SetSeriesColor(TColor(0x0000FF));
  first->AddXY(0, 1, u"", TColor(0x00FF00));
  first->AddNullXY(1, 2, u"");
  auto* second = AddSeries<TLineSeries>(u"Second");
  for (double y : {5, 6, 7}) second->Add(y);
  TSeriesDataText exporter(&FChart, nullptr, FPoint);
  exporter.IncludeColors = true;
  // Own colour, the null mark, the automatic colour where the first series
  // has no point.
  EXPECT_EQ(Document(exporter),
            "#00FF00\t1\t5\r\n"
            "#1FFFFFFF\t\t6\r\n"
            "#20000000\t\t7\r\n"
            "\r\n");
}

TEST_F(SeriesDataTextTest, DateTimeValuesAreQuotedDateTimeTexts) {
  auto* series = AddSeries<TLineSeries>(u"Series1");
  series->XValues()->SetDateTime(true);
  series->AddXY(45000.5, 1);
  series->AddXY(45001, 2);
  TSeriesDataText exporter(&FChart, nullptr, FPoint);
  exporter.TextQuotes = u"\"";
  EXPECT_EQ(Document(exporter),
            "\"2023-03-15 12:00:00\"\t1\r\n"
            "\"2023-03-16\"\t2\r\n"
            "\r\n");
}

TEST_F(SeriesDataTextTest, SavedAsUtf8WithoutMark) {
  auto* series = AddSeries<TLineSeries>(u"Series1");
  series->Add(1, u"M\u00e4rz \u20ac");
  TSeriesDataText exporter(&FChart, nullptr, FPoint);
  TMemoryStream stream;
  exporter.SaveToStream(stream);
  EXPECT_EQ(std::string(stream.Bytes().begin(), stream.Bytes().end()),
            "M\xC3\xA4rz \xE2\x82\xAC\t1\r\n\r\n");
}

}  // namespace
}  // namespace kel::test
