// The XML document of the extended series: their type texts and their extra
// value lists as attributes named after the lists, in list order.
#include <gtest/gtest.h>

#include "model/extended/ExtendedSeries.h"
#include "persist/Stream.h"
#include "persist/Unicode.h"
#include "store/export/SeriesDataXml.h"
#include "tests/store/export/ExportChart.h"

namespace kel::test::extended_series_xml {
namespace {

// 2 and 3 January 2024 as day numbers.
constexpr double kJanuary2 = 45293;
constexpr double kJanuary3 = 45294;

class ExtendedSeriesXmlTest : public ExportChartTest {
 protected:
  template <class T>
  T* AddRedSeries(const std::u16string& name) {
    T* series = AddSeries<T>(name);
    series->SetSeriesColor(clRed);
    return series;
  }
};

TEST_F(ExtendedSeriesXmlTest, ExtraListsFollowTheValueInListOrder) {
  auto* gantt = AddRedSeries<TGanttSeries>(u"Gantt1");
  gantt->AddGantt(1, 3, 0);
  gantt->AddGantt(2, 5, 1);
  gantt->NextTask()->SetValue(0, 1);
  auto* moved = AddRedSeries<TGanttSeries>(u"Gantt2");
  moved->AddGantt(1, 3, 4);
  auto* candle = AddRedSeries<TCandleSeries>(u"Candle1");
  candle->AddCandle(kJanuary2, 10, 14, 9, 12);
  candle->AddCandle(kJanuary3, 12, 13, 8, 9);
  auto* bubble = AddRedSeries<TBubbleSeries>(u"Bubble1");
  bubble->AddBubble(0, 5, 2);
  auto* arrow = AddRedSeries<TArrowSeries>(u"Arrow1");
  arrow->AddArrow(3, 5, 6, 7);
  auto* volume = AddRedSeries<TVolumeSeries>(u"Volume1");
  volume->AddXY(kJanuary2, 1000);
  auto* shape = AddRedSeries<TChartShape>(u"Shape1");
  shape->SetX0(10);
  shape->SetY0(20);
  shape->SetX1(30);
  shape->SetY1(40);

  TSeriesDataXML exporter(&FChart, nullptr, FPoint);
  exporter.IncludeIndex = true;
  const std::string text = Utf16ToUtf8(exporter.AsString());
  EXPECT_EQ(text,
            "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n"
            "<chart>\r\n"
            "<series title=\"Gantt1\" type=\"Gantt\" color=\"#FF0000\">\r\n"
            "<points count=\"2\">\r\n"
            "<point index=\"0\" Start=\"1\" End=\"3\" NextTask=\"1\"/>\r\n"
            "<point index=\"1\" Start=\"2\" End=\"5\" NextTask=\"-1\"/>\r\n"
            "</points>\r\n"
            "</series>\r\n"
            "\r\n"
            "<series title=\"Gantt2\" type=\"Gantt\" color=\"#FF0000\">\r\n"
            "<points count=\"1\">\r\n"
            "<point index=\"0\" Y=\"4\" Start=\"1\" End=\"3\" NextTask=\"-1\"/>\r\n"
            "</points>\r\n"
            "</series>\r\n"
            "\r\n"
            "<series title=\"Candle1\" type=\"Candle\" color=\"#FF0000\">\r\n"
            "<points count=\"2\">\r\n"
            "<point index=\"0\" Date=\"45293\" Close=\"12\" High=\"14\" Low=\"9\" Open=\"10\"/>\r\n"
            "<point index=\"1\" Date=\"45294\" Close=\"9\" High=\"13\" Low=\"8\" Open=\"12\"/>\r\n"
            "</points>\r\n"
            "</series>\r\n"
            "\r\n"
            "<series title=\"Bubble1\" type=\"Bubble\" color=\"#FF0000\">\r\n"
            "<points count=\"1\">\r\n"
            "<point index=\"0\" Y=\"5\" Radius=\"2\"/>\r\n"
            "</points>\r\n"
            "</series>\r\n"
            "\r\n"
            "<series title=\"Arrow1\" type=\"Arrow\" color=\"#FF0000\">\r\n"
            "<points count=\"1\">\r\n"
            "<point index=\"0\" X=\"3\" Y=\"5\" EndX=\"6\" EndY=\"7\"/>\r\n"
            "</points>\r\n"
            "</series>\r\n"
            "\r\n"
            "<series title=\"Volume1\" type=\"Volume\" color=\"#FF0000\">\r\n"
            "<points count=\"1\">\r\n"
            "<point index=\"0\" X=\"45293\" Y=\"1000\"/>\r\n"
            "</points>\r\n"
            "</series>\r\n"
            "\r\n"
            "<series title=\"Shape1\" type=\"Shape\" color=\"#FF0000\">\r\n"
            "<points count=\"2\">\r\n"
            "<point index=\"0\" X=\"10\" Y=\"20\"/>\r\n"
            "<point index=\"1\" X=\"30\" Y=\"40\"/>\r\n"
            "</points>\r\n"
            "</series>\r\n"
            "\r\n"
            "</chart>");
  TMemoryStream stream;
  exporter.SaveToStream(stream);
  EXPECT_EQ(XmlLintErrors(std::string(stream.Bytes().begin(), stream.Bytes().end())), "");
}

}  // namespace
}  // namespace kel::test::extended_series_xml
