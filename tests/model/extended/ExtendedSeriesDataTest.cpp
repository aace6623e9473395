// The data blocks of the extended series: their extra values follow each
// point in list order, and reading a block gives back every value as written.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "model/chart/Chart.h"
#include "model/extended/ExtendedSeries.h"
#include "persist/Stream.h"
#include "tests/model/SeriesChartTest.h"

namespace kel::extended_series_test {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Block(uint8_t flags, int32_t count, const std::vector<double>& values) {
  Bytes out{flags};
  const auto* countBytes = reinterpret_cast<const uint8_t*>(&count);
  out.insert(out.end(), countBytes, countBytes + sizeof count);
  for (const double value : values) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(&value);
    out.insert(out.end(), bytes, bytes + sizeof value);
  }
  return out;
}

Bytes Written(TChartSeries& series) {
  TMemoryStream stream;
  series.WriteSeriesData(stream);
  return Bytes(stream.Bytes().begin(), stream.Bytes().end());
}

void ReadInto(TChartSeries& series, const Bytes& block) {
  TMemoryStream stream{Bytes(block)};
  series.ReadSeriesData(stream);
}

// 2 and 3 January 2024 as day numbers.
constexpr double kJanuary2 = 45293;
constexpr double kJanuary3 = 45294;

class ExtendedSeriesDataTest : public test::SeriesChartTest {};

TEST_F(ExtendedSeriesDataTest, BlocksCarryTheExtraValuesInListOrder) {
  struct Case {
    const char* name;
    std::function<TChartSeries*()> make;
    Bytes expected;
  };
  const Case cases[] = {
      {"gantt rows in sequence: start, end, next task",
       [this] {
         auto* gantt = AddSeries<TGanttSeries>();
         gantt->AddGantt(1, 3, 0);
         gantt->AddGantt(2, 5, 1);
         return gantt;
       },
       Block(0, 2, {1, 3, -1, 2, 5, -1})},
      {"gantt rows out of sequence: row first",
       [this] {
         auto* gantt = AddSeries<TGanttSeries>();
         gantt->AddGantt(1, 3, 4);
         gantt->AddGantt(2, 5, 2);
         gantt->NextTask()->SetValue(0, 1);
         return gantt;
       },
       Block(1, 2, {4, 1, 3, 1, 2, 2, 5, -1})},
      {"candle on calendar days: date, close, high, low, open",
       [this] {
         auto* candle = AddSeries<TCandleSeries>();
         candle->AddCandle(kJanuary2, 10, 14, 9, 12);
         candle->AddCandle(kJanuary3, 12, 13, 8, 9);
         return candle;
       },
       Block(1, 2, {kJanuary2, 12, 14, 9, 10, kJanuary3, 9, 13, 8, 12})},
      {"bubble: radius after the value",
       [this] {
         auto* bubble = AddSeries<TBubbleSeries>();
         bubble->AddBubble(0, 5, 2);
         return bubble;
       },
       Block(0, 1, {5, 2})},
      {"arrow: end X and end Y after the value",
       [this] {
         auto* arrow = AddSeries<TArrowSeries>();
         arrow->AddArrow(3, 5, 6, 7);
         return arrow;
       },
       Block(1, 1, {3, 5, 6, 7})},
      {"volume: plain X and Y",
       [this] {
         auto* volume = AddSeries<TVolumeSeries>();
         volume->AddXY(kJanuary2, 1000);
         return volume;
       },
       Block(1, 1, {kJanuary2, 1000})},
      {"shape: its two corners", [this] { return AddSeries<TChartShape>(); },
       Block(1, 2, {0, 0, 100, 100})},
      {"shape: corners against X order stay in place",
       [this] {
         auto* shape = AddSeries<TChartShape>();
         shape->SetX0(30);
         shape->SetX1(10);
         return shape;
       },
       Block(1, 2, {30, 0, 10, 100})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TChartSeries* series = c.make();
    EXPECT_EQ(Written(*series), c.expected);

    TChartSeries* reread =
        dynamic_cast<TChartSeries*>(series->ClassInfo().CreateComponent(&FChart));
    ASSERT_NE(reread, nullptr);
    reread->SetParentChart(&FChart);
    ReadInto(*reread, c.expected);
    EXPECT_EQ(Written(*reread), c.expected) << "read back whole";
  }
}

TEST_F(ExtendedSeriesDataTest, AGanttKeepsTheNextTasksOfItsBlock) {
  auto* gantt = AddSeries<TGanttSeries>();
  ReadInto(*gantt, Block(0, 2, {1, 3, 1, 2, 5, -1}));
  ASSERT_EQ(gantt->Count(), 2);
  EXPECT_EQ(gantt->NextTask()->Value(0), 1);
  EXPECT_EQ(gantt->NextTask()->Value(1), -1);
  EXPECT_EQ(gantt->StartValues()->Value(1), 2);
  EXPECT_EQ(gantt->YValue(1), 1) << "rows in sequence are the point index";
}

}  // namespace
}  // namespace kel::extended_series_test
