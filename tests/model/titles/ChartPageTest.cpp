#include <gtest/gtest.h>

#include "model/titles/ChartPage.h"
#include "persist/Exceptions.h"
#include "tests/model/FakeChart.h"
#include "tests/model/PropertyText.h"

namespace kel {
namespace {

using test::FakeChart;
using test::LoadProperties;
using test::PropertiesText;

TEST(ChartPageTest, NewPageWritesNothing) {
  TChartPage page;
  EXPECT_EQ(page.Current(), 1);
  EXPECT_EQ(PropertiesText(page, u"Pages."), "");
}

TEST(ChartPageTest, ChangedValuesAreWrittenInOrder) {
  FakeChart chart;
  chart.series.resize(1);
  chart.pages = 4;
  TChartPage page(&chart);
  page.FAutoScale = true;
  page.SetMaxPointsPerPage(10);
  page.SetCurrent(2);
  page.FScaleLastPage = false;
  EXPECT_EQ(PropertiesText(page, u"Pages."),
            "Pages.AutoScale = True\n"
            "Pages.Current = 2\n"
            "Pages.MaxPointsPerPage = 10\n"
            "Pages.ScaleLastPage = False\n");
}

TEST(ChartPageTest, StoredCurrentIsClampedWhileReadingAndNotWrittenBack) {
  // Current comes before MaxPointsPerPage, and no series exist yet.
  FakeChart chart;
  TChartPage page(&chart);
  LoadProperties(page, "Current = 3\nMaxPointsPerPage = 5");
  EXPECT_EQ(page.Current(), 1);
  EXPECT_EQ(page.MaxPointsPerPage(), 5);
  EXPECT_EQ(PropertiesText(page), "MaxPointsPerPage = 5\n");
}

TEST(ChartPageTest, CurrentIsClampedToThePageCountAndToOne) {
  FakeChart chart;
  chart.series.resize(1);
  chart.pages = 5;
  TChartPage page(&chart);
  page.SetMaxPointsPerPage(10);
  struct Case {
    int32_t set;
    int32_t expected;
  };
  const Case cases[] = {{3, 3}, {9, 5}, {0, 1}, {-4, 1}, {5, 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.set);
    page.SetCurrent(c.set);
    EXPECT_EQ(page.Current(), c.expected);
  }
}

TEST(ChartPageTest, OnlyARealChangeOfCurrentTellsTheChart) {
  FakeChart chart;
  chart.series.resize(1);
  chart.pages = 3;
  TChartPage page(&chart);
  page.SetMaxPointsPerPage(10);
  const int before = chart.pageChanges;
  page.SetCurrent(1);
  EXPECT_EQ(chart.pageChanges, before);
  page.SetCurrent(2);
  EXPECT_EQ(chart.pageChanges, before + 1);
}

TEST(ChartPageTest, FewerPagesPullCurrentBack) {
  FakeChart chart;
  chart.series.resize(1);
  chart.pages = 6;
  TChartPage page(&chart);
  page.SetMaxPointsPerPage(10);
  page.SetCurrent(6);
  chart.pages = 2;
  page.SetMaxPointsPerPage(30);
  EXPECT_EQ(page.Current(), 2);
  // Switching paging off leaves one page.
  page.SetMaxPointsPerPage(0);
  EXPECT_EQ(page.Count(), 1);
  EXPECT_EQ(page.Current(), 1);
}

TEST(ChartPageTest, ASeriesWithoutPointsStillHasOnePage) {
  FakeChart chart;
  chart.series.resize(1);
  chart.pages = 0;
  TChartPage page(&chart);
  page.SetMaxPointsPerPage(10);
  EXPECT_EQ(page.Count(), 1);
  EXPECT_EQ(page.Current(), 1);
  EXPECT_EQ(PropertiesText(page), "MaxPointsPerPage = 10\n");
}

TEST(ChartPageTest, NegativePointsPerPageIsRefused) {
  TChartPage page;
  page.SetMaxPointsPerPage(7);
  try {
    page.SetMaxPointsPerPage(-1);
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "MaxPointsPerPage must be >= 0");
  }
  EXPECT_EQ(page.MaxPointsPerPage(), 7);
  EXPECT_THROW(LoadProperties(page, "MaxPointsPerPage = -3"), EReadError);
  EXPECT_EQ(page.MaxPointsPerPage(), 7);
}

TEST(ChartPageTest, AssignCopiesEveryValue) {
  FakeChart chart;
  chart.series.resize(1);
  chart.pages = 4;
  TChartPage source(&chart);
  source.FAutoScale = true;
  source.SetMaxPointsPerPage(8);
  source.SetCurrent(3);
  source.FScaleLastPage = false;
  TChartPage copy;
  copy.Assign(&source);
  EXPECT_EQ(PropertiesText(copy), PropertiesText(source));
}

}  // namespace
}  // namespace kel
