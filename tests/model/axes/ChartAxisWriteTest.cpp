// What the axes write: every expected line is worked out from the axis
// property tables (stream order, table defaults, remembered defaults and the
// special write rules), not taken from the program's output.
#include <gtest/gtest.h>

#include <string>

#include "model/axes/AxisGridPen.h"
#include "model/axes/ChartAxis.h"
#include "model/axes/ChartAxisPen.h"
#include "model/axes/ChartAxisTitle.h"
#include "tests/model/axes/AxisTestChart.h"

namespace kel::test {
namespace {

TEST(ChartAxisWriteTest, NewChartWritesNothingForItsAxes) {
  TAxisTestChart chart;
  EXPECT_EQ(ChartText(chart), "object TAxisTestChart\nend\n");
}

struct LoadCase {
  const char* name;
  const char* loaded;    // lines read into a new chart
  const char* expected;  // the chart's lines written afterwards
};

// One value read from a file, and what the next save writes for it.
const LoadCase kLoadCases[] = {
    {"other side axis keeps its depth", "RightAxis.ZPosition = 50",
     "RightAxis.ZPosition = 50.000000000000000000\n"},
    {"other side axis at its usual depth", "TopAxis.ZPosition = 100", ""},
    {"depth 0 is kept as 0.01", "TopAxis.ZPosition = 0",
     "TopAxis.ZPosition = 0.010000000000000000\n"},
    {"small depth is not written", "BottomAxis.ZPosition = 0.005", ""},
    {"depth above the threshold", "BottomAxis.ZPosition = 0.02",
     "BottomAxis.ZPosition = 0.020000000000000000\n"},
    {"depth axes never write a depth", "DepthAxis.ZPosition = 40", ""},
    {"zero grid depth of the top axis", "TopAxis.Grid.ZPosition = 0",
     "TopAxis.Grid.ZZero = True\n"},
    {"usual grid depth of the top axis", "TopAxis.Grid.ZPosition = 100", ""},
    {"grid depth of the left axis", "LeftAxis.Grid.ZPosition = 50",
     "LeftAxis.Grid.ZPosition = 50.000000000000000000\n"},
    {"fixed bounds, Maximum 0",
     "LeftAxis.Automatic = False\nLeftAxis.AutomaticMaximum = False\n"
     "LeftAxis.AutomaticMinimum = False\nLeftAxis.Minimum = 5",
     "LeftAxis.Automatic = False\nLeftAxis.AutomaticMaximum = False\n"
     "LeftAxis.AutomaticMinimum = False\nLeftAxis.Minimum = 5.000000000000000000\n"},
    {"only Automatic off", "LeftAxis.Automatic = False\nLeftAxis.Maximum = 50",
     "LeftAxis.Automatic = False\n"},
    {"fixed maximum only", "BottomAxis.AutomaticMaximum = False\nBottomAxis.Maximum = 20",
     "BottomAxis.Automatic = False\nBottomAxis.AutomaticMaximum = False\n"
     "BottomAxis.Maximum = 20.000000000000000000\n"},
    {"bound of an automatic axis", "LeftAxis.Minimum = -5", ""},
    {"end position 0", "BottomAxis.EndPosition = 0", ""},
    {"positions",
     "LeftAxis.StartPosition = 10\nLeftAxis.EndPosition = 90\nLeftAxis.PositionPercent = 20\n"
     "LeftAxis.PositionUnits = muPixels",
     "LeftAxis.StartPosition = 10.000000000000000000\nLeftAxis.EndPosition = "
     "90.000000000000000000\nLeftAxis.PositionPercent = 20.000000000000000000\n"
     "LeftAxis.PositionUnits = muPixels\n"},
    {"labels angle modulo 360", "LeftAxis.LabelsAngle = 450", "LeftAxis.LabelsAngle = 90\n"},
    {"hidden labels are written twice", "LeftAxis.Labels = False",
     "LeftAxis.Labels = False\nLeftAxis.LabelsFormat.Visible = False\n"},
    {"labels font goes to the format", "LeftAxis.LabelsFont.Color = clRed",
     "LeftAxis.LabelsFormat.Font.Color = clRed\n"},
    {"label settings",
     "BottomAxis.LabelsAlign = alOpposite\nBottomAxis.LabelsOnAxis = False\n"
     "BottomAxis.LabelsSeparation = 0\nBottomAxis.LabelStyle = talText\n"
     "BottomAxis.RoundFirstLabel = False",
     "BottomAxis.LabelsAlign = alOpposite\nBottomAxis.LabelsOnAxis = False\n"
     "BottomAxis.LabelsSeparation = 0\nBottomAxis.LabelStyle = talText\n"
     "BottomAxis.RoundFirstLabel = False\n"},
    {"format texts", "LeftAxis.AxisValuesFormat = '0.00'\nLeftAxis.DateTimeFormat = 'yyyy'",
     "LeftAxis.AxisValuesFormat = '0.00'\nLeftAxis.DateTimeFormat = 'yyyy'\n"},
    {"usual values format", "LeftAxis.AxisValuesFormat = '#,##0.###'", ""},
    {"empty values format", "LeftAxis.AxisValuesFormat = ''", ""},
    {"logarithmic base 10", "LeftAxis.LogarithmicBase = 10", ""},
    {"logarithmic base 2", "LeftAxis.Logarithmic = True\nLeftAxis.LogarithmicBase = 2",
     "LeftAxis.Logarithmic = True\nLeftAxis.LogarithmicBase = 2.000000000000000000\n"},
    {"increment", "LeftAxis.Increment = 5", "LeftAxis.Increment = 5.000000000000000000\n"},
    {"orientation of a standard axis", "LeftAxis.Horizontal = True\nLeftAxis.OtherSide = True", ""},
    {"axis pen at its defaults", "LeftAxis.Axis.Width = 2\nLeftAxis.Axis.EndStyle = esFlat", ""},
    {"axis pen changed",
     "LeftAxis.Axis.Width = 1\nLeftAxis.Axis.EndStyle = esRound\nLeftAxis.Axis.LineMode = "
     "lmCylinder",
     "LeftAxis.Axis.Width = 1\nLeftAxis.Axis.EndStyle = esRound\nLeftAxis.Axis.LineMode = "
     "lmCylinder\n"},
    {"grid at its defaults", "LeftAxis.Grid.Color = clSilver\nLeftAxis.Grid.Width = 1", ""},
    {"grid changed",
     "LeftAxis.Grid.Color = clBlack\nLeftAxis.Grid.DrawEvery = 2\nLeftAxis.GridCentered = True",
     "LeftAxis.Grid.Color = clBlack\nLeftAxis.Grid.DrawEvery = 2\nLeftAxis.GridCentered = True\n"},
    {"ticks", "LeftAxis.Ticks.Color = clGray\nLeftAxis.MinorTicks.Color = clRed",
     "LeftAxis.MinorTicks.Color = clRed\n"},
    {"minor grid shown", "LeftAxis.MinorGrid.Visible = True",
     "LeftAxis.MinorGrid.Visible = True\n"},
    {"tick settings",
     "LeftAxis.MinorTickCount = 4\nLeftAxis.MinorTickLength = 3\nLeftAxis.TickInnerLength = 1\n"
     "LeftAxis.TickLength = 5\nLeftAxis.TickOnLabelsOnly = False",
     "LeftAxis.MinorTickCount = 4\nLeftAxis.MinorTickLength = 3\nLeftAxis.TickInnerLength = 1\n"
     "LeftAxis.TickLength = 5\nLeftAxis.TickOnLabelsOnly = False\n"},
    {"depth axis shown", "DepthAxis.Visible = True", "DepthAxis.Visible = True\n"},
    {"depth axis hidden", "DepthTopAxis.Visible = False", ""},
    {"depth axis labels", "DepthTopAxis.LabelsAsSeriesTitles = False",
     "DepthTopAxis.LabelsAsSeriesTitles = False\n"},
    {"standard axis hidden", "BottomAxis.Visible = False", "BottomAxis.Visible = False\n"},
    {"left title at its angle", "LeftAxis.Title.Angle = 90", ""},
    {"right title angle modulo 360", "RightAxis.Title.Angle = 630", ""},
    {"left title unturned", "LeftAxis.Title.Angle = 0", "LeftAxis.Title.Angle = 0\n"},
    {"bottom title turned", "BottomAxis.Title.Angle = 90", "BottomAxis.Title.Angle = 90\n"},
    {"title caption and position",
     "LeftAxis.Title.Caption = 'Sales'\nLeftAxis.Title.Position = tpEnd",
     "LeftAxis.Title.Caption = 'Sales'\nLeftAxis.Title.Position = tpEnd\n"},
    {"title left-justified", "LeftAxis.Title.TextAlignment = taLeftJustify", ""},
    {"title right-justified", "LeftAxis.Title.TextAlignment = taRightJustify",
     "LeftAxis.Title.TextAlignment = taRightJustify\n"},
    {"title opaque", "LeftAxis.Title.Transparent = False", "LeftAxis.Title.Transparent = False\n"},
    {"labels format opaque and right-justified",
     "LeftAxis.LabelsFormat.Transparent = False\nLeftAxis.LabelsFormat.TextAlignment = "
     "taRightJustify",
     "LeftAxis.LabelsFormat.Transparent = False\nLeftAxis.LabelsFormat.TextAlignment = "
     "taRightJustify\n"},
    {"background shape shown", "LeftAxis.Shape.Visible = True\nLeftAxis.Shape.Transparency = 30",
     "LeftAxis.Shape.Visible = True\nLeftAxis.Shape.Transparency = 30\n"},
    {"partner flag", "LeftAxis.UsePartnerAxis = True", "LeftAxis.UsePartnerAxis = True\n"},
    {"custom axis",
     "CustomAxes = <\n  item\n    Horizontal = True\n    OtherSide = False\n    Increment = 2\n  "
     "end>",
     "CustomAxes = <\n  item\n    Increment = 2.000000000000000000\n    Horizontal = True\n"
     "    OtherSide = False\n  end>\n"},
    {"sub-axis",
     "LeftAxis.SubAxes = <\n  item\n    Grid.Visible = False\n    OtherSide = True\n  end>",
     "LeftAxis.SubAxes = <\n  item\n    Grid.Visible = False\n    Horizontal = False\n"
     "    OtherSide = True\n  end>\n"},
};

TEST(ChartAxisWriteTest, LoadedValuesAreWrittenByTheirRules) {
  for (const LoadCase& c : kLoadCases) {
    SCOPED_TRACE(c.name);
    TAxisTestChart chart;
    EXPECT_TRUE(LoadChart(chart, c.loaded).empty());
    EXPECT_EQ(ChartLines(chart), c.expected);
  }
}

TEST(ChartAxisWriteTest, WrittenChartReloadsToTheSameText) {
  for (const LoadCase& c : kLoadCases) {
    SCOPED_TRACE(c.name);
    TAxisTestChart first;
    LoadChart(first, c.loaded);
    const std::string written = ChartLines(first);
    TAxisTestChart second;
    EXPECT_TRUE(LoadChart(second, written).empty());
    EXPECT_EQ(ChartLines(second), written);
  }
}

TEST(ChartAxisWriteTest, BoundsAreNotCheckedWhileReading) {
  TAxisTestChart chart;
  LoadChart(chart,
            "LeftAxis.Automatic = False\nLeftAxis.AutomaticMaximum = False\n"
            "LeftAxis.AutomaticMinimum = False\nLeftAxis.Minimum = 5");
  EXPECT_EQ(chart.LeftAxis()->Minimum(), 5);
  EXPECT_EQ(chart.LeftAxis()->Maximum(), 0);
}

TEST(ChartAxisWriteTest, OnlyAutomaticChangesWhileLoading) {
  TAxisTestChart chart;
  LoadChart(chart, "LeftAxis.Automatic = False");
  EXPECT_FALSE(chart.LeftAxis()->Automatic());
  EXPECT_TRUE(chart.LeftAxis()->AutomaticMinimum());
  EXPECT_TRUE(chart.LeftAxis()->AutomaticMaximum());
}

TEST(ChartAxisWriteTest, EndPositionZeroReloadsAsHundred) {
  TAxisTestChart first;
  LoadChart(first, "BottomAxis.EndPosition = 0");
  EXPECT_EQ(first.BottomAxis()->EndPosition(), 0);
  TAxisTestChart second;
  LoadChart(second, ChartLines(first));
  EXPECT_EQ(second.BottomAxis()->EndPosition(), 100);
}

TEST(ChartAxisWriteTest, ZeroGridDepthReloads) {
  TAxisTestChart first;
  first.TopAxis()->Grid()->SetZPosition(0);
  TAxisTestChart second;
  LoadChart(second, ChartLines(first));
  EXPECT_EQ(second.TopAxis()->Grid()->ZPosition(), 0);
}

TEST(ChartAxisWriteTest, TitleWritesItsFirstLineOnly) {
  TAxisTestChart chart;
  chart.LeftAxis()->Title()->SetText(u"Sales\rQ1");
  EXPECT_EQ(ChartLines(chart), "LeftAxis.Title.Caption = 'Sales'\n");
  chart.LeftAxis()->Title()->SetText(u"Sales");
  EXPECT_EQ(chart.LeftAxis()->Title()->Caption(), u"Sales");
}

struct ErrorCase {
  const char* loaded;
  const char* message;
};

TEST(ChartAxisWriteTest, RefusedValuesAreReportedAndSkipped) {
  const ErrorCase cases[] = {
      {"LeftAxis.LabelsSeparation = -1",
       "Error reading TAxisTestChart.LeftAxis.LabelsSeparation: Labels Separation % must be "
       "greater than 0"},
      {"LeftAxis.Increment = -1",
       "Error reading TAxisTestChart.LeftAxis.Increment: Axis increment must be >= 0"},
      {"LeftAxis.LogarithmicBase = 1",
       "Error reading TAxisTestChart.LeftAxis.LogarithmicBase: Axis Logarithmic Base should be "
       "<> 1 and > 0"},
      {"LeftAxis.PartnerAxis.Increment = 5",
       "Error reading TAxisTestChart.LeftAxis.PartnerAxis.Increment: Invalid property path"},
  };
  for (const ErrorCase& c : cases) {
    SCOPED_TRACE(c.loaded);
    TAxisTestChart chart;
    const std::vector<std::string> errors = LoadChart(chart, c.loaded);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], c.message);
    EXPECT_EQ(ChartLines(chart), "");
  }
}

TEST(ChartAxisWriteTest, PartnerIsWrittenAsAPartOfTheAxis) {
  TAxisTestChart chart;
  chart.LeftAxis()->SetPartnerAxis(chart.RightAxis());
  chart.RightAxis()->SetIncrement(5);
  EXPECT_EQ(ChartLines(chart),
            "LeftAxis.PartnerAxis.Increment = 5.000000000000000000\n"
            "RightAxis.Increment = 5.000000000000000000\n");
}

TEST(ChartAxisWriteTest, PartnersOfEachOtherAreLeftOut) {
  TAxisTestChart chart;
  chart.LeftAxis()->SetPartnerAxis(chart.RightAxis());
  chart.RightAxis()->SetPartnerAxis(chart.LeftAxis());
  chart.RightAxis()->SetIncrement(5);
  EXPECT_EQ(ChartLines(chart), "RightAxis.Increment = 5.000000000000000000\n");
  // A sub-axis that leads back to its master's partner closes a loop too.
  chart.RightAxis()->SetPartnerAxis(nullptr);
  chart.RightAxis()->SubAxes()->Add()->SetPartnerAxis(chart.LeftAxis());
  chart.RightAxis()->SetIncrement(0);
  EXPECT_EQ(ChartLines(chart),
            "RightAxis.SubAxes = <\n  item\n    Grid.Visible = False\n    Horizontal = False\n"
            "    OtherSide = True\n  end>\n");
}

}  // namespace
}  // namespace kel::test
