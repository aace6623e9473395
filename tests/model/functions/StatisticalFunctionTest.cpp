// The moving and statistical functions: their own settings and stream
// entries, their formulas over windows and whole sources, and the weight check
// of the exponential average.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/functions/ExpAverageFunction.h"
#include "model/functions/ExpMovAveFunction.h"
#include "model/functions/MomentumFunction.h"
#include "model/functions/MovingAverageFunction.h"
#include "model/functions/SkewnessFunction.h"
#include "model/functions/StdDeviationFunction.h"
#include "model/standard/BarSeries.h"
#include "model/standard/LineSeries.h"
#include "persist/ClassRegistry.h"
#include "tests/model/PropertyText.h"
#include "tests/model/RoundTrip.h"
#include "tests/model/functions/FunctionTestChart.h"

namespace kel::test {
namespace {

using TPoints = std::vector<std::pair<double, double>>;

// The Y values a function of class T, set up by setUp, gives over the values
// (at X 0, 1, ...) on a line series.
template <class T, class SetUp>
std::vector<double> Results(const std::vector<double>& values, SetUp setUp) {
  FunctionTestChart chart;
  chart.SetSource(values);
  auto* series = chart.AddSeries<TLineSeries>(u"Result");
  T* function = chart.Attach<T>(series);
  function->BeginUpdate();
  setUp(*function);
  function->EndUpdate();
  std::vector<double> y;
  for (int i = 0; i < series->Count(); ++i) y.push_back(series->YValue(i));
  return y;
}

TEST(StatisticalFunctionTest, OwnSettingsAreWrittenAndReadBack) {
  struct TCase {
    const char16_t* ClassName;
    std::string Lines;
  };
  const TCase cases[] = {
      {u"TMovingAverageFunction",
       "CalcByValue = False\nPeriod = 1.000000000000000000\nWeighted = True\nWeightedIndex = "
       "True\n"},
      {u"TExpAverageFunction",
       "CalcByValue = False\nPeriod = 1.000000000000000000\nWeight = 0.500000000000000000\n"},
      {u"TExpMovAveFunction",
       "CalcByValue = False\nPeriod = 10.000000000000000000\nIgnoreNulls = "
       "False\n"},
      {u"TStdDeviationFunction", "CalcByValue = False\nComplete = True\n"},
      {u"TRMSFunction", "CalcByValue = False\nComplete = True\n"},
      {u"TKurtosisFunction", "CalcByValue = False\nComplete = True\n"},
  };
  FunctionTestChart chart;
  for (const TCase& c : cases) {
    const TClassInfo* info = GetClass(c.ClassName);
    ASSERT_NE(info, nullptr);
    ExpectRoundTrip([&] { return std::unique_ptr<TComponent>(info->CreateComponent(nullptr)); },
                    c.Lines);
  }
}

TEST(StatisticalFunctionTest, MovingAveragesWeighTheirWindows) {
  const auto plain = Results<TMovingAverageFunction>({1, 2, 3, 4}, [](auto& f) { f.SetPeriod(3); });
  EXPECT_EQ(plain, (std::vector<double>{2, 3}));
  const auto byIndex = Results<TMovingAverageFunction>({1, 2, 3, 4}, [](auto& f) {
    f.SetPeriod(3);
    f.SetWeightedIndex(true);
  });
  EXPECT_EQ(byIndex, (std::vector<double>{14.0 / 6, 20.0 / 6}));
  // Weighted by X (0, 1, 2, 3) wins over WeightedIndex; X 0 + 1 weighs the
  // first window of two.
  const auto byX = Results<TMovingAverageFunction>({1, 2, 3, 4}, [](auto& f) {
    f.SetPeriod(2);
    f.SetWeighted(true);
    f.SetWeightedIndex(true);
  });
  EXPECT_EQ(byX, (std::vector<double>{2, 8.0 / 3, 18.0 / 5}));
  const auto smoothed =
      Results<TSmoothedMovAvgFunction>({1, 2, 3, 4, 5}, [](auto& f) { f.SetPeriod(2); });
  // 1.5 first, then (prev * 2 - prev + newest) / 2.
  EXPECT_EQ(smoothed, (std::vector<double>{1.5, 2.25, 3.125, 4.0625}));
}

TEST(StatisticalFunctionTest, ExponentialAverageBlendsWithThePreviousValue) {
  const auto results = Results<TExpAverageFunction>({2, 4, 8}, [](auto& f) { f.SetWeight(0.5); });
  EXPECT_EQ(results, (std::vector<double>{2, 3, 6}));

  TExpAverageFunction function(nullptr);
  function.SetWeight(0.3);
  for (const double weight : {1.5, -0.1, std::nan("")}) {
    try {
      function.SetWeight(weight);
      ADD_FAILURE() << weight << " accepted";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), "ExpAverage Weight must be between 0 and 1");
    }
    EXPECT_EQ(function.Weight(), 0.3);
  }
}

TEST(StatisticalFunctionTest, ExponentialMovingAverageRunsOverTheWholeSource) {
  EXPECT_EQ(Results<TExpMovAveFunction>({2, 4}, [](auto& f) { f.SetPeriod(3); }),
            (std::vector<double>{2, 3}));
  EXPECT_TRUE(Results<TExpMovAveFunction>({2}, [](auto& f) { f.SetPeriod(3); }).empty());

  // Null points: counted with IgnoreNulls, passed over without.
  for (const bool ignoreNulls : {true, false}) {
    SCOPED_TRACE(ignoreNulls);
    FunctionTestChart chart;
    chart.SetSource({9, 2, 6, 4});
    chart.Source->SetNull(0);
    chart.Source->SetNull(2);
    auto* series = chart.AddSeries<TLineSeries>(u"Ema");
    auto* function = chart.Attach<TExpMovAveFunction>(series);
    function->SetIgnoreNulls(ignoreNulls);
    function->SetPeriod(3);
    const TPoints expected =
        ignoreNulls ? TPoints{{0, 9}, {1, 5.5}, {2, 5.75}, {3, 4.875}} : TPoints{{1, 2}, {3, 3}};
    EXPECT_EQ(FunctionTestChart::Points(*series), expected);
  }
}

TEST(StatisticalFunctionTest, MomentumComparesTheEndsOfTheWindow) {
  FunctionTestChart chart;
  chart.SetSource({5, 7, 12});
  TMomentumFunction momentum(nullptr);
  TMomentumDivFunction division(nullptr);
  EXPECT_EQ(momentum.Calculate(*chart.Source, -1, -1), 7);
  EXPECT_EQ(division.Calculate(*chart.Source, -1, -1), 240);
  EXPECT_EQ(Results<TMomentumFunction>({5, 7, 12}, [](auto&) {}), (std::vector<double>{2, 5}));
  EXPECT_EQ(Results<TMomentumDivFunction>({0, 7, 14}, [](auto&) {}), (std::vector<double>{0, 200}));
}

TEST(StatisticalFunctionTest, SpreadFunctionsReduceTheirGroups) {
  struct TCase {
    const char16_t* ClassName;
    bool Complete;
    std::vector<double> Values;
    double Expected;
  };
  const TCase cases[] = {
      {u"TStdDeviationFunction", false, {2, 4}, std::sqrt(2.0)},
      {u"TStdDeviationFunction", true, {2, 4}, 1},
      {u"TStdDeviationFunction", false, {5}, 0},
      {u"TRMSFunction", false, {3, 4}, 5},
      {u"TRMSFunction", true, {3, 4}, std::sqrt(12.5)},
      {u"TRMSFunction", false, {3}, 0},
      {u"TVarianceFunction", false, {1, 2, 3}, 2.0 / 3},
      // Mean 2, deviations -1, -1, 2: S = 6 (cubes) or 18 (fourth powers),
      // s = sqrt(3), divisor 2 * s^k.
      {u"TSkewnessFunction", false, {1, 1, 4}, 6 / (2 * std::pow(std::sqrt(3.0), 3))},
      {u"TKurtosisFunction", false, {1, 1, 4}, 18.0 / 18},
      {u"TSkewnessFunction", false, {3, 3}, 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.Values));
    FunctionTestChart chart;
    chart.SetSource(c.Values);
    auto* series = chart.AddSeries<TBarSeries>(u"Spread");
    auto* function =
        dynamic_cast<TKelFunction*>(GetClass(c.ClassName)->CreateComponent(&chart.Chart));
    series->SetFunction(function);
    if (const TPropInfo* complete = GetPropInfo(function->ClassInfo(), u"Complete")) {
      SetOrdProp(*function, *complete, c.Complete);
    }
    EXPECT_NEAR(function->Calculate(*chart.Source, -1, -1), c.Expected, 1e-12);
  }
}

TEST(StatisticalFunctionTest, SkewnessGivesEveryGroupTheWholeSourceValue) {
  const auto results = Results<TSkewnessFunction>({1, 1, 4, 1}, [](auto& f) { f.SetPeriod(2); });
  ASSERT_EQ(results.size(), 2u);
  EXPECT_EQ(results[0], results[1]);
  EXPECT_GT(results[0], 0);
}

}  // namespace
}  // namespace kel::test
