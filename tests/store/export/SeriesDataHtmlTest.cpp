// The HTML table: escaping, rows of equal length when series differ in
// length, and labels of the first series only.
#include <gtest/gtest.h>

#include "platform/Utf.h"
#include "store/export/SeriesDataHtml.h"
#include "tests/store/export/ExportChart.h"

namespace kel::test {
namespace {

using SeriesDataHtmlTest = ExportChartTest;

TEST_F(SeriesDataHtmlTest, EveryTextIsEscaped) {
  auto* series = AddSeries<TLineSeries>(u"Series1");
  series->SetTitle(u"A<B> & \"C\"");
  series->Add(1, u"<b>x</b>");
  TSeriesDataHTML exporter(&FChart, nullptr, FPoint);
  exporter.IncludeHeader = true;
  EXPECT_EQ(Utf16ToUtf8(exporter.AsString()),
            "<table border=\"1\">\r\n"
            "<tr><th>Text</th><th>A&lt;B&gt; &amp; &quot;C&quot;</th></tr>\r\n"
            "<tr><td>&lt;b&gt;x&lt;/b&gt;</td><td>1</td></tr>\r\n"
            "</table>");
}

TEST_F(SeriesDataHtmlTest, EveryRowHasTheSameCells) {
  struct Case {
    bool firstSeriesLabels;
    const char* cellsPerRow;
  };
  // Index; per series label (the second's only without FirstSeriesLabels),
  // colour, X, value.
  const Case cases[] = {{false, "9\n9\n9\n9\n"}, {true, "8\n8\n8\n8\n"}};
  auto* first = AddSeries<TLineSeries>(u"First");
  first->AddXY(0, 1, u"a");
  first->AddXY(1, 2, u"b");
  first->AddXY(2, 3, u"c");
  auto* second = AddSeries<TLineSeries>(u"Second");
  second->AddXY(4, 5, u"d");
  for (const Case& c : cases) {
    TSeriesDataHTML exporter(&FChart, nullptr, FPoint);
    exporter.IncludeHeader = true;
    exporter.IncludeIndex = true;
    exporter.IncludeColors = true;
    exporter.FirstSeriesLabels = c.firstSeriesLabels;
    EXPECT_EQ(PythonReads("html", Utf16ToUtf8(exporter.AsString())), c.cellsPerRow);
  }
}

TEST_F(SeriesDataHtmlTest, FirstSeriesLabelsLeavesTheOthersWithout) {
  BuildSalesChart();
  FBars->SetTitle(u"Bars");
  FBars->AddXY(2, 8, u"third");
  TSeriesDataHTML exporter(&FChart, nullptr, FPoint);
  exporter.IncludeHeader = true;
  exporter.FirstSeriesLabels = true;
  EXPECT_EQ(Utf16ToUtf8(exporter.AsString()),
            "<table border=\"1\">\r\n"
            "<tr><th>Text</th><th>Sales</th><th>Bars</th></tr>\r\n"
            "<tr><td>Jan</td><td>10</td><td>5</td></tr>\r\n"
            "<tr><td>Feb</td><td>12.5</td><td>7</td></tr>\r\n"
            "<tr><td>Mar</td><td>9</td><td>8</td></tr>\r\n"
            "</table>");
}

}  // namespace
}  // namespace kel::test
