// The JSON document: a single series, texts and numbers that JSON must
// escape or cannot hold, the comma locale, and JavaScript times.
#include <gtest/gtest.h>

#include <cmath>

#include "persist/Stream.h"
#include "platform/Utf.h"
#include "store/export/SeriesDataJson.h"
#include "tests/store/export/ExportChart.h"

namespace kel::test {
namespace {

class SeriesDataJsonTest : public ExportChartTest {
 protected:
  std::string Saved(TSeriesDataJSON& exporter) {
    TMemoryStream stream;
    exporter.SaveToStream(stream);
    return {stream.Bytes().begin(), stream.Bytes().end()};
  }
};

TEST_F(SeriesDataJsonTest, SingleSeriesHasNoCommaAfterItsBlock) {
  BuildSalesChart();
  TSeriesDataJSON exporter(&FChart, FBars, FPoint);
  EXPECT_EQ(Saved(exporter),
            "{ \"chart\": [\r\n"
            "  {\r\n"
            "   \"series\": {\r\n"
            "   \"name\":\"Series2\",\r\n"
            "   \"color\":\"#008000\",\r\n"
            "   \"point\": [\r\n"
            "     { \"value\":5 },\r\n"
            "     { \"value\":7 }\r\n"
            "   ]\r\n"
            "   }\r\n"
            "  }\r\n"
            " ]\r\n"
            "}\r\n");
}

TEST_F(SeriesDataJsonTest, ValidJsonWhateverTheTextsNumbersAndLocale) {
  auto* series = AddSeries<TLineSeries>(u"Series1");
  series->SetTitle(u"\"q\" \\ \t\x01 \xD800 \U0001F600");
  series->SetSeriesColor(TColor(0x0000FF));
  series->AddXY(0.5, 1.25, u"line\r\nbreak");
  series->AddXY(1, NAN);
  series->AddXY(2, INFINITY);
  series->AddNullXY(3, 4, u"");
  TSeriesDataJSON exporter(&FChart, nullptr, FComma);
  exporter.IncludeColors = true;
  EXPECT_EQ(PythonReads("json", Saved(exporter)),
            "{\"chart\":[{\"series\":{"
            "\"name\":\"\\\"q\\\" \\\\ \\t\\u0001 \xEF\xBF\xBD \xF0\x9F\x98\x80\","
            "\"color\":\"#FF0000\",\"point\":["
            "{\"value\":1.25,\"x\":0.5,\"color\":\"#FF0000\",\"name\":\"line\\r\\nbreak\"},"
            "{\"value\":null,\"x\":1,\"color\":\"#FF0000\",\"name\":\"\"},"
            "{\"value\":null,\"x\":2,\"color\":\"#FF0000\",\"name\":\"\"},"
            "{\"value\":null,\"x\":3,\"color\":\"#1FFFFFFF\",\"name\":\"\"}]}}]}\n");
}

TEST_F(SeriesDataJsonTest, JavaScriptTimesOfDateTimeLists) {
  auto* series = AddSeries<TLineSeries>(u"Series1");
  series->XValues()->SetDateTime(true);
  for (double x : {25568.0, 25569.0, 25570.25, 45000.5}) series->AddXY(x, 1);
  const std::pair<TJSONDateTimeFormat, const char*> cases[] = {
      {jdTimeStamp, "25568|25569|25570.25|45000.5"},
      {jdJavaScript, "-86400000|0|108000000|1678881600000"},
  };
  for (const auto& [format, xs] : cases) {
    TSeriesDataJSON exporter(&FChart, nullptr, FPoint);
    exporter.DateTimeFormat = format;
    std::string found;
    const std::string text = Saved(exporter);
    for (size_t at = text.find("\"x\":"); at != std::string::npos; at = text.find("\"x\":", at)) {
      at += 4;
      found += (found.empty() ? "" : "|") + text.substr(at, text.find(' ', at) - at);
    }
    EXPECT_EQ(found, xs);
  }
}

}  // namespace
}  // namespace kel::test
