// What each standard series class writes when new, and the settings that a
// chart shares among its series of one class. Expected lines come from the
// classes' property tables and constructor values.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/attributes/Pen.h"
#include "model/chart/Chart.h"
#include "model/standard/StandardSeries.h"
#include "persist/Stream.h"
#include "tests/model/PropertyText.h"
#include "tests/model/RoundTrip.h"
#include "tests/model/SeriesChartTest.h"

namespace kel {
namespace {

const std::string kPointerLines =
    "Pointer.InflateMargins = True\n"
    "Pointer.Style = psRectangle\n";
const std::string kPlainLists =
    "XValues.Name = 'X'\n"
    "XValues.Order = loAscending\n"
    "YValues.Name = 'Y'\n"
    "YValues.Order = loNone\n";
const std::string kHorizontalLists =
    "XValues.Name = 'X'\n"
    "XValues.Order = loNone\n"
    "YValues.Name = 'Y'\n"
    "YValues.Order = loAscending\n";

class StandardSeriesTest : public test::SeriesChartTest {};

TEST_F(StandardSeriesTest, NewSeriesWriteWhatTheirClassesStartWithDifferently) {
  struct Case {
    const char* name;
    std::function<TChartSeries*()> make;
    std::string expected;
  };
  const Case cases[] = {
      {"line", [this] { return AddSeries<TLineSeries>(); },
       "Brush.BackColor = clDefault\n" + kPointerLines + kPlainLists},
      {"horizontal line", [this] { return AddSeries<THorizLineSeries>(); },
       "Brush.BackColor = clDefault\n" + kPointerLines + kHorizontalLists},
      {"point", [this] { return AddSeries<TPointSeries>(); },
       "ClickableLine = False\n" + kPointerLines + kPlainLists},
      {"area", [this] { return AddSeries<TAreaSeries>(); },
       "AreaChartBrush.Color = clGray\n"
       "AreaChartBrush.BackColor = clDefault\n"
       "DrawArea = True\n" +
           kPointerLines + "Pointer.Visible = False\n" + kPlainLists},
      {"horizontal area", [this] { return AddSeries<THorizAreaSeries>(); },
       "Gradient.Direction = gdRightLeft\n"
       "AreaChartBrush.Color = clGray\n"
       "AreaChartBrush.BackColor = clDefault\n"
       // The area brush publishes its gradient too.
       "AreaChartBrush.Gradient.Direction = gdRightLeft\n"
       "DrawArea = True\n" +
           kPointerLines + "Pointer.Visible = False\n" + kHorizontalLists},
      {"bar", [this] { return AddSeries<TBarSeries>(); },
       "XValues.Name = 'X'\n"
       "XValues.Order = loAscending\n"
       "YValues.Name = 'Bar'\n"
       "YValues.Order = loNone\n"},
      {"horizontal bar", [this] { return AddSeries<THorizBarSeries>(); },
       // The bar brush publishes its gradient too.
       "BarBrush.Gradient.Direction = gdLeftRight\n"
       "Gradient.Direction = gdLeftRight\n"
       "XValues.Name = 'Bar'\n"
       "XValues.Order = loNone\n"
       "YValues.Name = 'Y'\n"
       "YValues.Order = loAscending\n"},
      {"pie", [this] { return AddSeries<TPieSeries>(); },
       "XValues.Order = loAscending\n"
       "YValues.Name = 'Pie'\n"
       "YValues.Order = loNone\n"
       "OtherSlice.Legend.Visible = False\n"},
      {"fast line",
       [this] {
         auto* series = AddSeries<TFastLineSeries>();
         series->SetSeriesColor(clRed);
         return series;
       },
       "SeriesColor = clRed\n"
       "LinePen.Color = clRed\n" +
           kPlainLists},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TChartSeries* series = c.make();
    EXPECT_EQ(test::PropertiesText(*series), c.expected);
  }
}

TEST_F(StandardSeriesTest, AnAutomaticFastLineWritesItsColourAsThePenColourOnly) {
  auto* series = AddSeries<TFastLineSeries>();
  ASSERT_NE(series->EffectiveColor(), clBlack);
  EXPECT_EQ(series->LinePen()->Color(), series->EffectiveColor());
  EXPECT_EQ(test::PropertiesText(*series).find("SeriesColor"), std::string::npos);
  EXPECT_NE(test::PropertiesText(*series).find("LinePen.Color = "), std::string::npos);
}

TEST_F(StandardSeriesTest, StackingSpreadsToSeriesOfTheSameOrAnAncestorClass) {
  auto* line = AddSeries<TLineSeries>();
  auto* horizontal = AddSeries<THorizLineSeries>();
  auto* area = AddSeries<TAreaSeries>();
  horizontal->SetStacked(cssStack);
  EXPECT_EQ(line->Stacked(), cssStack);
  EXPECT_EQ(area->Stacked(), cssNone);
  line->SetStacked(cssOverlap);
  EXPECT_EQ(horizontal->Stacked(), cssStack) << "a line does not update its descendants";
  area->SetMultiArea(maStacked100);
  EXPECT_EQ(area->Stacked(), cssStack100);
  EXPECT_EQ(area->MultiArea(), maStacked100);
}

TEST_F(StandardSeriesTest, BarsShareTheirLayoutWithBarsOfTheirClass) {
  auto* first = AddSeries<TBarSeries>();
  first->SetMultiBar(mbStacked);
  auto* horizontal = AddSeries<THorizBarSeries>();
  auto* second = AddSeries<TBarSeries>();
  EXPECT_EQ(second->MultiBar(), mbStacked) << "taken from the first bar on joining";
  EXPECT_EQ(horizontal->MultiBar(), mbSide);
  second->SetSideMargins(false);
  EXPECT_FALSE(first->SideMargins());
  EXPECT_TRUE(horizontal->SideMargins());
  second->SetMultiBar(mbSelfStack);
  EXPECT_EQ(first->MultiBar(), mbSelfStack);
  EXPECT_FALSE(first->CalcVisiblePoints);
}

TEST_F(StandardSeriesTest, PieCircleSettingsAndRotation) {
  auto* first = AddSeries<TPieSeries>();
  auto* second = AddSeries<TPieSeries>();
  first->SetCustomXRadius(50);
  EXPECT_EQ(second->CustomXRadius(), 50);
  second->SetCircled(false);
  EXPECT_FALSE(first->Circled());
  EXPECT_EQ(first->CustomXRadius(), 0);
  const int32_t angles[][2] = {{370, 10}, {-370, -10}, {360, 0}, {45, 45}};
  for (const auto& angle : angles) {
    first->SetRotationAngle(angle[0]);
    EXPECT_EQ(first->RotationAngle(), angle[1]) << angle[0];
  }
}

TEST_F(StandardSeriesTest, PieDropsTheOtherSliceAndNeverWritesXValues) {
  auto* pie = AddSeries<TPieSeries>();
  pie->AddXY(0, 5);
  pie->AddXY(1, 7);
  pie->AddXY(TPieSeries::kOtherSliceX, 3);
  TMemoryStream stream;
  pie->WriteSeriesData(stream);
  ASSERT_EQ(pie->Count(), 2);
  const std::vector<uint8_t> bytes = stream.TakeBytes();
  ASSERT_EQ(bytes.size(), 5u + 2 * 8);
  EXPECT_EQ(bytes[0], 0) << "no X values";
  EXPECT_EQ(bytes[1], 2);
}

TEST_F(StandardSeriesTest, HorizontalSeriesStoreYFirstAndOnlyOutOfSequence) {
  struct Case {
    const char* name;
    std::vector<std::pair<double, double>> points;  // (X, Y)
    uint8_t flags;
    std::vector<double> stored;
  };
  const Case cases[] = {
      {"Y not the index", {{5, 10}, {3, 20}}, 1, {10, 5, 20, 3}},
      {"Y the index", {{5, 0}, {3, 1}}, 0, {5, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto* series = AddSeries<THorizLineSeries>();
    for (const auto& [x, y] : c.points) series->AddXY(x, y);
    TMemoryStream stream;
    series->WriteSeriesData(stream);
    std::vector<uint8_t> expected{c.flags, static_cast<uint8_t>(c.points.size()), 0, 0, 0};
    for (const double value : c.stored) {
      const auto* bytes = reinterpret_cast<const uint8_t*>(&value);
      expected.insert(expected.end(), bytes, bytes + sizeof value);
    }
    EXPECT_EQ(std::vector<uint8_t>(stream.Bytes().begin(), stream.Bytes().end()), expected);

    auto* reread = AddSeries<THorizLineSeries>();
    stream.SetPosition(0);
    reread->ReadSeriesData(stream);
    ASSERT_EQ(reread->Count(), 2);
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(reread->XValue(i), c.points[i].first);
      EXPECT_EQ(reread->YValue(i), c.points[i].second);
    }
  }
}

TEST_F(StandardSeriesTest, PieFrameIsWrittenOnlyOnceItExists) {
  auto* pie = AddSeries<TPieSeries>();
  EXPECT_EQ(test::PropertiesText(*pie).find("Frame"), std::string::npos);
  pie->Frame()->SetVisible(true);
  const std::string text = test::PropertiesText(*pie);
  EXPECT_NE(text.find("Frame.Visible = True\n"), std::string::npos);
  EXPECT_NE(text.find("Frame.Width = 4\n"), std::string::npos);
}

TEST_F(StandardSeriesTest, ChangedSettingsComeBackWhole) {
  const std::string lines =
      "BevelSize = 3\n"
      "Marks.Visible = False\n"
      "BarStyle = bsCone\n"
      "MultiBar = mbStacked100\n"
      "SideMargins = False\n"
      "XValues.Name = 'X'\n"
      "XValues.Order = loAscending\n"
      "YValues.Name = 'Bar'\n"
      "YValues.Order = loNone\n"
      "CustomBarWidth = 12\n";
  test::ExpectRoundTrip([] { return std::make_unique<TBarSeries>(nullptr); }, lines);
}

}  // namespace
}  // namespace kel
