// The calculations of the function base: whole source, periods by points and
// by ranges, moving windows, several sources by index and by value, the value
// list taken from a source, and the basic functions' rules.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "model/axes/ChartAxis.h"
#include "model/functions/AddKelFunction.h"
#include "model/functions/AverageKelFunction.h"
#include "model/functions/CustomKelFunction.h"
#include "model/functions/CustomSortedFunction.h"
#include "model/functions/HighKelFunction.h"
#include "model/functions/ManySeriesKelFunction.h"
#include "model/functions/MovingAverageFunction.h"
#include "model/functions/ParetoKelFunction.h"
#include "model/functions/SubsetKelFunction.h"
#include "model/standard/BarSeries.h"
#include "model/standard/LineSeries.h"
#include "persist/ClassRegistry.h"
#include "tests/model/functions/FunctionTestChart.h"
#include "tests/model/series/TestSeries.h"

namespace kel::test {
namespace {

using TPoints = std::vector<std::pair<double, double>>;

// The whole-source value of the function class over the values, through
// Calculate, with null points where null is set.
double WholeSourceValue(const char16_t* className,
                        const std::vector<double>& values,
                        bool includeNulls = true,
                        const std::vector<bool>& null = {}) {
  FunctionTestChart chart;
  chart.SetSource(values);
  for (size_t i = 0; i < null.size(); ++i) chart.Source->SetNull(static_cast<int>(i), null[i]);
  auto* series = chart.AddSeries<TBarSeries>(u"Result");
  auto* function = dynamic_cast<TKelFunction*>(GetClass(className)->CreateComponent(&chart.Chart));
  series->SetFunction(function);
  function->SetIncludeNulls(includeNulls);
  return function->Calculate(*chart.Source, -1, -1);
}

TEST(FunctionCalculationTest, BasicFunctionsReduceTheirValues) {
  struct TCase {
    const char16_t* ClassName;
    std::vector<double> Values;
    double Expected;
  };
  const TCase cases[] = {
      {u"TAddKelFunction", {1, 2, 3.5}, 6.5},
      {u"TSubtractKelFunction", {10, 2, 3}, 5},
      {u"TMultiplyKelFunction", {2, 3, 4}, 24},
      {u"TDivideKelFunction", {12, 0, 2, 3}, 2},
      {u"THighKelFunction", {3, 9, -1}, 9},
      {u"TLowKelFunction", {3, 9, -1}, -1},
      {u"TAverageKelFunction", {2, 4, 9}, 5},
      // The true median: the middle value, or the mean of the two middle ones.
      {u"TMedianKelFunction", {3, 1, 2}, 2},
      {u"TMedianKelFunction", {4, 1, 3, 2}, 2.5},
      {u"TMedianKelFunction", {7}, 7},
      // The longest run wins; among equal runs the smallest value.
      {u"TModeKelFunction", {5, 1, 5, 2, 2}, 2},
      {u"TModeKelFunction", {3, 1, 3, 2, 3}, 3},
      {u"TModeKelFunction", {8}, 8},
      {u"TKelFunction", {1, 2}, 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.Values));
    EXPECT_DOUBLE_EQ(WholeSourceValue(c.ClassName, c.Values), c.Expected);
  }
}

TEST(FunctionCalculationTest, NullPointsAreLeftOutUnlessIncluded) {
  struct TCase {
    const char16_t* ClassName;
    bool IncludeNulls;
    double Expected;
  };
  // Values 1, 100, 5 with the middle point null.
  const TCase cases[] = {
      {u"TAddKelFunction", true, 106},   {u"TAddKelFunction", false, 6},
      {u"THighKelFunction", false, 5},   {u"TAverageKelFunction", false, 3},
      {u"TMedianKelFunction", false, 3},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.IncludeNulls);
    EXPECT_DOUBLE_EQ(WholeSourceValue(c.ClassName, {1, 100, 5}, c.IncludeNulls, {false, true}),
                     c.Expected);
  }
  // A group of null points only reduces to 0, the median too.
  for (const char16_t* className :
       {u"TMedianKelFunction", u"TModeKelFunction", u"TAverageKelFunction", u"THighKelFunction"}) {
    EXPECT_EQ(WholeSourceValue(className, {4, 6}, false, {true, true}), 0);
  }
}

TEST(FunctionCalculationTest, WholeSourceGivesOnePointOrALevelLine) {
  FunctionTestChart chart;
  chart.SetSource({2, 4, 9}, {1, 2, 3});
  auto* bar = chart.AddSeries<TBarSeries>(u"Bar");
  chart.Attach<TAverageKelFunction>(bar);
  EXPECT_EQ(FunctionTestChart::Points(*bar), (TPoints{{2, 5}}));
  auto* line = chart.AddSeries<TLineSeries>(u"Line");
  chart.Attach<TAverageKelFunction>(line);
  EXPECT_EQ(FunctionTestChart::Points(*line), (TPoints{{1, 5}, {3, 5}}));
}

TEST(FunctionCalculationTest, PeriodOfPointsDropsTheIncompleteGroup) {
  struct TCase {
    double Period;
    TFunctionPeriodAlign Align;
    TPoints Expected;
  };
  // X 10..14, Y 1..5.
  const TCase cases[] = {
      {2, paCenter, {{10.5, 3}, {12.5, 7}}},
      {2, paFirst, {{10, 3}, {12, 7}}},
      {2.5, paLast, {{11, 3}, {13, 7}}},  // rounds to 2, halves to even
      {3.5, paLast, {{13, 10}}},          // rounds to 4
      {5, paCenter, {{12, 15}}},
      {6, paCenter, {}},
      {0.4, paCenter, {}},  // rounds to no point: no group
      {1e300, paCenter, {}},
      {std::numeric_limits<double>::infinity(), paCenter, {}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Period);
    FunctionTestChart chart;
    chart.SetSource({1, 2, 3, 4, 5}, {10, 11, 12, 13, 14});
    auto* series = chart.AddSeries<TBarSeries>(u"Sum");
    auto* function = chart.Attach<TAddKelFunction>(series);
    function->SetPeriodAlign(c.Align);
    function->SetPeriod(c.Period);
    EXPECT_EQ(FunctionTestChart::Points(*series), c.Expected);
  }
}

TEST(FunctionCalculationTest, PeriodOfRangeGroupsByXValues) {
  struct TCase {
    double Period;
    TFunctionPeriodAlign Align;
    std::vector<double> X;
    TPoints Expected;
  };
  const TCase cases[] = {
      // Ranges [0, 2), [2, 4), [4, 6): an empty range adds 0.
      {2, paFirst, {0, 1, 5}, {{0, 3}, {2, 0}, {4, 4}}},
      {2, paLast, {0, 1, 5}, {{1.998, 3}, {3.998, 0}, {5.998, 4}}},
      {4, paCenter, {0, 1, 5}, {{1.998, 3}, {5.998, 4}}},
      // A period too small to move past the start forms no range.
      {1e-20, paFirst, {1e6, 2e6, 3e6}, {}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Period);
    FunctionTestChart chart;
    chart.SetSource({1, 2, 4}, c.X);
    auto* series = chart.AddSeries<TBarSeries>(u"Sum");
    auto* function = chart.Attach<TAddKelFunction>(series);
    function->SetPeriodStyle(psRange);
    function->SetPeriodAlign(c.Align);
    function->SetPeriod(c.Period);
    ASSERT_EQ(series->Count(), static_cast<int>(c.Expected.size()));
    for (int i = 0; i < series->Count(); ++i) {
      EXPECT_NEAR(series->XValue(i), c.Expected[i].first, 1e-9);
      EXPECT_EQ(series->YValue(i), c.Expected[i].second);
    }
  }
}

TEST(FunctionCalculationTest, RangeOfSmallPeriodOverWideGapsStaysBounded) {
  FunctionTestChart chart;
  chart.SetSource({1, 2}, {0, 1e18});
  auto* series = chart.AddSeries<TBarSeries>(u"Sum");
  auto* function = chart.Attach<TAddKelFunction>(series);
  function->SetPeriodStyle(psRange);
  function->SetPeriod(1);
  // The first range, then at most a million empty ones.
  EXPECT_EQ(series->Count(), 1'000'001);
  EXPECT_EQ(series->YValue(0), 1);
}

TEST(FunctionCalculationTest, MonthStepsFollowTheCalendarOnDateAxes) {
  // 2024-01-10, 2024-01-20, 2024-02-05, 2024-03-31 as date values.
  const std::vector<double> dates = {45301, 45311, 45327, 45382};
  struct TCase {
    double Period;
    bool DateTime;
    TPoints Expected;
    bool ExactDateTime = true;
  };
  const TCase cases[] = {
      // One month: [Jan 10, Feb 1), [Feb 1, Mar 1), [Mar 1, Apr 1).
      {30, true, {{45301, 3}, {45323, 4}, {45352, 8}}},
      // Half months: [Jan 10, Jan 15), [Jan 15, Feb 1), [Feb 1, Feb 15), ...
      {15, true, {{45301, 1}, {45306, 2}, {45323, 4}, {45337, 0}, {45352, 0}, {45366, 8}}},
      // Two months: [Jan 10, Mar 1), [Mar 1, May 1); a year: up to 2025-01-01.
      {60, true, {{45301, 7}, {45352, 8}}},
      {365, true, {{45301, 15}}},
      // Without date values the period is a plain range of 30.
      {30, false, {{45301, 7}, {45331, 0}, {45361, 8}}},
      // Nor on an axis without exact date-time steps.
      {30, true, {{45301, 7}, {45331, 0}, {45361, 8}}, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Period);
    FunctionTestChart chart;
    chart.SetSource({1, 2, 4, 8}, dates);
    auto* series = chart.AddSeries<TBarSeries>(u"Sum");
    chart.Source->XValues()->SetDateTime(c.DateTime);
    chart.Chart.BottomAxis()->SetExactDateTime(c.ExactDateTime);
    auto* function = chart.Attach<TAddKelFunction>(series);
    function->SetPeriodStyle(psRange);
    function->SetPeriodAlign(paFirst);
    function->SetPeriod(c.Period);
    EXPECT_EQ(FunctionTestChart::Points(*series), c.Expected);
  }
}

TEST(FunctionCalculationTest, MovingWindowEndsAtEachPointFromThePeriodOn) {
  FunctionTestChart chart;
  chart.SetSource({1, 2, 3, 4, 5}, {10, 11, 12, 13, 14});
  auto* series = chart.AddSeries<TLineSeries>(u"Moving");
  auto* function = chart.Attach<TMovingAverageFunction>(series);
  function->SetPeriod(3);
  EXPECT_EQ(FunctionTestChart::Points(*series), (TPoints{{12, 2}, {13, 3}, {14, 4}}));
  function->SetPeriodAlign(paCenter);
  function->SetPeriod(2);
  EXPECT_EQ(FunctionTestChart::Points(*series),
            (TPoints{{10.5, 1.5}, {11.5, 2.5}, {12.5, 3.5}, {13.5, 4.5}}));
  function->SetPeriod(6);
  EXPECT_EQ(series->Count(), 0);
}

TEST(FunctionCalculationTest, SeveralSourcesByIndexFollowTheLongest) {
  FunctionTestChart chart;
  chart.SetSource({10, 20, 30}, {1, 2, 3});
  auto* longer = chart.AddSeries<TLineSeries>(u"Longer");
  for (int i = 0; i < 5; ++i) longer->AddXY(i + 1, i + 1, i == 4 ? u"five" : u"");
  auto* series = chart.AddSeries<TBarSeries>(u"Difference");
  series->SetFunction(new TSubtractKelFunction(&chart.Chart));
  series->AddDataSource(chart.Source);
  series->AddDataSource(longer);
  EXPECT_EQ(FunctionTestChart::Points(*series),
            (TPoints{{1, 9}, {2, 18}, {3, 27}, {4, 4}, {5, 5}}));
  EXPECT_EQ(series->XLabel(4), u"five");
}

TEST(FunctionCalculationTest, SeveralSourcesByValueMatchXValues) {
  for (const bool includeNulls : {true, false}) {
    SCOPED_TRACE(includeNulls);
    FunctionTestChart chart;
    chart.SetSource({10, 20, 30}, {1, 2, 3});
    auto* other = chart.AddSeries<TLineSeries>(u"Other");
    other->AddXY(2, 5, u"two");
    other->AddXY(4, 7);
    auto* series = chart.AddSeries<TBarSeries>(u"Sum");
    auto* function = new TAddKelFunction(&chart.Chart);
    function->SetCalcByValue(true);
    function->SetIncludeNulls(includeNulls);
    series->SetFunction(function);
    series->AddDataSource(chart.Source);
    series->AddDataSource(other);
    // X 2 is in both sources; 1, 3 and 4 in one only: null points or none.
    const TPoints expected =
        includeNulls ? TPoints{{1, 10}, {2, 25}, {3, 30}, {4, 7}} : TPoints{{2, 25}};
    EXPECT_EQ(FunctionTestChart::Points(*series), expected);
    const int two = series->XValues()->Locate(2);
    EXPECT_FALSE(series->IsNull(two));
    EXPECT_EQ(series->XLabel(two), u"two");
    if (includeNulls) {
      EXPECT_TRUE(series->IsNull(series->XValues()->Locate(4)));
    }
  }
}

TEST(FunctionCalculationTest, ValueSourceChoosesTheSourceList) {
  FunctionTestChart chart;
  auto* source = new TTestSeries(&chart.Chart, false, 1);
  source->SetParentChart(&chart.Chart);
  source->ValueList(2)->SetName(u"High");
  source->ValueList(2)->TempValue = 100;
  source->AddXY(1, 1);
  source->ValueList(2)->TempValue = 300;
  source->AddXY(2, 2);
  struct TCase {
    std::u16string ValueSource;
    double Expected;
  };
  const TCase cases[] = {{u"", 1.5}, {u"high", 200}, {u"Missing", 1.5}};
  for (const TCase& c : cases) {
    auto* series = chart.AddSeries<TBarSeries>(u"Average");
    series->MandatoryValueList()->SetValueSource(c.ValueSource);
    series->SetFunction(new TAverageKelFunction(&chart.Chart));
    series->SetDataSource(source);
    EXPECT_EQ(FunctionTestChart::Points(*series), (TPoints{{1.5, c.Expected}}));
    delete series;
  }
}

TEST(FunctionCalculationTest, ResultsAreExchangedForSourcesWithMandatoryX) {
  FunctionTestChart chart;
  auto* source = chart.AddSeries<THorizLineSeries>(u"Horizontal");
  source->AddXY(2, 1);
  source->AddXY(4, 2);
  source->AddXY(9, 3);
  auto* series = chart.AddSeries<THorizLineSeries>(u"High");
  series->SetFunction(new THighKelFunction(&chart.Chart));
  series->SetDataSource(source);
  EXPECT_EQ(FunctionTestChart::Points(*series), (TPoints{{9, 1}, {9, 3}}));
}

TEST(FunctionCalculationTest, ParetoAccumulatesAbsolutePercentages) {
  FunctionTestChart chart;
  chart.SetSource({5, -3, 2});
  auto* series = chart.AddSeries<TBarSeries>(u"Pareto");
  chart.Attach<TParetoKelFunction>(series);
  EXPECT_EQ(FunctionTestChart::Points(*series), (TPoints{{0, 50}, {1, 80}, {2, 100}}));
  chart.SetSource({0, 0});
  EXPECT_EQ(FunctionTestChart::Points(*series), (TPoints{{0, 0}, {1, 0}}));
}

TEST(FunctionCalculationTest, CustomFunctionAsksItsHandlerOnly) {
  FunctionTestChart chart;
  auto* series = chart.AddSeries<TBarSeries>(u"Custom");
  series->AddXY(7, 7);
  auto* function = new TCustomKelFunction(&chart.Chart);
  series->SetFunction(function);
  EXPECT_EQ(series->Count(), 0);

  std::vector<int> indices;
  function->Calculator = [&](TCustomKelFunction& f) {
    indices.push_back(f.CurrentIndex());
    return f.CurrentX() * 10;
  };
  function->SetNumPoints(3);
  function->SetStartX(1);
  function->SetPeriod(0.5);
  EXPECT_EQ(FunctionTestChart::Points(*series), (TPoints{{1, 10}, {1.5, 15}, {2, 20}}));
  EXPECT_EQ(indices, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(function->CurrentIndex(), -1);
}

TEST(FunctionCalculationTest, SubsetKeepsThePointsWithinItsBounds) {
  FunctionTestChart chart;
  chart.SetSource({10, 20, 30, 40}, {1, 2, 3, 4});
  auto* series = chart.AddSeries<TBarSeries>(u"Subset");
  auto* function = chart.Attach<TSubsetKelFunction>(series);
  EXPECT_EQ(series->Count(), 0);
  function->SetEndValue(3);
  function->SetStartValue(2);
  EXPECT_EQ(FunctionTestChart::Points(*series), (TPoints{{2, 20}, {3, 30}}));
}

}  // namespace
}  // namespace kel::test
