// The function base: its stream entries by class, the Period check, the link
// between a function and its series, and recalculation on changes.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/functions/AverageKelFunction.h"
#include "model/functions/FunctionClasses.h"
#include "model/functions/ManySeriesKelFunction.h"
#include "model/standard/BarSeries.h"
#include "persist/ClassRegistry.h"
#include "tests/model/PropertyText.h"
#include "tests/model/RoundTrip.h"
#include "tests/model/functions/FunctionTestChart.h"

namespace kel::test {
namespace {

TEST(KelFunctionTest, NewFunctionsWriteTheirClassValues) {
  FunctionTestChart chart;
  struct TCase {
    const char16_t* ClassName;
    std::string Lines;
  };
  const TCase cases[] = {
      {u"TKelFunction", "CalcByValue = False\n"},
      {u"TAddKelFunction", "CalcByValue = False\n"},
      {u"TMedianKelFunction", "CalcByValue = False\n"},
      {u"TKelMovingFunction", "CalcByValue = False\nPeriod = 1.000000000000000000\n"},
      {u"TParetoKelFunction", "CalcByValue = False\nPeriod = 1.000000000000000000\n"},
      {u"TCustomKelFunction",
       "CalcByValue = False\nPeriod = 1.000000000000000000\nNumPoints = 100\n"},
      {u"TSubsetKelFunction", "CalcByValue = False\n"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(
        std::string(c.ClassName, c.ClassName + std::char_traits<char16_t>::length(c.ClassName)));
    const TClassInfo* info = GetClass(c.ClassName);
    ASSERT_NE(info, nullptr);
    std::unique_ptr<TComponent> function(info->CreateComponent(nullptr));
    EXPECT_EQ(PropertiesText(*function), c.Lines);
  }
}

TEST(KelFunctionTest, ChangedSettingsAreWrittenAndReadBack) {
  struct TCase {
    const char16_t* ClassName;
    std::string Lines;
  };
  const TCase cases[] = {
      {u"TAverageKelFunction",
       "Tag = 7\n"
       "CalcByValue = True\n"
       "IncludeNulls = False\n"
       "Period = 2.500000000000000000\n"
       "PeriodAlign = paLast\n"
       "PeriodStyle = psRange\n"},
      // The moving base writes paCenter, its own default being paLast.
      {u"TKelMovingFunction",
       "CalcByValue = False\nPeriod = 3.000000000000000000\nPeriodAlign = paCenter\n"},
      {u"TCustomKelFunction",
       "CalcByValue = False\n"
       "Period = 1.000000000000000000\n"
       "NumPoints = 5\n"
       "StartX = 2.000000000000000000\n"},
      {u"TSubsetKelFunction",
       "CalcByValue = False\n"
       "EndValue = 9.000000000000000000\n"
       "StartValue = 3.000000000000000000\n"},
  };
  FunctionTestChart chart;
  for (const TCase& c : cases) {
    const TClassInfo* info = GetClass(c.ClassName);
    ASSERT_NE(info, nullptr);
    ExpectRoundTrip([&] { return std::unique_ptr<TComponent>(info->CreateComponent(nullptr)); },
                    c.Lines);
  }
}

TEST(KelFunctionTest, NegativeOrMissingPeriodIsRefused) {
  TAverageKelFunction function(nullptr);
  function.SetPeriod(4);
  for (const double period : {-1.0, -0.001, std::nan("")}) {
    try {
      function.SetPeriod(period);
      ADD_FAILURE() << period << " accepted";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), "Function Period should be >= 0");
    }
    EXPECT_EQ(function.Period(), 4);
  }
}

TEST(KelFunctionTest, FunctionIsTheOnlyChildOfItsSeries) {
  FunctionTestChart chart;
  auto* series = chart.AddSeries<TBarSeries>(u"Average");
  series->ManualData = true;
  auto* function = new TAverageKelFunction(&chart.Chart);
  function->SetParentComponent(series);
  EXPECT_EQ(series->FunctionComponent(), function);
  EXPECT_EQ(function->GetParentComponent(), series);
  EXPECT_FALSE(series->ManualData);
  std::vector<TComponent*> children;
  series->GetChildren([&](TComponent* child) { children.push_back(child); }, &chart.Chart);
  EXPECT_EQ(children, std::vector<TComponent*>{function});
}

TEST(KelFunctionTest, FunctionMovesToTheSeriesThatTakesIt) {
  FunctionTestChart chart;
  auto* first = chart.AddSeries<TBarSeries>(u"First");
  auto* second = chart.AddSeries<TBarSeries>(u"Second");
  auto* function = new TAverageKelFunction(&chart.Chart);
  first->SetFunction(function);
  function->SetParentComponent(second);
  EXPECT_EQ(first->FunctionComponent(), nullptr);
  EXPECT_EQ(second->FunctionComponent(), function);
  EXPECT_EQ(function->ParentSeries(), second);
}

TEST(KelFunctionTest, SeriesForgetsItsFreedFunctionAndFreesItsOwn) {
  FunctionTestChart chart;
  auto* series = chart.AddSeries<TBarSeries>(u"Average");
  series->SetFunction(new TAverageKelFunction(&chart.Chart));
  delete series->FunctionComponent();
  EXPECT_EQ(series->FunctionComponent(), nullptr);

  // A replaced function and the function of a freed series are freed.
  const int seriesOnly = chart.Chart.ComponentCount();
  series->SetFunction(new TAverageKelFunction(&chart.Chart));
  series->SetFunction(new TSubtractKelFunction(&chart.Chart));
  EXPECT_EQ(chart.Chart.ComponentCount(), seriesOnly + 1);
  delete series;
  EXPECT_EQ(chart.Chart.ComponentCount(), seriesOnly - 1);
}

TEST(KelFunctionTest, ChangesRecalculateUnlessUpdating) {
  FunctionTestChart chart;
  chart.SetSource({1, 2, 3, 4});
  auto* series = chart.AddSeries<TBarSeries>(u"Average");
  auto* function = chart.Attach<TAverageKelFunction>(series);
  EXPECT_EQ(FunctionTestChart::Points(*series),
            (std::vector<std::pair<double, double>>{{1.5, 2.5}}));

  function->BeginUpdate();
  function->SetPeriod(2);
  EXPECT_EQ(series->Count(), 1);
  function->EndUpdate();
  EXPECT_EQ(FunctionTestChart::Points(*series),
            (std::vector<std::pair<double, double>>{{0.5, 1.5}, {2.5, 3.5}}));

  // A change of the source recalculates through the series' link.
  chart.SetSource({10, 20});
  EXPECT_EQ(FunctionTestChart::Points(*series),
            (std::vector<std::pair<double, double>>{{0.5, 15}}));
}

}  // namespace
}  // namespace kel::test
