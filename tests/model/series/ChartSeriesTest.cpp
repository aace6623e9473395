// The series base: adding points in list order, null points, deleting,
// automatic colours, the common write rules and the series' own entries,
// data sources and the marks' custom items.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/base/ModelMessages.h"
#include "model/catalogue/Registration.h"
#include "model/chart/Chart.h"
#include "model/series/SeriesMarks.h"
#include "persist/ClassRegistry.h"
#include "persist/Exceptions.h"
#include "persist/StringList.h"
#include "platform/MessageBox.h"
#include "tests/model/PropertyText.h"
#include "tests/model/RoundTrip.h"
#include "tests/model/series/TestSeries.h"

namespace kel::test {
namespace {

const std::string kLists =
    "XValues.Name = 'X'\n"
    "XValues.Order = loAscending\n"
    "YValues.Name = 'Y'\n"
    "YValues.Order = loNone\n";

class ChartSeriesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterModelClasses();
    RegisterClass<TTestSeries>();
  }
  static void TearDownTestSuite() { UnRegisterClass(TTestSeries::StaticClassInfo()); }

  TTestSeries* AddSeries(const std::u16string& name) {
    auto* series = new TTestSeries(&FChart);
    series->SetName(name);
    series->SetParentChart(&FChart);
    return series;
  }

  TChart FChart{nullptr};
};

TEST_F(ChartSeriesTest, PointsArePlacedByTheXListOrder) {
  struct TCase {
    TChartListOrder Order;
    std::vector<double> X;
    std::vector<std::u16string> Labels;
  };
  const TCase cases[] = {
      {loAscending, {1, 2, 3}, {u"b", u"c", u"a"}},
      {loDescending, {3, 2, 1}, {u"a", u"c", u"b"}},
      {loNone, {3, 1, 2}, {u"a", u"b", u"c"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Order));
    TTestSeries series(nullptr);
    series.XValues()->SetOrder(c.Order);
    series.AddXY(3, 30, u"a", clRed);
    series.AddXY(1, 10, u"b");
    series.AddXY(2, 20, u"c", clNone);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(series.XValue(i), c.X[i]);
      EXPECT_EQ(series.YValue(i), c.X[i] * 10);
      EXPECT_EQ(series.XLabel(i), c.Labels[i]);
    }
    const int red = series.XValues()->Locate(3);
    EXPECT_EQ(series.StoredColor(red), clRed);
    EXPECT_TRUE(series.IsNull(series.XValues()->Locate(2)));
  }
}

TEST_F(ChartSeriesTest, EqualXValuesKeepTheirOrderOfArrival) {
  TTestSeries series(nullptr);
  series.AddXY(1, 1);
  series.AddXY(2, 2);
  series.AddXY(1, 3);
  EXPECT_EQ(series.YValue(0), 1);
  EXPECT_EQ(series.YValue(1), 3);
  EXPECT_EQ(series.YValue(2), 2);
}

TEST_F(ChartSeriesTest, NullPointsAndStatistics) {
  TTestSeries series(nullptr);
  series.AddY(4);
  series.AddNull(u"gap");
  series.AddNull(-2.0);
  EXPECT_FALSE(series.IsNull(0));
  EXPECT_TRUE(series.IsNull(1));
  EXPECT_EQ(series.XLabel(1), u"gap");
  EXPECT_EQ(series.YValue(1), 0);
  series.SetNull(1, false);
  EXPECT_EQ(series.StoredColor(1), clDefault);
  EXPECT_EQ(series.YValues()->Total(), 2);
  EXPECT_EQ(series.YValues()->TotalABS(), 6);
  EXPECT_EQ(series.YValues()->MinValue(), -2);
  EXPECT_EQ(series.YValues()->MaxValue(), 4);
}

TEST_F(ChartSeriesTest, DeleteRemovesThePointEverywhereAndRejectsIndicesBeyondTheEnd) {
  TTestSeries series(nullptr);
  series.AddXY(0, 1, u"a", clRed);
  series.AddXY(1, 2, u"b");
  series.Delete(0);
  ASSERT_EQ(series.Count(), 1);
  EXPECT_EQ(series.XLabel(0), u"b");
  EXPECT_EQ(series.StoredColor(0), clDefault);
  try {
    series.Delete(1);
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Series Delete: ValueIndex 1 out of bounds (0 to 0).");
  }
}

TEST_F(ChartSeriesTest, AutomaticColoursComeFromThePaletteAndAreNotWritten) {
  TTestSeries* first = AddSeries(u"Series1");
  TTestSeries* second = AddSeries(u"Series2");
  EXPECT_EQ(first->SeriesColor(), clDefault);
  EXPECT_EQ(first->EffectiveColor(), FChart.GetDefaultColor(0));
  EXPECT_EQ(second->EffectiveColor(), FChart.GetDefaultColor(1));
  EXPECT_EQ(PropertiesText(*first), kLists);
  second->SetSeriesColor(clRed);
  EXPECT_EQ(second->EffectiveColor(), clRed);
  EXPECT_EQ(PropertiesText(*second), "SeriesColor = clRed\n" + kLists);
}

TEST_F(ChartSeriesTest, CommonWriteRules) {
  TTestSeries series(nullptr);
  series.SetPercentFormat(u"");
  series.SetShowInLegend(false);
  series.SetLegendTitle(u"Sales");
  series.Marks()->SetTextAlignment(taRightJustify);
  series.SetIdentifier(u"id7");
  series.SetStyle(TChartSeriesStyle{tssIsTemplate, tssHideDataSource});
  const std::string expected =
      "Legend.Text = 'Sales'\n"
      "Legend.Visible = False\n"
      "LegendTitle = 'Sales'\n"
      "Marks.TextAlignment = taRightJustify\n"
      "Marks.TextAlign = taRightJustify\n"
      "ShowInLegend = False\n" +
      kLists +
      "Identifier = 'id7'\n"
      "Style = 33\n";
  EXPECT_EQ(PropertiesText(series), expected);
  ExpectRoundTrip([] { return std::make_unique<TTestSeries>(nullptr); }, expected);

  series.Marks()->SetTextAlignment(taLeftJustify);
  EXPECT_NE(PropertiesText(series).find("Marks.TextAlign = taLeftJustify\n"), std::string::npos);
  EXPECT_EQ(PropertiesText(series).find("Marks.TextAlignment"), std::string::npos);
}

TEST_F(ChartSeriesTest, StyleReadsOnlyItsSixBits) {
  TTestSeries series(nullptr);
  LoadProperties(series, "Style = 255\n");
  EXPECT_EQ(series.Style().Bits(), 0x3Fu);
}

TEST_F(ChartSeriesTest, DataWrittenOnlyWhenForcedOrManualAndAllowed) {
  struct TCase {
    bool Force, Dont, Manual, Written;
  };
  const TCase cases[] = {{false, false, false, false},
                         {true, true, false, true},
                         {false, false, true, true},
                         {false, true, true, false}};
  for (const TCase& c : cases) {
    TTestSeries series(nullptr);
    series.ForceSaveData = c.Force;
    series.DontSaveData = c.Dont;
    series.ManualData = c.Manual;
    SCOPED_TRACE(PropertiesText(series));
    EXPECT_EQ(PropertiesText(series).find("Data = {") != std::string::npos, c.Written);
  }
}

TEST_F(ChartSeriesTest, EmptySeriesWritesFiveZeroBytesAsData) {
  TTestSeries series(nullptr);
  series.ForceSaveData = true;
  EXPECT_EQ(PropertiesText(series), kLists + "Data = {0000000000}\n");
}

TEST_F(ChartSeriesTest, SeriesWithASourceCopiesItsPointsAndFollowsThem) {
  TTestSeries* source = AddSeries(u"Series1");
  TTestSeries* copy = AddSeries(u"Series2");
  source->AddXY(1, 10, u"a");
  copy->SetDataSource(source);
  EXPECT_FALSE(copy->ManualData);
  ASSERT_EQ(copy->Count(), 1);
  source->AddXY(2, 20);
  ASSERT_EQ(copy->Count(), 2);
  EXPECT_EQ(copy->YValue(1), 20);
  source->Delete(0);
  EXPECT_EQ(copy->Count(), 1);
  source->Clear();
  EXPECT_EQ(copy->Count(), 0);
  EXPECT_TRUE(copy->IsDataSourceStored());
}

TEST_F(ChartSeriesTest, CircularSourcesAreRefused) {
  TTestSeries* a = AddSeries(u"A");
  TTestSeries* b = AddSeries(u"B");
  b->SetDataSource(a);
  try {
    a->SetDataSource(b);
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Circular Series dependences are not allowed");
  }
}

TEST_F(ChartSeriesTest, TwoSourcesAreWrittenAsNames) {
  TTestSeries* a = AddSeries(u"A");
  TTestSeries* b = AddSeries(u"B");
  TTestSeries* sum = AddSeries(u"Sum");
  sum->SetDataSource(a);
  sum->AddDataSource(b);
  EXPECT_FALSE(sum->IsDataSourceStored());
  EXPECT_EQ(PropertiesText(*sum), kLists +
                                      "DataSources = (\n"
                                      "  'A'\n"
                                      "  'B')\n");
}

TEST_F(ChartSeriesTest, DestroyedSourceLeavesItsLinkedSeries) {
  TTestSeries* a = AddSeries(u"A");
  TTestSeries* b = AddSeries(u"B");
  b->SetDataSource(a);
  delete a;
  EXPECT_EQ(b->DataSource(), nullptr);
  EXPECT_EQ(FChart.SeriesCount(), 1);
}

TEST_F(ChartSeriesTest, MarksItemsComeBackWholeAndSurviveReadingData) {
  TTestSeries series(nullptr);
  TMarksItem* item = series.Marks()->Items().Item(1);
  item->Lines()->Add(u"peak");
  item->SetColor(clRed);
  const std::string text = PropertiesText(series);
  ASSERT_NE(text.find("Marks.Items = {"), std::string::npos);

  TTestSeries copy(nullptr);
  LoadProperties(copy, text);
  ASSERT_EQ(copy.Marks()->Items().Count(), 2);
  ASSERT_NE(copy.Marks()->Items().Existing(1), nullptr);
  EXPECT_EQ(copy.Marks()->Items().Existing(1)->Text(), u"peak");
  EXPECT_EQ(copy.Marks()->Items().Existing(1)->Color(), clRed);
  copy.Clear();
  EXPECT_EQ(copy.Marks()->Items().Count(), 2);
  EXPECT_EQ(PropertiesText(copy), text);
}

class TRecordingMessageBox : public MessageBox {
 public:
  void Show(const std::u16string& text) override { Shown.push_back(text); }
  std::vector<std::u16string> Shown;
};

TEST_F(ChartSeriesTest, ObsoleteMultiplierOtherThanOneIsReportedAndIgnored) {
  TRecordingMessageBox box;
  SetModelMessageBox(&box);
  TTestSeries series(nullptr);
  LoadProperties(series, "XValues.Multiplier = 1.0\nYValues.Multiplier = 2.5\n");
  SetModelMessageBox(nullptr);
  ASSERT_EQ(box.Shown.size(), 1u);
  EXPECT_EQ(box.Shown[0],
            u"Error: Multiplier property is obsolete.\r"
            u"Modify KelDefs.inc (enable Multiplier) and recompile.");
  EXPECT_EQ(PropertiesText(series), kLists);
}

}  // namespace
}  // namespace kel::test
