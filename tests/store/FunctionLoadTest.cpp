// Functions read from chart files: a bad Period goes through the reader's
// error route, and series whose sources form a cycle are refused instead of
// recalculating each other without end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/catalogue/Registration.h"
#include "model/chart/Chart.h"
#include "model/functions/KelFunction.h"
#include "persist/Exceptions.h"
#include "store/ChartStore.h"

namespace kel {
namespace {

class FunctionLoadTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterModelClasses(); }

  // Loads the chart text, collecting the reading errors it skips.
  void Read(const std::string& text) {
    TMemoryStream in(std::vector<uint8_t>(text.begin(), text.end()));
    ReadChartFromStream(FChart, in, false, [this](const std::string& message) {
      FReported.push_back(message);
      return true;
    });
  }
  TChartSeries* SeriesAt(int index) const {
    return dynamic_cast<TChartSeries*>(&FChart->Series(index)->SeriesComponent());
  }

  TComponent FHost{nullptr};
  TChart* FChart = new TChart(&FHost);
  std::vector<std::string> FReported;
};

TEST_F(FunctionLoadTest, NegativePeriodIsSkippedThroughTheErrorRoute) {
  Read(
      "object TChart\n"
      "  object Series1: TLineSeries\n"
      "    Data = {00020000000000000000000840000000000000F03F}\n"
      "  end\n"
      "  object Series2: TBarSeries\n"
      "    DataSource = Series1\n"
      "    object Function1: TAddKelFunction\n"
      "      Period = -2.0\n"
      "    end\n"
      "  end\n"
      "end\n");
  ASSERT_EQ(FReported.size(), 1u);
  EXPECT_NE(FReported[0].find("Function Period should be >= 0"), std::string::npos);
  auto* function = dynamic_cast<TKelFunction*>(SeriesAt(1)->FunctionComponent());
  ASSERT_NE(function, nullptr);
  EXPECT_EQ(function->Period(), 0);
  EXPECT_FALSE(SeriesAt(1)->ManualData);
  ASSERT_EQ(SeriesAt(1)->Count(), 1);
  EXPECT_EQ(SeriesAt(1)->YValue(0), 4);
}

TEST_F(FunctionLoadTest, SourcesFormingACycleAreRefused) {
  // By reference: the second link is refused through the error route.
  Read(
      "object TChart\n"
      "  object Series1: TLineSeries\n"
      "    DataSource = Series2\n"
      "    object Function1: TAddKelFunction\n"
      "    end\n"
      "  end\n"
      "  object Series2: TLineSeries\n"
      "    DataSource = Series1\n"
      "    object Function2: TAddKelFunction\n"
      "    end\n"
      "  end\n"
      "end\n");
  ASSERT_EQ(FReported.size(), 1u);
  EXPECT_NE(FReported[0].find("Circular Series dependences are not allowed"), std::string::npos);
  EXPECT_EQ(SeriesAt(0)->DataSource(), SeriesAt(1));
  EXPECT_EQ(SeriesAt(1)->DataSource(), nullptr);

  // By name lists, linked after reading: the load fails with the same message.
  try {
    Read(
        "object TChart\n"
        "  object Series1: TLineSeries\n"
        "    DataSources = ('Series2' 'Series3')\n"
        "  end\n"
        "  object Series2: TLineSeries\n"
        "    DataSources = ('Series1' 'Series3')\n"
        "  end\n"
        "  object Series3: TLineSeries\n"
        "  end\n"
        "end\n");
    ADD_FAILURE() << "a cycle of data sources was accepted";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Circular Series dependences are not allowed");
  }
}

}  // namespace
}  // namespace kel
